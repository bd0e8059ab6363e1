// Display and Trig choices: grouping, decimals with their working places,
// and the angle unit, each shown in its label and applied at once.
#include "calculator_state.h"
#include "command_parts.h"
#include "commands.h"
#include "control_ids.h"
#include "decimal_number.h"
#include "window_state.h"

namespace {

struct DecimalsChoice {
    int commandId;
    const char* label;
    int displayDecimals;
    int workingPlaces;  // 0: left as it is
};

constexpr DecimalsChoice kDecimalsChoices[] = {
    {kDisplayNoDecimals, "0 Decimals", 0, 0},    {kDisplay10Decimals, "10 Decimals", 10, 15},
    {kDisplay20Decimals, "20 Decimals", 20, 21}, {kDisplay30Decimals, "30 Decimals", 30, 31},
    {kDisplay40Decimals, "40 Decimals", 40, 41}, {kDisplay50Decimals, "50 Decimals", 50, 51},
    {kDisplayAllDecimals, "All Decimals", -1, 54}};

void setLabelText(HWND label, const char* text) {
    SendMessageA(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
}

} // namespace

void setGrouping(int groupMode) {
    calculatorState.groupMode = groupMode;
    caretShuffle();
    finishCommand();
}

void setDecimals(int commandId) {
    for (const DecimalsChoice& choice : kDecimalsChoices) {
        if (choice.commandId != commandId) continue;
        setLabelText(windowState.decimalsLabel, choice.label);
        calculatorState.displayDecimals = choice.displayDecimals;
        if (choice.workingPlaces != 0) workingPlaces = choice.workingPlaces;
        caretShuffle();
        finishCommand();
        return;
    }
}

void setAngleUnit(int inDegrees) {
    setLabelText(windowState.angleLabel, inDegrees ? "Degrees" : "Radians");
    calculatorState.angleInDegrees = inDegrees;
    caretShuffle();
    finishCommand();
}
