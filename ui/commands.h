// The commands of the main window's menu bar and buttons, and the steps that
// most of them end with.
#pragma once

// Runs the command with identifier id (a menu item or button); unknown
// identifiers are ignored.
void runCommand(int id);

// Recalculates, then gives the input box the focus.
void finishCommand();
