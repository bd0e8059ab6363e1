// Start-up of the calculator: the four window classes, the main window and
// the message loop. WinMain and the window tests start the program through
// these same calls.
#pragma once

#include <windows.h>

// Registers WinProg, InsWin, FuncWin and MenuWin; true when all four are
// registered (a class already registered by this process counts).
bool registerWindowClasses(HINSTANCE instance);

// Reads the screen width, installs the window's platform seam, creates the
// main window with its controls and menu bar, shows and updates it. Returns
// the window, or null when it could not be created.
HWND createMainWindow(HINSTANCE instance, int showCommand);

// Runs until the quit message; returns its parameter.
int runMessageLoop();

// The main window's procedure (class WinProg).
LRESULT CALLBACK mainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
