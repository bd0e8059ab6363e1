// The recalculation's platform seam on Win32.
#include "platform_wiring.h"

#include "platform_seam.h"
#include "window_state.h"

#include <windows.h>

namespace {

void showMessageBox(const char* title, const char* text) { MessageBoxA(nullptr, text, title, 0); }

// A long answer wraps: the box shows the line with its sign and first digits.
void setResultBoxText(const char* text) {
    HWND box = windowState.resultBox;
    SetWindowTextA(box, text);
    SendMessageA(box, EM_SETSEL, 0, 0);
    SendMessageA(box, EM_SCROLLCARET, 0, 0);
}

}  // namespace

void installWindowPlatformSeam() { installPlatformSeam({showMessageBox, setResultBoxText}); }
