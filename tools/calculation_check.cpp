// Recomputing a calculation file's entries.
#include "calculation_check.h"

#include "box_text.h"
#include "calculator_state.h"
#include "recalculation.h"

namespace {

// The saved answer: from the first "=" to the end of its line.
bool storedAnswer(const std::string& entry, std::string& answer) {
    const std::size_t equals = entry.find('=');
    if (equals == std::string::npos) return false;
    const std::size_t end = entry.find('\n', equals);
    answer = entry.substr(equals + 1, end == std::string::npos ? std::string::npos : end - equals - 1);
    return true;
}

}  // namespace

CheckedCalculation checkCalculation(const std::string& entry) {
    CalculatorState& s = calculatorState;
    CheckedCalculation checked{};
    checked.hasStored = storedAnswer(entry, checked.stored);

    // The boxes as the file restores them; the input box holds what its
    // capacity takes and is filtered as typed text is.
    s.boxCount = splitCalculationText(entry.c_str(), static_cast<int>(entry.size()));
    copyText(s.inputText, s.boxStore[s.boxCount]);
    filterInputText(s.inputText);
    buildExpressionText();
    checked.expression = s.expressionText;
    checked.recalculated = parenthesisDepth(s.inputText) == 0;
    if (checked.recalculated) {
        recalculate();
        checked.recomputed = s.resultText;
    }
    return checked;
}

bool answersAgree(const CheckedCalculation& checked) {
    return checked.hasStored && checked.recalculated && checked.stored == checked.recomputed;
}
