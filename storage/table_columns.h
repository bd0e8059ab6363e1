// Columns for the help windows' tables of tab-separated rows, on screen and
// on paper: measured from the texts in the font they are drawn with, so that
// every row's fields line up. Portable: the widths come from a caller's
// measure.
//
// A row's tabs split it into fields, and field k belongs to column k (an
// empty field between two tabs counts). Rows with two or more tabs shape the
// columns: each text ends at least `gap` before the column of the row's next
// text, and a row that starts with a tab puts its first text at least
// `indent` from the origin. Neighbouring columns that no row needs apart
// share one place, so "Cut:\t\tText" and "Copy:\tText" start Text at one x,
// as does a continuation row "\t\t\tText". Rows with one tab (headings, a
// note under a section) follow the columns without shaping them: their text
// after the tab goes to the first column at or after its own that begins at
// least a blank past the text before it.
#pragma once

#include <functional>
#include <string_view>
#include <vector>

// The help tables' room between columns and the indent of a row that
// starts with a tab, in average character widths of the font, on screen and
// on paper alike.
constexpr int kTableGapCharacters = 3;
constexpr int kTableIndentCharacters = 4;

// The width of a text as it is drawn, in the units of the layout.
using TextWidth = std::function<int(std::string_view)>;

struct TableColumns {
    std::vector<int> x;  // column k's distance from the origin
    int gap = 0;
    int indent = 0;
};

// One field of a row and where it starts, from the origin.
struct PlacedField {
    int x;
    std::string_view text;
};

// The columns of `rows` (null rows are empty).
TableColumns measureColumns(const char* const* rows, int rowCount, const TextWidth& width, int gap, int indent);

// The non-empty fields of `row` in order, each at its column.
std::vector<PlacedField> placeRow(const TableColumns& columns, std::string_view row, const TextWidth& width);
