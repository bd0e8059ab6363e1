// The main window's process-wide state: the handles of the window and its
// controls, the layout values and the flags of the box machinery.
#pragma once

#include "calculator_state.h"

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

    // popupBoxes[k] is popup box k (1..kMaxBoxes - 1; box 1 just above the
    // input box); the input box is the last of the kMaxBoxes boxes.
    HWND popupBoxes[kMaxBoxes];

    // The x, y, z boxes, their labels and the Save to X/Y/Z buttons (null
    // while the variables are hidden).
    HWND variableBoxes[3];
    HWND variableLabels[3];
    HWND saveToButtons[3];

    int variablesOffset;  // 0 while the variables are hidden, kVariablesBandHeight while shown
    int variablesHidden;  // 1 while hidden
    int frameAllowance;   // client-height correction found at creation
    int suppressChange;   // set around the program's own writes of box texts
};

extern WindowState windowState;

// Start values: no window, no controls, variables hidden, no allowance.
// The handles are forgotten, not destroyed; createMainWindow starts here.
void resetWindowState();
