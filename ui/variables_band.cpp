// The x, y and z boxes: showing and hiding the band with their labels and
// Save to X/Y/Z buttons, clearing them, and saving the answer into one.
#include "box_text.h"
#include "calculator_state.h"
#include "command_parts.h"
#include "commands.h"
#include "control_ids.h"
#include "controls.h"
#include "layout.h"
#include "window_state.h"

namespace {

constexpr const char* kLabels[3] = {"x", "y", "z"};
constexpr const char* kButtonTexts[3] = {"Save to X", "Save to Y", "Save to Z"};
constexpr int kSaveToIds[3] = {kSaveToX, kSaveToY, kSaveToZ};

void destroyAndForget(HWND& window) {
    if (window != nullptr) DestroyWindow(window);
    window = nullptr;
}

}  // namespace

void showVariables() {
    WindowState& w = windowState;
    if (!w.variablesHidden) return;
    w.variablesHidden = 0;
    w.variablesOffset = kVariablesBandHeight;
    openVariablesBand(kVariablesBandHeight);
    for (int i = 0; i < 3; ++i) {
        const int y = kUpperRowTop + kUpperRowStep * i;
        if (w.variableBoxes[i] == nullptr)
            w.variableBoxes[i] =
                createControl("EDIT", calculatorState.variableTexts[i], kEditBoxStyle, kBoxLeft + kVariableLabelWidth,
                              y, kBoxWidth - kVariableLabelWidth, kBoxHeight, kVariableBoxIds[i]);
        if (w.variableLabels[i] == nullptr)
            w.variableLabels[i] = createControl("STATIC", kLabels[i], kLabelStyle, kBoxLeft, y, kVariableLabelWidth,
                                                kBoxHeight, kVariableLabelIds[i]);
    }
    for (int i = 0; i < 3; ++i)
        w.saveToButtons[i] =
            createControl("Button", kButtonTexts[i], kPlainButtonStyle, kButtonLeft,
                          kSaveToButtonTop + kUpperRowStep * i, kButtonWidth, kBoxHeight, kSaveToIds[i]);
}

void hideVariables() {
    WindowState& w = windowState;
    if (w.variablesHidden) return;
    w.variablesHidden = 1;
    for (int i = 0; i < 3; ++i) {
        if (w.variableBoxes[i] == nullptr) continue;
        char* text = calculatorState.variableTexts[i];
        text[0] = '\0';
        GetWindowTextA(w.variableBoxes[i], text, static_cast<int>(kVariableTextCapacity));
    }
    for (int i = 0; i < 3; ++i) {
        destroyAndForget(w.variableBoxes[i]);
        destroyAndForget(w.variableLabels[i]);
        destroyAndForget(w.saveToButtons[i]);
    }
    closeVariablesBand(w.variablesOffset);
    w.variablesOffset = 0;
}

void clearVariables() {
    for (HWND box : windowState.variableBoxes) {
        if (box != nullptr) SendMessageA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("0.0"));
    }
    finishCommand();
}

void saveToVariable(int index) {
    char shown[kResultTextCapacity] = "";
    GetWindowTextA(windowState.resultBox, shown, static_cast<int>(sizeof shown));
    // Without grouping blanks and commas: the variable box is not filtered.
    char* text = calculatorState.variableTexts[index];
    copyText(text, kVariableTextCapacity, ungroupedText(shown).c_str());
    if (windowState.variableBoxes[index] != nullptr) SetWindowTextA(windowState.variableBoxes[index], text);
    SetFocus(windowState.inputBox);
}
