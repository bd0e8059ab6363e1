// The three help windows: basic instructions, the function list and the menu
// explanations (Windows only). Their classes are registered at start-up.
#pragma once

#include <windows.h>

LRESULT CALLBACK insWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK funcWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK menuWinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// The kinds of help window, in the order of the Help menu.
enum HelpWindowKind { kInstructionsWindow, kFunctionListWindow, kMenuListWindow };

// Creates a new help window of `kind` with the given owner and remembers it
// as the latest window of that kind.
HWND createHelpWindowOfKind(HelpWindowKind kind, HWND owner);

// The window that the latest createHelpWindowOfKind of `kind` made (it may
// have been closed since); null before the first one.
HWND latestHelpWindowOfKind(HelpWindowKind kind);

// The Help menu's window commands, defined in ui/ where the command ids
// are (Help > Instructions, Functions and Menus in control_ids.h): help/
// knows kinds, not commands. Any other command id opens nothing (null).
// openHelpWindow: a new window of the command's kind, owned by the main
// window (help_command.cpp).
void openHelpWindow(int commandId);
// createHelpWindow: a new window of the command's kind with the given owner
// (edit_commands.cpp, as is latestHelpWindow).
HWND createHelpWindow(int commandId, HWND owner);
// latestHelpWindow: the latest window of the command's kind, as above.
HWND latestHelpWindow(int commandId);

// Child identifiers and menu commands of the help windows.
constexpr int kInstructionsEditId = 12;
constexpr int kHelpCopyCommand = 32;
constexpr int kHelpPrintCommand = 301;
