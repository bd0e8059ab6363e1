// Show, Hide and Clear Variables and the Save to X/Y/Z buttons (their
// controls' places are in window_start_test.cpp).
#include "window_driver.h"

namespace {

using Variables = CalculatorWindow;

TEST_F(Variables, ShowingGrowsTheWindowWithoutRecalculating) {
    typeText("x");
    const int height = windowHeight(window);
    copyText(calculatorState.variableTexts[0], "5");
    sendCommand(kShowVariables);
    EXPECT_EQ(windowHeight(window), height + 70);
    EXPECT_EQ(windowState.variablesOffset, 70);
    EXPECT_EQ(resultShown(), "0.0");
    EXPECT_EQ(windowText(windowState.variableBoxes[0]), "5");
    // A second Show changes nothing.
    sendCommand(kShowVariables);
    EXPECT_EQ(windowHeight(window), height + 70);
    EXPECT_EQ(childrenWithId(window, 20).size(), 1u);
    typeText("+");
    EXPECT_EQ(resultShown(), "5");
}

TEST_F(Variables, HiddenVariablesKeepTheirTexts) {
    typeText("y*2");
    sendCommand(kShowVariables);
    HWND yBox = windowState.variableBoxes[1];
    SendMessageA(yBox, EM_SETSEL, 0, -1);
    typeInto(yBox, "2+3");
    EXPECT_EQ(resultShown(), "10");
    sendCommand(kHideVariables);
    EXPECT_EQ(windowState.variableBoxes[1], nullptr);
    EXPECT_TRUE(childrenWithId(window, 22).empty());
    EXPECT_TRUE(childrenWithId(window, 46).empty());
    EXPECT_STREQ(calculatorState.variableTexts[1], "2+3");
    EXPECT_EQ(resultShown(), "10");
    typeInto(inputBox(), "+1");
    EXPECT_EQ(resultShown(), "11");
    sendCommand(kShowVariables);
    EXPECT_EQ(windowText(windowState.variableBoxes[1]), "2+3");
}

TEST_F(Variables, ClearingShownVariablesTakesEffectAtTheNextChange) {
    typeText("x+1");
    sendCommand(kShowVariables);
    SendMessageA(windowState.variableBoxes[0], EM_SETSEL, 0, -1);
    typeInto(windowState.variableBoxes[0], "4");
    EXPECT_EQ(resultShown(), "5");
    sendCommand(kClearVariables);
    for (HWND box : windowState.variableBoxes) EXPECT_EQ(windowText(box), "0.0");
    EXPECT_EQ(resultShown(), "5");
    EXPECT_EQ(GetFocus(), inputBox());
    typeText("0");
    EXPECT_EQ(resultShown(), "10.0");
}

TEST_F(Variables, ClearingHiddenVariablesChangesNothing) {
    copyText(calculatorState.variableTexts[2], "7");
    typeText("z");
    EXPECT_EQ(resultShown(), "7");
    sendCommand(kClearVariables);
    EXPECT_STREQ(calculatorState.variableTexts[2], "7");
    EXPECT_EQ(resultShown(), "7");
}

TEST_F(Variables, SaveToYThenYInTheExpression) {
    typeText("12+5");
    sendCommand(kShowVariables);
    SetFocus(windowState.saveToButtons[1]);
    sendCommand(kSaveToY);
    EXPECT_STREQ(calculatorState.variableTexts[1], "17");
    EXPECT_EQ(windowText(windowState.variableBoxes[1]), "17");
    EXPECT_EQ(GetFocus(), inputBox());
    EXPECT_EQ(resultShown(), "17");
    sendCommand(kClearButton);
    typeText("y*2");
    EXPECT_EQ(resultShown(), "34");
}

TEST_F(Variables, SaveToXStoresTheGroupedAnswerAsOneNumber) {
    typeText("1234567.891234");
    sendCommand(kDisplayGroup5);
    ASSERT_EQ(resultShown(), "12 34567.89123 4");
    sendCommand(kShowVariables);
    sendCommand(kSaveToX);
    EXPECT_STREQ(calculatorState.variableTexts[0], "1234567.891234");
    EXPECT_EQ(windowText(windowState.variableBoxes[0]), "1234567.891234");
    sendCommand(kDisplayNoGroup);
    sendCommand(kClearButton);
    typeText("x");
    EXPECT_EQ(resultShown(), "1234567.891234");
}

}  // namespace
