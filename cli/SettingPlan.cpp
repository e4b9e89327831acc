#include "cli/SettingPlan.h"

#include "lan/core/BaudTable.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <utility>

namespace lanvane::cli {
namespace {

enum class Column { Mac, Ip, Mask, Gateway, Dhcp, Port, Inactivity, Baud };

constexpr long kMostDigits = 9;

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlank) - first + 1);
}

std::vector<std::string_view> Cells(std::string_view line) {
    std::vector<std::string_view> cells;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        cells.push_back(Trimmed(line.substr(start, comma - start)));
        if (comma == std::string_view::npos) {
            return cells;
        }
        start = comma + 1;
    }
}

std::optional<long> WholeNumber(std::string_view text) {
    long number = 0;
    if (text.empty() || text.size() > kMostDigits || !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    std::from_chars(text.data(), text.data() + text.size(), number);
    return number;
}

// Takes one non-empty cell into the row; the reason when it is not of its column's form.
std::optional<std::string> TakeCell(Column column, std::string_view cell, PlanRow& row) {
    SettingChanges& changes = row.changes;
    const std::string shown(cell);
    switch (column) {
        case Column::Mac: {
            const auto mac = ParseMacText(cell);
            if (!mac) {
                return "mac: " + shown + " is not a MAC address such as 00:1b:7e:3c:4d:5e";
            }
            row.mac = *mac;
            return std::nullopt;
        }
        case Column::Ip:
        case Column::Mask:
        case Column::Gateway: {
            auto& target = column == Column::Ip ? changes.ip : column == Column::Mask ? changes.mask : changes.gateway;
            target = ParseAddressText(cell);
            return target ? std::nullopt : std::optional(shown + " is not an address a.b.c.d");
        }
        case Column::Dhcp:
            if (cell != "on" && cell != "off") {
                return "dhcp: " + shown + " is not on or off";
            }
            changes.dhcp = cell == "on";
            return std::nullopt;
        case Column::Port:
        case Column::Inactivity:
            (column == Column::Port ? changes.port : changes.inactivity) = WholeNumber(cell);
            if (!(column == Column::Port ? changes.port : changes.inactivity)) {
                return shown + " is not a whole number";
            }
            return std::nullopt;
        case Column::Baud: {
            const auto rate = WholeNumber(cell);
            changes.baudIndex = rate ? BaudIndexOfRate(static_cast<int>(*rate)) : std::nullopt;
            return changes.baudIndex ? std::nullopt : std::optional("baud: " + shown + " is not a rate the printer offers");
        }
    }
    return std::nullopt;
}

std::optional<Column> ColumnNamed(std::string_view name) {
    const auto* found = std::find(std::begin(kPlanColumns), std::end(kPlanColumns), name);
    if (found == std::end(kPlanColumns)) {
        return std::nullopt;
    }
    return static_cast<Column>(found - std::begin(kPlanColumns));
}

// The columns a header line names; a reason when a name is unknown or repeated, or the
// first is not the MAC.
std::optional<std::string> TakeHeader(const std::vector<std::string_view>& cells, std::vector<Column>& columns) {
    columns.clear();
    for (std::string_view cell : cells) {
        const auto column = ColumnNamed(cell);
        if (!column) {
            return "no column is named '" + std::string(cell) + "'";
        }
        if (std::find(columns.begin(), columns.end(), *column) != columns.end()) {
            return "the column " + std::string(cell) + " is named twice";
        }
        columns.push_back(*column);
    }
    return std::nullopt;
}

std::optional<std::string> TakeRow(const std::vector<std::string_view>& cells, const std::vector<Column>& columns,
                                   PlanRow& row) {
    if (cells.size() > columns.size()) {
        return std::to_string(cells.size()) + " cells, but only " + std::to_string(columns.size()) + " columns";
    }
    if (cells.front().empty()) {
        return "the MAC address is missing";
    }
    for (std::size_t index = 0; index < cells.size(); ++index) {
        if (cells[index].empty()) {
            continue;
        }
        if (auto reason = TakeCell(columns[index], cells[index], row)) {
            return reason;
        }
    }
    return std::nullopt;
}

SettingPlan Refused(int line, const std::string& reason) {
    return {{}, "line " + std::to_string(line) + ": " + reason};
}

}  // namespace

SettingPlan ParseSettingPlan(std::string_view text) {
    // Spreadsheet programs start a CSV saved as UTF-8 with a byte-order mark.
    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
    if (text.starts_with(kByteOrderMark)) {
        text.remove_prefix(kByteOrderMark.size());
    }
    std::vector<Column> columns;
    for (std::size_t index = 0; index < std::size(kPlanColumns); ++index) {
        columns.push_back(static_cast<Column>(index));
    }
    SettingPlan plan;
    std::map<MacAddress, int> lineOfMac;
    int line = 0;
    bool first = true;
    for (std::size_t start = 0; start <= text.size(); ++line) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        const std::string_view lineText = Trimmed(text.substr(start, end - start));
        start = end + 1;
        if (lineText.empty() || lineText.front() == '#') {
            continue;
        }
        const std::vector<std::string_view> cells = Cells(lineText);
        if (std::exchange(first, false) && cells.front() == "mac") {
            if (auto reason = TakeHeader(cells, columns)) {
                return Refused(line + 1, *reason);
            }
            continue;
        }
        PlanRow row{line + 1, {}, {}};
        if (auto reason = TakeRow(cells, columns, row)) {
            return Refused(row.line, *reason);
        }
        if (const auto [at, added] = lineOfMac.emplace(row.mac, row.line); !added) {
            return Refused(row.line, LanMacText(row.mac) + " is also on line " + std::to_string(at->second));
        }
        plan.rows.push_back(row);
    }
    if (plan.rows.empty()) {
        plan.refusal = "the plan lists no printer";
    }
    return plan;
}

}  // namespace lanvane::cli
