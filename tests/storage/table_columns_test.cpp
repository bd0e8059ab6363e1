// The measured table columns with one width unit per character: rows that
// reach a column by one tab or by two share it, a one-tab heading follows
// the columns without widening them.
#include "case_label.h"
#include "table_columns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

int characters(std::string_view text) { return static_cast<int>(text.size()); }

// Each row as its fields' x, in order.
std::vector<std::vector<int>> placedX(const std::vector<const char*>& rows) {
    const TableColumns columns = measureColumns(rows.data(), static_cast<int>(rows.size()), characters, 3, 4);
    std::vector<std::vector<int>> placed;
    for (const char* row : rows) {
        std::vector<int> x;
        for (const PlacedField& field : placeRow(columns, row, characters)) x.push_back(field.x);
        placed.push_back(x);
    }
    return placed;
}

struct ColumnsCase {
    std::string label;
    std::vector<const char*> rows;
    std::vector<std::vector<int>> x;
};

class TableColumnsTest : public testing::TestWithParam<ColumnsCase> {};

TEST_P(TableColumnsTest, PlaceEveryFieldInItsColumn) { EXPECT_EQ(placedX(GetParam().rows), GetParam().x); }

const ColumnsCase kCases[] = {
    // The widest name (Clear Variables:, 16) plus the gap, from the indent.
    {"OneOrTwoTabsReachOneDescriptionColumn",
     {"File:", "\tCopy:\tA", "\tCut:\t\tB", "\t\t\tC", "Edit:\t\t\tD", "\tClear Variables:\t\tE", "\tNote under it."},
     {{0}, {4, 23}, {4, 23}, {23}, {0, 23}, {4, 23}, {4}}},
    // 'asin' (6) + 3, 'as' (4) + 3, Inverse-tangent (15) + 3; the heading's
    // text goes to the first column a blank past "Enter or Enter".
    {"FunctionRowsAndAHeading",
     {"Enter or Enter\tFunction Description", "'sin'\t's'\tSine\t\tNote", "'asin'\t'as'\tInverse-tangent\tsin45.",
      "'abs'\t\tAbsolute value"},
     {{0, 16}, {0, 9, 16, 34}, {0, 9, 16, 34}, {0, 16}}},
    {"NoTabsNoColumns", {"plain", "", "text"}, {{0}, {}, {0}}},
};

INSTANTIATE_TEST_SUITE_P(Columns, TableColumnsTest, testing::ValuesIn(kCases), CaseLabel());

}  // namespace
