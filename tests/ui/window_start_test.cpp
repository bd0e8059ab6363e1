// Start-up: the window classes, the main window's title, place and size, the
// permanent controls (and the variables' controls once shown), the labels,
// the menu bar and the first answer.
#include "case_label.h"
#include "window_driver.h"

namespace {

using StartUp = CalculatorWindow;

TEST_F(StartUp, OpensTheTitledWindowAtItsPlace) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(className(window), "WinProg");
    EXPECT_EQ(windowText(window), "Marrowfieldtallymaster-1.1");
    const RECT rect = outerRect(window);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 300);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(rect.right - rect.left, 600);
    EXPECT_EQ(clientHeight(window), 191);
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance);
    EXPECT_EQ(windowStyle(window) & 0x00CA0000u, 0x00CA0000u);
    EXPECT_EQ(windowStyle(window) & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
}

TEST_F(StartUp, ShowsTenDecimalsDegreesAndZero) {
    EXPECT_EQ(windowText(windowState.decimalsLabel), "10 Decimals");
    EXPECT_EQ(windowText(windowState.angleLabel), "Degrees");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(calculatorState.displayDecimals, 10);
    EXPECT_EQ(calculatorState.angleInDegrees, 1);
    EXPECT_EQ(calculatorState.boxCount, 1);
    EXPECT_EQ(GetFocus(), inputBox());
    // Activation puts the caret back into the input box.
    SetFocus(windowState.clearButton);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), inputBox());
    // Going inactive, or becoming active while minimised, moves no caret.
    SetFocus(windowState.clearButton);
    SendMessageA(window, WM_ACTIVATE, WA_INACTIVE, 0);
    EXPECT_EQ(GetFocus(), windowState.clearButton);
    SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 1), 0);
    EXPECT_EQ(GetFocus(), windowState.clearButton);
    SendMessageA(window, WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0);
    EXPECT_EQ(GetFocus(), inputBox());
}

TEST_F(StartUp, RegistersTheFourWindowClassesAndTheProgramIcon) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    for (const std::string name : {"WinProg", "InsWin", "FuncWin", "MenuWin"}) {
        WNDCLASSA info{};
        ASSERT_TRUE(GetClassInfoA(instance, name.c_str(), &info)) << name;
        EXPECT_TRUE(info.style == 0 && info.cbClsExtra == 0 && info.cbWndExtra == 0) << name;
        EXPECT_TRUE(info.lpszMenuName == nullptr && info.hCursor != nullptr && info.hIcon != nullptr) << name;
        if (name == "WinProg") {
            // The main window's own solid light-yellow brush.
            LOGBRUSH brush{};
            ASSERT_EQ(GetObjectA(info.hbrBackground, sizeof brush, &brush), static_cast<int>(sizeof brush));
            EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
            EXPECT_EQ(brush.lbColor, RGB(255, 255, 198));
        } else {
            EXPECT_EQ(info.hbrBackground, reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1)) << name;
        }
    }
    EXPECT_NE(FindResourceA(instance, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14)), nullptr);  // the icon group
}

struct ControlCase {
    std::string label;
    HWND (*handle)();
    const char* controlClass;
    const char* text;
    DWORD style;
    int id;
    ClientRect rect;
    bool variables;  // one of the controls Show Variables adds
};

class Control : public CalculatorWindow, public testing::WithParamInterface<ControlCase> {};

TEST_P(Control, StandsWhereTheTableSays) {
    const ControlCase& c = GetParam();
    if (c.variables) {
        copyText(calculatorState.variableTexts[1], "2+3");
        sendCommand(kShowVariables);
    }
    HWND control = c.handle();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), window);
    EXPECT_STRCASEEQ(className(control).c_str(), c.controlClass);
    EXPECT_EQ(windowText(control), c.text);
    EXPECT_EQ(windowStyle(control), storedStyleFor(c.controlClass, c.style));
    EXPECT_EQ(GetDlgCtrlID(control), c.id);
    EXPECT_EQ(clientRectOf(control), c.rect);
}

const ControlCase kControlCases[] = {
    {"ClearSave",
     [] { return windowState.clearSaveButton; },
     "BUTTON",
     "Clear/Save",
     0x50800000,
     6,
     {495, 120, 90, 25},
     false},
    {"Clear", [] { return windowState.clearButton; }, "BUTTON", "Clear", 0x50800000, 3, {495, 150, 90, 25}, false},
    {"AngleLabel", [] { return windowState.angleLabel; }, "STATIC", "Degrees", 0x50800001, 5, {495, 30, 90, 20}, false},
    {"DecimalsLabel",
     [] { return windowState.decimalsLabel; },
     "STATIC",
     "10 Decimals",
     0x50800001,
     4,
     {495, 55, 90, 20},
     false},
    {"FileNameStrip", [] { return windowState.fileNameStrip; }, "STATIC", "", 0x50800000, 16, {0, 0, 600, 20}, false},
    {"InputBox", [] { return windowState.inputBox; }, "EDIT", "", 0x50A101C6, 16, {15, 135, 465, 20}, false},
    {"ResultBox", [] { return windowState.resultBox; }, "EDIT", "0", 0x50A109C6, 18, {15, 157, 465, 20}, false},
    {"XBox", [] { return windowState.variableBoxes[0]; }, "EDIT", "0.0", 0x50A101C6, 20, {30, 30, 450, 20}, true},
    {"XLabel", [] { return windowState.variableLabels[0]; }, "STATIC", "x", 0x50800001, 21, {15, 30, 15, 20}, true},
    {"YBox", [] { return windowState.variableBoxes[1]; }, "EDIT", "2+3", 0x50A101C6, 22, {30, 55, 450, 20}, true},
    {"YLabel", [] { return windowState.variableLabels[1]; }, "STATIC", "y", 0x50800001, 23, {15, 55, 15, 20}, true},
    {"ZBox", [] { return windowState.variableBoxes[2]; }, "EDIT", "0.0", 0x50A101C6, 24, {30, 80, 450, 20}, true},
    {"ZLabel", [] { return windowState.variableLabels[2]; }, "STATIC", "z", 0x50800001, 25, {15, 80, 15, 20}, true},
    {"SaveToX",
     [] { return windowState.saveToButtons[0]; },
     "Button",
     "Save to X",
     0x50000000,
     45,
     {495, 110, 90, 20},
     true},
    {"SaveToY",
     [] { return windowState.saveToButtons[1]; },
     "Button",
     "Save to Y",
     0x50000000,
     46,
     {495, 135, 90, 20},
     true},
    {"SaveToZ",
     [] { return windowState.saveToButtons[2]; },
     "Button",
     "Save to Z",
     0x50000000,
     47,
     {495, 160, 90, 20},
     true},
};

INSTANTIATE_TEST_SUITE_P(Window, Control, testing::ValuesIn(kControlCases), CaseLabel());

TEST_F(StartUp, CreatesThePermanentControlsInTableOrder) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    const WindowState& w = windowState;
    const std::vector<HWND> expected = {w.clearSaveButton, w.clearButton, w.angleLabel, w.decimalsLabel,
                                        w.fileNameStrip,   w.inputBox,    w.resultBox};
    EXPECT_EQ(children, expected);
}

// A menu written as its labels; "-" is a separator.
struct MenuCase {
    std::string label;
    int index;  // on the bar
    const char* barLabel;
    std::vector<std::pair<const char*, int>> items;
};

class MenuBar : public CalculatorWindow, public testing::WithParamInterface<MenuCase> {};

TEST_P(MenuBar, ListsEveryItemInOrderNoneCheckedOrGreyed) {
    const std::vector<MenuEntryInfo> bar = menuEntries(GetMenu(window));
    ASSERT_EQ(bar.size(), 7u);
    const int index = GetParam().index;
    EXPECT_EQ(bar[index].label, GetParam().barLabel);
    std::vector<MenuEntryInfo> expected;
    for (const auto& [label, id] : GetParam().items) {
        const bool separator = std::string(label) == "-";
        expected.push_back({separator ? "" : label, id, separator});
    }
    HMENU menu = barSubmenu(index);
    EXPECT_EQ(menuEntries(menu), expected);
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
        EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED | MF_DISABLED), 0u) << position;
    }
}

const MenuCase kMenuCases[] = {
    {"File",
     0,
     "&File",
     {{"&New Calculation", 31},
      {"&Open", 32},
      {"-", 0},
      {"&Save ", 33},
      {"Save &As...", 34},
      {"-", 0},
      {"&Print", 35},
      {"-", 0},
      {"E&xit", 2}}},
    {"Edit", 1, "&Edit", {{"&Copy...Ctrl+C", 60}, {"C&ut.....Ctrl+X", 61}, {"&Paste..Ctrl+V", 62}}},
    {"Memory",
     2,
     "&Memory",
     {{"&Save 1", 70},
      {"&Recall 1", 71},
      {"-", 0},
      {"S&ave 2", 72},
      {"R&ecall 2", 73},
      {"-", 0},
      {"Sa&ve 3", 74},
      {"Re&call 3", 75}}},
    {"Display",
     3,
     "&Display",
     {{"&No Group", 99},
      {"&Commas", 98},
      {"&Group-5", 100},
      {"-", 0},
      {"&No Decimals", 101},
      {"&10 Decimals", 102},
      {"&20 Decimals", 103},
      {"&30 Decimals", 104},
      {"&40 Decimals", 106},
      {"&50 Decimals", 108},
      {"&All Decimals", 110}}},
    {"Trig", 4, "&Trig", {{"&Degrees", 5}, {"&Radians", 4}}},
    {"Variables", 5, "&Variables", {{"&Show Variables", 40}, {"&Hide Variables", 41}, {"&Clear Variables", 42}}},
    {"Help", 6, "&Help", {{"&Instructions", 1}, {"&Functions", 16}, {"&Menus", 17}, {"-", 0}, {"&About", 19}}},
};

INSTANTIATE_TEST_SUITE_P(StartUp, MenuBar, testing::ValuesIn(kMenuCases), CaseLabel());

TEST_F(StartUp, PaintsTheLightBluePanel) {
    UpdateWindow(window);
    HDC context = GetDC(window);
    const COLORREF panel = GetPixel(context, 540, 100);
    const COLORREF background = GetPixel(context, 200, 60);
    ReleaseDC(window, context);
    if (panel == CLR_INVALID) GTEST_SKIP() << "the display cannot be read back";
    EXPECT_EQ(panel, RGB(203, 232, 255));
    EXPECT_EQ(background, RGB(255, 255, 198));
}

}  // namespace
