// The two checks behind every function table, and the table of every digit
// the documented steps give (series lengths, iteration caps, thresholds,
// operand order), as "All Decimals" shows it: not merely close to the true
// value. Those expected texts come from make_steps_digits.py.
#include "function_test_support.h"
#include "steps_digits.h"

namespace {

DecimalNumber resultOf(const ResultCase& c) {
    workingPlaces = c.places;
    return apply(c.function, number(c.argument), number(c.exponent));
}

TEST_P(ExactText, IsExpectedText) {
    const ResultCase& c = GetParam();
    const DecimalNumber result = resultOf(c);
    EXPECT_EQ(result.toText(0), c.expected) << describe(result);
    // A state, not a value too long to show (that too reads OVERFLOW).
    const bool state = c.expected == "ERROR" || c.expected == "Infinity" || c.expected == "OVERFLOW";
    EXPECT_EQ(result.isSpecial(), state) << describe(result);
    EXPECT_EQ(workingPlaces, c.places);
}

TEST_P(CloseToReference, IsWithinTolerance) {
    const ResultCase& c = GetParam();
    const DecimalNumber result = resultOf(c);
    const DecimalNumber shifted =
        c.shift >= 0 ? result.divideByPowerOfTen(c.shift) : result.multiplyByPowerOfTen(-c.shift);
    EXPECT_TRUE(isWithin(shifted, c.expected, c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, c.places);
}

INSTANTIATE_TEST_SUITE_P(WrittenSteps, ExactText, testing::ValuesIn(steps::kCases), CaseLabel());

}  // namespace
