// The main window's process-wide state: the handles of the window and its
// controls, the layout values and the flags of the box machinery.
#pragma once

#include <windows.h>

struct WindowState {
    HINSTANCE instance;
    int screenWidth;
    HWND mainWindow;

    // Permanent controls.
    HWND inputBox;
    HWND resultBox;
    HWND clearButton;
    HWND clearSaveButton;
    HWND angleLabel;
    HWND decimalsLabel;
    HWND fileNameStrip;

    // popupBoxes[k] is popup box k (1..9; box 1 just above the input box).
    HWND popupBoxes[10];

    // The x, y, z boxes, their labels and the Save to X/Y/Z buttons (null
    // while the variables are hidden).
    HWND variableBoxes[3];
    HWND variableLabels[3];
    HWND saveToButtons[3];

    int variablesOffset;   // 0 while the variables are hidden, 70 while shown
    int variablesHidden;   // 1 while hidden
    int frameAllowance;    // client-height correction found at creation
    int suppressChange;    // set around the program's own writes of box texts
};

extern WindowState windowState;

// Start values: no window, no controls, variables hidden, no allowance.
// The handles are forgotten, not destroyed; createMainWindow starts here.
void resetWindowState();
