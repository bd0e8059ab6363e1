// Creating the help windows: class, title, style, place and size per Help
// command, and the latest window of each kind.
#include "help_windows.h"

namespace {

struct HelpWindowKind {
    int commandId;
    const char* className;
    const char* title;
    DWORD style;
    int x;
    int y;
    int width;
    int height;
};

const HelpWindowKind kHelpWindowKinds[] = {
    {1, "InsWin", "Instructions-Marrowfieldtallymaster 1.1",
     WS_VISIBLE | WS_OVERLAPPEDWINDOW, 50, 260, 620, 150},
    {16, "FuncWin", "Function Instructions-Marrowfieldtallymaster 1.1 ",
     WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_VSCROLL, 100, 280, 660, 150},
    {17, "MenuWin", "Menu Instructions-Marrowfieldtallymaster 1.1  ",
     WS_VISIBLE | WS_OVERLAPPEDWINDOW | WS_VSCROLL, 120, 300, 660, 150},
};

constexpr int kKindCount = sizeof kHelpWindowKinds / sizeof kHelpWindowKinds[0];

HWND latestWindows[kKindCount] = {};

int kindIndex(int commandId)
{
    for (int i = 0; i < kKindCount; ++i) {
        if (kHelpWindowKinds[i].commandId == commandId) {
            return i;
        }
    }
    return -1;
}

} // namespace

HWND createHelpWindow(int commandId, HWND owner)
{
    const int index = kindIndex(commandId);
    if (index < 0) {
        return nullptr;
    }
    const HelpWindowKind& kind = kHelpWindowKinds[index];
    HWND window = CreateWindowExA(0, kind.className, kind.title, kind.style,
                                  kind.x, kind.y, kind.width, kind.height,
                                  owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    latestWindows[index] = window;
    return window;
}

HWND latestHelpWindow(int commandId)
{
    const int index = kindIndex(commandId);
    return index < 0 ? nullptr : latestWindows[index];
}
