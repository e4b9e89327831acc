#include "cli/WebCommand.h"

#include "cli/LanPrinterLookup.h"
#include "cli/Reporter.h"
#include "lan/core/DeviceRowTexts.h"

#include <nlohmann/json.hpp>

namespace lanvane::cli {

LanCommandResult RunWeb(const WebOptions& options, const UrlOpener& opener) {
    LanDeviceLists lists;
    const PrinterLookup lookup = FindPrinter(options.lan, options.mac, lists);
    if (lookup.refusal) {
        return *lookup.refusal;
    }
    const std::string url = WebPageUrl(*lists.Nth(options.lan.mode, lookup.number));
    const std::string output = options.lan.json ? DocumentText({{"url", url}}) : url + '\n';
    if (options.open && !opener(url)) {
        return {ExitStatus::NoDevice, output, "the browser could not be started", ErrorKind::IoError};
    }
    return {ExitStatus::Done, output, {}};
}

}  // namespace lanvane::cli
