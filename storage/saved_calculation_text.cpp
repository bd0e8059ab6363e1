// Building the saved calculation text.
#include "saved_calculation_text.h"

#include "calculator_state.h"

namespace {

// A box is one row: line breaks in it (Enter pressed in the box, or pasted)
// are left out, so that each term stays one line and the text never holds an
// empty line, which would end an entry in the calculation file.
void appendBoxText(std::string& text, const char* boxText) {
    for (; *boxText != '\0'; ++boxText) {
        if (*boxText != '\r' && *boxText != '\n') text += *boxText;
    }
}

}  // namespace

std::string savedCalculationText(const char* stamp) {
    const CalculatorState& s = calculatorState;
    std::string text;
    for (int slot = 1; slot < s.boxCount && slot <= kMaxBoxes; ++slot) {
        const std::size_t start = text.size();
        appendBoxText(text, s.boxStore[slot]);
        if (text.size() > start) text += '\n';
    }
    appendBoxText(text, s.inputText);
    text += '=';
    text += s.resultText;
    text += "\nSaved: ";
    text += stamp != nullptr ? stamp : "";
    return text;
}
