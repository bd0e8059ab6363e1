// The layout rule: window height and the places of the input box, result
// box, both Clear buttons and every popup box for 0 to 9 popup boxes, with
// the variables hidden (V 0) and shown (V 70) before or after typing.
#include "window_driver.h"

namespace {

struct LayoutCase {
    int popups;
    int offset;  // 0 or 70
    bool showBeforeTyping;
};

class Layout : public CalculatorWindow, public testing::WithParamInterface<LayoutCase> {};

TEST_P(Layout, PlacesEveryBoxByTheRule) {
    const LayoutCase& c = GetParam();
    const RECT start = outerRect(window);
    if (c.offset != 0 && c.showBeforeTyping) sendCommand(kShowVariables);
    for (int k = 0; k < c.popups; ++k) typeText("1+");
    if (c.offset != 0 && !c.showBeforeTyping) sendCommand(kShowVariables);
    ASSERT_EQ(calculatorState.boxCount, c.popups + 1);

    for (const int v : {c.offset, 0}) {  // hiding the variables again gives the places for V 0
        if (v != c.offset) sendCommand(kHideVariables);
        const int g = c.popups > 5 ? c.popups - 5 : 0;
        const int base = v + 20 * g;
        EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance + base);
        EXPECT_EQ(clientHeight(window), 191 + base);
        // Resizing keeps the window's left and top edge and its width.
        const RECT now = outerRect(window);
        EXPECT_EQ(now.left, start.left);
        EXPECT_EQ(now.top, start.top);
        EXPECT_EQ(now.right - now.left, 600);
        EXPECT_EQ(clientRectOf(inputBox()), (ClientRect{15, base + 135, 465, 20}));
        EXPECT_EQ(clientRectOf(resultBox()), (ClientRect{15, base + 157, 465, 20}));
        EXPECT_EQ(clientRectOf(windowState.clearSaveButton), (ClientRect{495, base + 120, 90, 25}));
        EXPECT_EQ(clientRectOf(windowState.clearButton), (ClientRect{495, base + 150, 90, 25}));
        for (int k = 1; k <= c.popups; ++k)
            EXPECT_EQ(clientRectOf(popupBox(k)), (ClientRect{15, base + 135 - 20 * k, 465, 20})) << "box " << k;
        EXPECT_EQ(clientRectOf(windowState.angleLabel), (ClientRect{495, 30, 90, 20}));
        EXPECT_EQ(clientRectOf(windowState.decimalsLabel), (ClientRect{495, 55, 90, 20}));
        EXPECT_EQ(clientRectOf(windowState.fileNameStrip), (ClientRect{0, 0, 600, 20}));
        if (c.offset == 0) break;
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
    const std::string name = std::to_string(c.popups) + "Popups";
    return c.offset == 0 ? name : name + (c.showBeforeTyping ? "VariablesShownFirst" : "VariablesShownAfter");
});

}  // namespace
