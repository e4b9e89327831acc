#pragma once

#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"
#include "cli/UrlOpener.h"
#include "resources/StringTable.h"

#include <string>

namespace lanvane::cli {

struct WebOptions {
    LanCommonOptions lan;
    std::string mac;
    bool open = false;
};

// web: the web page of the printer with this MAC ("http://" or "https://" and its
// address); with `open` it is also handed to the browser.
LanCommandResult RunWeb(const WebOptions& options, const UrlOpener& opener);

}  // namespace lanvane::cli
