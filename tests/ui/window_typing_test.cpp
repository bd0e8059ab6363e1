// Typing into the input box and the popup boxes as a user would: terms pop
// up, the expression is joined and the answer follows every keystroke.
#include "case_label.h"
#include "window_driver.h"

namespace {

struct TypingCase {
    const char* label;
    const char* typed;
    std::vector<std::string> popups;  // box 1 first
    const char* inputBoxText;
    const char* inputText;  // after filtering
    const char* expression;
    const char* result;  // null: whatever the evaluator makes of it
};

class Typing : public CalculatorWindow, public testing::WithParamInterface<TypingCase> {};

TEST_P(Typing, PopsUpFinishedTermsAndFollowsWithTheAnswer) {
    const TypingCase& c = GetParam();
    typeText(c.typed);
    EXPECT_EQ(popupTexts(), c.popups);
    for (int k = 1; k <= static_cast<int>(c.popups.size()); ++k) {
        EXPECT_EQ(clientRectOf(popupBox(k)), (ClientRect{15, 135 - 20 * k, 465, 20})) << "box " << k;
        EXPECT_EQ(GetDlgCtrlID(popupBox(k)), kPopupBoxId);
        EXPECT_EQ(windowStyle(popupBox(k)), storedStyleFor("EDIT", 0x50A101C6));
    }
    EXPECT_EQ(windowText(inputBox()), c.inputBoxText);
    // The caret stays at the end, behind the sign when a term popped up.
    const int end = static_cast<int>(std::string(c.inputBoxText).size());
    EXPECT_EQ(editSelection(inputBox()).start, end);
    EXPECT_EQ(editSelection(inputBox()).end, end);
    EXPECT_STREQ(calculatorState.inputText, c.inputText);
    EXPECT_STREQ(calculatorState.expressionText, c.expression);
    if (c.result != nullptr) {
        EXPECT_EQ(resultShown(), c.result);
    }
    EXPECT_TRUE(seenMessageBoxes().empty());
    EXPECT_EQ(calculatorState.calculationSaved, 0);  // cleared on every change
}

const TypingCase kTypingCases[] = {
    {"FirstTerm", "12+", {"12"}, "+", "+", "12", "12"},
    {"SecondTerm", "12+5-", {"+5", "12"}, "-", "-", "12+5", "17"},
    {"OpenParenthesisNeitherPopsNorRecalculates", "(3+", {}, "(3+", "(3+", "(3", "0"},
    {"SurplusClosingNeitherPopsNorRecalculates", ")3+", {}, ")3+", ")3+", ")3", "0"},
    {"UpperCaseExponentStays", "2E+", {}, "2E+", "2E+", "2E", nullptr},
    {"LowerCaseEPopsUp", "2e+", {"2e"}, "+", "+", "2e", nullptr},
    {"LoneSignStays", "+", {}, "+", "+", "", "0"},
    {"SignBehindSignPopsTheSign", "+-", {"+"}, "-", "-", "+", "0"},
    {"GroupingIsFilteredOut", "1,000 000+", {"1000000"}, "+", "+", "1000000", "1000000"},
    {"CapitalsAreFilteredOut", "X+", {}, "X+", "+", "", "0"},
    {"UnusedLettersAreFilteredOut", "7dfhjkmuvw+", {"7"}, "+", "+", "7", "7"},
    {"AnswerFollowsEveryKeystroke", "12+5-2", {"+5", "12"}, "-2", "-2", "12+5-2", "15"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, Typing, testing::ValuesIn(kTypingCases), CaseLabel());

using TypingScenario = CalculatorWindow;

TEST_F(TypingScenario, NinthPopupWarnsOnceAndLaterTermsStayInTheInputBox) {
    for (int term = 0; term < 8; ++term) typeText("1+");
    EXPECT_TRUE(seenMessageBoxes().empty());
    typeText("1+");
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Warning");
    EXPECT_EQ(seenMessageBoxes()[0].text, "Popup list at maximum length!");
    EXPECT_EQ(calculatorState.boxCount, 10);
    typeText("1+");
    EXPECT_EQ(calculatorState.boxCount, 10);
    EXPECT_EQ(windowText(inputBox()), "+1+");
    EXPECT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(resultShown(), "10");
}

TEST_F(TypingScenario, EditingAPopupBoxChangesTheAnswerAtOnce) {
    typeText("12+5-");
    SetFocus(popupBox(1));
    SendMessageA(popupBox(1), EM_SETSEL, 2, 2);
    typeInto(popupBox(1), "0");
    EXPECT_EQ(windowText(popupBox(1)), "+50");
    EXPECT_STREQ(calculatorState.boxStore[2], "+50");
    EXPECT_STREQ(calculatorState.expressionText, "12+50");
    EXPECT_EQ(resultShown(), "62");
    // Deleting its plus sign runs the two terms together.
    SendMessageA(popupBox(1), EM_SETSEL, 0, 1);
    typeInto(popupBox(1), "\b");
    EXPECT_STREQ(calculatorState.expressionText, "1250");
    EXPECT_EQ(resultShown(), "1250");
}

struct RestoreCase {
    const char* label;
    std::string text;
    std::vector<std::string> popups;
    const char* input;
    const char* expression;
};

class Restoring : public CalculatorWindow, public testing::WithParamInterface<RestoreCase> {};

TEST_P(Restoring, PutsTheTermsIntoPopupBoxesAndTheInputLineIntoTheInputBox) {
    const RestoreCase& c = GetParam();
    restoreBoxes(c.text.c_str(), static_cast<int>(c.text.size()));
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.input);
    EXPECT_EQ(editSelection(inputBox()).start, static_cast<int>(std::string(c.input).size()));
    const int count = static_cast<int>(c.popups.size());
    EXPECT_EQ(clientRectOf(popupBox(count)).y, 135 + 20 * (count > 5 ? count - 5 : 0) - 20 * count);
    ASSERT_TRUE(changeHandling());
    EXPECT_STREQ(calculatorState.expressionText, c.expression);
}

std::string twelveTerms() {
    std::string text;
    for (int term = 1; term <= 12; ++term) text += "+" + std::to_string(term) + "\n";
    return text + "+100=178\nSaved: x";
}

const RestoreCase kRestoreCases[] = {
    {"ThreeLines", "7\n+3\n-1=9\nSaved: 3/7/2008 1:07 PM", {"+3", "7"}, "-1", "7+3-1"},
    // Lines beyond the ninth term are joined onto the ninth popup box.
    {"MoreThanNineTermsKeepTheirSum",
     twelveTerms(),
     {"+9+10+11+12", "+8", "+7", "+6", "+5", "+4", "+3", "+2", "+1"},
     "+100",
     "+1+2+3+4+5+6+7+8+9+10+11+12+100"},
};

INSTANTIATE_TEST_SUITE_P(Boxes, Restoring, testing::ValuesIn(kRestoreCases), CaseLabel());

TEST_F(TypingScenario, OverlongInputIsCutAtItsCapacity) {
    const std::string digits(900, '1');
    SetWindowTextA(inputBox(), digits.c_str());
    changeHandling();
    EXPECT_EQ(std::string(calculatorState.inputText), std::string(kInputTextCapacity - 1, '1'));
    EXPECT_EQ(std::string(calculatorState.expressionText), std::string(kExpressionTextCapacity - 1, '1'));
}

// A tape of 100-digit terms (each 10^99) and a last "+1": the answer is the
// exact sum of every term on screen, or the refusal when the boxes joined do
// not fit the expression; never a sum with terms left out.
struct LongTapeCase {
    const char* label;
    int terms;
    bool refused;
};

class LongTape : public CalculatorWindow, public testing::WithParamInterface<LongTapeCase> {};

TEST_P(LongTape, ShowsTheWholeSumOrTheRefusal) {
    const LongTapeCase& c = GetParam();
    const std::string term = "1" + std::string(99, '0');
    for (int k = 0; k < c.terms; ++k) typeText(term + "+");
    typeText("1");
    const std::string sum = std::to_string(c.terms) + std::string(98, '0') + "1";
    EXPECT_EQ(resultShown(), c.refused ? std::string("TOO LONG") : sum);
    // Typing on changes nothing about that, and Clear starts afresh.
    typeText("2");
    EXPECT_EQ(resultShown(), c.refused ? std::string("TOO LONG") : sum.substr(0, sum.size() - 2) + "12");
    sendCommand(kClearButton);
    EXPECT_EQ(resultShown(), "0");
}

const LongTapeCase kLongTapeCases[] = {
    {"SevenTermsFit", 7, false},        // 706 + 2 characters
    {"EightTermsAreRefused", 8, true},  // 807 + 2
    {"NineTermsAreRefused", 9, true},
};

INSTANTIATE_TEST_SUITE_P(Boxes, LongTape, testing::ValuesIn(kLongTapeCases), CaseLabel());

// A paste longer than a box takes is cut where the box stops, so the box
// shows all that is read; 799 digits joined are more than the expression
// holds, and the answer says so.
TEST_F(TypingScenario, LongPastesAreCutVisiblyAndRefused) {
    setClipboardText(std::string(900, '1'));
    sendCommand(kEditPaste);
    EXPECT_EQ(windowText(inputBox()), std::string(kInputTextCapacity - 1, '1'));
    EXPECT_EQ(resultShown(), "TOO LONG");
    sendCommand(kClearButton);
    typeText("5+");
    SetFocus(popupBox(1));
    setClipboardText(std::string(1200, '2'));
    sendCommand(kEditPaste);
    EXPECT_EQ(windowText(popupBox(1)).size(), kBoxTextCapacity - 1);
    EXPECT_EQ(resultShown(), "TOO LONG");
}

TEST_F(TypingScenario, FunctionMessageWhileTypingAName) {
    typeText("5+lo");
    ASSERT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(seenMessageBoxes()[0].title, "Natural Log Error");
    EXPECT_EQ(seenMessageBoxes()[0].text, "The argument must be positive.");
    EXPECT_EQ(resultShown(), "4");
    typeText("g(100)");
    EXPECT_EQ(seenMessageBoxes().size(), 1u);
    EXPECT_EQ(resultShown(), "7");
    EXPECT_EQ(windowText(inputBox()), "+log(100)");
}

}  // namespace
