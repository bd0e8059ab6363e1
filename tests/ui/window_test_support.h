// Shortcuts shared by the window tests: the calculator's own controls by
// role, and a fixture that opens a fresh main window for every test.
#pragma once

#include "calculator_state.h"
#include "control_ids.h"
#include "window_driver.h"
#include "window_services.h"
#include "window_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

inline HWND inputBox() { return windowState.inputBox; }
inline HWND resultBox() { return windowState.resultBox; }
inline HWND popupBox(int k) { return windowState.popupBoxes[k]; }
inline std::string resultShown() { return windowText(resultBox()); }

// Texts of popup boxes 1..n (box 1 just above the input box).
inline std::vector<std::string> popupTexts() {
    std::vector<std::string> texts;
    for (int k = 1; k < calculatorState.boxCount; ++k) texts.push_back(windowText(popupBox(k)));
    return texts;
}

class CalculatorWindow : public testing::Test {
protected:
    void SetUp() override { window = startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
    HWND window = nullptr;
};
