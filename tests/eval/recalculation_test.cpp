// The recalculation: variables, rounding to the display decimals, grouping,
// the result box, and the working precision around it.
#include "decimal_forms.h"
#include "recalculation_driver.h"

#include "case_label.h"

#include <gtest/gtest.h>

namespace {

struct RecalculationCase {
    const char* label;
    std::string expression;
    Settings settings;
    std::string expected;
};

class RecalculationTest : public testing::TestWithParam<RecalculationCase> {};

TEST_P(RecalculationTest, ShowsAnswer) {
    const RecalculationCase& c = GetParam();
    const Answer answer = answerOf(c.expression, c.settings);
    EXPECT_EQ(answer.result, c.expected) << c.expression;
    EXPECT_EQ(answer.shown, c.expected);
}

Settings decimals(int n) {
    Settings settings;
    settings.displayDecimals = n;
    return settings;
}

Settings withX(std::string x, std::string y = "0.0") {
    Settings settings;
    settings.x = std::move(x);
    settings.y = std::move(y);
    return settings;
}

Settings grouped(int mode, int n = 10) {
    Settings settings;
    settings.groupMode = mode;
    settings.displayDecimals = n;
    return settings;
}

const std::string kThirdAt54 = "." + std::string(57, '3');

const RecalculationCase kRecalculationCases[] = {
    {"EmptyEverything", "", {}, "0"},
    {"VariableExpression", "x*2", withX("2+3"), "10"},
    {"VariableInsideVariableIsZero", "x", withX("y+1", "5"), "1"},
    {"AllThreeVariables", "x+y+z", {.x = "1", .y = "20", .z = "300"}, "321"},
    {"ThirdAtTenDecimals", "1/3", decimals(10), ".3333333333"},
    {"ThirdAtAllDecimals", "1/3", decimals(-1), kThirdAt54},
    {"NoDecimalsCuts", "10.3", decimals(0), "10"},
    {"NoDecimalsRoundsSix", "0.6", decimals(0), "1"},
    {"NoDecimalsDropsFive", "0.5", decimals(0), "0"},
    {"NoDecimalsCarries", "99.7", decimals(0), "100"},
    {"NoDecimalsQuotientBelowOne", "2/5", decimals(0), "0"},
    {"FewFractionDigitsKept", "2.50", decimals(10), "2.50"},
    {"ErrorAtNoDecimals", "1/0", decimals(0), "ERROR"},
    {"ErrorAtAllDecimals", "1/0", decimals(-1), "ERROR"},
    {"ErrorAtFiftyDecimals", "1/0", decimals(50), "ERROR"},
    {"TwentyDecimals", "2/3", decimals(20), ".66666666666666666667"},
    {"Commas", "1234567.891234", grouped(-1), "1,234,567.891 234"},
    {"GroupsOfFive", "1234567.891234", grouped(5), "12 34567.89123 4"},
    {"ZeroPowerOfNegativeExponentIsError", "0^-2", {}, "ERROR"},
    {"ErrorBeatsOverflow", "exp(3000)+1/0", {}, "ERROR"},
    {"OverflowThroughComparison", "exp(3000)>1", {}, "OVERFLOW"},
    {"ErrorThroughComparison", "(1/0)>3", {}, "ERROR"},
    {"OverflowThroughArcTangent", "exp(3000)\\1", {}, "OVERFLOW"},
    {"OverflowDivided", "exp(3000)/0", {}, "OVERFLOW"},
    {"LongAnswerUngrouped", "10^799", decimals(10), "1" + std::string(799, '0')},
    {"GroupedAnswerTooLongForTheBox", "10^799", grouped(-1), "OVERFLOW"},
    {"ThousandDigitsOverflow", "10^1000", {}, "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(Answers, RecalculationTest, testing::ValuesIn(kRecalculationCases), CaseLabel());

TEST(RecalculationTest, MessagesComeInOrderXYZExpression) {
    Settings settings;
    settings.x = "sqrt(-1)";
    settings.y = "asin2";
    settings.z = "acos2";
    const Answer answer = answerOf("log0", settings);
    EXPECT_EQ(titlesOf(answer), (std::vector<std::string>{"Square Root Error", "Inverse sine Error",
                                                          "Inverse cosine Error",
                                                          "Base 10 Log Error"}));
    EXPECT_EQ(answer.result, "-1");
}

TEST(RecalculationTest, RestoresWorkingPlaces) {
    for (int places : {15, 31, 0}) {
        WorkingPlacesScope scope(places);
        answerOf("exp(2.5)+1/7");
        EXPECT_EQ(workingPlaces, places);
    }
}

TEST(RecalculationTest, EvaluatesAtFiftyFourPlacesWhateverTheDisplay) {
    WorkingPlacesScope scope(15);
    EXPECT_EQ(answerOf("1/3", decimals(-1)).result, kThirdAt54);
}

// ---- roundToDecimals ---------------------------------------------------------------

struct RoundCase {
    const char* label;
    std::string value;
    int n;
    std::string expectedForm;
};

class RoundToDecimalsTest : public testing::TestWithParam<RoundCase> {};

TEST_P(RoundToDecimalsTest, CutsRoundsAndStrips) {
    const RoundCase& c = GetParam();
    EXPECT_EQ(formOf(roundToDecimals(DecimalNumber::fromText(c.value.c_str()), c.n)),
              c.expectedForm);
}

const RoundCase kRoundCases[] = {
    {"SixRoundsUp", "0.126", 2, "+013/2"},
    {"FiveIsDropped", "0.125", 2, "+012/2"},
    {"LaterDigitsUnseen", "0.1249", 2, "+012/2"},
    {"NegativeGrowsInMagnitude", "-0.126", 2, "-013/2"},
    {"CarryStripsZeros", "0.996", 2, "+1/0"},
    {"FewerDigitsUnchanged", "1.5", 2, "+15/1"},
    {"IntegerRoundsUp", "2.6", 0, "+3/0"},
    {"IntegerFiveDropped", "2.5", 0, "+2/0"},
    {"IntegerZerosKept", "10.3", 0, "+10/0"},
    {"IntegerCarry", "19.6", 0, "+20/0"},
    {"AllDecimalsUnchanged", "1.23456", -1, "+123456/5"},
    {"QuotientFormLosesOnlyDigit", ".4", 0, "+/0"},
};

INSTANTIATE_TEST_SUITE_P(Examples, RoundToDecimalsTest, testing::ValuesIn(kRoundCases), CaseLabel());

TEST(RoundToDecimalsTest, SpecialStatesUnchanged) {
    for (const DecimalNumber& special : {DecimalNumber::errorState(), DecimalNumber::infinityState(),
                                         DecimalNumber::overflowState()}) {
        EXPECT_TRUE(roundToDecimals(special, 0).equals(special));
    }
}

} // namespace
