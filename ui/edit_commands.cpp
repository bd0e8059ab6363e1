// Edit Copy, Cut and Paste on the focused box; File > Exit; Help > About.
#include "command_parts.h"
#include "recalculation.h"
#include "window_services.h"
#include "window_state.h"

#include <windows.h>

void copyToClipboard() { SendMessageA(GetFocus(), WM_COPY, 0, 0); }

void cutToClipboard() {
    SendMessageA(GetFocus(), WM_CUT, 0, 0);
    recalculate();
}

void pasteFromClipboard() {
    SendMessageA(GetFocus(), WM_PASTE, 0, 0);
    recalculate();
}

void exitCommand() {
    const int answer =
        MessageBoxA(nullptr, "Do you want to save present calculation?\r\nIf so manually save after clicking yes.",
                    "Reminder", kQuestionFlags);
    if (answer == IDNO) DestroyWindow(windowState.mainWindow);
}

void aboutCommand() { MessageBoxA(nullptr, "Marrowfieldtallymaster 1.1", "About-Marrowfieldtallymaster 1.1", MB_OK); }
