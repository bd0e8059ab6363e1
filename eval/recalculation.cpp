// The recalculation: from the variable texts and the joined expression to the
// answer in resultText and the result box.
#include "recalculation.h"

#include "calculator_state.h"
#include "expression_parser.h"
#include "platform_seam.h"

#include <string>

namespace {

constexpr int kRecalculationPlaces = 54;

void dropLastDigit(DecimalNumber& value) {
    if (!value.digits.empty()) value.digits.pop_back();
    --value.scale;
}

} // namespace

void recalculate() {
    CalculatorState& state = calculatorState;
    const int savedPlaces = workingPlaces;
    workingPlaces = kRecalculationPlaces;

    // x, y and z first, each with 0 for the variables, then the expression.
    ExpressionParser parser;
    const int angleMode = state.angleInDegrees;
    const DecimalNumber zero = DecimalNumber::fromInt(0);
    const DecimalNumber x = parser.evaluate(state.variableTexts[0], angleMode, zero, zero, zero);
    const DecimalNumber y = parser.evaluate(state.variableTexts[1], angleMode, zero, zero, zero);
    const DecimalNumber z = parser.evaluate(state.variableTexts[2], angleMode, zero, zero, zero);
    DecimalNumber result = parser.evaluate(state.expressionText, angleMode, x, y, z);

    workingPlaces = savedPlaces;
    result = roundToDecimals(result, state.displayDecimals);

    // An answer whose text (with its grouping) does not fit is not shown cut.
    std::string text = result.toText(state.groupMode);
    if (text.size() >= kResultTextCapacity) text = "OVERFLOW";
    copyText(state.resultText, text.c_str());
    setResultText(state.resultText);
}

DecimalNumber roundToDecimals(DecimalNumber value, int n) {
    if (n < 0 || value.scale <= n) return value;

    // Cut to n + 1 fraction digits without looking at the dropped ones.
    while (value.scale > n + 1) dropLastDigit(value);

    // Only 6..9 round away from zero; a 5 is dropped like a 0.
    if (!value.digits.empty() && value.digits.back() > 5) {
        const DecimalNumber unit = DecimalNumber::fromInt(1).divideByPowerOfTen(n);
        value = value.sign == '+' ? value.add(unit) : value.subtract(unit);
    }
    dropLastDigit(value);

    // Trailing fraction zeros go; integer digits never do.
    while (value.scale > 0 && !value.digits.empty() && value.digits.back() == 0) {
        dropLastDigit(value);
    }
    return value;
}
