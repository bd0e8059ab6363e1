// Creating the help windows: class, title, style, place and size per kind,
// and the latest window of each kind.
#include "help_windows.h"

namespace {

struct HelpWindowLook {
    const char* className;
    const char* title;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
};

// One row per HelpWindowKind, in its order.
const HelpWindowLook kHelpWindowLooks[] = {
    {"InsWin", "Instructions-Marrowfieldtallymaster 1.1", WS_VISIBLE | WS_OVERLAPPEDWINDOW, 50, 260, 620, 150},
    {"FuncWin", "Function Instructions-Marrowfieldtallymaster 1.1 ", WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100,
     280, 660, 150},
    {"MenuWin", "Menu Instructions-Marrowfieldtallymaster 1.1  ", WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_VSCROLL, 120,
     300, 660, 150},
};

constexpr int kKindCount = sizeof kHelpWindowLooks / sizeof kHelpWindowLooks[0];
static_assert(kKindCount == kMenuListWindow + 1, "one look per kind of help window");

HWND latestWindows[kKindCount] = {};

}  // namespace

HWND createHelpWindowOfKind(HelpWindowKind kind, HWND owner) {
    const HelpWindowLook& look = kHelpWindowLooks[kind];
    HWND window = CreateWindowExA(0, look.className, look.title, look.style, look.x, look.y, look.width, look.height,
                                  owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    latestWindows[kind] = window;
    return window;
}

HWND latestHelpWindowOfKind(HelpWindowKind kind) { return latestWindows[kind]; }
