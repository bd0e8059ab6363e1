// Comparisons and shape operations: numeric order across forms and signs,
// representation equality, and the moves of the decimal point.
#include "case_label.h"
#include "decimal_forms.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase {
    const char* label;
    const char* a;  // forms
    const char* b;
    bool greater;
    bool greaterOrEqual;
};

class Order : public testing::TestWithParam<OrderCase> {};

TEST_P(Order, ComparesValuesNotForms) {
    const OrderCase& c = GetParam();
    const DecimalNumber a = fromForm(c.a);
    const DecimalNumber b = fromForm(c.b);
    EXPECT_EQ(a.greaterThan(b), c.greater);
    EXPECT_EQ(a.greaterOrEqual(b), c.greaterOrEqual);
    EXPECT_EQ(a.lessThan(b), !c.greaterOrEqual);
}

const OrderCase kOrderCases[] = {
    {"HalfWithLeadingZeroVsSevenTenths", "+05/1", "+7/1", false, false},
    {"SevenTenthsVsHalfWithLeadingZero", "+7/1", "+05/1", true, true},
    {"HalfHeldTwoWays", "+05/1", "+5/1", false, true},
    {"PlusZeroVsMinusZero", "+0/0", "-0/0", true, true},
    {"MinusZeroVsPlusZero", "-0/0", "+0/0", false, false},
    {"MinusZeroVsMinusFive", "-0/0", "-5/0", true, true},
    {"MinusFiveVsMinusZero", "-5/0", "-0/0", false, false},
    {"TrailingZeroVsShort", "+250/2", "+25/1", false, true},
    {"ShortVsTrailingZero", "+25/1", "+250/2", false, true},
    {"LeadingZerosDoNotCount", "+0005/0", "+5/0", false, true},
    {"EmptyVsZero", "+/0", "+0/0", false, true},
    {"LongerIntegerWins", "+100/0", "+99/0", true, true},
    {"NegativesReverse", "-100/0", "-99/0", false, false},
    {"EqualNegativesHeldTwoWays", "-250/2", "-25/1", false, true},
    {"FractionRemainderDecides", "+1000001/6", "+1/0", true, true},
    {"SmallFractions", "+001/3", "+0009/4", true, true},
    {"ZeroVsSmallPositive", "+000/2", "+1/9", false, false},
};

INSTANTIATE_TEST_SUITE_P(Compare, Order, testing::ValuesIn(kOrderCases), CaseLabel());

TEST(Equals, ComparesRepresentationsAndIsZeroValues) {
    EXPECT_FALSE(textValue("2.5").equals(textValue("2.50")));
    EXPECT_FALSE(textValue("0").equals(textValue("-0")));
    EXPECT_FALSE(textValue("0").equals(DecimalNumber{}));
    EXPECT_TRUE(textValue("2.50").equals(textValue("2.50")));
    for (const char* zero : {"", "0.000", "-0"}) EXPECT_TRUE(textValue(zero).isZero()) << zero;
    EXPECT_FALSE(textValue("0.001").isZero());
}

struct PowerOfTenCase {
    const char* label;
    const char* form;
    int n;
    const char* multiplied;
    const char* divided;
};

class PowerOfTen : public testing::TestWithParam<PowerOfTenCase> {};

TEST_P(PowerOfTen, MovesThePointInTheStatedForm) {
    const PowerOfTenCase& c = GetParam();
    const DecimalNumber value = fromForm(c.form);
    EXPECT_EQ(formOf(value.multiplyByPowerOfTen(c.n)), c.multiplied);
    EXPECT_EQ(formOf(value.divideByPowerOfTen(c.n)), c.divided);
    EXPECT_EQ(formOf(value), c.form);  // receiver unchanged
}

const PowerOfTenCase kPowerOfTenCases[] = {
    {"FiveHundredthsUpTwo", "+005/2", 2, "+5/0", "+0005/4"},
    {"FiveOnePlace", "+5/0", 1, "+50/0", "+5/1"},
    {"FiveTwoPlaces", "+5/0", 2, "+500/0", "+05/2"},
    {"LongInteger", "+12345/0", 3, "+12345000/0", "+12345/3"},
    {"PastTheDigits", "+123/1", 4, "+123000/0", "+00123/5"},
    {"Zero", "+0/0", 2, "+0/0", "+00/2"},
    {"EmptyDigits", "+/0", 2, "+/0", "+00/2"},
    {"NoChange", "+25/1", 0, "+25/1", "+25/1"},
};

INSTANTIATE_TEST_SUITE_P(Shape, PowerOfTen, testing::ValuesIn(kPowerOfTenCases), CaseLabel());

TEST(Shape, NegateResizeAppendAndSetScaleChangeTheReceiver) {
    DecimalNumber zero = DecimalNumber::fromInt(0);
    EXPECT_EQ(formOf(zero.negate()), "-0/0");
    EXPECT_EQ(zero.toText(0), "-0");
    EXPECT_TRUE(zero.isNegative());
    EXPECT_EQ(formOf(zero.negate()), "+0/0");
    DecimalNumber value = fromForm("+12345/2");
    EXPECT_EQ(formOf(value.resizeDigits(3)), "+123/2");
    EXPECT_EQ(formOf(value.resizeDigits(5)), "+12300/2");
    EXPECT_EQ(formOf(value.appendZero()), "+123000/2");
    EXPECT_EQ(formOf(value.setScale(-1)), "+123000/-1");
    EXPECT_EQ(value.toText(0), "ERROR");
    EXPECT_EQ(formOf(fromForm("-25/1").absoluteValue()), "+25/1");
}

TEST(Shape, SpecialStatesKeepTheirMarkerWhenThePointMoves) {
    EXPECT_TRUE(DecimalNumber::errorState().multiplyByPowerOfTen(3).isError());
    EXPECT_TRUE(DecimalNumber::infinityState().divideByPowerOfTen(3).isInfinity());
}

}  // namespace
