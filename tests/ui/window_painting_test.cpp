// What the screen shows after every change of layout: the picture read back
// from the display must equal a fresh paint of the whole window (but for the
// caret), so no control is left half drawn, hidden or in its old place.
#include "case_label.h"
#include "window_driver.h"

namespace {

struct PaintingCase {
    std::string label;
    int popups;                        // "1+" typed this many times
    std::vector<int> commandsBefore;   // before typing
    std::vector<int> commandsAfter;    // after typing
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

} // namespace
