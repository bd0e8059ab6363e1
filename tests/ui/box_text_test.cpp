// The box text rules that typing alone hardly reaches: the trailing trim,
// the cut of an overlong expression or line, ungrouping an answer, and
// the input filter, the parenthesis depth and the pop-up test.
#include "box_text.h"
#include "calculator_state.h"
#include "case_label.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct TrimCase {
    const char* label;
    const char* text;
    const char* trimmed;
};

class TrailingTrim : public testing::TestWithParam<TrimCase> {};

TEST_P(TrailingTrim, DropsOneCharacterThatCannotEndAnOperand) {
    std::string text = GetParam().text;
    trimTrailingCharacter(text);
    EXPECT_EQ(text, GetParam().trimmed);
}

const TrimCase kTrimCases[] = {
    {"Plus", "12+", "12"},  {"OnlyOne", "5+s", "5+"},   {"Parenthesis", "7*(", "7*"}, {"Digit", "7", "7"},
    {"Pi", "2*pi", "2*pi"}, {"Variable", "x+z", "x+z"}, {"Closing", "(1)", "(1)"},    {"Point", "3.", "3."},
    {"Empty", "", ""},      {"LoneSign", "-", ""},
};

INSTANTIATE_TEST_SUITE_P(Box, TrailingTrim, testing::ValuesIn(kTrimCases), CaseLabel());

// The input filter: d f h j k m u v w, comma, blank and upper-case letters
// but E go, the rest closes up (the next character is examined too).
struct FilterCase {
    const char* label;
    const char* text;
    const char* filtered;
};

class InputFilter : public testing::TestWithParam<FilterCase> {};

TEST_P(InputFilter, RemovesDroppedCharacters) {
    char text[64];
    copyText(text, GetParam().text);
    filterInputText(text);
    EXPECT_STREQ(text, GetParam().filtered);
}

const FilterCase kFilterCases[] = {
    {"UpperCaseLetterGoes", "Abs5", "bs5"},
    {"ExponentLetterStays", "1E5+Q2", "1E5+2"},
    {"AdjacentDroppedLetters", "dfhjkmuvw7", "7"},
    {"CommaAndBlank", "1, 000", "1000"},
    {"FunctionLettersStay", "sin30+ln2", "sin30+ln2"},
    {"Empty", "", ""},
    {"FirstAndLastUpperCaseLettersGo", "A9Z", "9"},
};

INSTANTIATE_TEST_SUITE_P(Box, InputFilter, testing::ValuesIn(kFilterCases), CaseLabel());

// Depth and the pop-up test of a filtered input text.
struct TermCase {
    const char* label;
    const char* text;
    int depth;
    int boxCount;
    bool finished;
};

class FinishedTerm : public testing::TestWithParam<TermCase> {};

TEST_P(FinishedTerm, PopsUpOnlyABalancedTermEndingInASign) {
    const TermCase& c = GetParam();
    EXPECT_EQ(parenthesisDepth(c.text), c.depth);
    EXPECT_EQ(isFinishedTerm(c.text, c.depth, c.boxCount), c.finished);
}

const TermCase kTermCases[] = {
    {"Plus", "12+", 0, 1, true},
    {"Minus", "12-", 0, 9, true},
    {"LoneSign", "+", 0, 1, false},
    {"ExponentSign", "1E-", 0, 1, false},
    {"OpenParenthesis", "(1+", 1, 1, false},
    {"ClosedParenthesis", "(1)*(2)+", 0, 1, true},
    {"MoreClosedThanOpen", "1)+", -1, 1, false},
    {"NoRoomForAnotherBox", "12+", 0, 10, false},
    {"EndsInDigit", "12+3", 0, 1, false},
};

INSTANTIATE_TEST_SUITE_P(Box, FinishedTerm, testing::ValuesIn(kTermCases), CaseLabel());

class BoxState : public testing::Test {
protected:
    void SetUp() override { resetCalculatorState(); }
};

TEST_F(BoxState, CutsAnOverlongExpressionBeforeTheTrim) {
    calculatorState.boxCount = 2;
    copyText(calculatorState.boxStore[1], std::string(500, '1').c_str());
    // The cut falls right behind a "+": the trim then drops it.
    copyText(calculatorState.inputText, (std::string(250, '2') + "+" + std::string(300, '3')).c_str());
    buildExpressionText();
    EXPECT_EQ(std::string(calculatorState.expressionText), std::string(500, '1') + std::string(250, '2'));
}

TEST_F(BoxState, ExpressionOf751CharactersFitsAnd752AreCut) {
    copyText(calculatorState.inputText, std::string(751, '7').c_str());
    buildExpressionText();
    EXPECT_EQ(std::string(calculatorState.expressionText), std::string(751, '7'));
    calculatorState.boxCount = 2;
    copyText(calculatorState.boxStore[1], "8");
    buildExpressionText();
    EXPECT_EQ(std::string(calculatorState.expressionText), "8" + std::string(750, '7'));
}

TEST_F(BoxState, SplitStopsAtTheLimit) {
    EXPECT_EQ(splitCalculationText("12\n+34=46", 5), 2);
    EXPECT_STREQ(calculatorState.boxStore[1], "12");
    EXPECT_STREQ(calculatorState.boxStore[2], "+3");
}

TEST_F(BoxState, TermsBeyondTheNinthRunOnInTheNinthBox) {
    ASSERT_EQ(splitCalculationText("1\n+2\n+3\n+4\n+5\n+6\n+7\n+8\n+9\n+10\n+11=66", 100), 10);
    EXPECT_STREQ(calculatorState.boxStore[1], "1");
    EXPECT_STREQ(calculatorState.boxStore[8], "+8");
    EXPECT_STREQ(calculatorState.boxStore[9], "+9+10");
    EXPECT_STREQ(calculatorState.boxStore[10], "+11");
}

TEST_F(BoxState, CutsAnOverlongLineAtItsSlot) {
    const std::string text = std::string(1500, '4') + "\n+1=0";
    ASSERT_EQ(splitCalculationText(text.c_str(), static_cast<int>(text.size())), 2);
    EXPECT_EQ(std::string(calculatorState.boxStore[1]), std::string(kBoxTextCapacity - 1, '4'));
}

TEST(Ungrouped, DropsGroupingBlanksAndCommas) {
    EXPECT_EQ(ungroupedText("12 34567.89123 4"), "1234567.891234");
    EXPECT_EQ(ungroupedText("-1,234,567.891234"), "-1234567.891234");
    EXPECT_EQ(ungroupedText("ERROR"), "ERROR");
}

}  // namespace
