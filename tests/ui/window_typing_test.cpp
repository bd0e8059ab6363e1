// Typing into the input box and the popup boxes as a user would: terms pop
// up, the expression is joined and the answer follows every keystroke.
#include "window_test_support.h"

namespace {

struct TypingCase {
    const char* name;
    const char* typed;
    std::vector<std::string> popups;  // box 1 first
    const char* inputBoxText;
    const char* inputText;            // after filtering
    const char* expression;
    const char* result;               // null: whatever the evaluator makes of it
};

void PrintTo(const TypingCase& c, std::ostream* out) { *out << c.name; }

class Typing : public testing::TestWithParam<TypingCase> {
protected:
    void SetUp() override { startCalculatorWindow(); }
    void TearDown() override { closeCalculatorWindow(); }
};

TEST_P(Typing, PopsUpFinishedTermsAndFollowsWithTheAnswer) {
    const TypingCase& c = GetParam();
    typeText(c.typed);
    EXPECT_EQ(popupTexts(), c.popups);
    EXPECT_EQ(windowText(inputBox()), c.inputBoxText);
    EXPECT_STREQ(calculatorState.inputText, c.inputText);
    EXPECT_STREQ(calculatorState.expressionText, c.expression);
    if (c.result != nullptr) {
        EXPECT_EQ(resultShown(), c.result);
    }
    EXPECT_TRUE(seenMessageBoxes().empty());
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

INSTANTIATE_TEST_SUITE_P(Boxes, Typing, testing::ValuesIn(kTypingCases),
                         [](const auto& info) { return std::string(info.param.name); });

using TypingScenario = CalculatorWindow;

TEST_F(TypingScenario, FirstPopupStandsAboveTheInputBoxWithTheCaretBehindTheSign) {
    typeText("12+");
    ASSERT_EQ(calculatorState.boxCount, 2);
    EXPECT_EQ(clientRectOf(popupBox(1)), (ClientRect{15, 115, 465, 20}));
    EXPECT_EQ(controlId(popupBox(1)), kPopupBoxId);
    EXPECT_EQ(windowStyle(popupBox(1)), storedStyleFor("EDIT", 0x50A101C6));
    const EditSelection caret = editSelection(inputBox());
    EXPECT_EQ(caret.start, 1);
    EXPECT_EQ(caret.end, 1);
    typeText("5-");
    EXPECT_EQ(clientRectOf(popupBox(2)), (ClientRect{15, 95, 465, 20}));
    EXPECT_EQ(clientRectOf(popupBox(1)), (ClientRect{15, 115, 465, 20}));
    EXPECT_EQ(editSelection(inputBox()).start, 1);
}

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

TEST_F(TypingScenario, EveryChangeClearsTheSavedFlag) {
    EXPECT_EQ(calculatorState.calculationSaved, 1);
    typeText("7");
    EXPECT_EQ(calculatorState.calculationSaved, 0);
}

TEST_F(TypingScenario, RestoresAStoredCalculationIntoTheBoxes) {
    const char text[] = "7\n+3\n-1=9\nSaved: 3/7/2008 1:07 PM";
    restoreBoxes(text, 800);
    EXPECT_EQ(popupTexts(), (std::vector<std::string>{"+3", "7"}));
    EXPECT_EQ(windowText(inputBox()), "-1");
    EXPECT_EQ(editSelection(inputBox()).start, 2);
    EXPECT_EQ(clientRectOf(popupBox(2)), (ClientRect{15, 95, 465, 20}));
    ASSERT_TRUE(changeHandling());
    EXPECT_STREQ(calculatorState.expressionText, "7+3-1");
}

TEST_F(TypingScenario, RestoringMoreThanNineTermsKeepsTheirSum) {
    std::string text;
    for (int term = 1; term <= 12; ++term) text += "+" + std::to_string(term) + "\n";
    text += "+100=178\nSaved: x";
    restoreBoxes(text.c_str(), static_cast<int>(text.size()));
    EXPECT_EQ(calculatorState.boxCount, 10);
    EXPECT_EQ(windowText(popupBox(1)), "+9+10+11+12");
    changeHandling();
    EXPECT_STREQ(calculatorState.expressionText, "+1+2+3+4+5+6+7+8+9+10+11+12+100");
}

TEST_F(TypingScenario, OverlongInputIsCutAtItsCapacity) {
    const std::string digits(900, '1');
    SetWindowTextA(inputBox(), digits.c_str());
    changeHandling();
    EXPECT_EQ(std::string(calculatorState.inputText), std::string(kInputTextCapacity - 1, '1'));
    EXPECT_EQ(std::string(calculatorState.expressionText), std::string(kExpressionTextCapacity - 1, '1'));
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

TEST_F(TypingScenario, SquareRootMessageLeavesTheErrorState) {
    typeText("sqrt(-4)");
    ASSERT_FALSE(seenMessageBoxes().empty());
    EXPECT_EQ(seenMessageBoxes().back().title, "Square Root Error");
    EXPECT_EQ(resultShown(), "ERROR");
}

} // namespace
