// power and integerPower: exact results of the integer path, the logarithm
// path, the non-integer exponent decisions, and the 10,000-digit OVERFLOW
// rule (odd-power grouping and the digits of both paths: steps_digits.h).
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

const ResultCase kExact[] = {
    {"TwoToTheTen", "Power", "2", "10", "1024"},
    {"MinusTwoCubed", "Power", "-2", "3", "-8"},
    {"MinusTwoToTheFourth", "Power", "-2", "4", "16"},
    {"OneAndAHalfSquared", "Power", "1.5", "2", "2.25"},
    {"MinusOneAndAHalfCubed", "Power", "-1.5", "3", "-3.375"},
    {"TenToTheTwenty", "Power", "10", "20", "1" + std::string(20, '0')},
    {"SevenToTheZero", "Power", "7", "0", "1"},
    {"ZeroToTheZero", "Power", "0", "0", "1"},
    {"FractionToTheZero", "Power", ".375", "0", "1"},
    {"ZeroToTheFifth", "Power", "0", "5", "0"},
    {"FirstPowerKeepsForm", "Power", "007.50", "1", "007.50"},
    {"NegativeFirstPowerKeepsForm", "Power", "-000.1250", "1", "-000.1250"},
    {"MinusOneToAnEvenHugePower", "Power", "-1", kTenTo30, "1"},
    {"MinusOneToAnOddHugePower", "Power", "-1", "1" + std::string(29, '0') + "1", "-1"},
    {"OneToAHugePower", "Power", "1", "98765432109876543210", "1"},
    // Exponents with a fraction part.
    {"ZeroToAFractionalPower", "Power", "0", "2.5", "0"},
    {"ZeroToFractionalZero", "Power", "0", "0.0", "1"},
    {"ZeroToANegativeFractionalPowerIsError", "Power", "0", "-.5", "ERROR"},
    {"NegativeBaseToAFractionalPowerIsError", "Power", "-2", ".5", "ERROR"},
    {"NegativeBaseToFractionZeroIsError", "Power", "-8", "3.0", "ERROR"},
    // More than 10,000 integer digits: OVERFLOW at once (exactly 10,000: below).
    {"TenTo10000", "Power", "10", "10000", "OVERFLOW"},
    {"NineTo10480", "Power", "9", "10480", "OVERFLOW"},
    {"TwoTo33220", "Power", "2", "33220", "OVERFLOW"},
    {"MinusTwoTo33220", "Power", "-2", "33220", "OVERFLOW"},
    {"HundredTo5000", "Power", "100", "5000", "OVERFLOW"},
    {"TwoToTenTo30", "Power", "2", kTenTo30, "OVERFLOW"},  // the exponent saturates
    {"NinesToTheEleventh", "Power", kNines, "11", "OVERFLOW"},
    {"NinesToTwoAndAHalf", "Power", kNines, "2.5", "OVERFLOW"},  // e^5750…
    {"TenTo1042AndAHalf", "Power", "10", "1042.5", "OVERFLOW"},  // e^2400.4…
    // Below 1 in magnitude the cut products (57 fraction digits) reach zero.
    {"HalfToTenTo30", "Power", ".5", kTenTo30, "." + std::string(57, '0')},
    {"NearlyMinusOneToLargestInteger", "IntegerPower", "-.999", "2147483647", "." + std::string(57, '0')},
    // Written leading zeros widen every product: past the limit by width alone.
    {"LeadingZerosToLargestInteger", "Power", "00.5", "2147483647", "OVERFLOW"},
    {"LeadingZerosToTenTo30", "Power", "000.9", kTenTo30, "OVERFLOW"},
    // Seventeen leading zeros and more: past the digits the magnitude
    // estimate reads, the written width still answers at once.
    {"SeventeenLeadingZerosToLargestInteger", "Power", std::string(17, '0') + ".5", "2147483647", "OVERFLOW"},
    {"TwentyLeadingZerosOfOneToLargestInteger", "Power", std::string(20, '0') + "1", "2147483647", "OVERFLOW"},
    {"LeadingZerosNegativeHugePower", "IntegerPower", "00.5", "-2147483647", "OVERFLOW"},
    // The reciprocal of a power past the limit in value is cut to zero.
    {"TwoToMinus99999", "IntegerPower", "2", "-99999", "0"},
    // A negative integer exponent gives the reciprocal; beyond 32 bits it
    // saturates and keeps the parity of the exponent as written.
    {"TwoToMinusTwo", "Power", "2", "-2", ".25"},
    {"TwoToMinusTenTo30", "Power", "2", "-" + kTenTo30, "0"},
    {"MinusOneToAnEvenHugeNegativePower", "Power", "-1", "-" + kTenTo30, "1"},
    {"MinusOneToAnOddHugeNegativePower", "Power", "-1", "-1" + std::string(29, '0') + "1", "-1"},
};
INSTANTIATE_TEST_SUITE_P(Power, ExactText, testing::ValuesIn(kExact), CaseLabel());

const ResultCase kAccurate[] = {
    {"TwoToThreePointZeroOnLogarithmPath", "Power", "2", "3.0", "8", 54, 50},
    {"ThreeToTwoAndAHalf", "Power", "3", "2.5", reference::kPow3To2p5, 54, 52},
    {"TwoToMinusAHalf", "Power", "2", "-.5", reference::kPow2ToMinusHalf, 54, 54},
    {"NinesToTheHalf", "Power", kNines, ".5", reference::kSqrt10, 54, 50, 499},  // sqrt 10 × 10^499
    {"LongBaseToTwoAndAHalf", "Power", "11111." + std::string(994, '7'), "2.5", reference::kPowLongBaseTo2p5Over10To10,
     54, 50, 10},
};
INSTANTIATE_TEST_SUITE_P(Power, CloseToReference, testing::ValuesIn(kAccurate), CaseLabel());

struct SizeCase {
    const char* label;
    std::string base;
    const char* exponent;
    long integerDigits;
};

using ComputedPower = FunctionCaseTest<SizeCase>;

TEST_P(ComputedPower, HasIntegerDigits) {
    const SizeCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = number(c.base).power(number(c.exponent));
    ASSERT_FALSE(result.isSpecial()) << describe(result);
    EXPECT_EQ(integerDigitCount(result), c.integerDigits);
}

const SizeCase kSizes[] = {
    {"TenTo9999", "10", "9999", 10000},
    {"NineTo10479", "9", "10479", 10000},
    {"TwoTo33219", "2", "33219", 10000},
    {"NinesToTheTenth", kNines, "10", 9990},
    {"BarelyAboveOneToLargestInteger", "1.0000001", "2147483647", 94},
};
INSTANTIATE_TEST_SUITE_P(Power, ComputedPower, testing::ValuesIn(kSizes), CaseLabel());

}  // namespace
