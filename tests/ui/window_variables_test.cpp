// Show, Hide and Clear Variables and the Save to X/Y/Z buttons.
#include "window_test_support.h"

namespace {

struct VariableControlCase {
    const char* name;
    HWND (*handle)();
    const char* controlClass;
    const char* text;
    DWORD style;
    int id;
    ClientRect rect;
};

void PrintTo(const VariableControlCase& c, std::ostream* out) { *out << c.name; }

class VariableControl : public CalculatorWindow, public testing::WithParamInterface<VariableControlCase> {};

TEST_P(VariableControl, StandsWhereTheTableSays) {
    copyText(calculatorState.variableTexts[1], "2+3");
    sendCommand(kShowVariables);
    const VariableControlCase& c = GetParam();
    HWND control = c.handle();
    ASSERT_NE(control, nullptr);
    EXPECT_STRCASEEQ(className(control).c_str(), c.controlClass);
    EXPECT_EQ(windowText(control), c.text);
    EXPECT_EQ(windowStyle(control), storedStyleFor(c.controlClass, c.style));
    EXPECT_EQ(controlId(control), c.id);
    EXPECT_EQ(clientRectOf(control), c.rect);
}

const VariableControlCase kVariableControlCases[] = {
    {"XBox", [] { return windowState.variableBoxes[0]; }, "EDIT", "0.0", 0x50A101C6, 20, {30, 30, 450, 20}},
    {"XLabel", [] { return windowState.variableLabels[0]; }, "STATIC", "x", 0x50800001, 21, {15, 30, 15, 20}},
    {"YBox", [] { return windowState.variableBoxes[1]; }, "EDIT", "2+3", 0x50A101C6, 22, {30, 55, 450, 20}},
    {"YLabel", [] { return windowState.variableLabels[1]; }, "STATIC", "y", 0x50800001, 23, {15, 55, 15, 20}},
    {"ZBox", [] { return windowState.variableBoxes[2]; }, "EDIT", "0.0", 0x50A101C6, 24, {30, 80, 450, 20}},
    {"ZLabel", [] { return windowState.variableLabels[2]; }, "STATIC", "z", 0x50800001, 25, {15, 80, 15, 20}},
    {"SaveToX", [] { return windowState.saveToButtons[0]; }, "Button", "Save to X", 0x50000000, 45, {495, 110, 90, 20}},
    {"SaveToY", [] { return windowState.saveToButtons[1]; }, "Button", "Save to Y", 0x50000000, 46, {495, 135, 90, 20}},
    {"SaveToZ", [] { return windowState.saveToButtons[2]; }, "Button", "Save to Z", 0x50000000, 47, {495, 160, 90, 20}},
};

INSTANTIATE_TEST_SUITE_P(Variables, VariableControl, testing::ValuesIn(kVariableControlCases),
                         [](const auto& info) { return std::string(info.param.name); });

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

} // namespace
