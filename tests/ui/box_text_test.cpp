// The box text rules that typing alone hardly reaches: the trailing trim,
// the cut of an overlong expression or line, and ungrouping an answer.
// (The filter, the pop-up test and restoring are driven through the window.)
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
    {"Plus", "12+", "12"},     {"OnlyOne", "5+s", "5+"}, {"Parenthesis", "7*(", "7*"}, {"Digit", "7", "7"},
    {"Pi", "2*pi", "2*pi"},    {"Variable", "x+z", "x+z"}, {"Closing", "(1)", "(1)"},  {"Point", "3.", "3."},
    {"Empty", "", ""},         {"LoneSign", "-", ""},
};

INSTANTIATE_TEST_SUITE_P(Box, TrailingTrim, testing::ValuesIn(kTrimCases), CaseLabel());

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

TEST_F(BoxState, SplitStopsAtTheLimit) {
    EXPECT_EQ(splitCalculationText("12\n+34=46", 5), 2);
    EXPECT_STREQ(calculatorState.boxStore[1], "12");
    EXPECT_STREQ(calculatorState.boxStore[2], "+3");
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

} // namespace
