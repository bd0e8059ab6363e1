// Saved calculations: filing the present one, the Memory menu's Recall Calc
// items, clearing them all and recalling one into the boxes.
#include "boxes.h"
#include "calculator_state.h"
#include "commands.h"
#include "control_ids.h"
#include "layout.h"
#include "menu_items.h"
#include "saved_calculation_text.h"
#include "window_services.h"
#include "window_state.h"

#include <cstdio>

namespace {

// The Memory menu after its fixed items: a separator, Clear Calculations, a
// separator, then Recall Calc 1, 2, ... in the order they were saved.
constexpr int kClearCalculationsItem = kFixedMemoryItems + 1;
constexpr int kFirstRecallItem = kFixedMemoryItems + 3;

HMENU memoryMenu() { return GetSubMenu(GetMenu(windowState.mainWindow), kMemoryMenuIndex); }

void insertClearCalculationsItems(HMENU menu) {
    insertSeparator(menu, kClearCalculationsItem - 1);
    insertCommandItem(menu, kClearCalculationsItem, "C&lear Calculations", kClearCalculations);
    insertSeparator(menu, kClearCalculationsItem + 1);
}

void insertRecallItem(HMENU menu, int n) {
    char label[40];
    std::snprintf(label, sizeof label, "Recall Calc &%d", n);
    insertCommandItem(menu, kFirstRecallItem + n - 1, label, recallCalculationCommand(n));
}

void redrawMenuBar() {
    SetMenu(windowState.mainWindow, GetMenu(windowState.mainWindow));
    DrawMenuBar(windowState.mainWindow);
}

void emptyBoxes() {
    resetLayout();
    clearBoxes();
    calculatorState.expressionText[0] = '\0';
    calculatorState.expressionTooLong = 0;
    calculatorState.inputText[0] = '\0';
}

}  // namespace

void saveCalculation() {
    CalculatorState& s = calculatorState;
    HMENU menu = memoryMenu();
    if (s.savedCount >= kMaxSavedCalculations) {
        char text[120];
        std::snprintf(text, sizeof text,
                      "You have saved the maximum number of calculations, %d,\nUse clear calculations to start over",
                      kMaxSavedCalculations);
        MessageBoxA(nullptr, text, "At Limit", MB_OK);
        return;
    }
    if (s.savedCount == 0) insertClearCalculationsItems(menu);
    const int n = s.savedCount + 1;
    insertRecallItem(menu, n);
    redrawMenuBar();
    s.savedCount = n;
    s.savedCalculations[n] = savedCalculationText(dateStamp());
}

void rebuildCalculationItems(int count) {
    HMENU menu = memoryMenu();
    if (count > kMaxSavedCalculations) count = kMaxSavedCalculations;
    if (count > 0) insertClearCalculationsItems(menu);
    for (int i = 1; i <= count; ++i) insertRecallItem(menu, i);
    redrawMenuBar();
}

void clearCalculations() {
    HMENU menu = memoryMenu();
    // Everything after the fixed items: the separators, Clear Calculations
    // and every Recall Calc item.
    while (GetMenuItemCount(menu) > kFixedMemoryItems) DeleteMenu(menu, kFixedMemoryItems, MF_BYPOSITION);
    redrawMenuBar();
    calculatorState.savedCount = 0;
    emptyBoxes();
    SendMessageA(windowState.inputBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(""));
    finishCommand();
}

void recallCalculation(int n) {
    CalculatorState& s = calculatorState;
    if (n < 1 || n > s.savedCount) return;
    char start[10] = "";
    GetWindowTextA(windowState.inputBox, start, sizeof start);
    if (start[0] != '\0' &&
        MessageBoxA(nullptr,
                    "Do you want to overwrite present calculation?\nUse Clear or Clear/Save button to save present "
                    "calculation.",
                    "Overwrite?", kQuestionFlags) == IDNO)
        return;
    emptyBoxes();
    // The whole saved text: a long calculation gives back every term.
    const std::string& text = s.savedCalculations[n];
    restoreBoxes(text.c_str(), static_cast<int>(text.size()));
    changeHandling();
    finishCommand();
}
