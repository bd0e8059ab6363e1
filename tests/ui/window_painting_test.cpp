// What the screen shows after every change of layout: the picture read back
// from the display must equal a fresh paint of the whole window (but for the
// caret), so no control is left half drawn, hidden or in its old place.
#include "case_label.h"
#include "window_driver.h"

namespace {

struct PaintingCase {
    std::string label;
    int popups;                       // "1+" typed this many times
    std::vector<int> commandsBefore;  // before typing
    std::vector<int> commandsAfter;   // after typing
};

void PrintTo(const PaintingCase& c, std::ostream* out) { *out << c.label; }

class Painting : public CalculatorWindow, public testing::WithParamInterface<PaintingCase> {};

TEST_P(Painting, ScreenShowsWhatAFreshPaintDraws) {
    const PaintingCase& c = GetParam();
    EXPECT_EQ(stalePixelCount(window), 0) << "at start";
    for (int id : c.commandsBefore) sendCommand(id);
    for (int k = 0; k < c.popups; ++k) typeText("1+");
    for (int id : c.commandsAfter) sendCommand(id);
    EXPECT_EQ(stalePixelCount(window), 0);
}

std::vector<PaintingCase> paintingCases() {
    std::vector<PaintingCase> cases;
    for (int k = 1; k <= 9; ++k) cases.push_back({"Popups" + std::to_string(k), k, {}, {}});
    for (int k : {0, 3, 7}) {
        const std::string count = std::to_string(k);
        cases.push_back({"VariablesShownOver" + count + "Popups", k, {}, {kShowVariables}});
        cases.push_back({"PopupsWithVariablesShown" + count, k, {kShowVariables}, {}});
        cases.push_back({"VariablesHiddenOver" + count + "Popups", k, {kShowVariables}, {kHideVariables}});
    }
    for (int k : {3, 7}) {
        const std::string count = std::to_string(k);
        cases.push_back({"ClearAfter" + count + "Popups", k, {}, {kClearButton}});
        cases.push_back({"ClearSaveAfter" + count + "Popups", k, {}, {kClearSaveButton}});
        cases.push_back({"NewCalculationAfter" + count + "Popups", k, {}, {kFileNewCalculation}});
        cases.push_back({"RecallOf" + count + "Popups", k, {}, {kClearButton, kFirstRecallCalculation}});
    }
    cases.push_back({"ClearWithVariablesShown", 7, {kShowVariables}, {kClearButton}});
    cases.push_back({"RecallWithVariablesShown", 7, {kShowVariables}, {kClearButton, kFirstRecallCalculation}});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Window, Painting, testing::ValuesIn(paintingCases()), CaseLabel());

}  // namespace

namespace {

// Long texts: the box shows the line with the first character (at its left,
// drawn), or, where the caret is, the caret's line; scrolling to the top
// brings the first character back into view.
struct LongTextCase {
    std::string label;
    std::vector<int> commands;  // before typing
    std::string typed;
    HWND (*box)();
    bool firstLineShown;  // else the caret's line
};

void PrintTo(const LongTextCase& c, std::ostream* out) { *out << c.label; }

class LongText : public CalculatorWindow, public testing::WithParamInterface<LongTextCase> {};

bool inView(HWND box, int position) {
    const LRESULT at = SendMessageA(box, EM_POSFROMCHAR, static_cast<WPARAM>(position), 0);
    RECT client{};
    GetClientRect(box, &client);
    const int x = static_cast<short>(LOWORD(at));
    const int y = static_cast<short>(HIWORD(at));
    return at != -1 && x >= 0 && x < client.right && y >= 0 && y < client.bottom;
}

// Pixels of text (darker than the box's grey or white) in the leftmost
// `width` columns of the box.
int inkAtLeft(HWND box, int width) {
    const ScreenPicture picture = captureClientArea(box);
    int ink = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < width && x < picture.width; ++x) {
            const unsigned p = picture.pixels[static_cast<std::size_t>(y * picture.width + x)];
            if (((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF) < 3 * 0x60) ++ink;
        }
    }
    return ink;
}

TEST_P(LongText, ShowsItsBeginningOrItsCaretLine) {
    const LongTextCase& c = GetParam();
    for (int id : c.commands) sendCommand(id);
    typeText(c.typed);
    settleScreen();
    HWND box = c.box();
    ASSERT_GT(SendMessageA(box, EM_GETLINECOUNT, 0, 0), 1) << "the text is longer than one line";
    if (c.firstLineShown) {
        EXPECT_TRUE(inView(box, 0));
        EXPECT_GT(inkAtLeft(box, 40), 0) << "the first characters are drawn";
    } else {
        DWORD caret = 0;
        SendMessageA(box, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
        EXPECT_TRUE(inView(box, static_cast<int>(caret) - 1)) << "the character before the caret";
    }
    SendMessageA(box, WM_VSCROLL, SB_TOP, 0);
    settleScreen();
    EXPECT_TRUE(inView(box, 0)) << "the scroll arrows reach the beginning";
    EXPECT_GT(inkAtLeft(box, 40), 0);
}

const LongTextCase kLongTextCases[] = {
    {"AnswerAtAllDecimals", {kDisplayAllDecimals}, "1234567+2/3", resultBox, true},
    {"GroupedAnswer", {kDisplayAllDecimals, kDisplayCommas}, "1234567+2/3", resultBox, true},
    {"HundredDigitTermInItsPopupBox", {}, std::string(100, '7') + "+", [] { return popupBox(1); }, true},
    {"TermBeingTyped", {}, std::string(150, '8'), inputBox, false},
};

INSTANTIATE_TEST_SUITE_P(Window, LongText, testing::ValuesIn(kLongTextCases), CaseLabel());

}  // namespace
