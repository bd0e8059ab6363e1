// Measured table columns (table_columns.h).
#include "table_columns.h"

#include <algorithm>

namespace {

std::vector<std::string_view> splitFields(std::string_view row) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t tab = row.find('\t'); tab != std::string_view::npos; tab = row.find('\t', start)) {
        fields.push_back(row.substr(start, tab - start));
        start = tab + 1;
    }
    fields.push_back(row.substr(start));
    return fields;
}

// Column `to` must begin at least `distance` after column `from`.
struct Span {
    int from;
    int to;
    int distance;
};

void addSpans(const std::vector<std::string_view>& fields, const TextWidth& width, int gap, int indent,
              std::vector<Span>& spans) {
    int previous = -1;
    for (int k = 0; k < static_cast<int>(fields.size()); ++k) {
        if (fields[k].empty()) continue;
        if (previous >= 0) {
            spans.push_back({previous, k, width(fields[previous]) + gap});
        } else if (k > 0) {
            spans.push_back({0, k, indent});  // a row that starts with a tab
        }
        previous = k;
    }
}

}  // namespace

TableColumns measureColumns(const char* const* rows, int rowCount, const TextWidth& width, int gap, int indent) {
    TableColumns columns;
    columns.gap = gap;
    columns.indent = indent;
    std::vector<Span> spans;
    std::size_t columnCount = 1;
    for (int i = 0; rows != nullptr && i < rowCount; ++i) {
        const std::vector<std::string_view> fields = splitFields(rows[i] != nullptr ? rows[i] : "");
        columnCount = std::max(columnCount, fields.size());
        if (fields.size() >= 3) addSpans(fields, width, gap, indent, spans);
    }
    // Columns that must lie apart get a boundary between them, each as far
    // right as its span allows, so that as few boundaries as possible
    // separate the columns (the others share a place).
    std::sort(spans.begin(), spans.end(), [](const Span& a, const Span& b) { return a.to < b.to; });
    std::vector<bool> boundaryBefore(columnCount, false);
    for (const Span& span : spans) {
        bool separated = false;
        for (int k = span.from + 1; k <= span.to; ++k) separated = separated || boundaryBefore[k];
        if (!separated) boundaryBefore[span.to] = true;
    }
    std::vector<int> group(columnCount, 0);
    for (std::size_t k = 1; k < columnCount; ++k) group[k] = group[k - 1] + (boundaryBefore[k] ? 1 : 0);
    std::vector<int> groupX(static_cast<std::size_t>(group.back()) + 1, 0);
    for (std::size_t g = 1; g < groupX.size(); ++g) {
        groupX[g] = groupX[g - 1];
        for (const Span& span : spans) {
            if (group[span.to] == static_cast<int>(g)) {
                groupX[g] = std::max(groupX[g], groupX[group[span.from]] + span.distance);
            }
        }
    }
    for (std::size_t k = 0; k < columnCount; ++k) columns.x.push_back(groupX[group[k]]);
    return columns;
}

std::vector<PlacedField> placeRow(const TableColumns& columns, std::string_view row, const TextWidth& width) {
    std::vector<PlacedField> placed;
    const std::vector<std::string_view> fields = splitFields(row);
    const bool shaping = fields.size() >= 3;
    const int room = shaping ? columns.gap : width(" ");
    int least = 0;  // where the next text may begin
    for (std::size_t k = 0; k < fields.size(); ++k) {
        if (fields[k].empty()) continue;
        if (placed.empty() && k > 0) least = columns.indent;
        std::size_t column = k;
        while (column < columns.x.size() && columns.x[column] < least) ++column;
        const int x = column < columns.x.size() ? columns.x[column] : least;
        placed.push_back({x, fields[k]});
        least = x + width(fields[k]) + room;
    }
    return placed;
}
