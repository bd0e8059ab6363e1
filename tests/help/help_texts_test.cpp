// The help texts: the rows and pieces that must read exactly as written, the
// table shapes, and the instructions text's line form.
#include "help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

namespace {

std::vector<std::string> table(const char* const* lines, int count) {
    return std::vector<std::string>(lines, lines + count);
}

int indexOf(const std::vector<std::string>& lines, const std::string& row) {
    auto found = std::find(lines.begin(), lines.end(), row);
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

const char* const kFunctionRows[kFunctionLineCount] = {
    "",
    "FUNCTION INSTRUCTIONS:",
    "",
    "Enter or Enter\tFunction Description",
    "",
    "'sin'\t's'\tSine\t\tNote that function names must be lower case.",
    "'cos'\t'c'\tCosine\t\tParentheses are not required if the function",
    "'tan'\t't'\tTangent\t\tis followed directly by a number, as in",
    "'asin'\t'as'\tInverse-sine\tsin45. However, they are required if",
    "'acos'\t'ac'\tInverse-cosine\tanother operator, or function follows",
    "'atan'\t'at'\tInverse-tangent\tas in sin(-45).",
    "'sqrt'\t'sq'\tSquare root",
    "'abs'\t\tAbsolute value",
    "'ln'\t'l'\tNatural logarithm",
    "'log'\t\tLog to base 10",
    "'exp'\t'e'\te (natural log base) raised to power",
    "'x'y'\t\tsqrt(x^2+y^2)",
    "'y\\x'\t\tatan2(y,x)",
    "",
    "The radians-degrees radio buttons determine whether the arguments and results",
    "of the trigonometric functions are in degrees or radians.",
    "When entering multi letter functions, error messages may occur before the",
    "function name is completed.",
    "If the function argument is out of range, an appropriate error message",
    "is displayed.",
};

TEST(FunctionListText, EveryRowReadsExactly) {
    EXPECT_EQ(table(functionListLines, kFunctionLineCount), table(kFunctionRows, kFunctionLineCount));
}

// Rows quoted for the menu explanations, in the order they must appear;
// consecutive entries of one group stand on consecutive lines.
const std::vector<std::vector<std::string>> kQuotedMenuRowGroups = {
    {"\tSave:\tSaves the calculation to the file displayed in the window below",
     "\t\t\tthe title bar. The default file is C:\\Tallowrune\\Mfld.twr, which",
     "\t\t\tcan be changed using 'Save As'. The folder and file are created if",
     "\t\t\tneeded.  An existing file is overwritten.  Files are in text format"},
    {"\tSave As:\tA new file name and path can be entered in the window.",
     "\t\t\tUnlike the 'Save' menu item, 'Save As' gives a warning before", "\t\t\toverwriting a file."},
    {"Edit:\t\t\tCtrl+c, x, or v also activate copy, cut, or paste."},
    {"\t'Clear Calculations' menu item clears everything."},
    {"\t\t\tDegrees is the default setting."},
    {"\tClear Variables:\t\tClears the values of x, y, z to zero."},
};

TEST(MenuListText, QuotedRowsReadExactlyAndInOrder) {
    const auto lines = table(menuListLines, kMenuLineCount);
    int previous = -1;
    for (const auto& group : kQuotedMenuRowGroups) {
        const int first = indexOf(lines, group.front());
        ASSERT_GE(first, 0) << group.front();
        EXPECT_GT(first, previous) << group.front();
        for (std::size_t k = 1; k < group.size(); ++k) {
            ASSERT_LT(first + static_cast<int>(k), kMenuLineCount);
            EXPECT_EQ(lines[first + k], group[k]);
        }
        previous = first;
    }
}

// Every menu (a section row after an empty line) and every item (a row
// "\tName:\t...") of the menu bar, in menu bar order.
TEST(MenuListText, ExplainsEveryMenuAndItemInMenuBarOrder) {
    const auto lines = table(menuListLines, kMenuLineCount);
    EXPECT_EQ(lines[1], "MENU INSTRUCTIONS:");
    const std::vector<std::string> outline = {"File:",
                                              "\tNew Calculation:",
                                              "\tOpen:",
                                              "\tSave:",
                                              "\tSave As:",
                                              "\tPrint:",
                                              "\tExit:",
                                              "Edit:",
                                              "\tCopy:",
                                              "\tCut:",
                                              "\tPaste:",
                                              "Memory:",
                                              "\tSave 1, 2, 3:",
                                              "\tRecall 1, 2, 3:",
                                              "\tRecall Calc:",
                                              "Display:",
                                              "\tNo Group:",
                                              "\tCommas:",
                                              "\tGroup-5:",
                                              "\tNo Decimals:",
                                              "\tX Decimals:",
                                              "\tAll Decimals:",
                                              "Trig:",
                                              "\tDegrees:",
                                              "\tRadians:",
                                              "Variables:",
                                              "\tShow Variables:",
                                              "\tHide Variables:",
                                              "\tClear Variables:",
                                              "Help:",
                                              "\tInstructions:",
                                              "\tFunctions:",
                                              "\tMenus:"};
    int previous = 5;
    for (const auto& entry : outline) {
        int at = previous + 1;
        while (at < kMenuLineCount && lines[at] != entry && lines[at].rfind(entry + "\t", 0) != 0) ++at;
        ASSERT_LT(at, kMenuLineCount) << entry;
        if (entry[0] != '\t') {
            EXPECT_EQ(lines[at - 1], "") << entry;
        }
        previous = at;
    }
    // Degrees is followed by its default note.
    const int degrees = indexOf(lines, "\t\t\tDegrees is the default setting.");
    EXPECT_EQ(lines[degrees - 1].rfind("\tDegrees:\t", 0), 0u);
}

TEST(MenuListText, NamesTheKeysOfTheClearButtons) {
    const auto lines = table(menuListLines, kMenuLineCount);
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](const std::string& line) {
        return line.find("F5 Clear, F6 Clear/Save") != std::string::npos;
    }));
}

TEST(InstructionsText, HoldsTheQuotedPieces) {
    const std::string text = basicInstructionsText();
    EXPECT_EQ(text.rfind("BASIC INSTRUCTIONS: ", 0), 0u);
    for (const char* piece :
         {"Enter 'pi' for 3.14...", "3'4 gives 5", "1\\-1 gives 135 degrees", "OVERFLOW", "\"+-\"", "\"-+\"", "\"++\"",
          "\"--\"", "56 significant figures", "when using %, fractions are truncated, not rounded", "\"At Limit\"",
          "Enter adds nothing", "Tab and Shift+Tab", "TOO LONG",
          "F5 key works as\r\nthe Clear button and F6 as the Clear/Save button"}) {
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    }
    const std::string ending = "to see the x, y, z values.";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

TEST(InstructionsText, LinesAreSeparatedByCarriageReturnAndLineFeed) {
    const std::string text = basicInstructionsText();
    for (std::size_t i = 0; i < text.size(); ++i) {
        EXPECT_EQ(text[i] == '\r', i + 1 < text.size() && text[i + 1] == '\n') << "at " << i;
        EXPECT_EQ(text[i] == '\n', i > 0 && text[i - 1] == '\r') << "at " << i;
    }
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        EXPECT_LE(line.size(), 76u) << line;  // fits the window without wrapping
    }
    EXPECT_LE(count, 99);  // the text printout draws at most 99 lines
}

TEST(InstructionsText, IsPartOneThenPartTwoInOneBuffer) {
    const std::string partOne = instructionsPartOne;
    EXPECT_EQ(partOne.substr(partOne.size() - 2), "\r\n");
    const char* first = basicInstructionsText();
    EXPECT_EQ(std::string(first), partOne + instructionsPartTwo);
    EXPECT_EQ(basicInstructionsText(), first);
}

}  // namespace
