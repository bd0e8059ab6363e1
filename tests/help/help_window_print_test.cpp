// Printing each help window: the instructions text from line 2, the 63-line
// menu table on lines 1 to 63 and the 25-line function table, each under its
// header line, with the help window as the print dialog's owner.
#include "help_texts.h"
#include "help_window_support.h"
#include "help_windows.h"
#include "window_driver.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class HelpPrinting : public testing::Test {
protected:
    void SetUp() override { ASSERT_NE(startCalculatorWindow(), nullptr); }
    void TearDown() override { closeCalculatorWindow(); }
};

std::map<int, std::string> tablePage(const char* const* rows, int count)
{
    std::map<int, std::string> page = {{0, std::string("Marrowfield  Printed: ") + kPrintedStamp}};
    for (int i = 0; i < count; ++i) {
        const std::string line = tabPieces(rows[i]);
        if (!line.empty()) page[i + 1] = line;
    }
    return page;
}

struct TableCase {
    const char* name;
    int commandId;
    const char* const* rows;
    int count;
};

const TableCase kTableCases[] = {
    {"Functions", 16, functionListLines, kFunctionLineCount},
    {"Menus", 17, menuListLines, kMenuLineCount},
};

class LineTablePrinting : public HelpPrinting, public testing::WithParamInterface<TableCase> {};

TEST_P(LineTablePrinting, PrintButtonPrintsTheWholeTable)
{
    const TableCase& c = GetParam();
    HWND window = openHelpThroughMenu(c.commandId);
    ASSERT_NE(window, nullptr);
    const std::vector<HWND> buttons = childrenWithId(window, kHelpPrintCommand);
    ASSERT_EQ(buttons.size(), 1u);
    CapturedPrintout printout;
    SendMessageA(buttons[0], BM_CLICK, 0, 0);
    pumpMessages();
    EXPECT_EQ(printout.dialogCalls(), 1);
    EXPECT_EQ(printout.dialogOwner(), window);
    const auto page = printout.pageLines();
    EXPECT_EQ(page, tablePage(c.rows, c.count));
    ASSERT_FALSE(page.empty());
    EXPECT_EQ(page.rbegin()->first, c.count);   // the last row is not empty
    // The keys scroll the window again after the button was pressed.
    EXPECT_EQ(GetFocus(), window);
}

INSTANTIATE_TEST_SUITE_P(Help, LineTablePrinting, testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(HelpPrinting, InstructionsPrintTheWholeTextFromLineTwo)
{
    std::map<int, std::string> expected = {{0, std::string("Marrowfieldtallymaster  Printed: ") + kPrintedStamp}};
    const std::vector<std::string> lines = crLfLines(basicInstructionsText());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!lines[i].empty()) expected[static_cast<int>(i) + 2] = tabPieces(lines[i]);
    }
    ASSERT_EQ(expected.rbegin()->second, lines.back());
    EXPECT_EQ(lines.back().substr(lines.back().size() - 26), "to see the x, y, z values.");

    for (int time = 1; time <= 2; ++time) {   // a second window prints the same text
        HWND window = openHelpThroughMenu(1);
        ASSERT_NE(window, nullptr);
        CapturedPrintout printout;
        SendMessageA(window, WM_COMMAND, MAKEWPARAM(kHelpPrintCommand, 0), 0);
        EXPECT_EQ(printout.dialogCalls(), 1);
        EXPECT_EQ(printout.dialogOwner(), window);
        EXPECT_EQ(printout.pageLines(), expected) << "time " << time;
    }
}

} // namespace
