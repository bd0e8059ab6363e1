// The recalculation: variables, rounding to the display decimals, grouping,
// the result box, and the working precision around it.
#include "decimal_forms.h"
#include "recalculation_driver.h"

#include "case_label.h"

#include <gtest/gtest.h>

namespace {

// Every table of answers (grammar, function names, the arctangent and the
// recalculation's own cases) runs through this one check.
TEST_P(AnswerTest, ShowsAnswerWithoutMessage) {
    const AnswerCase& c = GetParam();
    const Answer answer = answerOf(c.expression, c.settings);
    EXPECT_EQ(answer.result, c.expected) << c.expression;
    EXPECT_EQ(answer.shown, c.expected);
    EXPECT_TRUE(answer.messages.empty()) << answer.messages.front().title;
}

const std::string kThirdAt54 = "." + std::string(57, '3');

// An integer's digits in groups of five from the right, blank-separated.
std::string groupedInFives(const std::string& digits) {
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 5 == 0) text += ' ';
        text += digits[i];
    }
    return text;
}

const AnswerCase kRecalculationCases[] = {
    {"EmptyEverything", "", "0"},
    {"VariableExpression", "x*2", "10", {.x = "2+3"}},
    {"VariableInsideVariableIsZero", "x", "1", {.x = "y+1", .y = "5"}},
    {"AllThreeVariables", "x+y+z", "321", {.x = "1", .y = "20", .z = "300"}},
    {"ThirdAtTenDecimals", "1/3", ".3333333333"},
    {"ThirdAtAllDecimals", "1/3", kThirdAt54, {.displayDecimals = -1}},
    {"NoDecimalsCuts", "10.3", "10", {.displayDecimals = 0}},
    {"NoDecimalsRoundsSix", "0.6", "1", {.displayDecimals = 0}},
    {"NoDecimalsDropsFive", "0.5", "0", {.displayDecimals = 0}},
    {"NoDecimalsCarries", "99.7", "100", {.displayDecimals = 0}},
    {"NoDecimalsQuotientBelowOne", "2/5", "0", {.displayDecimals = 0}},
    {"FewFractionDigitsKept", "2.50", "2.50"},
    {"ErrorAtNoDecimals", "1/0", "ERROR", {.displayDecimals = 0}},
    {"ErrorAtAllDecimals", "1/0", "ERROR", {.displayDecimals = -1}},
    {"ErrorAtFiftyDecimals", "1/0", "ERROR", {.displayDecimals = 50}},
    {"TwentyDecimals", "2/3", ".66666666666666666667", {.displayDecimals = 20}},
    {"Commas", "1234567.891234", "1,234,567.891 234", {.groupMode = -1}},
    {"GroupsOfFive", "1234567.891234", "12 34567.89123 4", {.groupMode = 5}},
    {"ZeroPowerOfNegativeExponentIsError", "0^-2", "ERROR"},
    {"ErrorBeatsOverflow", "exp(3000)+1/0", "ERROR"},
    {"OverflowThroughComparison", "exp(3000)>1", "OVERFLOW"},
    {"ErrorThroughComparison", "(1/0)>3", "ERROR"},
    {"OverflowThroughArcTangent", "exp(3000)\\1", "OVERFLOW"},
    {"OverflowDivided", "exp(3000)/0", "OVERFLOW"},
    {"LongAnswerUngrouped", "10^799", "1" + std::string(799, '0')},
    {"GroupedAnswerTooLongForTheBox", "10^799", "OVERFLOW", {.groupMode = -1}},
    {"ThousandDigitsOverflow", "10^1000", "OVERFLOW"},
    // The result box holds 999 characters and its terminating zero: 834
    // digits in groups of five take 1000.
    {"GroupedAnswerOfTheBoxCapacityOverflows", "10^833", "OVERFLOW", {.groupMode = 5}},
    {"GroupedAnswerOneShortOfTheBoxCapacityIsShown",
     "10^832",
     groupedInFives("1" + std::string(832, '0')),
     {.groupMode = 5}},
    // 11^9603 has 10,001 digits although its last product's operands have
    // 10,000 positions: the power's own estimate refuses it.
    {"PowerJustPastTheLimitStaysOverflow", "11^9603/10^9995", "OVERFLOW"},
    {"PowerJustWithinTheLimitIsComputed", "11^9602/10^9995", "28350.641434836"},
    {"QuotientOverAValueBeyondTheLimitIsZero", "1/9^10480", "0"},
    // Only the dividend's integer digits count against the limit, not its
    // 999 fraction digits.
    {"LongFractionOverAValueBeyondTheLimitIsZero", "(9^9000+x)/9^10480", "0", {.x = "." + std::string(997, '0') + "1"}},
    {"ReciprocalOfAnOverflowingExponentialIsZero", "1/exp(2401)", "0"},
    {"RemainderOverAValueBeyondTheLimitIsTheDividend", "-5%9^10480", "-5"},
    {"NegativePowerBeyondTheLimitIsZero", "9^-10480", "0"},
    {"NegativeFractionalPowerBeyondTheLimitIsZero", "9^-10480.5", "0"},
    {"NegativePowerOfAWideBaseOverflows", "00.5^-2147483647", "OVERFLOW"},
};

INSTANTIATE_TEST_SUITE_P(Answers, AnswerTest, testing::ValuesIn(kRecalculationCases), CaseLabel());

TEST(RecalculationTest, MessagesComeInOrderXYZExpression) {
    const Answer answer = answerOf("log0", {.x = "sqrt(-1)", .y = "asin2", .z = "acos2"});
    const char* const titles[] = {"Square Root Error", "Inverse sine Error", "Inverse cosine Error",
                                  "Base 10 Log Error"};
    ASSERT_EQ(answer.messages.size(), 4u);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(answer.messages[i].title, titles[i]);
    EXPECT_EQ(answer.result, "-1");
}

TEST(RecalculationTest, EvaluatesAtFiftyFourPlacesAndRestoresWorkingPlaces) {
    for (int places : {15, 31, 0}) {
        WorkingPlacesScope scope(places);
        EXPECT_EQ(answerOf("1/3", {.displayDecimals = -1}).result, kThirdAt54);
        EXPECT_EQ(workingPlaces, places);
    }
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
    EXPECT_EQ(formOf(roundToDecimals(DecimalNumber::fromText(c.value.c_str()), c.n)), c.expectedForm);
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

}  // namespace

// The user types on while a function's message box is open: the inner
// recalculation sees the new text, and the outer one, finishing last, must
// neither scan the rewritten buffer nor overwrite the newer answer.
TEST(RecalculationTest, KeystrokeDuringMessageBoxLeavesTheNewerAnswer) {
    static int boxes = 0;
    boxes = 0;
    installPlatformSeam({[](const char*, const char*) {
                             if (++boxes > 1) return;
                             copyText(calculatorState.expressionText, "2+3");
                             recalculate();
                         },
                         nullptr});
    WorkingPlacesScope scope(15);
    const Answer answer = answerOf("sqrt(-4)+1000000");
    installPlatformSeam({nullptr, nullptr});
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(answer.result, "5");
    EXPECT_EQ(workingPlaces, 15);
}
