// The line-list help windows (classes FuncWin and MenuWin): a fixed table of
// lines painted in columns measured from the texts, scrolled a whole request
// at a time below a Print button that stays in place. All windows of one
// kind share one set of view values.
#include "help_texts.h"
#include "help_windows.h"
#include "printing.h"
#include "table_columns.h"

#include <algorithm>
#include <string_view>

namespace {

struct LineListView {
    int cxChar = 0;
    int cxCaps = 0;  // kept with the metrics, not used for drawing
    int cyChar = 1;
    int clientHeight = 0;
    int vscrollPos = 0;
    int vscrollMax = 0;
    TableColumns columns;  // measured in the window's font
};

struct LineList {
    const char* const* lines;
    int lineCount;
    int scrollBase;  // vscrollMax = scrollBase - visible lines
    LineListView* view;
};

// The Print button at the top left; the text scrolls below it.
constexpr int kPrintButtonWidth = 70;
constexpr int kPrintButtonHeight = 25;

LineListView functionView;
LineListView menuView;

// The scroll range counts two lines beyond the text's own: the row of the
// Print button above it and one empty row below it.
constexpr int kRowsBesideText = 2;

const LineList kFunctionList = {functionListLines, kFunctionLineCount, kFunctionLineCount + kRowsBesideText,
                                &functionView};
const LineList kMenuList = {menuListLines, kMenuLineCount, kMenuLineCount + kRowsBesideText, &menuView};

TextWidth widthIn(HDC dc) {
    return [dc](std::string_view text) {
        SIZE size = {};
        GetTextExtentPoint32A(dc, text.data(), static_cast<int>(text.size()), &size);
        return static_cast<int>(size.cx);
    };
}

int linesPerPage(const LineListView& view) { return view.clientHeight / view.cyChar; }

// The font's metrics and the table's columns in it.
void readTextMetrics(HWND window, const LineList& list) {
    LineListView& view = *list.view;
    HDC dc = GetDC(window);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    view.columns = measureColumns(list.lines, list.lineCount, widthIn(dc), kTableGapCharacters * metrics.tmAveCharWidth,
                                  kTableIndentCharacters * metrics.tmAveCharWidth);
    ReleaseDC(window, dc);
    view.cxChar = metrics.tmAveCharWidth;
    // TMPF_FIXED_PITCH set means a variable-pitch font.
    const bool variablePitch = (metrics.tmPitchAndFamily & TMPF_FIXED_PITCH) != 0;
    view.cxCaps = (variablePitch ? 3 : 2) * view.cxChar / 2;
    view.cyChar = std::max(1, static_cast<int>(metrics.tmHeight + metrics.tmExternalLeading));
}

LRESULT onCreate(HWND window, const LineList& list) {
    CreateWindowExA(0, "BUTTON", "Print", WS_CHILD | WS_VISIBLE | WS_BORDER | BS_DEFPUSHBUTTON, 0, 0, kPrintButtonWidth,
                    kPrintButtonHeight, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kHelpPrintCommand)),
                    GetModuleHandleA(nullptr), nullptr);
    readTextMetrics(window, list);
    return 0;
}

LRESULT onSize(HWND window, const LineList& list, LPARAM lParam) {
    LineListView& view = *list.view;
    view.clientHeight = HIWORD(lParam);
    view.vscrollMax = std::max(0, list.scrollBase - linesPerPage(view));
    view.vscrollPos = std::min(view.vscrollPos, view.vscrollMax);
    SetScrollRange(window, SB_VERT, 0, view.vscrollMax, FALSE);
    SetScrollPos(window, SB_VERT, view.vscrollPos, TRUE);
    return 0;
}

LRESULT onKeyDown(HWND window, WPARAM key) {
    int request = -1;
    switch (key) {
    case VK_PRIOR: request = SB_PAGEUP; break;
    case VK_NEXT: request = SB_PAGEDOWN; break;
    case VK_UP: request = SB_LINEUP; break;
    case VK_DOWN: request = SB_LINEDOWN; break;
    case VK_END: request = SB_BOTTOM; break;
    case VK_HOME: request = SB_TOP; break;
    default: break;
    }
    if (request >= 0) {
        SendMessageA(window, WM_VSCROLL, static_cast<WPARAM>(request), 0);
    }
    return 0;
}

// Top, bottom, thumb position and end scroll ask for no movement.
int scrollIncrement(const LineListView& view, WPARAM wParam) {
    switch (LOWORD(wParam)) {
    case SB_LINEUP: return -1;
    case SB_LINEDOWN: return 1;
    case SB_PAGEUP: return std::min(-1, -linesPerPage(view));
    case SB_PAGEDOWN: return std::max(1, linesPerPage(view));
    case SB_THUMBTRACK: return static_cast<int>(HIWORD(wParam)) - view.vscrollPos;
    default: return 0;
    }
}

// A request that would pass either end is refused whole.
LRESULT onVScroll(HWND window, const LineList& list, WPARAM wParam) {
    LineListView& view = *list.view;
    const int increment = scrollIncrement(view, wParam);
    if (increment == 0 || increment < -view.vscrollPos || increment > view.vscrollMax - view.vscrollPos) {
        return 0;
    }
    view.vscrollPos += increment;
    // Only the text moves: the band of the Print button is repainted, the
    // area below it scrolled (a whole-window scroll would move the button).
    RECT client = {};
    GetClientRect(window, &client);
    RECT below = client;
    below.top = kPrintButtonHeight;
    ScrollWindowEx(window, 0, -increment * view.cyChar, &below, &below, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
    RECT band = client;
    band.left = kPrintButtonWidth;
    band.bottom = kPrintButtonHeight;
    InvalidateRect(window, &band, TRUE);
    SetScrollPos(window, SB_VERT, view.vscrollPos, TRUE);
    return 0;
}

LRESULT onPaint(HWND window, const LineList& list) {
    const LineListView& view = *list.view;
    PAINTSTRUCT paint = {};
    HDC dc = BeginPaint(window, &paint);
    const int top = static_cast<int>(paint.rcPaint.top);
    const int bottom = static_cast<int>(paint.rcPaint.bottom);
    const int first = std::max(0, view.vscrollPos + top / view.cyChar - 1);
    const int end = std::min(list.lineCount, view.vscrollPos + bottom / view.cyChar);
    const TextWidth width = widthIn(dc);
    for (int i = first; i < end; ++i) {
        const int y = (i - view.vscrollPos + 1) * view.cyChar;
        for (const PlacedField& field : placeRow(view.columns, list.lines[i], width)) {
            TextOutA(dc, view.cxChar + field.x, y, field.text.data(), static_cast<int>(field.text.size()));
        }
    }
    EndPaint(window, &paint);
    return 0;
}

// The Print button; the keyboard then goes back to the window so that the
// keys keep scrolling it.
LRESULT onCommand(HWND window, const LineList& list, WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != kHelpPrintCommand) {
        return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
    printLineTable(list.lines, window, list.lineCount);
    SetFocus(window);
    return 0;
}

LRESULT lineListProcedure(const LineList& list, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window, list);
    case WM_SIZE: return onSize(window, list, lParam);
    case WM_KEYDOWN: return onKeyDown(window, wParam);
    case WM_VSCROLL: return onVScroll(window, list, wParam);
    case WM_PAINT: return onPaint(window, list);
    case WM_COMMAND: return onCommand(window, list, wParam, lParam);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}

}  // namespace

LRESULT CALLBACK funcWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return lineListProcedure(kFunctionList, window, message, wParam, lParam);
}

LRESULT CALLBACK menuWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return lineListProcedure(kMenuList, window, message, wParam, lParam);
}
