// Keys that must not change what is kept: Enter adds nothing, Tab and
// Shift+Tab move the focus in screen order, a paste leaves out line breaks
// and tabs. What the boxes show is what Clear files and Recall Calc gives back.
#include "case_label.h"
#include "window_driver.h"

#include <string>
#include <vector>

namespace {

struct KeyStep {
    enum Kind { Type, Enter, CtrlEnter, Tab, ShiftTab, Paste, CtrlV } kind;
    std::string text;  // typed or pasted
};

struct KeptCase {
    std::string label;
    std::vector<KeyStep> steps;
    std::vector<std::string> popups;  // box 1 first
    std::string inputBoxText;
    std::string answer;
};

void PrintTo(const KeptCase& c, std::ostream* out) { *out << c.label; }

void runStep(const KeyStep& step) {
    HWND focused = GetFocus();
    switch (step.kind) {
    case KeyStep::Type:
        for (unsigned char c : step.text) {
            SendMessageA(GetFocus(), WM_CHAR, c, 1);
            pumpMessages();
        }
        break;
    case KeyStep::Enter: pressKeyInLoop(focused, VK_RETURN); break;
    case KeyStep::CtrlEnter: pressKeyInLoop(focused, VK_RETURN, false, true); break;
    case KeyStep::Tab: pressKeyInLoop(focused, VK_TAB); break;
    case KeyStep::ShiftTab: pressKeyInLoop(focused, VK_TAB, true); break;
    case KeyStep::Paste:
        setClipboardText(step.text);
        sendCommand(kEditPaste);
        break;
    case KeyStep::CtrlV:
        setClipboardText(step.text);
        pressKeyInLoop(focused, 'V', false, true);
        break;
    }
}

bool holdsBreakOrTab(const std::string& text) { return text.find_first_of("\r\n\t") != std::string::npos; }

class KeptCalculation : public CalculatorWindow, public testing::WithParamInterface<KeptCase> {};

TEST_P(KeptCalculation, ClearThenRecallGivesBackWhatTheBoxesShow) {
    const KeptCase& c = GetParam();
    for (const KeyStep& step : c.steps) runStep(step);
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.inputBoxText);
    EXPECT_EQ(resultShown(), c.answer);
    for (const std::string& text : popupTexts()) EXPECT_FALSE(holdsBreakOrTab(text)) << text;
    EXPECT_FALSE(holdsBreakOrTab(windowText(inputBox())));

    sendCommand(kClearButton);
    sendCommand(kFirstRecallCalculation);
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.inputBoxText);
    EXPECT_EQ(resultShown(), c.answer);
}

using S = KeyStep;
const KeptCase kKeptCases[] = {
    {"EnterInTheInputBox", {{S::Type, "12"}, {S::Enter, ""}, {S::Type, "3"}}, {}, "123", "123"},
    {"CtrlEnterInTheInputBox", {{S::Type, "12"}, {S::CtrlEnter, ""}, {S::Type, "3"}}, {}, "123", "123"},
    // Shift+Tab from the input box reaches popup box 1; its caret is at the end.
    {"EnterInAPopupBox",
     {{S::Type, "7+4"}, {S::ShiftTab, ""}, {S::Enter, ""}, {S::Type, "2"}, {S::Tab, ""}},
     {"72"},
     "+4",
     "76"},
    {"TabLeavesTheInputBox",
     {{S::Type, "5"}, {S::Tab, ""}, {S::Type, "6"}, {S::ShiftTab, ""}, {S::Type, "7"}},
     {},
     "57",
     "57"},
    {"PastedLineBreaks", {{S::Paste, "1\r\n2"}}, {}, "12", "12"},
    {"PastedTabAndLineFeed", {{S::Type, "3+"}, {S::Paste, "4\t5\n6"}}, {"3"}, "+456", "459"},
    {"CtrlVLeavesOutLineBreaks", {{S::CtrlV, "8\r\n9"}}, {}, "89", "89"},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeptCalculation, testing::ValuesIn(kKeptCases), CaseLabel());

using FocusOrder = CalculatorWindow;

TEST_F(FocusOrder, TabAndShiftTabGoThroughTheBoxesInScreenOrderThenTheButtons) {
    typeText("1+2+");
    sendCommand(kShowVariables);
    const WindowState& w = windowState;
    const std::vector<HWND> order = {w.variableBoxes[0], w.variableBoxes[1], w.variableBoxes[2], popupBox(2),
                                     popupBox(1),        inputBox(),         resultBox(),        w.saveToButtons[0],
                                     w.saveToButtons[1], w.saveToButtons[2], w.clearSaveButton,  w.clearButton};
    SetFocus(order[0]);
    for (std::size_t i = 1; i <= order.size(); ++i) {
        pressKeyInLoop(GetFocus(), VK_TAB);
        EXPECT_EQ(GetFocus(), order[i % order.size()]) << "Tab " << i;
    }
    for (std::size_t i = order.size(); i >= 1; --i) {
        pressKeyInLoop(GetFocus(), VK_TAB, true);
        EXPECT_EQ(GetFocus(), order[i - 1]) << "Shift+Tab to " << i - 1;
    }
    // Nothing was typed on the way.
    EXPECT_EQ(windowText(inputBox()), "+");
    EXPECT_EQ(windowText(w.variableBoxes[0]), "0.0");
    EXPECT_EQ(popupTexts(), (std::vector<std::string>{"+2", "1"}));
    EXPECT_EQ(calculatorState.savedCount, 0);
}

// F5 and F6 are the Clear and Clear/Save buttons, from any box.
TEST_F(FocusOrder, F5ClearsAndF6ClearsAndSavesFromAnyBox) {
    typeText("12+5");
    pressKeyInLoop(popupBox(1), VK_F6);
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.boxCount, 1);
    EXPECT_EQ(windowText(inputBox()), "17");
    typeText("+3");
    EXPECT_EQ(resultShown(), "20");
    pressKeyInLoop(inputBox(), VK_F5);
    EXPECT_EQ(calculatorState.savedCount, 2);
    EXPECT_EQ(windowText(inputBox()), "");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(GetFocus(), inputBox());
}

// Ctrl+C, Ctrl+X and Ctrl+V, as the Edit menu's labels say, in a popup box,
// a variable box and the result box; the answer follows a cut or paste.
TEST_F(FocusOrder, CtrlCXAndVWorkInEveryBox) {
    typeText("12+5");
    sendCommand(kShowVariables);
    SetFocus(popupBox(1));
    SendMessageA(popupBox(1), EM_SETSEL, 0, 2);
    pressKeyInLoop(popupBox(1), 'X', false, true);
    EXPECT_EQ(clipboardText(), "12");
    EXPECT_EQ(resultShown(), "5");
    pressKeyInLoop(popupBox(1), 'V', false, true);
    EXPECT_EQ(windowText(popupBox(1)), "12");
    EXPECT_EQ(resultShown(), "17");
    HWND xBox = windowState.variableBoxes[0];
    SetFocus(xBox);
    SendMessageA(xBox, EM_SETSEL, 0, -1);
    pressKeyInLoop(xBox, 'V', false, true);
    EXPECT_EQ(windowText(xBox), "12");
    SetFocus(resultBox());
    SendMessageA(resultBox(), EM_SETSEL, 0, -1);
    pressKeyInLoop(resultBox(), 'C', false, true);
    EXPECT_EQ(clipboardText(), "17");
    pressKeyInLoop(resultBox(), 'X', false, true);
    EXPECT_EQ(resultShown(), "17");
}

}  // namespace
