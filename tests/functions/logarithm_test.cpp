// naturalLog and log10: exact results, the reduction counts, accuracy
// against reference digits, and arguments on both sides of the threshold
// below which naturalLog shifts by powers of ten.
#include "function_test_support.h"
#include "logarithm.h"
#include "reference_digits.h"

namespace {

TEST_F(FunctionTest, NaturalLogOfOneIsZeroWithoutSeries) {
    workingPlaces = 54;
    const DecimalNumber result = DecimalNumber::fromInt(1).naturalLog();
    // (0 + 0·.2) + 0: the product 0·.2 keeps one fraction digit.
    EXPECT_EQ(result.toText(0), "0.0") << describe(result);
}

TEST_F(FunctionTest, NaturalLogOfExponentialOfOneIsOne) {
    workingPlaces = 54;
    const DecimalNumber result = DecimalNumber::fromInt(1).exponential().naturalLog();
    EXPECT_EQ(result.toText(0), "1.0") << describe(result);
}

TEST_F(FunctionTest, NaturalLogOfExponentialOfOneFifthIsOneFifth) {
    workingPlaces = 54;
    const DecimalNumber result = number(".2").exponential().naturalLog();
    EXPECT_EQ(result.toText(0), "0.2") << describe(result);
}

struct ReductionCase {
    const char* name;
    const char* argument;
    int eFactors;
    int fifthFactors;
};

using LogReductionCounts = FunctionCaseTest<ReductionCase>;

TEST_P(LogReductionCounts, CountsFactors) {
    const ReductionCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber e = DecimalNumber::fromInt(1).exponential();
    const DecimalNumber eToTheFifth = number(".2").exponential();
    const LogReduction r = reduceLogArgument(number(c.argument), e, eToTheFifth);
    EXPECT_EQ(r.eFactors, c.eFactors);
    EXPECT_EQ(r.fifthFactors, c.fifthFactors);
    EXPECT_FALSE(r.reduced.lessThan(number(".9")));
    EXPECT_FALSE(r.reduced.greaterThan(number("1.1")));
}

const ReductionCase kReductions[] = {
    {"Ten", "10", 2, 2},          // 10 → 3.68 → 1.35 → 1.108 → 0.907
    {"Half", ".5", 0, -3},        // .5 is not below .5
    {"OneAndAHalf", "1.5", 0, 2}, // 1.5 is not above 1.5
    {"OneAndATenth", "1.1", 0, 0},
    {"NineTenths", ".9", 0, 0},
    {"One", "1", 0, 0},
    {"Millionth", ".000001", -14, 1},
};
INSTANTIATE_TEST_SUITE_P(NaturalLog, LogReductionCounts, testing::ValuesIn(kReductions), CaseName());

struct AccurateLogCase {
    const char* name;
    std::string argument;
    const char* reference;
    int tolerancePlaces;
};

using AccurateNaturalLog = FunctionCaseTest<AccurateLogCase>;

TEST_P(AccurateNaturalLog, IsWithinToleranceAt54) {
    const AccurateLogCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(number(c.argument).naturalLog(), c.reference, c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, 54);
}

const AccurateLogCase kAccurateNaturalLogs[] = {
    {"Two", "2", reference::kLn2, 54},
    {"Ten", "10", reference::kLn10, 54},
    {"Three", "3", reference::kLn3, 54},
    {"Half", ".5", reference::kLnHalf, 54},
    {"NineTenths", ".9", reference::kLn0p9, 54},
    // At and above the threshold .000001: the reduction as written.
    {"Millionth", ".000001", reference::kLnOf1eMinus6, 50},
    {"JustAboveMillionth", ".000001000001", reference::kLnOf1p000001eMinus6, 50},
    {"OneAndAHalfMillionths", ".0000015", reference::kLnOf1p5eMinus6, 50},
    // Below it: exact decimal shifts first.
    {"JustBelowMillionth", ".000000999999", reference::kLnOf9p99999eMinus7, 50},
    {"TenMillionth", ".0000001", reference::kLnOf1eMinus7, 50},
    {"ThreeBillionths", ".000000003", reference::kLnOf3eMinus9, 50},
    {"TenToMinus30", "." + std::string(29, '0') + "1", reference::kLnOf1eMinus30, 50},
    {"TenToMinus50", "." + std::string(49, '0') + "1", reference::kLnOf1eMinus50, 50},
    {"TenToMinus50WithLeadingZero", "0." + std::string(49, '0') + "1", reference::kLnOf1eMinus50, 50},
    {"TwoAndAHalfTimesTenToMinus500", "." + std::string(499, '0') + "25", reference::kLnOf2p5eMinus500, 50},
    {"TenToMinus999", "." + std::string(998, '0') + "1", reference::kLnOf1eMinus999, 50},
    {"TenTo998", "1" + std::string(998, '0'), reference::kLnOf1e998, 50},
};
INSTANTIATE_TEST_SUITE_P(NaturalLog, AccurateNaturalLog, testing::ValuesIn(kAccurateNaturalLogs), CaseName());

// At 15 places the reduction as written cuts the products of small values:
// the fourteen multiplications by e leave ln .000001 correct only to about
// 10^-13. That inaccuracy shows the argument at the threshold still takes
// the steps as written; just below it the shifted path is accurate.
TEST_F(FunctionTest, ThresholdArgumentTakesReductionAsWritten) {
    workingPlaces = 15;
    const DecimalNumber atThreshold = number(".000001").naturalLog();
    EXPECT_TRUE(isWithin(atThreshold, reference::kLnOf1eMinus6, 12));
    EXPECT_FALSE(isWithin(atThreshold, reference::kLnOf1eMinus6, 14));
    EXPECT_TRUE(isWithin(number(".000000999999").naturalLog(), reference::kLnOf9p99999eMinus7, 15));
}

TEST_F(FunctionTest, NaturalLogShiftThresholdIsOneMillionth) {
    EXPECT_TRUE(sameValue(naturalLogShiftThreshold(), number(".000001")));
}

TEST_F(FunctionTest, NaturalLogOfNonPositiveIsError) {
    workingPlaces = 54;
    EXPECT_TRUE(number("0").naturalLog().isError());
    EXPECT_TRUE(number("-0").naturalLog().isError());
    EXPECT_TRUE(number("0.000").naturalLog().isError());
    EXPECT_TRUE(number("-2").naturalLog().isError());
}

// Below 3 places the reduction by e could cut .000001·e to zero, so the
// logarithm raises the precision to 3 for the call; from 3 places on it
// follows the steps (written_steps_test.cpp pins the digits at 3).
TEST_F(FunctionTest, NaturalLogBelowThreePlacesWorksAtThree) {
    workingPlaces = 3;
    const std::string atThree = number(".000001").naturalLog().toText(0);
    workingPlaces = 2;
    EXPECT_EQ(number(".000001").naturalLog().toText(0), atThree);
    EXPECT_EQ(workingPlaces, 2);
}

TEST_F(FunctionTest, Log10OfThousandIsExactlyThree) {
    workingPlaces = 54;
    EXPECT_EQ(number("1000").log10().toText(0), "3");
}

using AccurateLog10 = FunctionCaseTest<AccurateLogCase>;

TEST_P(AccurateLog10, IsWithinToleranceAt54) {
    const AccurateLogCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(number(c.argument).log10(), c.reference, c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, 54);
}

const AccurateLogCase kAccurateLog10s[] = {
    {"Two", "2", reference::kLog10Of2, 54},
    {"PointEighteenUnshifted", ".18", reference::kLog10Of0p18, 54},
    {"SevenTimesTenTo100", "7" + std::string(100, '0'), reference::kLog10Of7e100, 54},
    {"TenToMinus999", "." + std::string(998, '0') + "1", "-999", 54},
    {"Tenth", ".1", "-1", 54},
};
INSTANTIATE_TEST_SUITE_P(Log10, AccurateLog10, testing::ValuesIn(kAccurateLog10s), CaseName());

TEST_F(FunctionTest, Log10OfNonPositiveIsError) {
    workingPlaces = 54;
    EXPECT_TRUE(number("0").log10().isError());
    EXPECT_TRUE(number("-5").log10().isError());
}

}  // namespace
