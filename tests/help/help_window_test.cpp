// The help windows opened from the main window's Help menu: class, title,
// style, place and size; the instructions window's text, Copy and focus; the
// printout of each window; and the line lists' scroll rules, where a request
// that would pass either end is refused whole.
#include "case_label.h"
#include "help_texts.h"
#include "help_windows.h"
#include "printed_page.h"
#include "text_lines.h"
#include "window_driver.h"

#include <algorithm>
#include <map>
#include <string>
#include <vector>

namespace {

using HelpWindows = CalculatorWindow;

HWND openHelp(int commandId) {
    sendCommand(commandId);
    pumpMessages();
    return latestHelpWindow(commandId);
}

HWND instructionsEdit(HWND window) { return GetDlgItem(window, kInstructionsEditId); }

constexpr DWORD kHelpStyle = WS_VISIBLE | WS_OVERLAPPEDWINDOW;

struct OpenCase {
    std::string label;
    int commandId;
    const char* windowClass;
    const char* title;
    DWORD style;
    ClientRect rect;                  // on the screen
    std::vector<MenuEntryInfo> menu;  // none: a Print button instead
};

class HelpWindowOpening : public HelpWindows, public testing::WithParamInterface<OpenCase> {};

TEST_P(HelpWindowOpening, EachCommandOpensAFreshWindowOfItsKind) {
    const OpenCase& c = GetParam();
    HWND first = openHelp(c.commandId);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(className(first), c.windowClass);
    EXPECT_EQ(windowText(first), c.title);
    // The platform adds WS_CLIPSIBLINGS to top-level windows.
    EXPECT_EQ(windowStyle(first) & ~WS_CLIPSIBLINGS, c.style);
    EXPECT_EQ(clientRectOf(first, GetDesktopWindow()), c.rect);
    EXPECT_EQ(GetWindow(first, GW_OWNER), window);
    EXPECT_EQ(menuEntries(GetMenu(first)), c.menu);
    if (c.menu.empty()) {
        const std::vector<HWND> buttons = childrenWithId(first, kHelpPrintCommand);
        ASSERT_EQ(buttons.size(), 1u);
        EXPECT_EQ(className(buttons[0]), "Button");
        EXPECT_EQ(windowText(buttons[0]), "Print");
        EXPECT_EQ(windowStyle(buttons[0]),
                  storedStyleFor("BUTTON", WS_CHILD | WS_VISIBLE | WS_BORDER | BS_DEFPUSHBUTTON));
        EXPECT_EQ(clientRectOf(buttons[0], first), (ClientRect{0, 0, 70, 25}));
    }

    HWND second = openHelp(c.commandId);
    EXPECT_NE(second, first);
    EXPECT_TRUE(IsWindowVisible(first));
    EXPECT_TRUE(IsWindowVisible(second));
    EXPECT_EQ(className(second), c.windowClass);
}

const OpenCase kOpenCases[] = {
    {"Instructions",
     1,
     "InsWin",
     "Instructions-Marrowfieldtallymaster 1.1",
     kHelpStyle,
     {50, 260, 620, 150},
     {{"&Copy", kHelpCopyCommand, false}, {"&Print", kHelpPrintCommand, false}}},
    {"Functions",
     16,
     "FuncWin",
     "Function Instructions-Marrowfieldtallymaster 1.1 ",
     kHelpStyle | WS_VSCROLL,
     {100, 280, 660, 150},
     {}},
    {"Menus",
     17,
     "MenuWin",
     "Menu Instructions-Marrowfieldtallymaster 1.1  ",
     kHelpStyle | WS_VSCROLL,
     {120, 300, 660, 150},
     {}},
};

INSTANTIATE_TEST_SUITE_P(Help, HelpWindowOpening, testing::ValuesIn(kOpenCases), CaseLabel());

TEST_F(HelpWindows, InstructionsShowPartOneThenPartTwoEveryTime) {
    const std::string expected = std::string(instructionsPartOne) + instructionsPartTwo;
    for (int time = 1; time <= 3; ++time) {
        HWND help = openHelp(1);
        ASSERT_NE(instructionsEdit(help), nullptr) << "time " << time;
        EXPECT_EQ(windowText(instructionsEdit(help)), expected) << "time " << time;
        if (time == 2) DestroyWindow(help);  // also once after a window has closed
    }
}

TEST_F(HelpWindows, InstructionsEditIsReadOnlyAndHasTheFocus) {
    HWND edit = instructionsEdit(openHelp(1));
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(className(edit), "Edit");
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY;
    EXPECT_EQ(windowStyle(edit), storedStyleFor("EDIT", style));
    EXPECT_EQ(GetFocus(), edit);
}

TEST_F(HelpWindows, InstructionsCopyPutsTheSelectionOnTheClipboard) {
    HWND help = openHelp(1);
    setClipboardText("before");
    SendMessageA(instructionsEdit(help), EM_SETSEL, 20, 65);
    SendMessageA(help, WM_COMMAND, MAKEWPARAM(kHelpCopyCommand, 0), 0);
    EXPECT_EQ(clipboardText(), std::string(basicInstructionsText()).substr(20, 45));
}

TEST_F(HelpWindows, ClosingInstructionsGivesTheKeyboardBackToTheMainWindow) {
    HWND help = openHelp(1);
    ASSERT_EQ(GetFocus(), instructionsEdit(help));
    SendMessageA(help, WM_CLOSE, 0, 0);
    pumpMessages();
    EXPECT_FALSE(IsWindow(help));
    ASSERT_NE(GetFocus(), nullptr);
    EXPECT_EQ(GetAncestor(GetFocus(), GA_ROOT), window);
}

// Closing a help window gives the caret back to the box that had it.
TEST_F(HelpWindows, ClosingAnyHelpWindowGivesTheCaretBackToItsBox) {
    typeText("12+5-");
    for (int commandId : {1, 16, 17}) {
        SetFocus(popupBox(2));
        HWND help = openHelp(commandId);
        ASSERT_NE(GetFocus(), popupBox(2)) << commandId;
        SendMessageA(help, WM_CLOSE, 0, 0);
        pumpMessages();
        EXPECT_EQ(GetFocus(), popupBox(2)) << commandId;
    }
}

// ---- Printing -------------------------------------------------------------

// A row as the page shows it: its tab pieces, empty ones left out, joined by
// "|" (the table's columns are checked on their own).
std::string tabPieces(const std::string& row) {
    const std::size_t indent = row.find_first_not_of('\t');
    if (indent == std::string::npos) return "";
    std::string joined;
    for (std::size_t i = indent; i < row.size(); ++i) {
        if (row[i] == '\t') continue;
        if (i > indent && row[i - 1] == '\t') joined += '|';
        joined += row[i];
    }
    return joined;
}

// The header, then each row from page line `firstLine` on.
std::map<int, std::string> expectedPage(const char* header, const std::vector<std::string>& rows, int firstLine) {
    std::map<int, std::string> page = {{0, header + std::string("  Printed: ") + kPrintedStamp}};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!tabPieces(rows[i]).empty()) page[firstLine + static_cast<int>(i)] = tabPieces(rows[i]);
    }
    return page;
}

struct PrintCase {
    std::string label;
    int commandId;
    std::map<int, std::string> page;
    int lastLine;
};

const PrintCase kPrintCases[] = {
    {"InstructionsFromLineTwo", 1, expectedPage("Marrowfieldtallymaster", crLfLines(basicInstructionsText()), 2),
     static_cast<int>(crLfLines(basicInstructionsText()).size()) + 1},
    {"FunctionsOnLinesOneToTwentyFive", 16,
     expectedPage("Marrowfield", {functionListLines, functionListLines + kFunctionLineCount}, 1), kFunctionLineCount},
    {"MenusOnLinesOneToSixtyThree", 17, expectedPage("Marrowfield", {menuListLines, menuListLines + kMenuLineCount}, 1),
     kMenuLineCount},
};

class HelpPrinting : public HelpWindows, public testing::WithParamInterface<PrintCase> {};

TEST_P(HelpPrinting, PrintsTheWholeTextUnderItsHeader) {
    const PrintCase& c = GetParam();
    ASSERT_EQ(c.page.rbegin()->first, c.lastLine);  // the last row is not empty
    for (int time = 1; time <= 2; ++time) {         // a second window prints the same
        HWND help = openHelp(c.commandId);
        ASSERT_NE(help, nullptr);
        CapturedPrintout printout;
        const std::vector<HWND> buttons = childrenWithId(help, kHelpPrintCommand);
        if (buttons.empty()) {
            SendMessageA(help, WM_COMMAND, MAKEWPARAM(kHelpPrintCommand, 0), 0);
        } else {
            SendMessageA(buttons[0], BM_CLICK, 0, 0);
            pumpMessages();
            EXPECT_EQ(GetFocus(), help);  // the keys scroll the window again
        }
        EXPECT_EQ(printout.dialogCalls(), 1);
        EXPECT_EQ(printout.dialogOwner(), help);
        EXPECT_EQ(printout.pageLines(false), c.page) << "time " << time;
    }
}

INSTANTIATE_TEST_SUITE_P(Help, HelpPrinting, testing::ValuesIn(kPrintCases), CaseLabel());

// ---- Scrolling the line lists ---------------------------------------------

int scrollPosition(HWND help) { return GetScrollPos(help, SB_VERT); }

int scrollMaximum(HWND help) {
    int low = -1;
    int high = -1;
    GetScrollRange(help, SB_VERT, &low, &high);
    EXPECT_EQ(low, 0);
    return high;
}

void thumbTo(HWND help, int position) { SendMessageA(help, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0); }

int fontLineHeight(HWND help) {
    HDC dc = GetDC(help);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(help, dc);
    return metrics.tmHeight + metrics.tmExternalLeading;
}

// Both kinds share their view values across windows and tests: start at the
// top.
HWND openAtTop(int commandId) {
    HWND help = openHelp(commandId);
    EXPECT_NE(help, nullptr);
    thumbTo(help, 0);
    return help;
}

// ---- Columns and the Print button ------------------------------------------

// Where the ink of each column of a painted row begins: the first ink, and
// every ink after a blank stretch of at least `gap` pixels.
std::vector<int> columnStarts(const ScreenPicture& picture, int top, int height, int gap) {
    const unsigned background = picture.pixels[static_cast<std::size_t>(top) * picture.width + picture.width - 20];
    std::vector<int> starts;
    int blank = gap;
    for (int x = 0; x < picture.width - 20; ++x) {  // the scroll bar left out
        bool ink = false;
        for (int y = top; y < top + height && y < picture.height; ++y) {
            ink = ink || picture.pixels[static_cast<std::size_t>(y) * picture.width + x] != background;
        }
        if (ink && blank >= gap) starts.push_back(x);
        blank = ink ? 0 : blank + 1;
    }
    return starts;
}

int averageCharacterWidth(HWND help) {
    HDC dc = GetDC(help);
    TEXTMETRICA metrics{};
    GetTextMetricsA(dc, &metrics);
    ReleaseDC(help, dc);
    return metrics.tmAveCharWidth;
}

// The painted rows of a tall window at the top of its table, by row number.
std::map<int, std::vector<int>> paintedColumns(HWND help, int rowCount) {
    const int lineHeight = fontLineHeight(help);
    MoveWindow(help, 100, 0, 900, std::min(740, (rowCount + 2) * lineHeight + 60), TRUE);
    SendMessageA(help, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, 0), 0);
    RedrawWindow(help, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    settleScreen();
    const ScreenPicture picture = captureClientArea(help);
    std::map<int, std::vector<int>> rows;
    for (int i = 1; i < rowCount && (i + 2) * lineHeight <= picture.height; ++i) {
        rows[i] = columnStarts(picture, (i + 1) * lineHeight, lineHeight, 2 * averageCharacterWidth(help));
    }
    return rows;
}

// Ink begins a pixel or two after a column's x, by the letter's shape.
bool sameColumn(int a, int b, HWND help) { return std::abs(a - b) <= averageCharacterWidth(help) / 3; }

bool sameColumns(const std::vector<int>& a, const std::vector<int>& b, HWND help) {
    if (a.size() != b.size()) return false;
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (!sameColumn(a[k], b[k], help)) return false;
    }
    return true;
}

// Every item row of the menu list starts its name at one x and its
// description (after one or two tabs, or three on a continuation row) at
// another, whatever the name's width.
TEST_F(HelpWindows, MenuRowsLineUpTheirDescriptions) {
    HWND help = openAtTop(17);
    const std::map<int, std::vector<int>> rows = paintedColumns(help, kMenuLineCount);
    ASSERT_GT(rows.size(), 30u);
    std::vector<int> descriptionStarts;
    for (const auto& [i, starts] : rows) {
        const std::string row = menuListLines[i];
        if (row.rfind("\t\t\t", 0) == 0) {
            ASSERT_EQ(starts.size(), 1u) << row;
            descriptionStarts.push_back(starts[0]);
        } else if (row.rfind("\t", 0) == 0 && std::count(row.begin(), row.end(), '\t') >= 2) {
            ASSERT_EQ(starts.size(), 2u) << row;
            descriptionStarts.push_back(starts[1]);
        }
    }
    ASSERT_GT(descriptionStarts.size(), 25u);
    const auto [least, most] = std::minmax_element(descriptionStarts.begin(), descriptionStarts.end());
    EXPECT_TRUE(sameColumn(*least, *most, help)) << "descriptions start from x " << *least << " to " << *most;
}

// The function rows' columns (name, short name, description, note) each
// start at one x in every row, however wide 'Tangent' or 'Inverse-tangent'.
TEST_F(HelpWindows, FunctionRowsLineUpTheirColumns) {
    HWND help = openAtTop(16);
    const std::map<int, std::vector<int>> rows = paintedColumns(help, kFunctionLineCount);
    ASSERT_GT(rows.size(), 17u);
    const std::vector<int> full = rows.at(5);  // 'sin': four columns
    ASSERT_EQ(full.size(), 4u);
    for (int i = 6; i <= 10; ++i) {
        EXPECT_TRUE(sameColumns(rows.at(i), full, help)) << functionListLines[i];
    }
    for (int i = 11; i <= 17; ++i) {
        const std::vector<int>& starts = rows.at(i);
        ASSERT_GE(starts.size(), 2u) << functionListLines[i];
        EXPECT_TRUE(sameColumn(starts.front(), full[0], help)) << functionListLines[i];
        EXPECT_TRUE(sameColumn(starts.back(), full[2], help)) << functionListLines[i];  // the description
    }
}

// Scrolling moves the text below the Print button; the button stays, and
// what the screen shows is what a fresh paint gives.
TEST_F(HelpWindows, PrintButtonStaysWhileTheTextScrolls) {
    for (int commandId : {16, 17}) {
        HWND help = openAtTop(commandId);
        const std::vector<HWND> buttons = childrenWithId(help, kHelpPrintCommand);
        ASSERT_EQ(buttons.size(), 1u);
        const ClientRect before = clientRectOf(buttons[0], help);
        for (int i = 0; i < 3; ++i) pressKey(help, VK_DOWN);
        pressKey(help, VK_UP);
        ASSERT_EQ(scrollPosition(help), 2);
        EXPECT_EQ(clientRectOf(buttons[0], help), before) << commandId;
        EXPECT_EQ(stalePixelCount(help), 0) << commandId;
        SendMessageA(help, WM_CLOSE, 0, 0);
        pumpMessages();
    }
}

TEST_F(HelpWindows, ScrollRangeIsTheBaseLessTheVisibleLines) {
    for (const auto& [commandId, base] : {std::pair{16, 27}, std::pair{17, 65}}) {
        HWND help = openAtTop(commandId);
        const int visible = clientHeight(help) / fontLineHeight(help);
        ASSERT_GT(visible, 0);
        EXPECT_EQ(scrollMaximum(help), base - visible) << commandId;
        EXPECT_EQ(scrollPosition(help), 0);
    }
}

TEST_F(HelpWindows, TallFunctionListHasNothingToScroll) {
    HWND help = openAtTop(16);
    const int lineHeight = fontLineHeight(help);
    MoveWindow(help, 100, 20, 660, 30 * lineHeight + 60, TRUE);
    pumpMessages();
    ASSERT_GT(clientHeight(help) / lineHeight, 27);
    EXPECT_EQ(scrollMaximum(help), 0);
    for (UINT key : {VK_DOWN, VK_NEXT, VK_END, VK_UP, VK_PRIOR, VK_HOME}) {
        pressKey(help, key);
        EXPECT_EQ(scrollPosition(help), 0) << "key " << key;
    }
    thumbTo(help, 3);
    EXPECT_EQ(scrollPosition(help), 0);
}

TEST_F(HelpWindows, GrowingTheWindowPullsThePositionBackToTheNewEnd) {
    HWND help = openAtTop(17);
    const int oldMaximum = scrollMaximum(help);
    thumbTo(help, oldMaximum);
    ASSERT_EQ(scrollPosition(help), oldMaximum);
    MoveWindow(help, 120, 20, 660, 400, TRUE);
    pumpMessages();
    EXPECT_LT(scrollMaximum(help), oldMaximum);
    EXPECT_EQ(scrollPosition(help), scrollMaximum(help));
}

TEST_F(HelpWindows, WindowsOfOneKindShareOnePosition) {
    HWND first = openAtTop(17);
    HWND second = openHelp(17);
    pressKey(first, VK_DOWN);
    pressKey(first, VK_DOWN);
    EXPECT_EQ(scrollPosition(first), 2);
    pressKey(second, VK_DOWN);  // the second window moves on from the shared position
    EXPECT_EQ(scrollPosition(second), 3);
}

// A position in a menu explanation window: from the top (0) or from the
// scroll maximum, plus whole pages and lines.
struct Position {
    bool fromEnd;
    int pages;
    int lines;
    int in(int end, int page) const { return (fromEnd ? end : 0) + pages * page + lines; }
};

struct KeyCase {
    std::string label;
    UINT key;
    Position start;
    Position expected;
};

const KeyCase kKeyCases[] = {
    {"PageDownPastTheEndIsRefused", VK_NEXT, {true, -1, 1}, {true, -1, 1}},
    {"PageDownOntoTheEnd", VK_NEXT, {true, -1, 0}, {true, 0, 0}},
    {"DownArrowNearTheEndStillMoves", VK_DOWN, {true, -1, 1}, {true, -1, 2}},
    {"DownArrowAtTheEndIsRefused", VK_DOWN, {true, 0, 0}, {true, 0, 0}},
    {"PageUpPastTheTopIsRefused", VK_PRIOR, {false, 1, -1}, {false, 1, -1}},
    {"PageUpOntoTheTop", VK_PRIOR, {false, 1, 0}, {false, 0, 0}},
    {"UpArrowAtTheTopIsRefused", VK_UP, {false, 0, 0}, {false, 0, 0}},
    {"UpArrowMovesOneLine", VK_UP, {false, 0, 5}, {false, 0, 4}},
    {"HomeLeavesTheView", VK_HOME, {false, 0, 5}, {false, 0, 5}},
    {"EndLeavesTheView", VK_END, {false, 0, 5}, {false, 0, 5}},
    {"OtherKeysDoNothing", VK_RIGHT, {false, 0, 5}, {false, 0, 5}},
};

class MenuListKeys : public HelpWindows, public testing::WithParamInterface<KeyCase> {};

TEST_P(MenuListKeys, MoveTheViewOnlyByAWholeRequest) {
    HWND help = openAtTop(17);
    const int end = scrollMaximum(help);
    const int page = clientHeight(help) / fontLineHeight(help);
    ASSERT_GT(page, 1);
    ASSERT_GT(end, 2 * page);
    const int start = GetParam().start.in(end, page);
    thumbTo(help, start);
    ASSERT_EQ(scrollPosition(help), start);
    pressKey(help, GetParam().key);
    EXPECT_EQ(scrollPosition(help), GetParam().expected.in(end, page));
}

INSTANTIATE_TEST_SUITE_P(Help, MenuListKeys, testing::ValuesIn(kKeyCases), CaseLabel());

}  // namespace
