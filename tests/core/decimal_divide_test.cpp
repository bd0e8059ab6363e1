// Division and remainder: the quotient's digit budget and forms at 15 and 54
// working places, and the remainder of integer parts.
#include "decimal_forms.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::string repeat(char c, std::size_t n) { return std::string(n, c); }

struct DivideCase {
    std::string name;
    std::string a;
    std::string b;
    int places;
    std::string shown; // expected toText(0)
};

class Divide : public testing::TestWithParam<DivideCase> {};

TEST_P(Divide, KeepsTheDigitBudget) {
    const DivideCase& c = GetParam();
    WorkingPlacesScope places(c.places);
    const DecimalNumber quotient = textValue(c.a.c_str()).divide(textValue(c.b.c_str()));
    EXPECT_EQ(quotient.toText(0), c.shown);
    // A quotient has no leading zero before its first digit except a lone 0.
    if (quotient.digits.size() > static_cast<std::size_t>(quotient.scale)) {
        EXPECT_TRUE(quotient.digits[0] != 0 || quotient.digits.size() == 1) << formOf(quotient);
    }
}

std::vector<DivideCase> divideCases() {
    std::vector<DivideCase> cases;
    for (int places : {15, 54}) {
        const std::string at = "At" + std::to_string(places);
        const std::size_t budget = static_cast<std::size_t>(places) + 4;
        cases.push_back({"TenByFour" + at, "10", "4", places, "2.5"});
        cases.push_back({"ThousandByEight" + at, "1000", "8", places, "125"});
        cases.push_back({"SixByThree" + at, "6", "3", places, "2"});
        cases.push_back({"OnePointFiveByHalf" + at, "1.5", "0.5", places, "3"});
        cases.push_back({"HalfByQuarter" + at, "0.5", "0.25", places, "2"});
        cases.push_back({"OneByEight" + at, "1", "8", places, ".125"});
        cases.push_back({"OneByThousand" + at, "1", "1000", places, ".001"});
        cases.push_back({"MinusSevenByTwo" + at, "-7", "2", places, "-3.5"});
        cases.push_back({"MinusSevenByMinusTwo" + at, "-7", "-2", places, "3.5"});
        cases.push_back({"ZeroByMinusFive" + at, "0", "-5", places, "0"});
        cases.push_back({"ByOneThousandth" + at, "999999", "0.001", places, "999999000"});
        cases.push_back({"OneThird" + at, "1", "3", places, "." + repeat('3', budget - 1)});
        cases.push_back({"HundredThirds" + at, "100", "3", places, "33." + repeat('3', budget - 3)});
        cases.push_back({"OneByThreeThousandths" + at, "1", "0.003", places, "333." + repeat('3', budget - 4)});
        cases.push_back({"ThousandthByThree" + at, "0.001", "3", places, ".000" + repeat('3', budget - 1)});
        cases.push_back({"LongByThree" + at, "12345678901234567890", "3", places, "4115226300411522630"});
        cases.push_back({"TenToTheTwentyNine" + at, "1" + repeat('0', 29), "1", places, "1" + repeat('0', 29)});
        cases.push_back({"TenToTheEighteen" + at, "1" + repeat('0', 18), "1", places, "1" + repeat('0', 18)});
        cases.push_back({"DivisorWithLeadingZeros" + at, "1", "0007", places, std::string(".142857142857142857142857142857142857142857142857142857142857")
                                                                             .substr(0, budget)});
    }
    // Budgets that cut: 22/7 at 15 places, and an integer part longer than
    // the budget, which keeps its magnitude with zeros.
    cases.push_back({"TwentyTwoSevenths", "22", "7", 15, "3.14285714285714285"});
    cases.push_back({"IntegerPartBeyondBudget", "9876543210987654321098765", "1", 15, "9876543210987654321000000"});
    cases.push_back({"TinyQuotient", "1", "1" + repeat('0', 40), 15, "." + repeat('0', 39) + "1"});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Quotient, Divide, testing::ValuesIn(divideCases()),
                         [](const auto& info) { return info.param.name; });

TEST(Divide, ZeroDividendGivesThePlainZero) {
    EXPECT_EQ(formOf(textValue("0.000").divide(textValue("-5"))), "+0/0");
}

TEST(Divide, ByZeroIsAnErrorNotAHang) {
    EXPECT_TRUE(textValue("5").divide(textValue("0.00")).isError());
    EXPECT_TRUE(textValue("5").divide(DecimalNumber{}).isError());
}

TEST(Divide, EveryDigitOfTheBudgetIsCutNotRounded) {
    WorkingPlacesScope places(15);
    EXPECT_EQ(textValue("2").divide(textValue("3")).toText(0), ".666666666666666666");
}

TEST(Divide, NoBudgetGivesThePlainZero) {
    WorkingPlacesScope places(-4);
    EXPECT_EQ(formOf(textValue("7").divide(textValue("3"))), "+0/0");
}

struct RemainderCase {
    const char* name;
    const char* a;
    const char* b;
    const char* form;
};

class Remainder : public testing::TestWithParam<RemainderCase> {};

TEST_P(Remainder, WorksOnIntegerParts) {
    const RemainderCase& c = GetParam();
    for (int places : {15, 54}) {
        WorkingPlacesScope scope(places);
        EXPECT_EQ(formOf(textValue(c.a).remainder(textValue(c.b))), c.form);
    }
}

const RemainderCase kRemainderCases[] = {
    {"SeventeenByFive", "17", "5", "+2/0"},
    {"SeventyThreeBySeven", "73", "7", "+3/0"},
    {"FiftyThreeByFive", "53", "5", "+3/0"},
    {"ThousandByTen", "1000", "10", "+0/0"},
    {"SmallerDividend", "3", "7", "+3/0"},
    {"LongDividend", "123456789", "1000", "+789/0"},
    {"FractionsTruncated", "7.9", "2.9", "+1/0"},
    {"DivisorBelowOne", "5", "0.5", "+/-1"},
    {"DivisorFractionDropped", "5", "7.5", "+5/0"},
    {"EqualOperands", "7", "7", "+0/0"},
    {"ZeroAfterSubtractionThenDigits", "703", "7", "+3/0"},
    {"LeadingZerosInDividend", "0073", "7", "+3/0"},
    {"NegativeDividend", "-7", "2", "-1/0"},
    {"NegativeDivisor", "7", "-2", "+1/0"},
    {"BothNegative", "-7", "-2", "-1/0"},
    {"NegativeExactMultiple", "-14", "7", "+0/0"},
    {"NegativeSmallerDividend", "-3", "7", "-3/0"},
    {"FractionOnlyDividend", ".5", "3", "+/0"},
    {"NegativeFractionOnlyDividend", "-.5", "3", "+/0"},
    {"LongDivisor", "98765432109876543210", "1234567890123", "+900036543210/0"},
};

INSTANTIATE_TEST_SUITE_P(Remainder, Remainder, testing::ValuesIn(kRemainderCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Remainder, DivisorBelowOneIsWrittenError) {
    EXPECT_EQ(textValue("5").remainder(textValue("0.5")).toText(0), "ERROR");
}

} // namespace
