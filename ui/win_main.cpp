// Program entry: register the window classes, open the calculator window and
// run the message loop until the quit message.
#include "main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    if (!registerWindowClasses(instance)) return 0;
    if (createMainWindow(instance, showCommand) == nullptr) return 0;
    return runMessageLoop();
}
