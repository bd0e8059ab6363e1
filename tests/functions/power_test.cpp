// power and integerPower: the integer path and its exact results, the
// grouping of odd powers, the logarithm path, the non-integer exponent
// decisions, and the 10,000-digit OVERFLOW rule.
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

struct ExactPowerCase {
    const char* name;
    std::string base;
    std::string exponent;
    std::string expectedText;
};

using ExactPower = FunctionCaseTest<ExactPowerCase>;

TEST_P(ExactPower, GivesExpectedText) {
    const ExactPowerCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = number(c.base).power(number(c.exponent));
    EXPECT_EQ(result.toText(0), c.expectedText) << describe(result);
    EXPECT_EQ(workingPlaces, 54);
}

const ExactPowerCase kExactPowers[] = {
    {"TwoToTheTen", "2", "10", "1024"},
    {"MinusTwoCubed", "-2", "3", "-8"},
    {"MinusTwoToTheFourth", "-2", "4", "16"},
    {"OneAndAHalfSquared", "1.5", "2", "2.25"},
    {"MinusOneAndAHalfCubed", "-1.5", "3", "-3.375"},
    {"TenToTheTwenty", "10", "20", "1" + std::string(20, '0')},
    {"SevenToTheZero", "7", "0", "1"},
    {"ZeroToTheZero", "0", "0", "1"},
    {"FractionToTheZero", ".375", "0", "1"},
    {"ZeroToTheFifth", "0", "5", "0"},
    {"FirstPowerKeepsForm", "007.50", "1", "007.50"},
    {"ZeroToAFractionalPower", "0", "2.5", "0"},
    {"ZeroToFractionalZero", "0", "0.0", "1"},
    {"MinusOneToAnEvenHugePower", "-1", "1" + std::string(30, '0'), "1"},
    {"MinusOneToAnOddHugePower", "-1", "1" + std::string(29, '0') + "1", "-1"},
    {"OneToAHugePower", "1", "98765432109876543210", "1"},
};
INSTANTIATE_TEST_SUITE_P(Power, ExactPower, testing::ValuesIn(kExactPowers), CaseName());

TEST_F(FunctionTest, FirstPowerIsTheSameRepresentation) {
    workingPlaces = 54;
    const DecimalNumber x = number("-000.1250");
    EXPECT_TRUE(x.power(number("1")).equals(x));
    EXPECT_TRUE(x.integerPower(1).equals(x));
}

// (x·h)·h for odd n, with h = x^(n/2): at 15 places every product is cut to
// 18 fraction digits, so the grouping decides the last digits.
struct OddPowerCase {
    const char* name;
    std::int32_t exponent;
    const char* expectedText;
};

using OddPowerGrouping = FunctionCaseTest<OddPowerCase>;

TEST_P(OddPowerGrouping, MultipliesByHalfPowerTwice) {
    const OddPowerCase& c = GetParam();
    workingPlaces = 15;
    const DecimalNumber result = number("3.141592653589793238").integerPower(c.exponent);
    EXPECT_EQ(result.toText(0), c.expectedText);
}

const OddPowerCase kOddPowers[] = {
    {"Fifth", 5, reference::kPiTo5At18Places},
    {"Seventh", 7, reference::kPiTo7At18Places},
};
INSTANTIATE_TEST_SUITE_P(IntegerPower, OddPowerGrouping, testing::ValuesIn(kOddPowers), CaseName());

// 3.0 has a fraction digit, so it takes e^(3.0·ln 2): close to 8, not 8.
TEST_F(FunctionTest, PowerWithFractionDigitsTakesLogarithmPath) {
    workingPlaces = 54;
    const DecimalNumber result = number("2").power(number("3.0"));
    EXPECT_TRUE(isWithin(result, "8", 50));
    EXPECT_GT(result.scale, 0) << describe(result);
}

struct AccuratePowerCase {
    const char* name;
    const char* base;
    const char* exponent;
    const char* reference;
    int tolerancePlaces;
};

using AccuratePower = FunctionCaseTest<AccuratePowerCase>;

TEST_P(AccuratePower, IsWithinToleranceAt54) {
    const AccuratePowerCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(number(c.base).power(number(c.exponent)), c.reference, c.tolerancePlaces));
}

const AccuratePowerCase kAccuratePowers[] = {
    {"TwoToTheHalf", "2", ".5", reference::kPow2ToHalf, 54},
    {"ThreeToTwoAndAHalf", "3", "2.5", reference::kPow3To2p5, 52},
    {"TwoToMinusAHalf", "2", "-.5", reference::kPow2ToMinusHalf, 54},
};
INSTANTIATE_TEST_SUITE_P(Power, AccuratePower, testing::ValuesIn(kAccuratePowers), CaseName());

TEST_F(FunctionTest, NegativeBaseWithFractionalExponentIsError) {
    workingPlaces = 54;
    EXPECT_TRUE(number("-2").power(number(".5")).isError());
    EXPECT_TRUE(number("-8").power(number("3.0")).isError());
}

TEST_F(FunctionTest, ZeroBaseWithNegativeFractionalExponentIsError) {
    workingPlaces = 54;
    EXPECT_TRUE(number("0").power(number("-.5")).isError());
}

// A result of more than 10,000 integer digits is OVERFLOW at once; one of
// exactly 10,000 is computed.
struct PowerLimitCase {
    const char* name;
    std::string base;
    std::string exponent;
    bool overflow;
    long integerDigits;  // when computed
};

using PowerLimit = FunctionCaseTest<PowerLimitCase>;

TEST_P(PowerLimit, OverflowsBeyondTenThousandDigits) {
    const PowerLimitCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = number(c.base).power(number(c.exponent));
    if (c.overflow) {
        EXPECT_TRUE(result.isOverflow()) << describe(result);
    } else {
        ASSERT_FALSE(result.isSpecial());
        EXPECT_EQ(integerDigitCount(result), c.integerDigits);
    }
}

const PowerLimitCase kPowerLimits[] = {
    {"TenTo9999", "10", "9999", false, 10000},
    {"TenTo10000", "10", "10000", true, 0},
    {"NineTo10479", "9", "10479", false, 10000},
    {"NineTo10480", "9", "10480", true, 0},
    {"TwoTo33219", "2", "33219", false, 10000},
    {"TwoTo33220", "2", "33220", true, 0},
    {"MinusTwoTo33220", "-2", "33220", true, 0},
    {"HundredTo5000", "100", "5000", true, 0},
    {"TwoToTenToThe30", "2", "1" + std::string(30, '0'), true, 0},
    {"LongBaseToTheTenth", repeatedDigits("9", 999), "10", false, 9990},
    {"LongBaseToTheEleventh", repeatedDigits("9", 999), "11", true, 0},
    {"BarelyAboveOneToLargestInt", "1.0000001", "2147483647", false, 94},
};
INSTANTIATE_TEST_SUITE_P(Power, PowerLimit, testing::ValuesIn(kPowerLimits), CaseName());

// Below 1 in magnitude the cut products simply reach zero.
TEST_F(FunctionTest, SmallBaseToHugePowerIsZero) {
    workingPlaces = 54;
    EXPECT_TRUE(number(".5").power(number("1" + std::string(30, '0'))).isZero());
    EXPECT_TRUE(number("-.999").integerPower(2147483647).isZero());
}

TEST_F(FunctionTest, LogarithmPathOverflowsThroughExponential) {
    workingPlaces = 54;
    EXPECT_TRUE(number("10").power(number("1042.5")).isOverflow());  // e^2400.4…
}

}  // namespace
