// The three printouts drawn on an enhanced-metafile context handed in through
// the print-dialog seam; the text records are read back as page lines.
#include "calculator_state.h"
#include "case_label.h"
#include "printed_page.h"
#include "printing.h"
#include "window_driver.h"

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
    {"NoSavedOnesStartOnLineTwo", {}, {"+5"}, "3", "8", {{0, "Marrowfield"}, {2, "+5"}, {3, "3=8"}, {4, kPrintedLine}}},
    {"SavedOfThreeLinesFollowOneEmptyLine",
     {"5\n+3=8\nSaved: 3/7/2008 1:07 PM", "=0\nSaved: 3/7/2008 1:08 PM"},
     {"1", "+2"},
     "+3",
     "6",
     {{0, "Marrowfield"},
      {2, "5"},
      {3, "+3=8"},
      {4, "Saved: 3/7/2008 1:07 PM"},
      {6, "=0"},
      {7, "Saved: 3/7/2008 1:08 PM"},
      {9, "1"},
      {10, "+2"},
      {11, "+3=6"},
      {12, kPrintedLine}}},
    // An empty saved calculation (read from a hand-edited file) is one empty line.
    {"EmptySavedOneIsOneEmptyLine",
     {"", "1=1"},
     {},
     "2",
     "2",
     {{0, "Marrowfield"}, {4, "1=1"}, {6, "2=2"}, {7, kPrintedLine}}},
    {"TabsDrawnAsTheyAre", {}, {}, "1\t2", "ERROR", {{0, "Marrowfield"}, {2, "1\t2=ERROR"}, {3, kPrintedLine}}},
};

INSTANTIATE_TEST_SUITE_P(Print, CalculationsPrintout, testing::ValuesIn(kCalculationsCases), CaseLabel());

// Descriptions after one or two tabs and continuation rows share one column
// past the widest name; the names share the indent.
TEST_F(Printouts, LineTableColumnsLineUpPastTheWidestName) {
    const char* lines[] = {"Head:", "\tCopy:\tA", "\tCut:\t\tB", "\t\t\tC", "\tLonger Name:\tD"};
    CapturedPrintout printout;
    printLineTable(lines, kOwner, 5);
    std::map<std::string, PrintedText> drawn;
    for (const PrintedText& piece : printout.texts()) drawn[piece.text] = piece;
    ASSERT_EQ(drawn.size(), 9u);  // the header and eight fields
    EXPECT_EQ(drawn["Head:"].x, 100);
    EXPECT_GT(drawn["Copy:"].x, 100);
    EXPECT_EQ(drawn["Cut:"].x, drawn["Copy:"].x);
    EXPECT_EQ(drawn["Longer Name:"].x, drawn["Copy:"].x);
    for (const char* text : {"B", "C", "D"}) EXPECT_EQ(drawn[text].x, drawn["A"].x) << text;
    EXPECT_GT(drawn["A"].x, drawn["Longer Name:"].x + 12 * (printout.tabStop() / 5));
    EXPECT_EQ(drawn["D"].y, 100 + 5 * printout.lineHeight());
}

TEST_F(Printouts, FontIsOfFixedPitchAndAboutTenPoints) {
    CapturedPrintout printout;
    printText("iiii\r\nWWWW", kOwner);
    EXPECT_TRUE(printout.fixedPitch());
    const HDC screen = GetDC(nullptr);
    const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    // 10 points: 10/72 inch of character height, line height a little more.
    EXPECT_GE(printout.lineHeight() * 72, 10 * pixelsPerInch);
    EXPECT_LE(printout.lineHeight() * 72, 14 * pixelsPerInch);
}

// Every line printed, in order, across as many pages as it takes; a line
// wider than the page goes on on the next line.
TEST_F(Printouts, ThirtySavedCalculationsGoOnOnNewPagesAndEndWithThePresentOne) {
    CalculatorState& s = calculatorState;
    const std::string longTerm(120, '7');
    std::vector<std::string> expected = {"Marrowfield"};
    for (int i = 1; i <= 30; ++i) {
        const std::string term = i == 15 ? longTerm : std::to_string(i);
        s.savedCalculations[++s.savedCount] =
            term + "=" + term + "\nSaved: 3/7/2008 1:0" + std::to_string(i % 10) + " PM";
        expected.push_back("");
        expected.push_back(term + "=" + term);
        expected.push_back("Saved: 3/7/2008 1:0" + std::to_string(i % 10) + " PM");
    }
    copyText(s.boxStore[s.boxCount++], "+5");
    copyText(s.inputText, "3");
    copyText(s.resultText, "8");
    expected.insert(expected.end(), {"", "+5", "3=8", kPrintedLine});
    CapturedPrintout printout;
    printCalculations(kOwner);
    const std::map<int, std::string> page = printout.pageLines();
    // Read back in line order: wrapped pieces of one line join up again.
    std::vector<std::string> read;
    int next = 0;
    for (const auto& [line, text] : page) {
        for (; next < line; ++next) read.push_back("");
        read.push_back(text);
        ++next;
    }
    std::vector<std::string> joined;
    for (std::size_t i = 0; i < read.size(); ++i) {
        if (read[i].size() > 100 && i + 1 < read.size() && !read[i + 1].empty() && read[i + 1][0] == '7') {
            read[i + 1] = read[i] + read[i + 1];
            continue;
        }
        joined.push_back(read[i]);
    }
    EXPECT_EQ(joined, expected);
    EXPECT_GT(static_cast<int>(read.size()), static_cast<int>(expected.size()));  // the long line wrapped
    const int pages = (static_cast<int>(read.size()) + printout.linesPerPage() - 1) / printout.linesPerPage();
    EXPECT_GE(pages, 2);
    EXPECT_EQ(printout.pagesStarted(), pages);
    EXPECT_TRUE(printout.documentEnded());
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
    // Every line, on as many pages as it takes (a text was once cut after 99).
    {"EveryLineOfALongText", numberedLines(140), numberedBody(140)},
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

struct FailureCase {
    std::string label;
    PrintFailure failure;
    const char* named;  // in the message
    bool anyDrawn;
};

class PrintFailures : public testing::Test, public testing::WithParamInterface<FailureCase> {};

// A refused document or page is reported in a "Print Error" box naming the
// call, and changes nothing.
TEST_P(PrintFailures, ShowAPrintErrorAndChangeNothing) {
    ASSERT_NE(startCalculatorWindow(), nullptr);
    CalculatorState& s = calculatorState;
    for (int i = 1; i <= 30; ++i) s.savedCalculations[++s.savedCount] = std::to_string(i) + "=" + std::to_string(i);
    copyText(s.inputText, "7");
    {
        CapturedPrintout printout(false, GetParam().failure);
        answerMessageBoxes({IDOK});
        printCalculations(kOwner);
        EXPECT_EQ(printout.documentEnded(), false);
        EXPECT_EQ(printout.documentAborted(), GetParam().failure != PrintFailure::startDoc);
        EXPECT_EQ(!printout.texts().empty(), GetParam().anyDrawn);
        ASSERT_EQ(seenMessageBoxes().size(), 1u);
        EXPECT_EQ(seenMessageBoxes()[0].title, "Print Error");
        EXPECT_NE(seenMessageBoxes()[0].text.find(GetParam().named), std::string::npos) << seenMessageBoxes()[0].text;
    }
    EXPECT_EQ(s.savedCount, 30);
    EXPECT_STREQ(s.inputText, "7");
    closeCalculatorWindow();
}

const FailureCase kFailureCases[] = {
    {"StartDocRefused", PrintFailure::startDoc, "StartDoc", false},
    {"FirstStartPageRefused", PrintFailure::firstPage, "StartPage", false},
    {"SecondStartPageRefused", PrintFailure::secondPage, "StartPage", true},
};

INSTANTIATE_TEST_SUITE_P(Print, PrintFailures, testing::ValuesIn(kFailureCases), CaseLabel());

}  // namespace
