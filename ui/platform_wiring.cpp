// The recalculation's platform seam on Win32.
#include "platform_wiring.h"

#include "platform_seam.h"
#include "window_state.h"

#include <windows.h>

namespace {

void showMessageBox(const char* title, const char* text) { MessageBoxA(nullptr, text, title, 0); }

void setResultBoxText(const char* text) { SetWindowTextA(windowState.resultBox, text); }

} // namespace

void installWindowPlatformSeam() { installPlatformSeam({showMessageBox, setResultBoxText}); }
