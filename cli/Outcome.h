#pragma once

#include <string_view>

namespace lanvane::cli {

// What became of one printer of a job, in every per-printer report (write, write --all-usb,
// set-ip, set-ip --plan).
enum class Outcome {
    Set,           // sent and, where the printer confirms, confirmed
    Unchanged,     // the printer already held the wanted settings; nothing sent
    NotFound,      // the printer was not found; nothing sent
    NotConfirmed,  // sent, but no confirmation came in time
    Refused,       // the rules refused its values; nothing sent
    Failed,        // the printer, the device or the network failed
    WouldSend,     // --dry-run: accepted and different, not sent
};

// "set", "unchanged", "not-found", ... as the reports name it.
std::string_view OutcomeName(Outcome outcome);

// True for the outcomes that leave the printer as wanted (or would, for a dry run).
bool Succeeded(Outcome outcome);

}  // namespace lanvane::cli
