// The three memories: Save keeps the answer, Recall pastes it at the caret of
// the focused box through the clipboard.
#include "box_text.h"
#include "calculator_state.h"
#include "command_parts.h"
#include "window_services.h"

void saveMemory(int n) {
    // Stored without grouping blanks and commas, so that pasting it back
    // reads as the same number.
    copyText(calculatorState.memoryTexts[n - 1], ungroupedText(calculatorState.resultText).c_str());
}

void recallMemory(int n) {
    HWND target = GetFocus();
    if (!putOnClipboard(calculatorState.memoryTexts[n - 1])) return;
    SendMessageA(target, WM_PASTE, 0, 0);
}
