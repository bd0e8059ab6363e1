// The Display and Trig choices: their labels, displayDecimals, workingPlaces
// and the answer they give at once.
#include "decimal_number.h"
#include "window_test_support.h"

namespace {

struct DecimalsCase {
    const char* name;
    int command;
    const char* label;
    int displayDecimals;
    int workingPlaces;
    const char* oneThird;
};

void PrintTo(const DecimalsCase& c, std::ostream* out) { *out << c.name; }

class DisplayDecimals : public CalculatorWindow, public testing::WithParamInterface<DecimalsCase> {};

std::string threes(int count) { return "." + std::string(static_cast<std::size_t>(count), '3'); }

TEST_P(DisplayDecimals, SetsLabelPlacesAndAnswer) {
    const DecimalsCase& c = GetParam();
    typeText("1/3");
    sendCommand(c.command);
    EXPECT_EQ(windowText(windowState.decimalsLabel), c.label);
    EXPECT_EQ(calculatorState.displayDecimals, c.displayDecimals);
    EXPECT_EQ(workingPlaces, c.workingPlaces);
    EXPECT_EQ(resultShown(), c.oneThird);
    EXPECT_EQ(GetFocus(), inputBox());
}

const std::string kThrees10 = threes(10), kThrees20 = threes(20), kThrees30 = threes(30), kThrees40 = threes(40),
                  kThrees50 = threes(50), kThreesAll = threes(57);

const DecimalsCase kDecimalsCases[] = {
    {"No", kDisplayNoDecimals, "0 Decimals", 0, 15, "0"},
    {"Ten", kDisplay10Decimals, "10 Decimals", 10, 15, kThrees10.c_str()},
    {"Twenty", kDisplay20Decimals, "20 Decimals", 20, 21, kThrees20.c_str()},
    {"Thirty", kDisplay30Decimals, "30 Decimals", 30, 31, kThrees30.c_str()},
    {"Forty", kDisplay40Decimals, "40 Decimals", 40, 41, kThrees40.c_str()},
    {"Fifty", kDisplay50Decimals, "50 Decimals", 50, 51, kThrees50.c_str()},
    {"All", kDisplayAllDecimals, "All Decimals", -1, 54, kThreesAll.c_str()},
};

INSTANTIATE_TEST_SUITE_P(Display, DisplayDecimals, testing::ValuesIn(kDecimalsCases),
                         [](const auto& info) { return std::string(info.param.name); });

using DisplayOptions = CalculatorWindow;

TEST_F(DisplayOptions, NoDecimalsKeepsTheWorkingPlacesOfTheLastChoice) {
    EXPECT_EQ(workingPlaces, 15);
    sendCommand(kDisplay30Decimals);
    sendCommand(kDisplayNoDecimals);
    EXPECT_EQ(workingPlaces, 31);
    EXPECT_EQ(windowText(windowState.decimalsLabel), "0 Decimals");
}

struct GroupCase {
    const char* name;
    int command;
    int groupMode;
    const char* shown;
};

void PrintTo(const GroupCase& c, std::ostream* out) { *out << c.name; }

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

INSTANTIATE_TEST_SUITE_P(Display, Grouping, testing::ValuesIn(kGroupCases),
                         [](const auto& info) { return std::string(info.param.name); });

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
    EXPECT_EQ(calculatorState.angleInDegrees, 0);
    SetWindowTextA(inputBox(), "");
    typeText("sin(pi/6)");
    EXPECT_EQ(resultShown(), ".5");
    sendCommand(kTrigDegrees);
    EXPECT_EQ(windowText(windowState.angleLabel), "Degrees");
    EXPECT_EQ(calculatorState.angleInDegrees, 1);
    EXPECT_EQ(resultShown(), ".0091383954");
}

} // namespace
