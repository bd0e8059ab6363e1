// The three printouts drawn on an enhanced-metafile context handed in through
// the print-dialog seam; the text records are read back as page lines.
#include "calculator_state.h"
#include "case_label.h"
#include "printed_page.h"
#include "printing.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

const std::string kPrintedLine = std::string("Printed: ") + kPrintedStamp;
const HWND kOwner = reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234));

class Printouts : public testing::Test {
protected:
    void SetUp() override { resetCalculatorState(); }
    void TearDown() override { resetCalculatorState(); }
};

struct CalculationsCase {
    std::string label;
    std::vector<std::string> saved;
    std::vector<const char*> terms;  // oldest first
    const char* input;
    const char* result;
    std::map<int, std::string> page;
};

class CalculationsPrintout : public Printouts, public testing::WithParamInterface<CalculationsCase> {};

TEST_P(CalculationsPrintout, DrawsSavedThenPresentCalculation) {
    const CalculationsCase& c = GetParam();
    CalculatorState& s = calculatorState;
    for (const std::string& saved : c.saved) s.savedCalculations[++s.savedCount] = saved;
    for (const char* term : c.terms) copyText(s.boxStore[s.boxCount++], term);
    copyText(s.inputText, c.input);
    copyText(s.resultText, c.result);
    CapturedPrintout printout;
    printCalculations(kOwner);
    EXPECT_EQ(printout.dialogCalls(), 1);
    EXPECT_EQ(printout.dialogOwner(), kOwner);
    EXPECT_EQ(printout.pageLines(), c.page);
}

const CalculationsCase kCalculationsCases[] = {
    {"NoSavedOnesStartOnLineTwo", {}, {"+5"}, "3", "8",
     {{0, "Marrowfield"}, {2, "+5"}, {3, "3=8"}, {4, kPrintedLine}}},
    {"SavedOfThreeLinesFollowOneEmptyLine",
     {"5\n+3=8\nSaved: 3/7/2008 1:07 PM", "=0\nSaved: 3/7/2008 1:08 PM"}, {"1", "+2"}, "+3", "6",
     {{0, "Marrowfield"}, {2, "5"}, {3, "+3=8"}, {4, "Saved: 3/7/2008 1:07 PM"}, {6, "=0"},
      {7, "Saved: 3/7/2008 1:08 PM"}, {9, "1"}, {10, "+2"}, {11, "+3=6"}, {12, kPrintedLine}}},
    // An empty saved calculation (read from a hand-edited file) is one empty line.
    {"EmptySavedOneIsOneEmptyLine", {"", "1=1"}, {}, "2", "2",
     {{0, "Marrowfield"}, {4, "1=1"}, {6, "2=2"}, {7, kPrintedLine}}},
    {"TabsDrawnAsTheyAre", {}, {}, "1\t2", "ERROR", {{0, "Marrowfield"}, {2, "1\t2=ERROR"}, {3, kPrintedLine}}},
};

INSTANTIATE_TEST_SUITE_P(Print, CalculationsPrintout, testing::ValuesIn(kCalculationsCases), CaseLabel());

TEST_F(Printouts, LineTableTabStopIsFiveAverageCharactersFromTheOrigin) {
    const char* lines[] = {"a\tb", "\tc"};
    CapturedPrintout printout;
    printLineTable(lines, kOwner, 2);
    const std::vector<PrintedText> drawn = printout.texts();
    ASSERT_EQ(drawn.size(), 4u);  // the header, "a", "b" and "c"
    EXPECT_EQ(drawn[0].text, "Marrowfield  " + kPrintedLine);
    for (int i : {2, 3}) EXPECT_EQ(drawn[i].x, 100 + printout.tabStop()) << drawn[i].text;
    EXPECT_EQ(drawn[3].y, 100 + 2 * printout.lineHeight());
}

std::string numberedLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + "\r\n";
    return text;
}

std::map<int, std::string> numberedBody(int count) {
    std::map<int, std::string> body;
    for (int i = 1; i <= count; ++i) body[i + 1] = "line " + std::to_string(i);
    return body;
}

struct TextCase {
    std::string label;
    std::string text;
    std::map<int, std::string> body;  // page lines from line 2 on
};

class TextPrintout : public Printouts, public testing::WithParamInterface<TextCase> {};

TEST_P(TextPrintout, DrawsTheTextFromLineTwo) {
    CapturedPrintout printout;
    printText(GetParam().text.c_str(), kOwner);
    std::map<int, std::string> expected = GetParam().body;
    expected[0] = "Marrowfieldtallymaster  " + kPrintedLine;
    EXPECT_EQ(printout.pageLines(), expected);
}

const TextCase kTextCases[] = {
    {"LastLineWithoutLineEnd", "first\r\nlast one.", {{2, "first"}, {3, "last one."}}},
    {"EmptyLinesStayEmpty", "a\r\n\r\n\r\nb\r\n", {{2, "a"}, {5, "b"}}},
    {"BareLineFeedsAndTabs", "x\ty\nz", {{2, "x|y"}, {3, "z"}}},
    {"CutAfterNinetyNineLines", numberedLines(140), numberedBody(99)},
    {"EmptyText", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Print, TextPrintout, testing::ValuesIn(kTextCases), CaseLabel());

TEST_F(Printouts, CancelledDialogPrintsNothingAndChangesNothing) {
    calculatorState.savedCount = 1;
    calculatorState.savedCalculations[1] = "1=1\nSaved: x";
    copyText(calculatorState.inputText, "7");
    const char* lines[] = {"a"};
    CapturedPrintout printout(true);
    printCalculations(kOwner);
    printLineTable(lines, kOwner, 1);
    printText("text", kOwner);
    EXPECT_EQ(printout.dialogCalls(), 3);
    EXPECT_FALSE(printout.drawn());
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.savedCalculations[1], "1=1\nSaved: x");
    EXPECT_STREQ(calculatorState.inputText, "7");
}

} // namespace
