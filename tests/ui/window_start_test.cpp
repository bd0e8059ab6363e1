// Start-up: the window classes, the main window's title, place and size, the
// permanent controls, the labels, the menu bar and the first answer.
#include "window_test_support.h"

#include <cstring>

namespace {

using StartUp = CalculatorWindow;

TEST_F(StartUp, OpensTheTitledWindowAtItsPlace) {
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(className(window), "WinProg");
    EXPECT_EQ(windowText(window), "Marrowfieldtallymaster-1.1");
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, GetSystemMetrics(SM_CXSCREEN) / 2 - 300);
    EXPECT_EQ(rect.top, 20);
    EXPECT_EQ(windowWidth(window), 600);
    EXPECT_EQ(clientHeight(window), 191);
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance);
    const DWORD style = windowStyle(window);
    EXPECT_EQ(style & 0x00CA0000u, 0x00CA0000u);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
}

TEST_F(StartUp, ShowsTenDecimalsDegreesAndZero) {
    EXPECT_EQ(windowText(windowState.decimalsLabel), "10 Decimals");
    EXPECT_EQ(windowText(windowState.angleLabel), "Degrees");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(calculatorState.displayDecimals, 10);
    EXPECT_EQ(calculatorState.angleInDegrees, 1);
    EXPECT_EQ(calculatorState.boxCount, 1);
    EXPECT_EQ(GetFocus(), inputBox());
}

TEST_F(StartUp, ActivationPutsTheCaretInTheInputBox) {
    SetFocus(windowState.clearButton);
    SendMessageA(window, WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(GetFocus(), inputBox());
}

struct ClassCase {
    const char* name;
    HBRUSH background;  // null: the main window's own solid brush
    bool programIcon;
};

void PrintTo(const ClassCase& c, std::ostream* out) { *out << c.name; }

class WindowClass : public testing::TestWithParam<ClassCase> {};

TEST_P(WindowClass, IsRegisteredWithItsAttributes) {
    startCalculatorWindow();
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA info{};
    ASSERT_TRUE(GetClassInfoA(instance, GetParam().name, &info));
    EXPECT_EQ(info.style, 0u);
    EXPECT_EQ(info.cbClsExtra, 0);
    EXPECT_EQ(info.cbWndExtra, 0);
    EXPECT_EQ(info.lpszMenuName, nullptr);
    EXPECT_NE(info.hCursor, nullptr);
    EXPECT_NE(info.hIcon, nullptr);
    if (GetParam().background != nullptr) {
        EXPECT_EQ(info.hbrBackground, GetParam().background);
    } else {
        LOGBRUSH brush{};
        ASSERT_EQ(GetObjectA(info.hbrBackground, sizeof brush, &brush), static_cast<int>(sizeof brush));
        EXPECT_EQ(brush.lbStyle, static_cast<UINT>(BS_SOLID));
        EXPECT_EQ(brush.lbColor, RGB(255, 255, 198));
    }
    if (GetParam().programIcon) {
        EXPECT_NE(FindResourceA(instance, MAKEINTRESOURCEA(101), MAKEINTRESOURCEA(14)), nullptr);
    }
    closeCalculatorWindow();
}

const ClassCase kClassCases[] = {
    {"WinProg", nullptr, true},
    {"InsWin", reinterpret_cast<HBRUSH>(6), false},
    {"FuncWin", reinterpret_cast<HBRUSH>(6), false},
    {"MenuWin", reinterpret_cast<HBRUSH>(6), false},
};

INSTANTIATE_TEST_SUITE_P(StartUp, WindowClass, testing::ValuesIn(kClassCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct ControlCase {
    const char* name;
    HWND WindowState::*handle;
    const char* controlClass;
    const char* text;
    DWORD style;
    int id;
    ClientRect rect;
};

void PrintTo(const ControlCase& c, std::ostream* out) { *out << c.name; }

class PermanentControl : public testing::TestWithParam<ControlCase> {
protected:
    void SetUp() override { startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
};

TEST_P(PermanentControl, StandsWhereTheTableSays) {
    const ControlCase& c = GetParam();
    HWND control = windowState.*c.handle;
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(GetParent(control), mainWindowHandle());
    EXPECT_STRCASEEQ(className(control).c_str(), c.controlClass);
    EXPECT_EQ(windowText(control), c.text);
    EXPECT_EQ(windowStyle(control), storedStyleFor(c.controlClass, c.style));
    EXPECT_EQ(controlId(control), c.id);
    EXPECT_EQ(clientRectOf(control), c.rect);
}

const ControlCase kControlCases[] = {
    {"ClearSave", &WindowState::clearSaveButton, "BUTTON", "Clear/Save", 0x50800000, 6, {495, 120, 90, 25}},
    {"Clear", &WindowState::clearButton, "BUTTON", "Clear", 0x50800000, 3, {495, 150, 90, 25}},
    {"AngleLabel", &WindowState::angleLabel, "STATIC", "Degrees", 0x50800001, 5, {495, 30, 90, 20}},
    {"DecimalsLabel", &WindowState::decimalsLabel, "STATIC", "10 Decimals", 0x50800001, 4, {495, 55, 90, 20}},
    {"FileNameStrip", &WindowState::fileNameStrip, "STATIC", "", 0x50800000, 16, {0, 0, 600, 20}},
    {"InputBox", &WindowState::inputBox, "EDIT", "", 0x50A101C6, 16, {15, 135, 465, 20}},
    {"ResultBox", &WindowState::resultBox, "EDIT", "0", 0x50A109C6, 18, {15, 157, 465, 20}},
};

INSTANTIATE_TEST_SUITE_P(StartUp, PermanentControl, testing::ValuesIn(kControlCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, CreatesThePermanentControlsInTableOrder) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    const std::vector<HWND> expected = {windowState.clearSaveButton, windowState.clearButton,
                                        windowState.angleLabel,      windowState.decimalsLabel,
                                        windowState.fileNameStrip,   windowState.inputBox,
                                        windowState.resultBox};
    EXPECT_EQ(children, expected);
}

MenuEntryInfo item(const char* label, int id) { return {label, id, false}; }
const MenuEntryInfo kSeparatorEntry = {"", 0, true};

struct MenuCase {
    const char* name;
    int index;
    const char* barLabel;
    std::vector<MenuEntryInfo> items;
};

void PrintTo(const MenuCase& c, std::ostream* out) { *out << c.name; }

class MenuBar : public testing::TestWithParam<MenuCase> {
protected:
    void SetUp() override { startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
};

TEST_P(MenuBar, ListsEveryItemInOrder) {
    const std::vector<MenuEntryInfo> bar = menuEntries(GetMenu(mainWindowHandle()));
    ASSERT_EQ(bar.size(), 7u);
    EXPECT_EQ(bar[GetParam().index].label, GetParam().barLabel);
    EXPECT_EQ(menuEntries(barSubmenu(GetParam().index)), GetParam().items);
}

const MenuCase kMenuCases[] = {
    {"File", 0, "&File",
     {item("&New Calculation", 31), item("&Open", 32), kSeparatorEntry, item("&Save ", 33), item("Save &As...", 34),
      kSeparatorEntry, item("&Print", 35), kSeparatorEntry, item("E&xit", 2)}},
    {"Edit", 1, "&Edit", {item("&Copy...Ctrl+C", 60), item("C&ut.....Ctrl+X", 61), item("&Paste..Ctrl+V", 62)}},
    {"Memory", 2, "&Memory",
     {item("&Save 1", 70), item("&Recall 1", 71), kSeparatorEntry, item("S&ave 2", 72), item("R&ecall 2", 73),
      kSeparatorEntry, item("Sa&ve 3", 74), item("Re&call 3", 75)}},
    {"Display", 3, "&Display",
     {item("&No Group", 99), item("&Commas", 98), item("&Group-5", 100), kSeparatorEntry, item("&No Decimals", 101),
      item("&10 Decimals", 102), item("&20 Decimals", 103), item("&30 Decimals", 104), item("&40 Decimals", 106),
      item("&50 Decimals", 108), item("&All Decimals", 110)}},
    {"Trig", 4, "&Trig", {item("&Degrees", 5), item("&Radians", 4)}},
    {"Variables", 5, "&Variables",
     {item("&Show Variables", 40), item("&Hide Variables", 41), item("&Clear Variables", 42)}},
    {"Help", 6, "&Help",
     {item("&Instructions", 1), item("&Functions", 16), item("&Menus", 17), kSeparatorEntry, item("&About", 19)}},
};

INSTANTIATE_TEST_SUITE_P(StartUp, MenuBar, testing::ValuesIn(kMenuCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(StartUp, NoMenuItemIsCheckedOrGreyed) {
    for (int index = 0; index < 7; ++index) {
        HMENU menu = barSubmenu(index);
        for (int position = 0; position < GetMenuItemCount(menu); ++position) {
            const UINT state = GetMenuState(menu, static_cast<UINT>(position), MF_BYPOSITION);
            EXPECT_EQ(state & (MF_CHECKED | MF_GRAYED | MF_DISABLED), 0u) << index << ":" << position;
        }
    }
}

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

} // namespace
