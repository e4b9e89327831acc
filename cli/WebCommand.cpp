#include "cli/WebCommand.h"

#include "cli/LanPrinterLookup.h"
#include "lan/core/DeviceRowTexts.h"

#include <nlohmann/json.hpp>

namespace lanvane::cli {

LanCommandResult RunWeb(const WebOptions& options, const StringTable& strings, const UrlOpener& opener) {
    LanDeviceLists lists;
    const PrinterLookup lookup = FindPrinter(options.lan, options.mac, lists, strings);
    if (lookup.refusal) {
        return *lookup.refusal;
    }
    const std::string url = WebPageUrl(*lists.Nth(options.lan.mode, lookup.number));
    const std::string output = options.lan.json ? nlohmann::ordered_json{{"url", url}}.dump() + '\n' : url + '\n';
    if (options.open && !opener(url)) {
        return {ExitStatus::NoDevice, output, "The browser could not be started."};
    }
    return {ExitStatus::Done, output, {}};
}

}  // namespace lanvane::cli
