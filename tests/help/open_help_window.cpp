// open-help-window: asks a running calculator to open help windows, as its
// Help menu does. For the screenshot script.
//   open_help_window.exe ID...   (1 Instructions, 16 Functions, 17 Menus)
// Exits with 1 when no calculator window is found.
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    HWND mainWindow = FindWindowA("WinProg", nullptr);
    if (mainWindow == nullptr) {
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        const int id = std::atoi(argv[i]);
        PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(id, 0), 0);
    }
    return 0;
}
