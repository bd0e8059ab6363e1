// The recalculation: from the variable texts and the joined expression to the
// answer in resultText and the result box.
#include "recalculation.h"

#include "calculator_state.h"
#include "expression_parser.h"
#include "memory_reserve.h"
#include "platform_seam.h"

#include <string>
#include <utility>

namespace {

constexpr int kRecalculationPlaces = 54;

// Counts finished recalculations. A function's message box is modal but has
// no owner, so the user can type on while it is open and a recalculation can
// start and finish inside another one; the inner one saw the newer texts.
unsigned finishedRecalculations = 0;

// Recalculations nested inside message boxes, each holding a deep
// evaluation on the stack, stop at this many; a later keystroke's
// recalculation waits and the innermost running one runs again for it.
constexpr int kMaxNestedRecalculations = 4;
int runningRecalculations = 0;
bool recalculationWaiting = false;

void recalculateOnce();

void dropLastDigit(DecimalNumber& value) {
    if (!value.digits.empty()) value.digits.pop_back();
    --value.scale;
}

}  // namespace

void recalculate() {
    if (runningRecalculations == kMaxNestedRecalculations) {
        recalculationWaiting = true;
        return;
    }
    ++runningRecalculations;
    do {
        recalculationWaiting = false;
        recalculateOnce();
    } while (recalculationWaiting);
    --runningRecalculations;
}

namespace {

void recalculateOnce() {
    CalculatorState& state = calculatorState;
    // A reserve spent on an earlier shortage is put back first; right after
    // the shortage the memory may still have been too full for it.
    restoreMemoryReserve();
    if (state.expressionTooLong) {
        ++finishedRecalculations;
        copyText(state.resultText, kTooLongAnswer);
        setResultText(state.resultText);
        return;
    }
    const int savedPlaces = workingPlaces;
    workingPlaces = kRecalculationPlaces;

    // The texts are copied first: typing during a message box rewrites the
    // state's buffers, and a scan must never run on a half-old text.
    const std::string texts[4] = {state.variableTexts[0], state.variableTexts[1], state.variableTexts[2],
                                  state.expressionText};
    const unsigned finishedBefore = finishedRecalculations;

    // x, y and z first, each with 0 for the variables, then the expression.
    ExpressionParser parser;
    const int angleMode = state.angleInDegrees;
    const DecimalNumber zero = DecimalNumber::fromInt(0);
    const DecimalNumber x = parser.evaluate(texts[0].c_str(), angleMode, zero, zero, zero);
    const DecimalNumber y = parser.evaluate(texts[1].c_str(), angleMode, zero, zero, zero);
    const DecimalNumber z = parser.evaluate(texts[2].c_str(), angleMode, zero, zero, zero);
    DecimalNumber result = parser.evaluate(texts[3].c_str(), angleMode, x, y, z);

    workingPlaces = savedPlaces;
    // Memory ran out on the way: the reserve let the work finish, but the
    // answer is one too large to compute.
    if (takeMemoryShortage()) result = DecimalNumber::overflowState();
    // A recalculation that finished meanwhile has shown the newer answer.
    if (finishedRecalculations != finishedBefore) return;
    ++finishedRecalculations;
    result = roundToDecimals(std::move(result), state.displayDecimals);

    // An answer whose text (with its grouping) does not fit is not shown cut.
    std::string text = result.toText(state.groupMode);
    if (text.size() >= kResultTextCapacity) text = "OVERFLOW";
    copyText(state.resultText, text.c_str());
    setResultText(state.resultText);
}

}  // namespace

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
