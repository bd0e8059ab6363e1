// Clear and Clear/Save: file the present calculation, then empty the boxes.
#include "box_text.h"
#include "boxes.h"
#include "calculator_state.h"
#include "command_parts.h"
#include "commands.h"
#include "layout.h"
#include "window_state.h"

#include <cstring>

namespace {

// Saves the present calculation; false when the list is full ("At Limit"
// shown), in which case the boxes must stay as they are.
bool fileCalculation() {
    const int before = calculatorState.savedCount;
    saveCalculation();
    return calculatorState.savedCount > before;
}

}  // namespace

void clearCommand() {
    if (!fileCalculation()) {
        SetFocus(windowState.inputBox);
        return;
    }
    resetLayout();
    clearBoxes();
    calculatorState.expressionText[0] = '\0';
    calculatorState.expressionTooLong = 0;
    // inputText follows the box, so that the next Clear, Save or Print
    // files what the boxes show, not the calculation just cleared.
    calculatorState.inputText[0] = '\0';
    SetWindowTextA(windowState.inputBox, "");
    finishCommand();
}

void clearSaveCommand() {
    if (!fileCalculation()) {
        SetFocus(windowState.inputBox);
        return;
    }
    resetLayout();
    clearBoxes();
    SendMessageA(windowState.inputBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(calculatorState.resultText));
    // inputText is the filtered copy of what the input box now holds.
    copyText(calculatorState.inputText, calculatorState.resultText);
    filterInputText(calculatorState.inputText);
    moveInputCaretRight(static_cast<int>(std::strlen(calculatorState.resultText)));
    finishCommand();
}
