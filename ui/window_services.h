// What the main window offers its commands and the test driver: the window
// itself and the box and saved-calculation operations that the file
// commands reuse. Implemented in ui/ (Windows only).
#pragma once

#include <windows.h>

// The flags of a question box: Yes and No, No the default.
constexpr UINT kQuestionFlags = MB_YESNO | MB_ICONHAND | MB_DEFBUTTON2;

// The main window; null before it is created and after it is destroyed.
HWND mainWindowHandle();

// Reads and filters the boxes, pops up a finished term, joins
// expressionText; true when the parentheses of inputText balance.
bool changeHandling();
// Destroys popup boxes 1..boxCount-1 and sets boxCount to 1.
void clearBoxes();
// Splits a calculation text (term lines, input line, "=" result line) into
// the popup boxes and the input box. The caller has emptied the boxes.
void restoreBoxes(const char* text, int limit);

// Saved calculations and the Memory menu's Recall Calc items.
void saveCalculation();
void recallCalculation(int n);
void clearCalculations();
void rebuildCalculationItems(int count);

// Puts text on the clipboard as CF_TEXT; false when the clipboard is busy.
bool putOnClipboard(const char* text);
