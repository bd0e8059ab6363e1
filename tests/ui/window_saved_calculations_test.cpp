// Clear, Clear/Save and the saved calculations: the Memory menu growing with
// each Clear, the limit of 30, clearing them all and recalling one.
#include "case_label.h"
#include "saved_calculation_text.h"
#include "window_driver.h"

namespace {

LocalTime fixedClock() { return {2008, 3, 7, 13, 7}; }
const std::string kSavedLine = "\nSaved: 3/7/2008 1:07 PM";

class SavedCalculations : public CalculatorWindow {
protected:
    void SetUp() override {
        CalculatorWindow::SetUp();
        installClock(fixedClock);
    }
    static std::vector<MenuEntryInfo> memoryMenu() { return menuEntries(barSubmenu(kMemoryMenuIndex)); }
};

MenuEntryInfo recallItem(int n) { return {"Recall Calc &" + std::to_string(n), 120 + n, false}; }

TEST_F(SavedCalculations, EachClearAddsARecallItemUpToThirtyThenAtLimit) {
    sendCommand(kClearButton);
    std::vector<MenuEntryInfo> menu = memoryMenu();
    ASSERT_EQ(menu.size(), 12u);
    EXPECT_TRUE(menu[8].separator && menu[10].separator);
    EXPECT_EQ(menu[9], (MenuEntryInfo{"C&lear Calculations", 120, false}));
    EXPECT_EQ(menu[11], recallItem(1));
    for (int n = 2; n <= 30; ++n) {
        sendCommand(n % 2 ? kClearSaveButton : kClearButton);
        ASSERT_EQ(memoryMenu().size(), 11u + n);
    }
    for (int n = 1; n <= 30; ++n) EXPECT_EQ(memoryMenu()[10 + n], recallItem(n));
    EXPECT_TRUE(seenMessageBoxes().empty());

    typeText("12+5");
    for (int command : {kClearButton, kClearSaveButton}) {
        forgetMessageBoxes();
        sendCommand(command);
        ASSERT_EQ(seenMessageBoxes().size(), 1u);
        EXPECT_EQ(seenMessageBoxes()[0].title, "At Limit");
        EXPECT_EQ(seenMessageBoxes()[0].text,
                  "You have saved the maximum number of calculations, 30,\nUse clear calculations to start over");
        // The calculation is kept in its boxes.
        EXPECT_EQ(popupTexts(), (std::vector<std::string>{"12"}));
        EXPECT_EQ(windowText(inputBox()), "+5");
        EXPECT_EQ(resultShown(), "17");
        EXPECT_EQ(calculatorState.savedCount, 30);
        EXPECT_EQ(memoryMenu().size(), 41u);
    }
}

class ClearingAll : public SavedCalculations, public testing::WithParamInterface<int> {};

TEST_P(ClearingAll, RemovesEveryAddedItemAndEmptiesTheBoxes) {
    for (int n = 0; n < 3; ++n) sendCommand(kClearButton);
    for (int n = 0; n < 7; ++n) typeText("1+");
    sendCommand(GetParam());
    EXPECT_EQ(memoryMenu().size(), 8u);
    EXPECT_EQ(calculatorState.savedCount, 0);
    EXPECT_TRUE(popupTexts().empty());
    EXPECT_EQ(windowText(inputBox()), "");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance);
    // Saving starts over at 1.
    sendCommand(kClearButton);
    EXPECT_EQ(memoryMenu().size(), 12u);
    EXPECT_EQ(memoryMenu()[11], recallItem(1));
}

INSTANTIATE_TEST_SUITE_P(Memory, ClearingAll, testing::Values(kFileNewCalculation, kClearCalculations),
                         [](const auto& info) {
                             return std::string(info.param == kClearCalculations ? "ClearCalculations"
                                                                                 : "NewCalculation");
                         });

struct ClearCase {
    const char* label;
    const char* typed;
    bool emptyFirstPopup;  // the user deletes popup box 1's text first
    int command;
    std::string saved;  // before the stamp line
    const char* inputAfter;
};

class Clearing : public SavedCalculations, public testing::WithParamInterface<ClearCase> {};

TEST_P(Clearing, FilesTheCalculationAndEmptiesTheBoxes) {
    const ClearCase& c = GetParam();
    typeText(c.typed);
    if (c.emptyFirstPopup) {
        SendMessageA(popupBox(1), EM_SETSEL, 0, -1);
        typeInto(popupBox(1), "\b");
    }
    const std::string expression = calculatorState.expressionText;
    sendCommand(c.command);
    EXPECT_EQ(calculatorState.savedCalculations[1], c.saved + kSavedLine);
    EXPECT_TRUE(popupTexts().empty());
    EXPECT_EQ(windowText(inputBox()), c.inputAfter);
    EXPECT_EQ(GetFocus(), inputBox());
    EXPECT_EQ(windowHeight(window), 235 + windowState.frameAllowance);
    EXPECT_EQ(clientRectOf(inputBox()).y, 135);
    if (c.command == kClearButton) {
        EXPECT_STREQ(calculatorState.expressionText, "");
        EXPECT_EQ(resultShown(), "0");
        return;
    }
    // Clear/Save: the answer in the input box, the caret at its end, the
    // expression unchanged until the next keystroke.
    EXPECT_EQ(editSelection(inputBox()).start, static_cast<int>(std::string(c.inputAfter).size()));
    EXPECT_EQ(calculatorState.expressionText, expression);
    typeText("+1");
    EXPECT_EQ(resultShown(), "18");
}

const ClearCase kClearCases[] = {
    {"RightAfterStartFilesTheAnswer", "", false, kClearButton, "=0", ""},
    {"EveryTermOnItsLine", "1+2+3+4+5+6+7-2", false, kClearButton, "1\n+2\n+3\n+4\n+5\n+6\n+7\n-2=26", ""},
    {"EmptiedPopupBoxAddsNoLine", "5+3+1", true, kClearButton, "5\n+1=6", ""},
    {"ClearSavePutsTheAnswerIntoTheInputBox", "12+5", false, kClearSaveButton, "12\n+5=17", "17"},
    {"EnterPressedInTheBoxesAddsNoLine", "12\r+5\r", false, kClearButton, "12\n+5=17", ""},
};

INSTANTIATE_TEST_SUITE_P(Memory, Clearing, testing::ValuesIn(kClearCases), CaseLabel());

struct ClearAgainCase {
    const char* label;
    int command;        // what empties the boxes first
    std::string saved;  // what the next Clear files, before the stamp line
};

class ClearingAgain : public SavedCalculations, public testing::WithParamInterface<ClearAgainCase> {};

TEST_P(ClearingAgain, FilesWhatTheBoxesNowShow) {
    sendCommand(kDisplayCommas);
    typeText("1234+1");
    sendCommand(GetParam().command);
    sendCommand(kClearButton);
    EXPECT_EQ(calculatorState.savedCalculations[calculatorState.savedCount], GetParam().saved + kSavedLine);
}

const ClearAgainCase kClearAgainCases[] = {
    {"AfterClear", kClearButton, "=0"},
    {"AfterClearSaveTheAnswerUngrouped", kClearSaveButton, "1235=1,235"},
    {"AfterNewCalculation", kFileNewCalculation, "=0"},
};

INSTANTIATE_TEST_SUITE_P(Memory, ClearingAgain, testing::ValuesIn(kClearAgainCases), CaseLabel());

struct RecallCase {
    const char* label;
    const char* typed;  // before Recall Calc 1
    int answer;         // to "Overwrite?"; 0: not asked
    std::vector<std::string> popups;
    const char* input;
    const char* result;
};

class Recall : public SavedCalculations, public testing::WithParamInterface<RecallCase> {};

TEST_P(Recall, GivesBackTheTermsAskingFirstWhenTheInputHoldsOnlyASign) {
    const RecallCase& c = GetParam();
    typeText("12+5-2");
    sendCommand(kClearButton);
    typeText(c.typed);
    if (c.answer != 0) answerMessageBoxes({c.answer});
    sendCommand(kFirstRecallCalculation);
    ASSERT_EQ(seenMessageBoxes().size(), c.answer != 0 ? 1u : 0u);
    if (c.answer != 0) {
        EXPECT_EQ(seenMessageBoxes()[0].title, "Overwrite?");
        EXPECT_EQ(seenMessageBoxes()[0].text, "Do you want to overwrite present calculation?\nUse Clear or "
                                              "Clear/Save button to save present calculation.");
    }
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.input);
    EXPECT_EQ(resultShown(), c.result);
    EXPECT_EQ(GetFocus(), inputBox());
}

const RecallCase kRecallCases[] = {
    {"IntoEmptyBoxes", "", 0, {"+5", "12"}, "-2", "15"},
    {"PopupBoxesAloneAskNothing", "7+\b", 0, {"+5", "12"}, "-2", "15"},
    {"SignOnlyAnsweredYes", "7+", IDYES, {"+5", "12"}, "-2", "15"},
    {"SignOnlyAnsweredNoKeepsEverything", "7+", IDNO, {"7"}, "+", "7"},
};

INSTANTIATE_TEST_SUITE_P(Memory, Recall, testing::ValuesIn(kRecallCases), CaseLabel());

TEST_F(SavedCalculations, LongCalculationIsKeptAndRecalledWhole) {
    // Nine terms of 96 characters: more than 800 before the "=".
    std::string digits;
    for (int i = 0; i < 95; ++i) digits += static_cast<char>('1' + i % 9);
    // Each term is put into the input box whole (typing 855 digits would
    // recalculate 855 times), then its sign is typed.
    for (int term = 0; term < 9; ++term) {
        const std::string typedSoFar = windowText(inputBox()) + digits;
        SetWindowTextA(inputBox(), typedSoFar.c_str());
        SendMessageA(inputBox(), EM_SETSEL, typedSoFar.size(), typedSoFar.size());
        typeText("+");
    }
    typeText("1");
    ASSERT_EQ(calculatorState.boxCount, 10);
    const std::vector<std::string> popups = popupTexts();
    const std::string answer = resultShown();
    sendCommand(kClearButton);
    const std::string& saved = calculatorState.savedCalculations[1];
    EXPECT_GT(saved.find('='), 800u);
    EXPECT_EQ(saved.substr(saved.size() - kSavedLine.size()), kSavedLine);

    sendCommand(kFirstRecallCalculation);
    EXPECT_EQ(popupTexts(), popups);
    EXPECT_EQ(windowText(inputBox()), "+1");
    EXPECT_EQ(resultShown(), answer);
}

}  // namespace
