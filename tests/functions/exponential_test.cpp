// exponential: exact results, accuracy against reference digits, the
// OVERFLOW and zero bounds, and workingPlaces restored on every path.
#include "function_test_support.h"
#include "reference_digits.h"

namespace {

struct AccurateExponentialCase {
    const char* name;
    const char* argument;
    const char* reference;
    int tolerancePlaces;
};

using AccurateExponential = FunctionCaseTest<AccurateExponentialCase>;

TEST_P(AccurateExponential, IsWithinToleranceAt54) {
    const AccurateExponentialCase& c = GetParam();
    workingPlaces = 54;
    EXPECT_TRUE(isWithin(number(c.argument).exponential(), c.reference, c.tolerancePlaces));
    EXPECT_EQ(workingPlaces, 54);
}

const AccurateExponentialCase kAccurateExponentials[] = {
    {"One", "1", reference::kE, 56},  // about workingPlaces + 2 correct fraction digits
    {"Two", "2", reference::kExp2, 55},
    {"Half", ".5", reference::kExpHalf, 55},
    {"MinusOne", "-1", reference::kExpMinus1, 55},
    {"MinusTwenty", "-20", reference::kExpMinus20, 54},
    {"Thousand", "1000", reference::kExp1000, 54},
};
INSTANTIATE_TEST_SUITE_P(Exponential, AccurateExponential, testing::ValuesIn(kAccurateExponentials), CaseName());

TEST_F(FunctionTest, ExponentialOfZeroIsExactlyOne) {
    workingPlaces = 54;
    EXPECT_EQ(number("0").exponential().toText(0), "1");
    EXPECT_EQ(number("-0").exponential().toText(0), "1");
}

// The recursion for -20 runs at 54 places, the final reciprocal at 44, so
// the quotient budget of 48 digits ends at the 55th fraction digit.
TEST_F(FunctionTest, ExponentialOfMinusTwentyDividesAtLoweredPlaces) {
    workingPlaces = 54;
    const DecimalNumber result = number("-20").exponential();
    EXPECT_EQ(result.scale, 55) << describe(result);
}

TEST_F(FunctionTest, ExponentialOfMinusOneIsReciprocalOfExponentialOfOne) {
    workingPlaces = 54;
    const DecimalNumber e = number("1").exponential();
    EXPECT_TRUE(number("-1").exponential().equals(DecimalNumber::fromInt(1).divide(e)));
}

TEST_F(FunctionTest, ExponentialOf2400IsComputed) {
    workingPlaces = 54;
    const DecimalNumber result = number("2400").exponential();
    ASSERT_FALSE(result.isSpecial());
    EXPECT_EQ(integerDigitCount(result), 1043);
    const std::string leading(reference::kExp2400, 60);
    std::size_t first = 0;
    while (first < result.digits.size() && result.digits[first] == 0) ++first;
    std::string digits;
    for (std::size_t i = first; i < first + 60 && i < result.digits.size(); ++i) {
        digits += static_cast<char>('0' + result.digits[i]);
    }
    EXPECT_EQ(digits, leading);
    EXPECT_EQ(workingPlaces, 54);
}

struct BoundedExponentialCase {
    const char* name;
    std::string argument;
    bool overflow;  // otherwise zero
};

using BoundedExponential = FunctionCaseTest<BoundedExponentialCase>;

// Beyond the bounds the answer is immediate: OVERFLOW above 2400, zero from
// an integer part of -(2·workingPlaces + 8) = -116 down.
TEST_P(BoundedExponential, AnswersAtOnce) {
    const BoundedExponentialCase& c = GetParam();
    workingPlaces = 54;
    const DecimalNumber result = number(c.argument).exponential();
    if (c.overflow) {
        EXPECT_TRUE(result.isOverflow()) << describe(result);
        EXPECT_EQ(result.toText(0), "OVERFLOW");
    } else {
        EXPECT_TRUE(result.equals(DecimalNumber::fromInt(0))) << describe(result);
    }
    EXPECT_EQ(workingPlaces, 54);
}

const BoundedExponentialCase kBoundedExponentials[] = {
    {"JustAbove2400", "2400.000000000000000000001", true},
    {"TwentyFiveHundred", "2500", true},
    {"TenToThe30", "1" + std::string(30, '0'), true},
    {"TenToThe998", "1" + std::string(998, '0'), true},
    {"MinusOneHundredSixteen", "-116", false},
    {"MinusOneHundredSixteenAndAHalf", "-116.5", false},
    {"MinusTwentyFiveHundred", "-2500", false},
    {"MinusTenToThe30", "-1" + std::string(30, '0'), false},
};
INSTANTIATE_TEST_SUITE_P(Exponential, BoundedExponential, testing::ValuesIn(kBoundedExponentials), CaseName());

// Just inside the zero bound the steps themselves run: the reciprocal still
// has a (small) digit budget and the result is a value, here zero or tiny.
TEST_F(FunctionTest, ExponentialJustInsideZeroBoundRunsTheSteps) {
    workingPlaces = 54;
    const DecimalNumber result = number("-100").exponential();
    ASSERT_FALSE(result.isSpecial());
    EXPECT_TRUE(isWithin(result, reference::kExpMinus100, 49));
    EXPECT_FALSE(result.isZero());
}

struct PlacesRestoredCase {
    const char* name;
    std::string argument;
    int places;
};

using PlacesRestored = FunctionCaseTest<PlacesRestoredCase>;

TEST_P(PlacesRestored, AfterExponential) {
    const PlacesRestoredCase& c = GetParam();
    workingPlaces = c.places;
    (void)number(c.argument).exponential();
    EXPECT_EQ(workingPlaces, c.places);
}

const PlacesRestoredCase kPlacesRestored[] = {
    {"ZeroAt54", "0", 54},          {"OneAt54", "1", 54},
    {"SevenAt54", "7", 54},         {"MinusSevenAt54", "-7", 54},
    {"MinusTwentyAt54", "-20", 54}, {"MinusOneHundredAt54", "-100", 54},
    {"MinusOneFifteenAt54", "-115", 54},
    {"MinusOneSixteenAt54", "-116", 54},
    {"ThousandAt54", "1000", 54},   {"OverflowAt54", "2401", 54},
    {"MinusThirtyAt15", "-30", 15}, {"MinusFortyAt15", "-40", 15},
    {"NegativeZeroAt21", "-0", 21}, {"TwoPointFiveAt15", "2.5", 15},
};
INSTANTIATE_TEST_SUITE_P(Exponential, PlacesRestored, testing::ValuesIn(kPlacesRestored), CaseName());

// Calls that reach exponential from inside other functions restore too.
TEST_F(FunctionTest, NestedExponentialsRestorePlaces) {
    workingPlaces = 54;
    (void)number("10").naturalLog();
    EXPECT_EQ(workingPlaces, 54);
    (void)number(".000000000123").naturalLog();
    EXPECT_EQ(workingPlaces, 54);
    (void)number("2").power(number(".5"));
    EXPECT_EQ(workingPlaces, 54);
    (void)number("3").log10();
    EXPECT_EQ(workingPlaces, 54);
    (void)number("100").power(number("-2.5"));
    EXPECT_EQ(workingPlaces, 54);
}

}  // namespace
