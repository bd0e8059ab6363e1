// Text conversions of DecimalNumber: construction from text and integers,
// display text with its groupings and states, and toInteger.
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct FromTextCase {
    const char* name;
    const char* text;
    const char* form;   // expected sign digits/scale
    const char* shown;  // toText(0) of the result
};

class FromText : public testing::TestWithParam<FromTextCase> {};

TEST_P(FromText, KeepsTheTypedForm) {
    const FromTextCase& c = GetParam();
    const DecimalNumber value = DecimalNumber::fromText(c.text);
    EXPECT_EQ(formOf(value), c.form);
    EXPECT_EQ(value.toText(0), c.shown);
}

const FromTextCase kFromTextCases[] = {
    {"LeadingAndTrailingZeros", "007.50", "+00750/2", "007.50"},
    {"NoIntegerDigit", ".5", "+5/1", ".5"},
    {"NegativeNoIntegerDigit", "-.5", "-5/1", "-.5"},
    {"CommaSkipped", "1,234.5", "+12345/1", "1234.5"},
    {"Empty", "", "+/0", "0"},
    {"PlusIgnored", "+42", "+42/0", "42"},
    {"LastPointCounts", "1.2.34", "+1234/2", "12.34"},
    {"ExponentTokenPadded", "1.5E-3", "+0153/4", ".0153"},
    {"LetterAfterPointCounts", "2.x", "+2/1", ".2"},
    {"LettersAfterPointPadded", "2.xx", "+02/2", ".02"},
    {"NegativeZero", "-0", "-0/0", "-0"},
};

INSTANTIATE_TEST_SUITE_P(Text, FromText, testing::ValuesIn(kFromTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(FromText, NullTextIsEmptyZero) {
    const DecimalNumber value = DecimalNumber::fromText(nullptr);
    EXPECT_EQ(formOf(value), "+/0");
    EXPECT_TRUE(value.isZero());
}

struct FromIntCase {
    const char* name;
    std::int32_t value;
    const char* form;
};

class FromInt : public testing::TestWithParam<FromIntCase> {};

TEST_P(FromInt, IsExactWithoutLeadingZeros) {
    EXPECT_EQ(formOf(DecimalNumber::fromInt(GetParam().value)), GetParam().form);
}

const FromIntCase kFromIntCases[] = {
    {"Zero", 0, "+0/0"},
    {"MinusOneEighty", -180, "-180/0"},
    {"Ten", 10, "+10/0"},
    {"BillionAndMore", 1234567890, "+1234567890/0"},
    {"Int32Max", INT32_MAX, "+2147483647/0"},
    {"Int32Min", INT32_MIN, "-2147483648/0"},
};

INSTANTIATE_TEST_SUITE_P(Int, FromInt, testing::ValuesIn(kFromIntCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct GroupingCase {
    const char* name;
    const char* form;
    const char* plain;
    const char* fives;
    const char* commas;
};

class Grouping : public testing::TestWithParam<GroupingCase> {};

TEST_P(Grouping, WritesEachGroupWidth) {
    const GroupingCase& c = GetParam();
    const DecimalNumber value = fromForm(c.form);
    EXPECT_EQ(value.toText(0), c.plain);
    EXPECT_EQ(value.toText(5), c.fives);
    EXPECT_EQ(value.toText(-1), c.commas);
}

const GroupingCase kGroupingCases[] = {
    {"LongFraction", "+1234567891234/6", "1234567.891234", "12 34567.89123 4", "1,234,567.891 234"},
    {"NegativeHalf", "-1234565/1", "-123456.5", "-1 23456.5", "-123,456.5"},
    {"NoSpaceAfterMinus", "-12345/0", "-12345", "-12345", "-12,345"},
    {"LeadingZeroKept", "+0123456/6", "0.123456", "0.12345 6", "0.123 456"},
    {"Integer", "+1234567/0", "1234567", "12 34567", "1,234,567"},
    {"NoIntegerDigit", "-25/2", "-.25", "-.25", "-.25"},
    {"ExactGroupOfFive", "+12345678901/1", "1234567890.1", "12345 67890.1", "1,234,567,890.1"},
    {"NegativeSixDigits", "-123456/0", "-123456", "-1 23456", "-123,456"},
    {"EmptyDigits", "+/0", "0", "0", "0"},
    {"NegativeZero", "-0/0", "-0", "-0", "-0"},
};

INSTANTIATE_TEST_SUITE_P(Text, Grouping, testing::ValuesIn(kGroupingCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct StateCase {
    const char* name;
    DecimalNumber value;
    const char* text;
};

class StateText : public testing::TestWithParam<StateCase> {};

TEST_P(StateText, IsWrittenWithoutDigitsOrSign) {
    for (int width : {0, 5, -1}) EXPECT_EQ(GetParam().value.toText(width), GetParam().text);
}

DecimalNumber negated(DecimalNumber value) {
    value.negate();
    return value;
}

DecimalNumber ofDigitCount(std::size_t count, char sign) {
    DecimalNumber value;
    value.sign = sign;
    value.digits.assign(count, 7);
    return value;
}

const StateCase kStateCases[] = {
    {"Error", DecimalNumber::errorState(), "ERROR"},
    {"NegativeError", negated(DecimalNumber::errorState()), "ERROR"},
    {"Infinity", DecimalNumber::infinityState(), "Infinity"},
    {"NegativeInfinity", negated(DecimalNumber::infinityState()), "Infinity"},
    {"Overflow", DecimalNumber::overflowState(), "OVERFLOW"},
    {"ThousandDigits", ofDigitCount(1000, '+'), "OVERFLOW"},
    {"ThousandDigitsNegative", ofDigitCount(1000, '-'), "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(Text, StateText, testing::ValuesIn(kStateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToText, WritesNineHundredNinetyNineDigitsInFull) {
    const DecimalNumber value = ofDigitCount(999, '-');
    const std::string text = value.toText(0);
    ASSERT_EQ(text.size(), 1000u);
    EXPECT_EQ(text, "-" + std::string(999, '7'));
    // Grouped in fives: 199 separators after the minus sign.
    EXPECT_EQ(value.toText(5).size(), 1000u + 199u);
}

TEST(ToText, NeverWritesPastTheBuffer) {
    const DecimalNumber value = DecimalNumber::fromText("-1234567.891234");
    char buffer[12];
    std::memset(buffer, 'x', sizeof buffer);
    value.toText(buffer, 8, -1);
    EXPECT_STREQ(buffer, "-1,234,");
    EXPECT_EQ(buffer[8], 'x');

    char exact[16];
    value.toText(exact, sizeof exact, 0);
    EXPECT_STREQ(exact, "-1234567.891234");
    value.toText(exact, 1, 0);
    EXPECT_STREQ(exact, "");
}

struct ToIntegerCase {
    const char* name;
    const char* text;
    std::int32_t expected;
};

class ToInteger : public testing::TestWithParam<ToIntegerCase> {};

TEST_P(ToInteger, TruncatesTowardsZeroAndSaturates) {
    EXPECT_EQ(DecimalNumber::fromText(GetParam().text).toInteger(), GetParam().expected);
}

const ToIntegerCase kToIntegerCases[] = {
    {"NegativeFraction", "-12.9", -12},
    {"Half", ".5", 0},
    {"NegativeHalf", "-.5", 0},
    {"LeadingZeros", "0042.000", 42},
    {"Int32Max", "2147483647", INT32_MAX},
    {"JustAboveMax", "2147483648", INT32_MAX},
    {"Int32Min", "-2147483648", INT32_MIN},
    {"FarBelowMin", "-99999999999999999999.5", INT32_MIN},
    {"HugeWithLongFraction", "12345678901234567890.123456789012345678901234567890", INT32_MAX},
};

INSTANTIATE_TEST_SUITE_P(Text, ToInteger, testing::ValuesIn(kToIntegerCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ToInteger, ReadsValuesTooLongToShow) {
    DecimalNumber value = ofDigitCount(1200, '+');
    value.scale = 1195; // 77777.7...
    EXPECT_EQ(value.toInteger(), 77777);
    EXPECT_EQ(DecimalNumber::errorState().toInteger(), 0);
}

} // namespace
