// Text conversions of DecimalNumber: construction from text and integers,
// display text with its groupings and states, and toInteger.
#include "case_label.h"
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

struct FromTextCase {
    const char* label;
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
    {"NullText", nullptr, "+/0", "0"},
};

INSTANTIATE_TEST_SUITE_P(Text, FromText, testing::ValuesIn(kFromTextCases), CaseLabel());

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

struct GroupingCase {
    const char* label;
    DecimalNumber value;
    const char* plain;
    const char* fives;
    const char* commas;
};

class Grouping : public testing::TestWithParam<GroupingCase> {};

TEST_P(Grouping, WritesEachGroupWidth) {
    const GroupingCase& c = GetParam();
    EXPECT_EQ(c.value.toText(0), c.plain);
    EXPECT_EQ(c.value.toText(5), c.fives);
    EXPECT_EQ(c.value.toText(-1), c.commas);
}

const GroupingCase kGroupingCases[] = {
    {"LongFraction", fromForm("+1234567891234/6"), "1234567.891234", "12 34567.89123 4", "1,234,567.891 234"},
    {"NegativeHalf", fromForm("-1234565/1"), "-123456.5", "-1 23456.5", "-123,456.5"},
    {"NoSpaceAfterMinus", fromForm("-12345/0"), "-12345", "-12345", "-12,345"},
    {"LeadingZeroKept", fromForm("+0123456/6"), "0.123456", "0.12345 6", "0.123 456"},
    {"Integer", fromForm("+1234567/0"), "1234567", "12 34567", "1,234,567"},
    {"NoIntegerDigit", fromForm("-25/2"), "-.25", "-.25", "-.25"},
    {"ExactGroupOfFive", fromForm("+12345678901/1"), "1234567890.1", "12345 67890.1", "1,234,567,890.1"},
    {"NegativeSixDigits", fromForm("-123456/0"), "-123456", "-1 23456", "-123,456"},
    {"EmptyDigits", fromForm("+/0"), "0", "0", "0"},
    {"NegativeZero", fromForm("-0/0"), "-0", "-0", "-0"},
    // Fewer digits than the scale: written as if zero-padded in front.
    {"DigitsShorterThanScale", fromForm("-25/7"), "-.0000025", "-.00000 25", "-.000 002 5"},
    {"EmptyDigitsWithScale", fromForm("+/2"), ".00", ".00", ".00"},
    // The states are written without digits or sign.
    {"Error", DecimalNumber::errorState(), "ERROR", "ERROR", "ERROR"},
    {"NegativeError", negated(DecimalNumber::errorState()), "ERROR", "ERROR", "ERROR"},
    {"Infinity", DecimalNumber::infinityState(), "Infinity", "Infinity", "Infinity"},
    {"NegativeInfinity", negated(DecimalNumber::infinityState()), "Infinity", "Infinity", "Infinity"},
    {"Overflow", DecimalNumber::overflowState(), "OVERFLOW", "OVERFLOW", "OVERFLOW"},
    {"ThousandDigits", ofDigitCount(1000, '+'), "OVERFLOW", "OVERFLOW", "OVERFLOW"},
    {"ThousandDigitsNegative", ofDigitCount(1000, '-'), "OVERFLOW", "OVERFLOW", "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(Text, Grouping, testing::ValuesIn(kGroupingCases), CaseLabel());

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

struct IntegerCase {
    const char* label;
    const char* text;
    std::int32_t value;
    bool fromIntGivesText;  // fromInt(value) has the text's form
};

class Integer : public testing::TestWithParam<IntegerCase> {};

TEST_P(Integer, ToIntegerTruncatesAndSaturatesFromIntIsExact) {
    const IntegerCase& c = GetParam();
    EXPECT_EQ(DecimalNumber::fromText(c.text).toInteger(), c.value);
    if (c.fromIntGivesText) {
        EXPECT_EQ(formOf(DecimalNumber::fromInt(c.value)), formOf(textValue(c.text)));
    }
}

const IntegerCase kIntegerCases[] = {
    {"Zero", "0", 0, true},
    {"MinusOneEighty", "-180", -180, true},
    {"BillionAndMore", "1234567890", 1234567890, true},
    {"Int32Max", "2147483647", INT32_MAX, true},
    {"Int32Min", "-2147483648", INT32_MIN, true},
    {"NegativeFraction", "-12.9", -12, false},
    {"Half", ".5", 0, false},
    {"NegativeHalf", "-.5", 0, false},
    {"LeadingZeros", "0042.000", 42, false},
    {"JustAboveMax", "2147483648", INT32_MAX, false},
    {"FarBelowMin", "-99999999999999999999.5", INT32_MIN, false},
    {"HugeWithLongFraction", "12345678901234567890.123456789012345678901234567890", INT32_MAX, false},
};

INSTANTIATE_TEST_SUITE_P(Text, Integer, testing::ValuesIn(kIntegerCases), CaseLabel());

TEST(ToInteger, ReadsValuesTooLongToShow) {
    DecimalNumber value = ofDigitCount(1200, '+');
    value.scale = 1195;  // 77777.7...
    EXPECT_EQ(value.toInteger(), 77777);
    EXPECT_EQ(DecimalNumber::errorState().toInteger(), 0);
}

}  // namespace
