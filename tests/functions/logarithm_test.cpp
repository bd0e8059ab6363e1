// naturalLog and log10: exact results, the reduction counts, accuracy
// against bc digits, and arguments on both sides of the threshold .000001
// below which naturalLog shifts by powers of ten.
#include "function_test_support.h"
#include "logarithm.h"
#include "reference_digits.h"

namespace {

const ResultCase kExact[] = {
    {"NaturalLogOfOne", "NaturalLog", "1", "", "0.0"},  // (0 + 0·.2) + 0: no series
    {"NaturalLogOfE", "NaturalLogOfExponential", "1", "", "1.0"},
    {"NaturalLogOfEToTheFifth", "NaturalLogOfExponential", ".2", "", "0.2"},
    // Below 3 places the logarithm works at 3, where the written steps still
    // end (steps_digits.h pins the digits at 3).
    {"NaturalLogAt2WorksAt3", "NaturalLog", ".000001", "", "-14.263993", 2},
    {"NaturalLogOfZero", "NaturalLog", "0", "", "ERROR"},
    {"NaturalLogOfNegativeZero", "NaturalLog", "-0", "", "ERROR"},
    {"NaturalLogOfZeroWithFractionDigits", "NaturalLog", "0.000", "", "ERROR"},
    {"NaturalLogOfNegative", "NaturalLog", "-2", "", "ERROR"},
    // -7·ln 10 from bc (-16.118…8322332953…) cut at 57 places: the guard
    // places of ln 10 in the shift reduction keep every digit.
    {"NaturalLogOfTenMillionthAt54", "NaturalLog", ".0000001", "",
     "-16.118095650958319788125940182790549453207710420401410832233", 54},
    {"Log10OfThousand", "Log10", "1000", "", "3"},
    {"Log10OfZero", "Log10", "0", "", "ERROR"},
    {"Log10OfNegative", "Log10", "-5", "", "ERROR"},
};
INSTANTIATE_TEST_SUITE_P(Logarithm, ExactText, testing::ValuesIn(kExact), CaseLabel());

std::string tenToMinus(int n) { return "." + std::string(n - 1, '0') + "1"; }

// From 10^-6 to 10^6 the reduction as written; beyond, exact decimal
// shifts first, accurate to 10^-50 from 10^-999 to 10^9999.
const ResultCase kAccurate[] = {
    {"NaturalLogOfTwo", "NaturalLog", "2", "", reference::kLn2, 54, 54},
    {"NaturalLogOfMillionth", "NaturalLog", ".000001", "", reference::kLnOf1eMinus6, 54, 50},
    {"NaturalLogJustAboveMillionth", "NaturalLog", ".000001000001", "", reference::kLnOf1p000001eMinus6, 54, 50},
    {"NaturalLogOfOneAndAHalfMillionths", "NaturalLog", ".0000015", "", reference::kLnOf1p5eMinus6, 54, 50},
    {"NaturalLogJustBelowMillionth", "NaturalLog", ".000000999999", "", reference::kLnOf9p99999eMinus7, 54, 50},
    {"NaturalLogJustBelowMillionthAt15", "NaturalLog", ".000000999999", "", reference::kLnOf9p99999eMinus7, 15, 15},
    {"NaturalLogOfTenMillionth", "NaturalLog", tenToMinus(7), "", reference::kLnOf1eMinus7, 54, 50},
    {"NaturalLogOfThreeBillionths", "NaturalLog", ".000000003", "", reference::kLnOf3eMinus9, 54, 50},
    {"NaturalLogOfTenToMinus30", "NaturalLog", tenToMinus(30), "", reference::kLnOf1eMinus30, 54, 50},
    {"NaturalLogOfTenToMinus50", "NaturalLog", tenToMinus(50), "", reference::kLnOf1eMinus50, 54, 50},
    {"NaturalLogOf2p5TimesTenToMinus500", "NaturalLog", "." + std::string(499, '0') + "25", "",
     reference::kLnOf2p5eMinus500, 54, 50},
    {"NaturalLogOfTenToMinus999", "NaturalLog", kTenToMinus999, "", reference::kLnOf1eMinus999, 54, 50},
    {"NaturalLogOfTenTo998", "NaturalLog", "1" + std::string(998, '0'), "", reference::kLnOf1e998, 54, 50},
    {"NaturalLogJustBelowMillion", "NaturalLog", "999999.999", "", reference::kLnOfJustBelowMillion, 54, 50},
    {"NaturalLogJustAboveMillion", "NaturalLog", "1000000.000001", "", reference::kLnOfMillionAndAMillionth, 54, 50},
    {"NaturalLogOfTenTo9999", "NaturalLog", "1" + std::string(9999, '0'), "", reference::kLnOf1e9999, 54, 50},
    {"NaturalLogOfTenThousandNines", "NaturalLog", std::string(9999, '9') + ".5", "", reference::kLnOf1e9999, 54, 50},
    {"NaturalLogOfTenTo9999At15", "NaturalLog", "1" + std::string(9999, '0'), "", reference::kLnOf1e9999, 15, 12},
    {"NaturalLogOfLongFraction", "NaturalLog", kLongFraction, "", "0", 54, 54},
    {"Log10OfTwo", "Log10", "2", "", reference::kLog10Of2, 54, 54},
    {"Log10OfPointEighteenUnshifted", "Log10", ".18", "", reference::kLog10Of0p18, 54, 54},
    {"Log10OfSevenTimesTenTo100", "Log10", "7" + std::string(100, '0'), "", reference::kLog10Of7e100, 54, 54},
    {"Log10OfTenth", "Log10", ".1", "", "-1", 54, 54},
    {"Log10OfTenToMinus999", "Log10", kTenToMinus999, "", "-999", 54, 54},
    {"Log10OfNines", "Log10", kNines, "", "999", 54, 54},
};
INSTANTIATE_TEST_SUITE_P(Logarithm, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

struct ReductionCase {
    const char* label;
    const char* argument;
    int eFactors;
    int fifthFactors;
};

using LogReductionCounts = FunctionCaseTest<ReductionCase>;

TEST_P(LogReductionCounts, CountFactorsIntoNineTenthsToElevenTenths) {
    const ReductionCase& c = GetParam();
    workingPlaces = 54;
    const LogReduction r = reduceLogArgument(number(c.argument), number("1").exponential(), number(".2").exponential());
    EXPECT_EQ(r.eFactors, c.eFactors);
    EXPECT_EQ(r.fifthFactors, c.fifthFactors);
    EXPECT_FALSE(r.reduced.lessThan(number(".9")) || r.reduced.greaterThan(number("1.1"))) << describe(r.reduced);
}

const ReductionCase kReductions[] = {
    {"Ten", "10", 2, 2},           // 10 → 3.68 → 1.35 → 1.108 → 0.907
    {"Half", ".5", 0, -3},         // .5 is not below .5
    {"OneAndAHalf", "1.5", 0, 2},  // 1.5 is not above 1.5
    {"OneAndATenth", "1.1", 0, 0}, {"NineTenths", ".9", 0, 0}, {"One", "1", 0, 0}, {"Millionth", ".000001", -14, 1},
};
INSTANTIATE_TEST_SUITE_P(NaturalLog, LogReductionCounts, testing::ValuesIn(kReductions), CaseLabel());

}  // namespace
