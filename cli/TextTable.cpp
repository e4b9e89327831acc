#include "cli/TextTable.h"

#include <algorithm>

#include "cli/VisibleText.h"

namespace lanvane::cli {
namespace {

constexpr std::size_t kColumnGap = 2;

std::vector<std::size_t> ColumnWidths(const std::vector<TextRow>& rows) {
    std::vector<std::size_t> widths;
    for (const TextRow& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    return widths;
}

std::string Line(const TextRow& row, const std::vector<std::size_t>& widths) {
    std::string line;
    for (std::size_t column = 0; column < row.size(); ++column) {
        line += row[column];
        if (column + 1 < row.size()) {
            line.append(widths[column] - row[column].size() + kColumnGap, ' ');
        }
    }
    line.erase(line.find_last_not_of(' ') + 1);
    return line;
}

}  // namespace

void WriteColumns(std::ostream& out, const std::vector<TextRow>& cells, const std::string& indent) {
    std::vector<TextRow> rows;
    for (const TextRow& row : cells) {
        TextRow& visible = rows.emplace_back();
        for (const std::string& cell : row) {
            visible.push_back(VisibleText(cell));
        }
    }
    const std::vector<std::size_t> widths = ColumnWidths(rows);
    for (const TextRow& row : rows) {
        out << indent << Line(row, widths) << '\n';
    }
}

}  // namespace lanvane::cli
