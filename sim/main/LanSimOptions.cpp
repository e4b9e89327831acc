#include "sim/main/LanSimOptions.h"

#include <map>

#include "sim/main/OptionRanges.h"

namespace lanvane::sim {
namespace {

using LanFaultSwitch = bool LanFaultPlan::*;

const std::map<std::string, LanFaultSwitch> kLanFaultSwitches = {
    {"silent-search", &LanFaultPlan::silentToSearch},
    {"silent-setting", &LanFaultPlan::silentToSetting},
    {"confirm-setc", &LanFaultPlan::confirmWithSetc},
};

std::vector<std::string> LanFaultNames() {
    std::vector<std::string> names;
    for (const auto& [name, member] : kLanFaultSwitches) {
        names.push_back(name);
    }
    return names;
}

// One event loop serves them all; the addresses and MACs stay distinct far beyond this.
constexpr int kMostLanPrinters = 1000;

}  // namespace

void LanOptionParser::AddTo(CLI::App& app, LanSimOptions& options) {
    app.add_option("--lan-ethernet", options.ethernetPrinters, "answer Ethernet searches as this many printers")
        ->check(CLI::Range(0, kMostLanPrinters));
    app.add_option("--lan-wlan", options.wlanPrinters, "answer WLAN searches as this many printers")
        ->check(CLI::Range(0, kMostLanPrinters));
    app.add_option("--lan-ethernet-port", options.ethernetPort, "UDP port of the Ethernet printers (0: any free port)")
        ->check(kPortRange);
    app.add_option("--lan-wlan-port", options.wlanPort, "UDP port of the WLAN printers (0: any free port)")
        ->check(kPortRange);
    app.add_option("--lan-reply-port", options.replyPort, "send LAN replies to this port (default: the sender's)")
        ->check(kPortRange);
    app.add_option("--lan-slow", delayMs_, "wait this many milliseconds before each LAN reply")
        ->check(kMillisecondsRange);
    app.add_option("--lan-repeat", options.faults.repeat, "send each LAN reply this many times")
        ->check(CLI::Range(1, 100));
    app.add_option("--lan-shorten", shortenTo_, "cut LAN replies to this many bytes")->check(kCountRange);
    app.add_option("--lan-fault", faults_, "LAN misbehaviour (repeatable)")->check(CLI::IsMember(LanFaultNames()));
}

void LanOptionParser::Finish(LanSimOptions& options) const {
    options.faults.replyDelay = std::chrono::milliseconds(delayMs_);
    if (shortenTo_ >= 0) {
        options.faults.shortenTo = static_cast<std::size_t>(shortenTo_);
    }
    for (const std::string& fault : faults_) {
        options.faults.*kLanFaultSwitches.at(fault) = true;
    }
}

}  // namespace lanvane::sim
