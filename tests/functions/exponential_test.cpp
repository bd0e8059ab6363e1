// exponential: exact results, accuracy against bc digits, the OVERFLOW and
// zero bounds. Every row also checks that workingPlaces is restored.
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

// Beyond the bounds the answer is immediate: OVERFLOW above 2400, zero from
// an integer part of -(2·workingPlaces + 8) down (-116 at 54, -38 at 15).
const ResultCase kExact[] = {
    {"Zero", "Exponential", "0", "", "1"},
    {"NegativeZeroAt21", "Exponential", "-0", "", "1", 21},
    {"JustAbove2400", "Exponential", "2400.000000000000000000001", "", "OVERFLOW"},
    {"TwentyFiveHundred", "Exponential", "2500", "", "OVERFLOW"},
    {"TenTo30", "Exponential", kTenTo30, "", "OVERFLOW"},
    {"Nines", "Exponential", kNines, "", "OVERFLOW"},
    {"MinusOneHundredSixteen", "Exponential", "-116", "", "0"},
    {"MinusOneHundredSixteenAndAHalf", "Exponential", "-116.5", "", "0"},
    {"MinusTwentyFiveHundred", "Exponential", "-2500", "", "0"},
    {"MinusTenTo30", "Exponential", "-" + kTenTo30, "", "0"},
    {"MinusNines", "Exponential", "-" + kNines, "", "0"},
    {"MinusFortyAt15", "Exponential", "-40", "", "0", 15},
    // At 1200 places the zero bound lies beyond -2400: there the reciprocal
    // of an OVERFLOW answers zero.
    {"MinusBeyond2400At1200", "Exponential", "-2400.5", "", "0", 1200},
};
INSTANTIATE_TEST_SUITE_P(Exponential, ExactText, testing::ValuesIn(kExact), CaseLabel());

// About workingPlaces + 1 or 2 correct fraction digits. Just inside the zero
// bound the steps still run and give a small value, not zero; e^2400 is
// computed (1043 integer digits), not OVERFLOW.
const ResultCase kAccurate[] = {
    {"One", "Exponential", "1", "", reference::kE, 54, 56},
    {"Two", "Exponential", "2", "", reference::kExp2, 54, 55},
    {"MinusOne", "Exponential", "-1", "", reference::kExpMinus1, 54, 55},
    {"MinusTwenty", "Exponential", "-20", "", reference::kExpMinus20, 54, 54},
    {"MinusHundred", "Exponential", "-100", "", reference::kExpMinus100, 54, 49},
    {"Thousand", "Exponential", "1000", "", reference::kExp1000, 54, 54},
    {"TwentyFourHundred", "Exponential", "2400", "", reference::kExp2400Over10To1042, 54, 58, 1042},
    {"LongFraction", "Exponential", kLongFraction, "", reference::kE, 54, 55},  // e^(1 - 10^-999)
};
INSTANTIATE_TEST_SUITE_P(Exponential, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

}  // namespace
