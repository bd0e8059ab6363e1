// Clear, Clear/Save and the saved calculations: the Memory menu growing with
// each Clear, the limit of 30, clearing them all and recalling one.
#include "saved_calculation_text.h"
#include "window_test_support.h"

namespace {

LocalTime fixedClock() { return {2008, 3, 7, 13, 7}; }
constexpr const char* kStamp = "3/7/2008 1:07 PM";

class SavedCalculations : public CalculatorWindow {
protected:
    void SetUp() override {
        CalculatorWindow::SetUp();
        installClock(fixedClock);
    }
    void TearDown() override {
        installClock(nullptr);
        CalculatorWindow::TearDown();
    }
    static std::vector<MenuEntryInfo> memoryMenu() { return menuEntries(barSubmenu(kMemoryMenuIndex)); }
};

MenuEntryInfo recallItem(int n) { return {"Recall Calc &" + std::to_string(n), 120 + n, false}; }

TEST_F(SavedCalculations, FirstClearAddsTheCalculationItems) {
    sendCommand(kClearButton);
    const std::vector<MenuEntryInfo> menu = memoryMenu();
    ASSERT_EQ(menu.size(), 12u);
    EXPECT_TRUE(menu[8].separator);
    EXPECT_EQ(menu[9], (MenuEntryInfo{"C&lear Calculations", 120, false}));
    EXPECT_TRUE(menu[10].separator);
    EXPECT_EQ(menu[11], recallItem(1));
    EXPECT_EQ(calculatorState.savedCount, 1);
}

TEST_F(SavedCalculations, ClearRightAfterStartFilesTheAnswer) {
    sendCommand(kClearButton);
    EXPECT_EQ(calculatorState.savedCalculations[1], std::string("=0\nSaved: ") + kStamp);
}

TEST_F(SavedCalculations, SecondClearAddsOnlyItsRecallItem) {
    sendCommand(kClearButton);
    sendCommand(kClearButton);
    const std::vector<MenuEntryInfo> menu = memoryMenu();
    ASSERT_EQ(menu.size(), 13u);
    EXPECT_EQ(menu[11], recallItem(1));
    EXPECT_EQ(menu[12], recallItem(2));
}

TEST_F(SavedCalculations, ThirtiethClearEndsTheMenuAndTheNextIsRefused) {
    for (int n = 1; n <= 30; ++n) sendCommand(n % 2 ? kClearSaveButton : kClearButton);
    std::vector<MenuEntryInfo> menu = memoryMenu();
    ASSERT_EQ(menu.size(), 41u);
    for (int n = 1; n <= 30; ++n) EXPECT_EQ(menu[10 + n], recallItem(n));
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

struct ClearAllCase {
    const char* name;
    int command;
};

void PrintTo(const ClearAllCase& c, std::ostream* out) { *out << c.name; }

class ClearingAll : public SavedCalculations, public testing::WithParamInterface<ClearAllCase> {};

TEST_P(ClearingAll, RemovesEveryAddedItemAndEmptiesTheBoxes) {
    for (int n = 0; n < 3; ++n) sendCommand(kClearButton);
    for (int n = 0; n < 7; ++n) typeText("1+");
    sendCommand(GetParam().command);
    EXPECT_EQ(memoryMenu().size(), 8u);
    EXPECT_EQ(calculatorState.savedCount, 0);
    EXPECT_TRUE(popupTexts().empty());
    EXPECT_EQ(windowText(inputBox()), "");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(windowHeight(mainWindowHandle()), 235 + windowState.frameAllowance);
    EXPECT_EQ(clientRectOf(inputBox()).y, 135);
    // Saving starts over at 1.
    sendCommand(kClearButton);
    EXPECT_EQ(memoryMenu().size(), 12u);
    EXPECT_EQ(memoryMenu()[11], recallItem(1));
}

const ClearAllCase kClearAllCases[] = {{"NewCalculation", kFileNewCalculation},
                                       {"ClearCalculations", kClearCalculations}};

INSTANTIATE_TEST_SUITE_P(Memory, ClearingAll, testing::ValuesIn(kClearAllCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedCalculations, ClearFilesTheCalculationAndEmptiesTheBoxes) {
    typeText("12+5-2");
    sendCommand(kClearButton);
    EXPECT_EQ(calculatorState.savedCalculations[1], std::string("12\n+5\n-2=15\nSaved: ") + kStamp);
    EXPECT_TRUE(popupTexts().empty());
    EXPECT_EQ(windowText(inputBox()), "");
    EXPECT_STREQ(calculatorState.expressionText, "");
    EXPECT_EQ(resultShown(), "0");
    EXPECT_EQ(GetFocus(), inputBox());
}

TEST_F(SavedCalculations, ClearSavePutsTheAnswerIntoTheInputBox) {
    typeText("12+5");
    sendCommand(kClearSaveButton);
    EXPECT_EQ(calculatorState.savedCalculations[1], std::string("12\n+5=17\nSaved: ") + kStamp);
    EXPECT_TRUE(popupTexts().empty());
    EXPECT_EQ(windowText(inputBox()), "17");
    EXPECT_EQ(editSelection(inputBox()).start, 2);
    EXPECT_STREQ(calculatorState.expressionText, "12+5");
    EXPECT_EQ(resultShown(), "17");
    typeText("+1");
    EXPECT_EQ(resultShown(), "18");
}

TEST_F(SavedCalculations, RecallGivesBackTheTermsAndTheAnswer) {
    typeText("12+5-2");
    sendCommand(kClearButton);
    sendCommand(kFirstRecallCalculation);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(popupTexts(), (std::vector<std::string>{"+5", "12"}));
    EXPECT_EQ(windowText(inputBox()), "-2");
    EXPECT_STREQ(calculatorState.expressionText, "12+5-2");
    EXPECT_EQ(resultShown(), "15");
    EXPECT_EQ(GetFocus(), inputBox());
}

struct OverwriteCase {
    const char* name;
    int answer;
    std::vector<std::string> popups;
    const char* input;
    const char* result;
};

void PrintTo(const OverwriteCase& c, std::ostream* out) { *out << c.name; }

class Overwrite : public SavedCalculations, public testing::WithParamInterface<OverwriteCase> {};

TEST_P(Overwrite, IsAskedWhenTheInputBoxHoldsOnlyASign) {
    typeText("12+5");
    sendCommand(kClearButton);
    typeText("7+");
    answerMessageBoxes({GetParam().answer});
    sendCommand(kFirstRecallCalculation);
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Overwrite?");
    EXPECT_EQ(seenMessageBoxes()[0].text,
              "Do you want to overwrite present calculation?\nUse Clear or Clear/Save button to save present "
              "calculation.");
    EXPECT_EQ(popupTexts(), GetParam().popups);
    EXPECT_EQ(windowText(inputBox()), GetParam().input);
    EXPECT_EQ(resultShown(), GetParam().result);
}

const OverwriteCase kOverwriteCases[] = {
    {"AnsweredNoKeepsEverything", IDNO, {"7"}, "+", "7"},
    {"AnsweredYesRecalls", IDYES, {"12"}, "+5", "17"},
};

INSTANTIATE_TEST_SUITE_P(Memory, Overwrite, testing::ValuesIn(kOverwriteCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SavedCalculations, PopupBoxesAloneAskNothing) {
    sendCommand(kClearButton);
    typeText("7+");
    SetWindowTextA(inputBox(), "");
    sendCommand(kFirstRecallCalculation);
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_TRUE(popupTexts().empty());
}

TEST_F(SavedCalculations, LongCalculationIsKeptAndRecalledWhole) {
    // Nine terms of 96 characters: more than 800 before the "=".
    std::string digits;
    for (int i = 0; i < 95; ++i) digits += static_cast<char>('1' + i % 9);
    // Each term is put into the input box whole (typing 855 digits would
    // recalculate 855 times), then its sign is typed.
    for (int term = 0; term < 9; ++term) {
        const std::string typedSoFar = windowText(inputBox()) + digits;
        SetWindowTextA(inputBox(), typedSoFar.c_str());
        const int end = static_cast<int>(typedSoFar.size());
        SendMessageA(inputBox(), EM_SETSEL, end, end);
        typeText("+");
    }
    typeText("1");
    ASSERT_EQ(calculatorState.boxCount, 10);
    const std::vector<std::string> popups = popupTexts();
    const std::string answer = resultShown();
    sendCommand(kClearButton);
    const std::string& saved = calculatorState.savedCalculations[1];
    EXPECT_GT(saved.find('='), 800u);
    EXPECT_EQ(saved.substr(saved.size() - 8 - std::string(kStamp).size()), std::string("\nSaved: ") + kStamp);

    sendCommand(kFirstRecallCalculation);
    EXPECT_EQ(popupTexts(), popups);
    EXPECT_EQ(windowText(inputBox()), "+1");
    EXPECT_EQ(resultShown(), answer);
}

TEST_F(SavedCalculations, EmptiedPopupBoxAddsNoLine) {
    typeText("5+3+1");
    SendMessageA(popupBox(1), EM_SETSEL, 0, -1);
    typeInto(popupBox(1), "\b");
    EXPECT_EQ(resultShown(), "6");
    sendCommand(kClearButton);
    EXPECT_EQ(calculatorState.savedCalculations[1], std::string("5\n+1=6\nSaved: ") + kStamp);
}

TEST_F(SavedCalculations, RebuildingListsOneItemPerCalculation) {
    rebuildCalculationItems(3);
    const std::vector<MenuEntryInfo> menu = memoryMenu();
    ASSERT_EQ(menu.size(), 14u);
    EXPECT_EQ(menu[9].id, 120);
    for (int n = 1; n <= 3; ++n) EXPECT_EQ(menu[10 + n], recallItem(n));
}

} // namespace
