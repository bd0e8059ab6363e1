// The layout rule: window height and the places of the input box, result
// box, both Clear buttons and every popup box for 0 to 9 popup boxes, with
// the variables hidden (V 0) and shown (V 70).
#include "window_test_support.h"

namespace {

struct LayoutCase {
    int popups;
    int offset;           // 0 or 70
    bool showBeforeTyping;
};

void PrintTo(const LayoutCase& c, std::ostream* out) {
    *out << c.popups << " popup boxes, V " << c.offset << (c.showBeforeTyping ? ", shown first" : "");
}

class Layout : public testing::TestWithParam<LayoutCase> {
protected:
    void SetUp() override { startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
};

void typePopups(int count) {
    for (int k = 0; k < count; ++k) typeText("1+");
}

TEST_P(Layout, PlacesEveryBoxByTheRule) {
    const LayoutCase& c = GetParam();
    if (c.offset != 0 && c.showBeforeTyping) sendCommand(kShowVariables);
    typePopups(c.popups);
    if (c.offset != 0 && !c.showBeforeTyping) sendCommand(kShowVariables);
    ASSERT_EQ(calculatorState.boxCount, c.popups + 1);

    const int v = c.offset;
    const int g = c.popups > 5 ? c.popups - 5 : 0;
    const HWND main = mainWindowHandle();
    EXPECT_EQ(windowHeight(main), 235 + windowState.frameAllowance + v + 20 * g);
    EXPECT_EQ(clientHeight(main), 191 + v + 20 * g);
    EXPECT_EQ(windowWidth(main), 600);
    EXPECT_EQ(clientRectOf(inputBox()), (ClientRect{15, v + 135 + 20 * g, 465, 20}));
    EXPECT_EQ(clientRectOf(resultBox()), (ClientRect{15, v + 157 + 20 * g, 465, 20}));
    EXPECT_EQ(clientRectOf(windowState.clearSaveButton), (ClientRect{495, v + 120 + 20 * g, 90, 25}));
    EXPECT_EQ(clientRectOf(windowState.clearButton), (ClientRect{495, v + 150 + 20 * g, 90, 25}));
    for (int k = 1; k <= c.popups; ++k)
        EXPECT_EQ(clientRectOf(popupBox(k)), (ClientRect{15, v + 135 + 20 * g - 20 * k, 465, 20})) << "box " << k;
    EXPECT_EQ(clientRectOf(windowState.angleLabel), (ClientRect{495, 30, 90, 20}));
    EXPECT_EQ(clientRectOf(windowState.decimalsLabel), (ClientRect{495, 55, 90, 20}));
    EXPECT_EQ(clientRectOf(windowState.fileNameStrip), (ClientRect{0, 0, 600, 20}));

    // Hiding the variables again gives the places for V 0.
    if (c.offset != 0) {
        sendCommand(kHideVariables);
        EXPECT_EQ(windowHeight(main), 235 + windowState.frameAllowance + 20 * g);
        EXPECT_EQ(clientRectOf(inputBox()), (ClientRect{15, 135 + 20 * g, 465, 20}));
        for (int k = 1; k <= c.popups; ++k)
            EXPECT_EQ(clientRectOf(popupBox(k)).y, 135 + 20 * g - 20 * k) << "box " << k;
    }
}

std::vector<LayoutCase> layoutCases() {
    std::vector<LayoutCase> cases;
    for (int popups = 0; popups <= 9; ++popups) {
        cases.push_back({popups, 0, false});
        cases.push_back({popups, 70, true});
        cases.push_back({popups, 70, false});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Window, Layout, testing::ValuesIn(layoutCases()), [](const auto& info) {
    const LayoutCase& c = info.param;
    std::string name = std::to_string(c.popups) + "Popups";
    if (c.offset != 0) name += c.showBeforeTyping ? "VariablesShownFirst" : "VariablesShownAfter";
    return name;
});

using LayoutExample = CalculatorWindow;

TEST_F(LayoutExample, SevenPopupsWithVariablesShown) {
    sendCommand(kShowVariables);
    typePopups(7);
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance + 70 + 40);
    EXPECT_EQ(clientRectOf(inputBox()).y, 245);
    EXPECT_EQ(clientRectOf(popupBox(7)).y, 105);
}

TEST_F(LayoutExample, ClearBringsTheWindowBackToItsBaseHeight) {
    typePopups(8);
    sendCommand(kClearButton);
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance);
    EXPECT_EQ(clientRectOf(inputBox()).y, 135);
    typeText("4+");
    EXPECT_EQ(clientRectOf(popupBox(1)).y, 115);
}

TEST_F(LayoutExample, ResizingKeepsTheWindowsLeftAndTopEdge) {
    RECT before{};
    GetWindowRect(window, &before);
    typePopups(7);
    RECT after{};
    GetWindowRect(window, &after);
    EXPECT_EQ(after.left, before.left);
    EXPECT_EQ(after.top, before.top);
}

} // namespace
