// Stand-ins for the main window's services, so that the file commands and
// the closing question are tested on their own: a plain window with a
// file-name strip and an input box (both identifier 16), and a log of the
// service calls the file side makes.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct FakeMainWindow {
    HWND window;
    HWND fileNameStrip;
    HWND inputBox;
};

// Creates (and shows) the window; mainWindowHandle() returns it until it is
// destroyed.
FakeMainWindow createFakeMainWindow();

// "clearCalculations", "rebuildCalculationItems 2", "restoreBoxes <text>",
// "changeHandling", "recalculate", in call order.
std::vector<std::string>& serviceCalls();
// What changeHandling() answers (true: the parentheses balance).
extern bool changeHandlingBalances;
