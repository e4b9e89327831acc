#pragma once

#include <string>

namespace lanvane::cli {

// Exit statuses of the LAN commands, as lanvane-cli gives them.
namespace lan_exit {
constexpr int kDone = 0;
constexpr int kPrinterFailed = 1;  // the printer did not confirm
constexpr int kBadUsage = 2;       // bad options, or values the setting rules refuse
constexpr int kNoDevice = 3;       // no such printer answered, or the network cannot be used
}  // namespace lan_exit

// What a LAN command did: its result (a text table or one JSON document) for standard
// output, a message for the user, and the exit status.
struct LanCommandResult {
    int exitCode = lan_exit::kDone;
    std::string output;
    std::string message;
};

}  // namespace lanvane::cli
