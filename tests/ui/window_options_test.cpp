// The Display and Trig choices: their labels, displayDecimals, workingPlaces
// and the answer they give at once.
#include "case_label.h"
#include "decimal_number.h"
#include "window_driver.h"

namespace {

std::string threes(int count) { return "." + std::string(static_cast<std::size_t>(count), '3'); }

struct DecimalsCase {
    std::string label;
    std::vector<int> commands;
    const char* decimalsLabel;
    int displayDecimals;
    int workingPlaces;
    std::string oneThird;
};

class DisplayDecimals : public CalculatorWindow, public testing::WithParamInterface<DecimalsCase> {};

TEST_P(DisplayDecimals, SetsLabelPlacesAndAnswer) {
    const DecimalsCase& c = GetParam();
    EXPECT_EQ(workingPlaces, 15);
    typeText("1/3");
    for (int command : c.commands) sendCommand(command);
    EXPECT_EQ(windowText(windowState.decimalsLabel), c.decimalsLabel);
    // The whole label on its one line, not wrapped onto a hidden second one.
    EXPECT_EQ(textOverrun(windowState.decimalsLabel, 0).cx, 0);
    EXPECT_EQ(textOverrun(windowState.decimalsLabel, 0).cy, 0);
    EXPECT_EQ(calculatorState.displayDecimals, c.displayDecimals);
    EXPECT_EQ(workingPlaces, c.workingPlaces);
    EXPECT_EQ(resultShown(), c.oneThird);
    EXPECT_EQ(GetFocus(), inputBox());
}

const DecimalsCase kDecimalsCases[] = {
    {"No", {kDisplayNoDecimals}, "0 Decimals", 0, 15, "0"},
    // No Decimals keeps the working places of the last choice.
    {"NoAfterThirty", {kDisplay30Decimals, kDisplayNoDecimals}, "0 Decimals", 0, 31, "0"},
    {"Ten", {kDisplay10Decimals}, "10 Decimals", 10, 15, threes(10)},
    {"Twenty", {kDisplay20Decimals}, "20 Decimals", 20, 21, threes(20)},
    {"Thirty", {kDisplay30Decimals}, "30 Decimals", 30, 31, threes(30)},
    {"Forty", {kDisplay40Decimals}, "40 Decimals", 40, 41, threes(40)},
    {"Fifty", {kDisplay50Decimals}, "50 Decimals", 50, 51, threes(50)},
    {"All", {kDisplayAllDecimals}, "All Decimals", -1, 54, threes(57)},
};

INSTANTIATE_TEST_SUITE_P(Display, DisplayDecimals, testing::ValuesIn(kDecimalsCases), CaseLabel());

struct GroupCase {
    const char* label;
    int command;
    int groupMode;
    const char* shown;
};

class Grouping : public CalculatorWindow, public testing::WithParamInterface<GroupCase> {};

TEST_P(Grouping, FormatsTheAnswerAtOnce) {
    typeText("1234567.891234");
    sendCommand(GetParam().command);
    EXPECT_EQ(calculatorState.groupMode, GetParam().groupMode);
    EXPECT_EQ(resultShown(), GetParam().shown);
}

const GroupCase kGroupCases[] = {
    {"Commas", kDisplayCommas, -1, "1,234,567.891 234"},
    {"GroupFive", kDisplayGroup5, 5, "12 34567.89123 4"},
    {"NoGroup", kDisplayNoGroup, 0, "1234567.891234"},
};

INSTANTIATE_TEST_SUITE_P(Display, Grouping, testing::ValuesIn(kGroupCases), CaseLabel());

using DisplayOptions = CalculatorWindow;

TEST_F(DisplayOptions, CaretMovesRightByTheAnswersLength) {
    typeText("12345");
    SendMessageA(inputBox(), EM_SETSEL, 0, 0);
    sendCommand(kDisplayCommas);
    EXPECT_EQ(editSelection(inputBox()).start, 5);
}

TEST_F(DisplayOptions, RadiansAndDegrees) {
    typeText("sin(30)");
    EXPECT_EQ(resultShown(), ".5");
    sendCommand(kTrigRadians);
    EXPECT_EQ(windowText(windowState.angleLabel), "Radians");
    EXPECT_EQ(textOverrun(windowState.angleLabel, 0).cx, 0);
    EXPECT_EQ(calculatorState.angleInDegrees, 0);
    SetWindowTextA(inputBox(), "");
    typeText("sin(pi/6)");
    EXPECT_EQ(resultShown(), ".5");
    sendCommand(kTrigDegrees);
    EXPECT_EQ(windowText(windowState.angleLabel), "Degrees");
    EXPECT_EQ(textOverrun(windowState.angleLabel, 0).cx, 0);
    EXPECT_EQ(calculatorState.angleInDegrees, 1);
    EXPECT_EQ(resultShown(), ".0091383954");
}

// Every button and label shows its whole text on one line; a button's
// raised frame takes two pixels on each side.
TEST_F(DisplayOptions, ButtonsAndLabelsShowTheirWholeText) {
    sendCommand(kShowVariables);
    struct Control {
        HWND window;
        int margin;
    };
    const WindowState& w = windowState;
    const Control controls[] = {{w.clearButton, 2},      {w.clearSaveButton, 2},   {w.saveToButtons[0], 2},
                                {w.saveToButtons[1], 2}, {w.saveToButtons[2], 2},  {w.angleLabel, 0},
                                {w.decimalsLabel, 0},    {w.variableLabels[0], 0}, {w.variableLabels[1], 0},
                                {w.variableLabels[2], 0}};
    for (const Control& control : controls) {
        const SIZE overrun = textOverrun(control.window, control.margin);
        EXPECT_EQ(overrun.cx, 0) << windowText(control.window);
        EXPECT_EQ(overrun.cy, 0) << windowText(control.window);
    }
}

}  // namespace
