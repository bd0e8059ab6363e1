// The help texts: the rows and pieces that must read exactly as written, the
// table shapes, and the instructions text's line form.
#include "help_texts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::vector<std::string> table(const char* const* lines, int count)
{
    return std::vector<std::string>(lines, lines + count);
}

int indexOf(const std::vector<std::string>& lines, const std::string& row)
{
    auto found = std::find(lines.begin(), lines.end(), row);
    return found == lines.end() ? -1 : static_cast<int>(found - lines.begin());
}

// Splits at CR LF; a lone CR or LF stays inside its line.
std::vector<std::string> crLfLines(const std::string& text)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", start)) {
        lines.push_back(text.substr(start, at - start));
        start = at + 2;
    }
    lines.push_back(text.substr(start));
    return lines;
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

TEST(FunctionListText, EveryRowReadsExactly)
{
    for (int i = 0; i < kFunctionLineCount; ++i) {
        ASSERT_NE(functionListLines[i], nullptr) << "row " << i;
        EXPECT_EQ(std::string(functionListLines[i]), kFunctionRows[i]) << "row " << i;
    }
}

// Rows quoted for the menu explanations, in the order they must appear;
// consecutive entries of one group stand on consecutive lines.
const std::vector<std::vector<std::string>> kQuotedMenuRowGroups = {
    {"\tSave:\tSaves the calculation to the file displayed in the window below",
     "\t\t\tthe title bar. The default file is C:\\Tallowrune\\Mfld.twr, which",
     "\t\t\tcan be changed using 'Save As'. The folder and file are created if",
     "\t\t\tneeded.  An existing file is overwritten.  Files are in text format"},
    {"\tSave As:\tA new file name and path can be entered in the window.",
     "\t\t\tUnlike the 'Save' menu item, 'Save As' gives a warning before",
     "\t\t\toverwriting a file."},
    {"Edit:\t\t\tCtrl+c, x, or v also activate copy, cut, or paste."},
    {"\t'Clear Calculations' menu item clears everything."},
    {"\t\t\tDegrees is the default setting."},
    {"\tClear Variables:\t\tClears the values of x, y, z to zero."},
};

TEST(MenuListText, QuotedRowsReadExactlyAndInOrder)
{
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

TEST(MenuListText, SectionsFollowTheMenuBarInOrderAfterAnEmptyLine)
{
    const auto lines = table(menuListLines, kMenuLineCount);
    EXPECT_EQ(lines[1], "MENU INSTRUCTIONS:");
    const std::vector<std::string> sections = {
        "File:", "Edit:\t\t\tCtrl+c, x, or v also activate copy, cut, or paste.", "Memory:",
        "Display:", "Trig:", "Variables:", "Help:"};
    int previous = 5;
    for (const auto& section : sections) {
        const int at = indexOf(lines, section);
        ASSERT_GT(at, previous) << section;
        EXPECT_EQ(lines[at - 1], "") << section;
        previous = at;
    }
    // Degrees is followed by its default note, Save by the rest of its rows.
    const int degrees = indexOf(lines, "\t\t\tDegrees is the default setting.");
    EXPECT_EQ(lines[degrees - 1].rfind("\tDegrees:\t", 0), 0u);
}

TEST(MenuListText, EveryRowIsAHeadingASectionAnItemOrAContinuation)
{
    for (int i = 0; i < kMenuLineCount; ++i) {
        ASSERT_NE(menuListLines[i], nullptr) << "row " << i;
        const std::string row = menuListLines[i];
        if (i <= 5 || row.empty() || row.find('\t') == std::string::npos) {
            continue;   // heading lines, empty lines, section names
        }
        const bool continuation = row.rfind("\t\t\t", 0) == 0 && row.size() > 3 && row[3] != '\t';
        const bool quotedClear = row == "\t'Clear Calculations' menu item clears everything.";
        const bool editSection = row.rfind("Edit:\t", 0) == 0;
        const std::size_t colon = row.find(":\t");
        const bool item = row[0] == '\t' && row[1] != '\t' && colon != std::string::npos
                          && row.find_first_not_of('\t', colon + 1) <= colon + 3
                          && row.find('\t', 1) == colon + 1;
        EXPECT_TRUE(continuation || quotedClear || editSection || item) << "row " << i << ": " << row;
    }
}

TEST(MenuListText, ItemsOfEveryMenuAreExplained)
{
    const std::vector<std::string> items = {
        "\tNew Calculation:", "\tOpen:", "\tSave:", "\tSave As:", "\tPrint:", "\tExit:",
        "\tCopy:", "\tCut:", "\tPaste:", "\tSave 1, 2, 3:", "\tRecall 1, 2, 3:", "\tRecall Calc:",
        "\tNo Group:", "\tCommas:", "\tGroup-5:", "\tNo Decimals:", "\tX Decimals:", "\tAll Decimals:",
        "\tDegrees:", "\tRadians:", "\tShow Variables:", "\tHide Variables:", "\tClear Variables:",
        "\tInstructions:", "\tFunctions:", "\tMenus:"};
    int previous = 5;
    for (const auto& item : items) {
        int at = -1;
        for (int i = previous + 1; i < kMenuLineCount && at < 0; ++i) {
            if (std::string(menuListLines[i]).rfind(item + "\t", 0) == 0) {
                at = i;
            }
        }
        EXPECT_GT(at, previous) << item;
        previous = std::max(previous, at);
    }
}

TEST(InstructionsText, HoldsTheQuotedPieces)
{
    const std::string text = basicInstructionsText();
    EXPECT_EQ(text.rfind("BASIC INSTRUCTIONS: ", 0), 0u);
    for (const char* piece : {"Enter 'pi' for 3.14...", "3'4 gives 5", "1\\-1 gives 135 degrees", "OVERFLOW",
                              "\"+-\"", "\"-+\"", "\"++\"", "\"--\"", "56 significant figures",
                              "when using %, fractions are truncated, not rounded", "\"At Limit\""}) {
        EXPECT_NE(text.find(piece), std::string::npos) << piece;
    }
    const std::string ending = "to see the x, y, z values.";
    ASSERT_GE(text.size(), ending.size());
    EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
}

TEST(InstructionsText, LinesAreSeparatedByCarriageReturnAndLineFeed)
{
    const std::string text = basicInstructionsText();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            ASSERT_LT(i + 1, text.size());
            EXPECT_EQ(text[i + 1], '\n') << "at " << i;
        } else if (text[i] == '\n') {
            EXPECT_TRUE(i > 0 && text[i - 1] == '\r') << "at " << i;
        }
    }
    const auto lines = crLfLines(text);
    EXPECT_LE(lines.size(), 99u);   // the text printout draws at most 99 lines
    for (const auto& line : lines) {
        EXPECT_LE(line.size(), 76u) << line;   // fits the window without wrapping
    }
}

TEST(InstructionsText, IsPartOneThenPartTwoEveryTime)
{
    const std::string partOne = instructionsPartOne;
    ASSERT_GE(partOne.size(), 2u);
    EXPECT_EQ(partOne.substr(partOne.size() - 2), "\r\n");
    const std::string expected = partOne + instructionsPartTwo;
    const char* first = basicInstructionsText();
    EXPECT_EQ(std::string(first), expected);
    const char* second = basicInstructionsText();
    EXPECT_EQ(second, first);
    EXPECT_EQ(std::string(second), expected);
}

} // namespace
