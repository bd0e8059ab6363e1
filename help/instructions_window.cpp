// The basic-instructions window (class InsWin): a read-only edit control
// with the instructions text over the whole client area, and a menu bar
// with Copy and Print.
#include "help_texts.h"
#include "help_windows.h"
#include "printing.h"

namespace {

constexpr DWORD kEditStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | ES_MULTILINE | ES_READONLY;

HWND instructionsEdit(HWND window) { return GetDlgItem(window, kInstructionsEditId); }

void insertMenuCommand(HMENU menu, UINT position, const char* label, UINT commandId) {
    char text[16];
    lstrcpynA(text, label, sizeof text);
    MENUITEMINFOA item = {};
    item.cbSize = sizeof item;
    item.fMask = MIIM_ID | MIIM_TYPE;
    item.fType = MFT_STRING;
    item.wID = commandId;
    item.dwTypeData = text;
    InsertMenuItemA(menu, position, TRUE, &item);
}

LRESULT onCreate(HWND window) {
    RECT client = {};
    GetClientRect(window, &client);
    HWND edit = CreateWindowExA(
        0, "EDIT", nullptr, kEditStyle, 0, 0, client.right - client.left, client.bottom - client.top, window,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kInstructionsEditId)), GetModuleHandleA(nullptr), nullptr);
    SetWindowTextA(edit, basicInstructionsText());
    SetFocus(edit);

    HMENU menu = CreateMenu();
    insertMenuCommand(menu, 1, "&Copy", kHelpCopyCommand);
    insertMenuCommand(menu, 2, "&Print", kHelpPrintCommand);
    SetMenu(window, menu);
    return 0;
}

LRESULT onSize(HWND window, LPARAM lParam) {
    MoveWindow(instructionsEdit(window), 0, 0, LOWORD(lParam), HIWORD(lParam), TRUE);
    return 0;
}

void copySelection(HWND window) { SendMessageA(instructionsEdit(window), WM_COPY, 0, 0); }

void printInstructions(HWND window) { printText(basicInstructionsText(), window); }

LRESULT onCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    switch (LOWORD(wParam)) {
    case kHelpCopyCommand: copySelection(window); return 0;
    case kHelpPrintCommand: printInstructions(window); return 0;
    default: return DefWindowProcA(window, WM_COMMAND, wParam, lParam);
    }
}

// The window is owned by the main window, which gets the keyboard back.
LRESULT onDestroy(HWND window) {
    HWND owner = GetWindow(window, GW_OWNER);
    if (owner != nullptr) {
        SetFocus(owner);
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK insWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE: return onCreate(window);
    case WM_SIZE: return onSize(window, lParam);
    case WM_COMMAND: return onCommand(window, wParam, lParam);
    case WM_DESTROY: return onDestroy(window);
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
