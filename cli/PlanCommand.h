#pragma once

#include "cli/CliContext.h"
#include "cli/LanCommandResult.h"
#include "cli/LanCommonOptions.h"

#include <string>

namespace lanvane::cli {

// set-ip --plan: many printers from one plan file.
struct PlanOptions {
    LanCommonOptions lan;
    std::string path;  // "-": the standard input
    bool dryRun = false;
};

// Reads the plan, searches once, judges every row (found? accepted by the setting rules?)
// and refuses the whole plan, before anything is sent, when two printers would share an
// address. Then sends each accepted row in plan order and awaits its confirmation, with a
// progress line per printer on the message stream. Done only when every printer was set;
// under --dry-run nothing is sent.
LanCommandResult RunSetIpPlan(const PlanOptions& options, CliContext& context);

}  // namespace lanvane::cli
