// Keys of the main window's boxes and buttons.
#include "box_keys.h"

#include "calculator_state.h"
#include "control_ids.h"
#include "window_state.h"

#include <string>
#include <vector>

namespace {

constexpr char kOriginalProcedure[] = "TallymasterOriginalProcedure";

// The keys of the two Clear buttons, wherever the caret is.
struct ButtonKey {
    WPARAM virtualKey;
    int command;
};
constexpr ButtonKey kButtonKeys[] = {{VK_F5, kClearButton}, {VK_F6, kClearSaveButton}};

HWND lastFocused = nullptr;

bool isBreakOrTab(unsigned char c) { return c == '\r' || c == '\n' || c == '\t'; }

std::vector<HWND> screenOrder() {
    const WindowState& w = windowState;
    std::vector<HWND> order;
    for (HWND box : w.variableBoxes) {
        if (box != nullptr) order.push_back(box);
    }
    for (int k = calculatorState.boxCount - 1; k >= 1; --k) {
        if (w.popupBoxes[k] != nullptr) order.push_back(w.popupBoxes[k]);
    }
    order.push_back(w.inputBox);
    order.push_back(w.resultBox);
    for (HWND button : w.saveToButtons) {
        if (button != nullptr) order.push_back(button);
    }
    order.push_back(w.clearSaveButton);
    order.push_back(w.clearButton);
    return order;
}

// The control after (or, backwards, before) `from` in screen order; after
// the last comes the first again. A control not in the order gives the
// input box.
HWND nextInScreenOrder(HWND from, bool backwards) {
    const std::vector<HWND> order = screenOrder();
    const int count = static_cast<int>(order.size());
    int at = -1;
    for (int i = 0; i < count; ++i) {
        if (order[static_cast<std::size_t>(i)] == from) at = i;
    }
    if (at < 0) return windowState.inputBox;
    const int next = (at + (backwards ? count - 1 : 1)) % count;
    return order[static_cast<std::size_t>(next)];
}

void moveFocus(HWND from, bool backwards) {
    HWND to = nextInScreenOrder(from, backwards);
    if (to == nullptr) return;
    SetFocus(to);
    // A box taken by Tab keeps its text: the caret goes behind it.
    char className[8] = "";
    GetClassNameA(to, className, sizeof className);
    if (lstrcmpiA(className, "Edit") != 0) return;
    const int end = GetWindowTextLengthA(to);
    SendMessageA(to, EM_SETSEL, static_cast<WPARAM>(end), end);
}

// The clipboard's text without line breaks and tabs, put in at the caret as
// typing would (the box's own limit cuts what does not fit).
void pasteWithoutBreaks(HWND box) {
    if ((GetWindowLongA(box, GWL_STYLE) & ES_READONLY) != 0) return;
    std::string text;
    if (!OpenClipboard(box)) return;
    HANDLE data = GetClipboardData(CF_TEXT);
    const char* bytes = data != nullptr ? static_cast<const char*>(GlobalLock(data)) : nullptr;
    if (bytes != nullptr) {
        for (const char* c = bytes; *c != '\0'; ++c) {
            if (!isBreakOrTab(static_cast<unsigned char>(*c))) text += *c;
        }
        GlobalUnlock(data);
    }
    CloseClipboard();
    SendMessageA(box, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

LRESULT CALLBACK keysProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto original = reinterpret_cast<WNDPROC>(GetPropA(control, kOriginalProcedure));
    switch (message) {
    case WM_KEYDOWN:
        if (wParam == VK_TAB) {
            moveFocus(control, GetKeyState(VK_SHIFT) < 0);
            return 0;
        }
        for (const ButtonKey& key : kButtonKeys) {
            if (wParam != key.virtualKey) continue;
            SendMessageA(windowState.mainWindow, WM_COMMAND, MAKEWPARAM(key.command, 0), 0);
            return 0;
        }
        break;
    case WM_CHAR:
        // Enter and Ctrl+Enter would put a line break into the box, Tab a tab.
        if (isBreakOrTab(static_cast<unsigned char>(wParam))) return 0;
        break;
    case WM_SETFOCUS: lastFocused = control; break;
    case WM_PASTE: pasteWithoutBreaks(control); return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original));
        RemovePropA(control, kOriginalProcedure);
        if (lastFocused == control) lastFocused = nullptr;
        break;
    default: break;
    }
    return CallWindowProcA(original, control, message, wParam, lParam);
}

}  // namespace

void takeOverKeys(HWND control) {
    const LONG_PTR original = GetWindowLongPtrA(control, GWLP_WNDPROC);
    SetPropA(control, kOriginalProcedure, reinterpret_cast<HANDLE>(original));
    SetWindowLongPtrA(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(keysProcedure));
}

HWND lastFocusedControl() { return lastFocused != nullptr && IsWindow(lastFocused) ? lastFocused : nullptr; }
