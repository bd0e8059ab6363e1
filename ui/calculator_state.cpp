// The process-wide calculator state record and its start-up values.
#include "calculator_state.h"

#include "display_choices.h"

#include <cstring>

CalculatorState calculatorState;

namespace {
struct StartUpState {
    StartUpState() { resetCalculatorState(); }
} startUpState;
}  // namespace

void copyText(char* buffer, std::size_t capacity, const char* text) {
    if (buffer == nullptr || capacity == 0) return;
    if (text == nullptr) text = "";
    const std::size_t length = strnlen(text, capacity - 1);
    std::memmove(buffer, text, length);
    buffer[length] = '\0';
}

void resetCalculatorState() {
    CalculatorState& s = calculatorState;
    for (auto& slot : s.boxStore) slot[0] = '\0';
    s.boxCount = 1;
    s.inputText[0] = '\0';
    s.expressionText[0] = '\0';
    s.expressionTooLong = 0;
    s.resultText[0] = '\0';
    for (auto& text : s.variableTexts) copyText(text, "0.0");
    for (auto& text : s.memoryTexts) text[0] = '\0';
    for (auto& text : s.savedCalculations) text.clear();
    s.savedCount = 0;
    s.calculationSaved = 1;
    s.currentFile[0] = '\0';
    s.displayDecimals = startingDecimals().value;
    s.groupMode = kDisplayChoices[0].value;  // No Group
    s.angleInDegrees = 1;
}
