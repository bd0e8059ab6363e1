// Display and Trig choices: grouping, decimals with their working places,
// and the angle unit, each shown in its label and applied at once.
#include "boxes.h"
#include "calculator_state.h"
#include "command_parts.h"
#include "commands.h"
#include "decimal_number.h"
#include "display_choices.h"
#include "window_state.h"

#include <cstring>

namespace {

void setLabelText(HWND label, const char* text) { SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

// A choice ends with one right-arrow key-down per character of the answer
// in the input box, then the recalculation.
void finishChoice() {
    moveInputCaretRight(static_cast<int>(std::strlen(calculatorState.resultText)));
    finishCommand();
}

}  // namespace

void showDecimals(const DisplayChoice& choice) {
    setLabelText(windowState.decimalsLabel, choice.label);
    calculatorState.displayDecimals = choice.value;
}

void showAngleUnit(int inDegrees) {
    setLabelText(windowState.angleLabel, inDegrees ? "Degrees" : "Radians");
    calculatorState.angleInDegrees = inDegrees;
}

void applyDisplayChoice(const DisplayChoice& choice) {
    if (choice.kind == kGroupingChoice) {
        calculatorState.groupMode = choice.value;
    } else {
        showDecimals(choice);
        if (choice.workingPlaces != 0) workingPlaces = choice.workingPlaces;
    }
    finishChoice();
}

void setAngleUnit(int inDegrees) {
    showAngleUnit(inDegrees);
    finishChoice();
}
