// Keys of the main window's boxes and buttons: Enter adds nothing to a box,
// Tab and Shift+Tab move the focus in screen order (the x, y, z boxes, the
// popup boxes from the top one down, the input box, the result box, then the
// buttons of the right-hand column from the top), F5 and F6 press the Clear
// and Clear/Save buttons, and a paste leaves out line breaks and tabs, so a
// box never holds a character that the joined expression and the saved
// calculation text would read differently.
#pragma once

#include <windows.h>

// Puts the control's keys under these rules (an edit box or a button of the
// main window). The control keeps its own behaviour for everything else.
void takeOverKeys(HWND control);

// The box or button that had the caret last (null when none has had it or
// it no longer exists).
HWND lastFocusedControl();
