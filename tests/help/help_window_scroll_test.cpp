// Scrolling the function list and the menu explanations: the range follows
// the client height, keys become scroll requests, and a request that would
// pass either end is refused whole.
#include "help_window_support.h"
#include "help_windows.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int scrollPosition(HWND window)
{
    return GetScrollPos(window, SB_VERT);
}

int scrollMaximum(HWND window)
{
    int low = -1;
    int high = -1;
    GetScrollRange(window, SB_VERT, &low, &high);
    EXPECT_EQ(low, 0);
    return high;
}

// Both kinds share their view values across windows and tests: start at the
// top.
void thumbTo(HWND window, int position)
{
    SendMessageA(window, WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, position), 0);
}

class LineListScrolling : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(startCalculatorWindow(), nullptr); }
    void TearDown() override { closeCalculatorWindow(); }

    HWND open(int commandId)
    {
        HWND window = openHelpThroughMenu(commandId);
        EXPECT_NE(window, nullptr);
        thumbTo(window, 0);
        return window;
    }
};

TEST_F(LineListScrolling, RangeIsTheBaseLessTheVisibleLines)
{
    struct Kind { int commandId; int base; };
    for (const Kind kind : {Kind{16, 27}, Kind{17, 65}}) {
        HWND window = open(kind.commandId);
        const int visible = clientHeight(window) / fontLineHeight(window);
        ASSERT_GT(visible, 0);
        EXPECT_EQ(scrollMaximum(window), kind.base - visible) << kind.commandId;
        EXPECT_EQ(scrollPosition(window), 0);
    }
}

TEST_F(LineListScrolling, TallFunctionListHasNothingToScroll)
{
    HWND window = open(16);
    const int lineHeight = fontLineHeight(window);
    MoveWindow(window, 100, 20, 660, 30 * lineHeight + 60, TRUE);
    pumpMessages();
    ASSERT_GT(clientHeight(window) / lineHeight, 27);
    EXPECT_EQ(scrollMaximum(window), 0);
    for (UINT key : {VK_DOWN, VK_NEXT, VK_END, VK_UP, VK_PRIOR, VK_HOME}) {
        pressKey(window, key);
        EXPECT_EQ(scrollPosition(window), 0) << "key " << key;
    }
    thumbTo(window, 3);
    EXPECT_EQ(scrollPosition(window), 0);
}

TEST_F(LineListScrolling, GrowingTheWindowPullsThePositionBackToTheNewEnd)
{
    HWND window = open(17);
    const int oldMaximum = scrollMaximum(window);
    thumbTo(window, oldMaximum);
    ASSERT_EQ(scrollPosition(window), oldMaximum);
    MoveWindow(window, 120, 20, 660, 400, TRUE);
    pumpMessages();
    const int newMaximum = scrollMaximum(window);
    EXPECT_LT(newMaximum, oldMaximum);
    EXPECT_EQ(scrollPosition(window), newMaximum);
}

TEST_F(LineListScrolling, WindowsOfOneKindShareOnePosition)
{
    HWND first = open(17);
    HWND second = openHelpThroughMenu(17);
    pressKey(first, VK_DOWN);
    pressKey(first, VK_DOWN);
    EXPECT_EQ(scrollPosition(first), 2);
    pressKey(second, VK_DOWN);   // the second window moves on from the shared position
    EXPECT_EQ(scrollPosition(second), 3);
}

// Positions in a menu explanation window with scroll maximum `end` and
// `page` lines per page.
struct KeyCase {
    const char* name;
    UINT key;
    int (*start)(int end, int page);
    int (*expected)(int end, int page);
};

const KeyCase kKeyCases[] = {
    {"PageDownPastTheEndIsRefused", VK_NEXT,
     [](int end, int page) { return end - page + 1; }, [](int end, int page) { return end - page + 1; }},
    {"PageDownOntoTheEnd", VK_NEXT,
     [](int end, int page) { return end - page; }, [](int end, int) { return end; }},
    {"DownArrowNearTheEndStillMoves", VK_DOWN,
     [](int end, int page) { return end - page + 1; }, [](int end, int page) { return end - page + 2; }},
    {"DownArrowAtTheEndIsRefused", VK_DOWN,
     [](int end, int) { return end; }, [](int end, int) { return end; }},
    {"PageUpPastTheTopIsRefused", VK_PRIOR,
     [](int, int page) { return page - 1; }, [](int, int page) { return page - 1; }},
    {"PageUpOntoTheTop", VK_PRIOR,
     [](int, int page) { return page; }, [](int, int) { return 0; }},
    {"UpArrowAtTheTopIsRefused", VK_UP,
     [](int, int) { return 0; }, [](int, int) { return 0; }},
    {"UpArrowMovesOneLine", VK_UP,
     [](int, int) { return 5; }, [](int, int) { return 4; }},
    {"HomeLeavesTheView", VK_HOME,
     [](int, int) { return 5; }, [](int, int) { return 5; }},
    {"EndLeavesTheView", VK_END,
     [](int, int) { return 5; }, [](int, int) { return 5; }},
    {"OtherKeysDoNothing", VK_RIGHT,
     [](int, int) { return 5; }, [](int, int) { return 5; }},
};

class MenuListKeys : public LineListScrolling, public testing::WithParamInterface<KeyCase> {};

TEST_P(MenuListKeys, MoveTheViewOnlyByAWholeRequest)
{
    HWND window = open(17);
    const int end = scrollMaximum(window);
    const int page = clientHeight(window) / fontLineHeight(window);
    ASSERT_GT(page, 1);
    ASSERT_GT(end, 2 * page);
    const int start = GetParam().start(end, page);
    thumbTo(window, start);
    ASSERT_EQ(scrollPosition(window), start);
    pressKey(window, GetParam().key);
    EXPECT_EQ(scrollPosition(window), GetParam().expected(end, page));
}

INSTANTIATE_TEST_SUITE_P(Help, MenuListKeys, testing::ValuesIn(kKeyCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
