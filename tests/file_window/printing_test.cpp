// The three printouts drawn on an enhanced-metafile context handed in through
// the print-dialog seam; the text records are read back with their positions
// and turned into page lines.
#include "calculator_state.h"
#include "printing.h"
#include "saved_calculation_text.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

constexpr char kPrinted[] = "3/7/2008 1:09 PM";
LocalTime fixedAfternoon() { return {2008, 3, 7, 13, 9}; }

// The metafile context the dialog seam returns: the screen as reference,
// the system font selected (a metafile context has no font metrics before).
HDC newMetafileContext() {
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateEnhMetaFileA(screen, nullptr, nullptr, nullptr);
    ReleaseDC(nullptr, screen);
    SelectObject(dc, GetStockObject(SYSTEM_FONT));
    return dc;
}

int dialogCalls = 0;
HWND dialogOwner = nullptr;
HENHMETAFILE drawnPage = nullptr;

HDC metafileDialog(HWND owner) {
    ++dialogCalls;
    dialogOwner = owner;
    return newMetafileContext();
}

HDC cancelledDialog(HWND owner) {
    ++dialogCalls;
    dialogOwner = owner;
    return nullptr;
}

void keepMetafile(HDC dc) { drawnPage = CloseEnhMetaFile(dc); }

struct TextRecord {
    int x;
    int y;
    std::string text;
};

int CALLBACK collectText(HDC, HANDLETABLE*, const ENHMETARECORD* record, int, LPARAM data) {
    auto* records = reinterpret_cast<std::vector<TextRecord>*>(data);
    if (record->iType != EMR_EXTTEXTOUTW && record->iType != EMR_EXTTEXTOUTA) return 1;
    const auto* out = reinterpret_cast<const EMREXTTEXTOUTA*>(record);
    const char* base = reinterpret_cast<const char*>(record) + out->emrtext.offString;
    std::string text;
    for (DWORD i = 0; i < out->emrtext.nChars; ++i) {
        text += record->iType == EMR_EXTTEXTOUTW ? static_cast<char>(reinterpret_cast<const wchar_t*>(base)[i])
                                                 : base[i];
    }
    if (!text.empty()) records->push_back({out->emrtext.ptlReference.x, out->emrtext.ptlReference.y, text});
    return 1;
}

class Printouts : public testing::Test {
protected:
    void SetUp() override {
        resetCalculatorState();
        installClock(fixedAfternoon);
        installPrintDialog(metafileDialog);
        installPrintRelease(keepMetafile);
        dialogCalls = 0;
        dialogOwner = nullptr;
        drawnPage = nullptr;
        const HDC probe = newMetafileContext();
        TEXTMETRICA metrics{};
        GetTextMetricsA(probe, &metrics);
        DeleteEnhMetaFile(CloseEnhMetaFile(probe));
        lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
        tabStop = 5 * metrics.tmAveCharWidth;
        ASSERT_GT(lineHeight, 0);
    }
    void TearDown() override {
        if (drawnPage != nullptr) DeleteEnhMetaFile(drawnPage);
        installPrintDialog(nullptr);
        installPrintRelease(nullptr);
        installClock(nullptr);
        resetCalculatorState();
    }

    std::vector<TextRecord> records() const {
        std::vector<TextRecord> found;
        if (drawnPage != nullptr) EnumEnhMetaFile(nullptr, drawnPage, collectText, &found, nullptr);
        return found;
    }

    // Page line number -> the text drawn on it (tab pieces joined by "|").
    // Every piece must stand on a line position; a line's first piece at x 100.
    std::map<int, std::string> pageLines() const {
        std::map<int, std::string> lines;
        for (const TextRecord& record : records()) {
            EXPECT_EQ((record.y - 100) % lineHeight, 0) << record.text;
            const int line = (record.y - 100) / lineHeight;
            std::string& text = lines[line];
            if (text.empty()) {
                EXPECT_EQ(record.x, 100) << record.text;
            } else {
                text += "|";
            }
            text += record.text;
        }
        return lines;
    }

    static HWND owner() { return reinterpret_cast<HWND>(static_cast<INT_PTR>(0x1234)); }

    int lineHeight = 0;
    int tabStop = 0;
};

TEST_F(Printouts, CalculationsWithoutSavedOnesStartThePopupTermsOnLineTwo) {
    CalculatorState& s = calculatorState;
    s.boxCount = 2;
    copyText(s.boxStore[1], "+5");
    copyText(s.inputText, "3");
    copyText(s.resultText, "8");
    printCalculations(owner());
    EXPECT_EQ(dialogCalls, 1);
    EXPECT_EQ(dialogOwner, owner());
    const std::map<int, std::string> expected = {
        {0, "Marrowfield"}, {2, "+5"}, {3, "3=8"}, {4, std::string("Printed: ") + kPrinted}};
    EXPECT_EQ(pageLines(), expected);
}

TEST_F(Printouts, SavedCalculationOfThreeLinesFollowsOneEmptyLine) {
    CalculatorState& s = calculatorState;
    s.savedCount = 2;
    s.savedCalculations[1] = "5\n+3=8\nSaved: 3/7/2008 1:07 PM";
    s.savedCalculations[2] = "=0\nSaved: 3/7/2008 1:08 PM";
    s.boxCount = 3;
    copyText(s.boxStore[1], "1");
    copyText(s.boxStore[2], "+2");
    copyText(s.inputText, "+3");
    copyText(s.resultText, "6");
    printCalculations(owner());
    const std::map<int, std::string> expected = {
        {0, "Marrowfield"},   {2, "5"},    {3, "+3=8"},  {4, "Saved: 3/7/2008 1:07 PM"},
        {6, "=0"},            {7, "Saved: 3/7/2008 1:08 PM"},
        {9, "1"},             {10, "+2"},  {11, "+3=6"}, {12, std::string("Printed: ") + kPrinted}};
    EXPECT_EQ(pageLines(), expected);
}

TEST_F(Printouts, CalculationsDrawTabsAsTheyAre) {
    copyText(calculatorState.inputText, "1\t2");
    copyText(calculatorState.resultText, "ERROR");
    printCalculations(owner());
    const std::vector<TextRecord> drawn = records();
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[1].text, "1\t2=ERROR");
}

TEST_F(Printouts, LineTableOfSixtyThreeLinesFillsLinesOneToSixtyThree) {
    std::vector<std::string> table;
    for (int i = 0; i < 63; ++i) table.push_back("item " + std::to_string(i) + "\tdoes " + std::to_string(i));
    std::vector<const char*> lines;
    for (const std::string& line : table) lines.push_back(line.c_str());
    printLineTable(lines.data(), owner(), 63);

    std::map<int, std::string> expected = {{0, std::string("Marrowfield  Printed: ") + kPrinted}};
    for (int i = 0; i < 63; ++i) expected[i + 1] = "item " + std::to_string(i) + "|does " + std::to_string(i);
    EXPECT_EQ(pageLines(), expected);
}

TEST_F(Printouts, LineTableTabStopIsFiveAverageCharactersFromTheOrigin) {
    const char* lines[] = {"a\tb", "\tc"};
    printLineTable(lines, owner(), 2);
    const std::vector<TextRecord> drawn = records();
    ASSERT_EQ(drawn.size(), 4u);  // the header, "a", "b" and "c"
    EXPECT_EQ(drawn[2].text, "b");
    EXPECT_EQ(drawn[2].x, 100 + tabStop);
    EXPECT_EQ(drawn[3].text, "c");
    EXPECT_EQ(drawn[3].x, 100 + tabStop);
    EXPECT_EQ(drawn[3].y, 100 + 2 * lineHeight);
}

struct TextCase {
    const char* name;
    std::string text;
    std::map<int, std::string> body;  // page lines from line 2 on
};

std::string numberedLines(int count, const char* separator) {
    std::string text;
    for (int i = 1; i <= count; ++i) text += "line " + std::to_string(i) + separator;
    return text;
}

std::map<int, std::string> numberedBody(int count) {
    std::map<int, std::string> body;
    for (int i = 1; i <= count; ++i) body[i + 1] = "line " + std::to_string(i);
    return body;
}

class TextPrintout : public Printouts, public testing::WithParamInterface<TextCase> {};

TEST_P(TextPrintout, DrawsTheTextFromLineTwo) {
    printText(GetParam().text.c_str(), owner());
    std::map<int, std::string> expected = GetParam().body;
    expected[0] = std::string("Marrowfieldtallymaster  Printed: ") + kPrinted;
    EXPECT_EQ(pageLines(), expected);
}

const TextCase kTextCases[] = {
    {"LastLineWithoutLineEnd", "first\r\nlast one.", {{2, "first"}, {3, "last one."}}},
    {"EmptyLinesStayEmpty", "a\r\n\r\n\r\nb\r\n", {{2, "a"}, {5, "b"}}},
    {"BareLineFeedsAndTabs", "x\ty\nz", {{2, "x|y"}, {3, "z"}}},
    {"NinetyNineLinesComplete", numberedLines(99, "\r\n"), numberedBody(99)},
    {"CutAfterNinetyNineLines", numberedLines(140, "\r\n"), numberedBody(99)},
    {"EmptyText", "", {}},
};

INSTANTIATE_TEST_SUITE_P(Print, TextPrintout, testing::ValuesIn(kTextCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Printouts, CancelledDialogPrintsNothingAndChangesNothing) {
    installPrintDialog(cancelledDialog);
    calculatorState.savedCount = 1;
    calculatorState.savedCalculations[1] = "1=1\nSaved: x";
    copyText(calculatorState.inputText, "7");
    const char* lines[] = {"a"};
    printCalculations(owner());
    printLineTable(lines, owner(), 1);
    printText("text", owner());
    EXPECT_EQ(dialogCalls, 3);
    EXPECT_EQ(drawnPage, nullptr);
    EXPECT_EQ(calculatorState.savedCount, 1);
    EXPECT_EQ(calculatorState.savedCalculations[1], "1=1\nSaved: x");
    EXPECT_STREQ(calculatorState.inputText, "7");
}

} // namespace
