#include "cli/DiscoverCommand.h"

#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "lan/core/DeviceRowTexts.h"
#include "resources/StringIds.h"

#include <algorithm>
#include <sstream>
#include <vector>

namespace lanvane::cli {
namespace {

using TextRow = std::vector<std::string>;

constexpr const char* kFeatureCodeHeader = "Feature Code";

TextRow HeaderRow(LanMode mode, const StringTable& strings) {
    TextRow header;
    for (const int id : {sid::kColumnNo, sid::kColumnMacAddress, sid::kColumnIpAddress, sid::kColumnSubnet,
                         sid::kColumnGateway, sid::kColumnPort, sid::kColumnVersion}) {
        header.emplace_back(strings.Text(id));
    }
    if (mode == LanMode::Wlan) {
        header.emplace_back(kFeatureCodeHeader);
    }
    return header;
}

TextRow DeviceRow(const LanDeviceLists& lists, LanMode mode, int number, const StringTable& strings) {
    const auto cells = DeviceRowTexts(*lists.Nth(mode, number), number, strings);
    TextRow row(cells.begin(), cells.end());
    if (mode == LanMode::Wlan) {
        row.push_back(std::to_string(lists.Wlan().Nth(number)->featureCode));
    }
    return row;
}

// Columns padded to their widest cell, two spaces apart.
std::string Columns(const std::vector<TextRow>& rows) {
    std::vector<std::size_t> widths(rows.front().size(), 0);
    for (const TextRow& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            widths[column] = std::max(widths[column], row[column].size());
        }
    }
    std::ostringstream text;
    for (const TextRow& row : rows) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            text << row[column];
            if (column + 1 < row.size()) {
                text << std::string(widths[column] - row[column].size() + 2, ' ');
            }
        }
        text << '\n';
    }
    return text.str();
}

}  // namespace

LanCommandResult RunDiscover(const LanCommonOptions& options, const StringTable& strings) {
    LanDeviceLists lists;
    std::string warning;
    if (auto refusal = SearchPrinters(options, lists, strings, &warning)) {
        return *refusal;
    }
    const int count = lists.Count(options.mode);
    if (options.json) {
        nlohmann::ordered_json devices = nlohmann::ordered_json::array();
        for (int number = 1; number <= count; ++number) {
            devices.push_back(DeviceToJson(lists, options.mode, number));
        }
        const nlohmann::ordered_json document = {
            {"mode", options.mode == LanMode::Wlan ? "wlan" : "ethernet"}, {"devices", devices}};
        return {ExitStatus::Done, document.dump(2) + '\n', warning};
    }
    std::vector<TextRow> rows{HeaderRow(options.mode, strings)};
    for (int number = 1; number <= count; ++number) {
        rows.push_back(DeviceRow(lists, options.mode, number, strings));
    }
    return {ExitStatus::Done, Columns(rows), warning};
}

}  // namespace lanvane::cli
