// The three help windows: basic instructions, the function list and the menu
// explanations (Windows only). Their classes are registered at start-up.
#pragma once

#include <windows.h>

LRESULT CALLBACK insWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK funcWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK menuWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Help > Instructions (1), Functions (16), Menus (17): opens a new window.
void openHelpWindow(int commandId);

// Creates a new help window for command 1, 16 or 17 with the given owner
// (openHelpWindow passes the main window) and remembers it as that
// command's latest window; null for any other command.
HWND createHelpWindow(int commandId, HWND owner);

// The window that the latest Help command 1, 16 or 17 created (it may have
// been closed since); null before the first one.
HWND latestHelpWindow(int commandId);

// Child identifiers and menu commands of the help windows.
constexpr int kInstructionsEditId = 12;
constexpr int kHelpCopyCommand = 32;
constexpr int kHelpPrintCommand = 301;
