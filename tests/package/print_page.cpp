// print-page: File > Print in a running calculator, its print dialog
// answered with OK, for tools/readme-pictures.sh.
//   print_page.exe
// Exits with 1 when no calculator window or no print dialog shows.
#include "control_ids.h"

#include <windows.h>

int main() {
    HWND mainWindow = FindWindowA("WinProg", nullptr);
    if (mainWindow == nullptr) return 1;
    PostMessageA(mainWindow, WM_COMMAND, MAKEWPARAM(kFilePrint, 0), 0);
    for (int tick = 0; tick < 200; ++tick) {
        Sleep(100);
        HWND dialog = FindWindowA("#32770", "Print");
        if (dialog != nullptr) {
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            return 0;
        }
    }
    return 1;
}
