// Opening the help windows from the main window's Help menu: class, title,
// style, place and size; the instructions window's text, menu, Copy and the
// keyboard going back to the main window when it closes.
#include "help_texts.h"
#include "help_window_support.h"
#include "help_windows.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class HelpWindows : public testing::Test {
protected:
    void SetUp() override { mainWindow = startCalculatorWindow(); ASSERT_NE(mainWindow, nullptr); }
    void TearDown() override { closeCalculatorWindow(); }
    HWND mainWindow = nullptr;
};

constexpr DWORD kHelpStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;

struct OpenCase {
    const char* name;
    int commandId;
    const char* windowClass;
    const char* title;
    DWORD style;
    RECT rect;   // left, top, right, bottom
};

const OpenCase kOpenCases[] = {
    {"Instructions", 1, "InsWin", "Instructions-Marrowfieldtallymaster 1.1", kHelpStyle, {50, 260, 670, 410}},
    {"Functions", 16, "FuncWin", "Function Instructions-Marrowfieldtallymaster 1.1 ", kHelpStyle | WS_VSCROLL,
     {100, 280, 760, 430}},
    {"Menus", 17, "MenuWin", "Menu Instructions-Marrowfieldtallymaster 1.1  ", kHelpStyle | WS_VSCROLL,
     {120, 300, 780, 450}},
};

class HelpWindowOpening : public HelpWindows, public testing::WithParamInterface<OpenCase> {};

TEST_P(HelpWindowOpening, EachCommandOpensAFreshWindowOfItsKind)
{
    const OpenCase& c = GetParam();
    HWND first = openHelpThroughMenu(c.commandId);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(className(first), c.windowClass);
    EXPECT_EQ(windowText(first), c.title);
    // The platform adds WS_CLIPSIBLINGS to top-level windows.
    EXPECT_EQ(windowStyle(first) & ~WS_CLIPSIBLINGS, c.style);
    const RECT rect = outerRect(first);
    EXPECT_EQ(rect.left, c.rect.left);
    EXPECT_EQ(rect.top, c.rect.top);
    EXPECT_EQ(rect.right, c.rect.right);
    EXPECT_EQ(rect.bottom, c.rect.bottom);
    EXPECT_EQ(GetWindow(first, GW_OWNER), mainWindow);

    HWND second = openHelpThroughMenu(c.commandId);
    EXPECT_NE(second, first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(threadWindowsOfClass(c.windowClass).size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(Help, HelpWindowOpening, testing::ValuesIn(kOpenCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpWindows, LineListWindowsHaveAPrintButtonAndNoMenu)
{
    for (int commandId : {16, 17}) {
        HWND window = openHelpThroughMenu(commandId);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(GetMenu(window), nullptr);
        const std::vector<HWND> buttons = childrenWithId(window, kHelpPrintCommand);
        ASSERT_EQ(buttons.size(), 1u);
        HWND button = buttons[0];
        EXPECT_EQ(className(button), "Button");
        EXPECT_EQ(windowText(button), "Print");
        const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | BS_DEFPUSHBUTTON;
        EXPECT_EQ(windowStyle(button), storedStyleFor("BUTTON", style));
        RECT rect{};
        GetWindowRect(button, &rect);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, 0);
        EXPECT_EQ(rect.top, 0);
        EXPECT_EQ(rect.right - rect.left, 70);
        EXPECT_EQ(rect.bottom - rect.top, 25);
    }
}

HWND instructionsEdit(HWND window)
{
    return GetDlgItem(window, kInstructionsEditId);
}

TEST_F(HelpWindows, InstructionsShowPartOneThenPartTwoEveryTime)
{
    const std::string expected = std::string(instructionsPartOne) + instructionsPartTwo;
    for (int time = 1; time <= 3; ++time) {
        HWND window = openHelpThroughMenu(1);
        ASSERT_NE(window, nullptr);
        HWND edit = instructionsEdit(window);
        ASSERT_NE(edit, nullptr) << "time " << time;
        const int length = GetWindowTextLengthA(edit);
        std::string text(static_cast<std::size_t>(length) + 1, '\0');
        GetWindowTextA(edit, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(length));
        EXPECT_EQ(text, expected) << "time " << time;
        if (time == 2) DestroyWindow(window);   // also once after a window has closed
    }
}

TEST_F(HelpWindows, InstructionsEditFillsTheClientAreaAndHasTheFocus)
{
    HWND window = openHelpThroughMenu(1);
    HWND edit = instructionsEdit(window);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(className(edit), "Edit");
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
    EXPECT_EQ(windowStyle(edit), storedStyleFor("EDIT", style));
    EXPECT_EQ(GetFocus(), edit);

    MoveWindow(window, 50, 260, 500, 300, TRUE);
    pumpMessages();
    RECT client{};
    GetClientRect(window, &client);
    RECT editRect{};
    GetWindowRect(edit, &editRect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&editRect), 2);
    EXPECT_EQ(editRect.left, 0);
    EXPECT_EQ(editRect.top, 0);
    EXPECT_EQ(editRect.right, client.right);
    EXPECT_EQ(editRect.bottom, client.bottom);
}

TEST_F(HelpWindows, InstructionsMenuHoldsCopyAndPrint)
{
    HWND window = openHelpThroughMenu(1);
    const std::vector<MenuEntryInfo> expected = {{"&Copy", kHelpCopyCommand, false},
                                                 {"&Print", kHelpPrintCommand, false}};
    EXPECT_EQ(menuEntries(GetMenu(window)), expected);
}

TEST_F(HelpWindows, CopyPutsTheSelectionOnTheClipboard)
{
    HWND window = openHelpThroughMenu(1);
    setClipboardText("before");
    SendMessageA(instructionsEdit(window), EM_SETSEL, 20, 65);
    SendMessageA(window, WM_COMMAND, MAKEWPARAM(kHelpCopyCommand, 0), 0);
    EXPECT_EQ(clipboardText(), std::string(basicInstructionsText()).substr(20, 45));
}

TEST_F(HelpWindows, ClosingInstructionsGivesTheKeyboardBackToTheMainWindow)
{
    HWND window = openHelpThroughMenu(1);
    ASSERT_EQ(GetFocus(), instructionsEdit(window));
    SendMessageA(window, WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(window));
    HWND focus = GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(GetAncestor(focus, GA_ROOT), mainWindow);
}

} // namespace
