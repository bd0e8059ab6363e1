// The input box and the popup boxes.
#include "boxes.h"

#include "box_text.h"
#include "calculator_state.h"
#include "control_ids.h"
#include "controls.h"
#include "layout.h"
#include "window_state.h"

#include <cstring>

namespace {

HWND createPopupBox(int y) {
    return createControl("EDIT", "", kEditBoxStyle, kBoxLeft, y, kBoxWidth, kBoxHeight, kPopupBoxId);
}

// Box p shows slot boxCount - p, written without change handling.
void showSlotsInPopups(int count) {
    windowState.suppressChange = 1;
    for (int p = 1; p < count; ++p) SetWindowTextA(windowState.popupBoxes[p], calculatorState.boxStore[count - p]);
    windowState.suppressChange = 0;
}

void readBoxText(HWND box, char* buffer, int capacity) {
    buffer[0] = '\0';
    GetWindowTextA(box, buffer, capacity);
    buffer[capacity - 1] = '\0';
}

void readVariableBoxes() {
    for (int i = 0; i < 3; ++i) {
        if (windowState.variableBoxes[i] != nullptr)
            readBoxText(windowState.variableBoxes[i], calculatorState.variableTexts[i], kVariableTextCapacity);
    }
}

// Puts text into the input box and moves the caret behind its end.
void setInputBoxText(const char* text) {
    windowState.suppressChange = 1;
    SetWindowTextA(windowState.inputBox, text);
    windowState.suppressChange = 0;
    moveInputCaretRight(static_cast<int>(std::strlen(text)));
}

// Moves the finished term of inputText into a new popup box; the operator
// stays behind in the input box.
void popUp() {
    CalculatorState& s = calculatorState;
    const int k = s.boxCount;
    const std::size_t length = std::strlen(s.inputText);
    const char op[2] = {s.inputText[length - 1], '\0'};
    copyText(s.boxStore[k], s.inputText);
    s.boxStore[k][length - 1] = '\0';

    windowState.popupBoxes[k] = createPopupBox(placeNewPopup(k));
    showSlotsInPopups(k + 1);
    s.boxCount = k + 1;

    // The input box now holds the operator alone, and so does inputText.
    copyText(s.inputText, op);
    setInputBoxText(op);
    SendMessageA(windowState.inputBox, EM_SETSEL, static_cast<WPARAM>(-1), 1);

    if (s.boxCount == kMaxBoxes) MessageBoxA(nullptr, "Popup list at maximum length!", "Warning", MB_OK);
}

// Reads the popup boxes back into boxStore and rebuilds expressionText.
void joinExpression() {
    CalculatorState& s = calculatorState;
    for (int p = 1; p < s.boxCount; ++p) {
        if (windowState.popupBoxes[p] != nullptr)
            readBoxText(windowState.popupBoxes[p], s.boxStore[s.boxCount - p], kBoxTextCapacity);
    }
    buildExpressionText();
}

}  // namespace

void moveInputCaretRight(int count) {
    for (int i = 0; i < count; ++i) SendMessageA(windowState.inputBox, WM_KEYDOWN, VK_RIGHT, 1);
}

bool changeHandling() {
    CalculatorState& s = calculatorState;
    readBoxText(windowState.inputBox, s.inputText, kInputTextCapacity);
    readVariableBoxes();
    filterInputText(s.inputText);
    const int depth = parenthesisDepth(s.inputText);
    if (isFinishedTerm(s.inputText, depth, s.boxCount)) popUp();
    joinExpression();
    return depth == 0;
}

void clearBoxes() {
    for (int k = 1; k < kMaxBoxes; ++k) {
        if (windowState.popupBoxes[k] != nullptr) DestroyWindow(windowState.popupBoxes[k]);
        windowState.popupBoxes[k] = nullptr;
    }
    calculatorState.boxCount = 1;
}

void restoreBoxes(const char* text, int limit) {
    CalculatorState& s = calculatorState;
    if (text == nullptr) text = "";
    clearBoxes();  // no popup box of an earlier calculation may be left behind
    s.boxCount = splitCalculationText(text, limit);
    resetLayout();
    for (int k = 1; k < s.boxCount; ++k) windowState.popupBoxes[k] = createPopupBox(placeNewPopup(k));
    showSlotsInPopups(s.boxCount);
    setInputBoxText(s.boxStore[s.boxCount]);
}
