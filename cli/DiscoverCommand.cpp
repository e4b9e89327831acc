#include "cli/DiscoverCommand.h"

#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "cli/Reporter.h"
#include "cli/TextTable.h"
#include "lan/core/DeviceRowTexts.h"
#include "resources/StringIds.h"

#include <sstream>
#include <vector>

namespace lanvane::cli {
namespace {

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

TextRow DeviceRow(const LanDeviceLists& lists, LanMode mode, int number, int position, const StringTable& strings) {
    const auto cells = DeviceRowTexts(*lists.Nth(mode, number), position, strings);
    TextRow row(cells.begin(), cells.end());
    if (mode == LanMode::Wlan) {
        row.push_back(std::to_string(lists.Wlan().Nth(number)->featureCode));
    }
    return row;
}

nlohmann::ordered_json SearchedJson(const std::vector<SearchTarget>& targets) {
    nlohmann::ordered_json searched = nlohmann::ordered_json::array();
    for (const SearchTarget& target : targets) {
        searched.push_back({{"address", target.address},
                            {"interface", target.interfaceName.empty() ? nlohmann::ordered_json()
                                                                       : nlohmann::ordered_json(target.interfaceName)}});
    }
    return searched;
}

}  // namespace

LanCommandResult RunDiscover(const LanCommonOptions& options, const StringTable& strings) {
    LanDeviceLists lists;
    std::string warning;
    if (auto refusal = SearchPrinters(options, lists, &warning)) {
        return *refusal;
    }
    if (lists.Count(options.mode) == 0) {
        return LanCommandResult::Failure(
            ErrorKind::NothingFound, "no printer answered within " +
                                         std::to_string(options.Timings().searchDuration.count()) +
                                         " ms; searched " + TargetsText(options.targets));
    }
    const std::vector<int> numbers = DevicesInAddressOrder(lists, options.mode);
    if (options.json) {
        nlohmann::ordered_json devices = nlohmann::ordered_json::array();
        for (const int number : numbers) {
            devices.push_back(DeviceToJson(lists, options.mode, number));
        }
        return {ExitStatus::Done,
                DocumentText({{"mode", options.mode == LanMode::Wlan ? "wlan" : "ethernet"},
                              {"searched", SearchedJson(options.targets)},
                              {"devices", devices}}),
                warning};
    }
    std::vector<TextRow> rows{HeaderRow(options.mode, strings)};
    for (std::size_t index = 0; index < numbers.size(); ++index) {
        rows.push_back(DeviceRow(lists, options.mode, numbers[index], static_cast<int>(index) + 1, strings));
    }
    std::ostringstream text;
    WriteColumns(text, rows);
    return {ExitStatus::Done, text.str(), warning};
}

}  // namespace lanvane::cli
