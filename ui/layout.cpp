// The layout rule of the main window.
#include "layout.h"

#include "calculator_state.h"
#include "window_state.h"

#include <windows.h>

namespace {

void setWindowHeight(int height) {
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    GetWindowPlacement(windowState.mainWindow, &placement);
    MoveWindow(windowState.mainWindow, placement.rcNormalPosition.left, placement.rcNormalPosition.top, kWindowWidth,
               height, TRUE);
}

int outerHeight() {
    RECT rect{};
    GetWindowRect(windowState.mainWindow, &rect);
    return rect.bottom - rect.top;
}

void moveBox(HWND box, int y) { MoveWindow(box, kBoxLeft, y, kBoxWidth, kBoxHeight, TRUE); }

// The input box, result box and buttons for `offset` and `growth` rows.
void placeMovableControls(int offset, int growth) {
    const int top = offset + kRow * growth;
    moveBox(windowState.inputBox, top + kInputBoxTop);
    moveBox(windowState.resultBox, top + kResultBoxTop);
    MoveWindow(windowState.clearSaveButton, kButtonLeft, top + kClearSaveButtonTop, kButtonWidth, kButtonHeight, TRUE);
    MoveWindow(windowState.clearButton, kButtonLeft, top + kClearButtonTop, kButtonWidth, kButtonHeight, TRUE);
}

int popupCount() { return calculatorState.boxCount - 1; }

int growthRows() { return popupCount() > kPopupsWithoutGrowth ? popupCount() - kPopupsWithoutGrowth : 0; }

// Where popup box k stands while no box has grown the window.
int ungrownPopupTop(int offset, int k) { return offset + kInputBoxTop - kRow * k; }

// Popup box k's y within its parent, read back from the window.
int popupTop(int k) {
    RECT rect{};
    GetWindowRect(windowState.popupBoxes[k], &rect);
    MapWindowPoints(nullptr, windowState.mainWindow, reinterpret_cast<POINT*>(&rect), 2);
    return rect.top;
}

void shiftPopups(int count, int by) {
    for (int k = 1; k <= count && k < kMaxBoxes; ++k) {
        if (windowState.popupBoxes[k] != nullptr) moveBox(windowState.popupBoxes[k], popupTop(k) + by);
    }
}

// The main window does not clip its children, so its own erase of a moved or
// uncovered area can land on a control drawn before it, and a resize leaves
// the old picture standing. Every change of layout therefore ends with one
// paint of the whole window: the window first, then each child over it.
void repaintWholeWindow() {
    RedrawWindow(windowState.mainWindow, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

}  // namespace

int mainWindowLeft(int screenWidth) { return screenWidth / 2 - kWindowWidth / 2; }

void resetLayout() {
    setWindowHeight(kBaseWindowHeight + windowState.frameAllowance + windowState.variablesOffset);
    placeMovableControls(windowState.variablesOffset, 0);
    repaintWholeWindow();
}

int placeNewPopup(int k) {
    const int offset = windowState.variablesOffset;
    if (k <= kPopupsWithoutGrowth) return ungrownPopupTop(offset, k);
    const int growth = k - kPopupsWithoutGrowth;
    setWindowHeight(kBaseWindowHeight + kRow * growth + windowState.frameAllowance + offset);
    placeMovableControls(offset, growth);
    shiftPopups(k - 1, kRow);
    repaintWholeWindow();
    // The others moved down a row: the new box takes the top place.
    return ungrownPopupTop(offset, kPopupsWithoutGrowth);
}

void openVariablesBand(int a) {
    setWindowHeight(outerHeight() + a);
    placeMovableControls(a, growthRows());
    shiftPopups(popupCount(), a);
    repaintWholeWindow();
}

void closeVariablesBand(int a) {
    setWindowHeight(outerHeight() - a);
    placeMovableControls(0, growthRows());
    if (popupCount() <= kPopupsWithoutGrowth) {
        for (int k = 1; k <= popupCount(); ++k) moveBox(windowState.popupBoxes[k], ungrownPopupTop(0, k));
    } else {
        shiftPopups(popupCount(), -a);
    }
    repaintWholeWindow();
}
