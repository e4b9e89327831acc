#include "sim/main/SimOptions.h"

#include <CLI/CLI.hpp>

#include <map>
#include <vector>

#include "LanvaneVersion.h"
#include "sim/main/OptionRanges.h"
#include "sim/posix/PrivateFile.h"

namespace lanvane::sim {
namespace {

using FaultSwitch = bool FaultPlan::*;

const std::map<std::string, FaultSwitch> kFaultSwitches = {
    {"no-answer", &FaultPlan::noAnswer},        {"wrong-maker", &FaultPlan::wrongMakerName},
    {"bad-checksum", &FaultPlan::badChecksum},  {"wrong-tag", &FaultPlan::wrongTag},
    {"split", &FaultPlan::splitReply},          {"upper-hex", &FaultPlan::upperCaseHex},
    {"tcp-split", &FaultPlan::splitStreamReply}, {"tcp-close", &FaultPlan::closeStreamWithoutAnswer},
};

std::vector<std::string> Keys(const std::map<std::string, FaultSwitch>& switches) {
    std::vector<std::string> keys;
    for (const auto& [key, member] : switches) {
        keys.push_back(key);
    }
    return keys;
}

std::string StepNames() {
    std::string names;
    for (auto kind : {RequestKind::Identification, RequestKind::Attention, RequestKind::SystemRequest,
                      RequestKind::ConfigGet, RequestKind::ConfigSet, RequestKind::BssRequest,
                      RequestKind::CertificateAnnouncement, RequestKind::CertificateChunk}) {
        names += names.empty() ? "" : ", ";
        names += RequestKindName(kind);
    }
    return names;
}

constexpr int kBadOptions = 2;
constexpr const char* kExitCodes =
    "Exit codes: 0 stopped by SIGINT or SIGTERM (or the help shown); 1 a port, pseudo-terminal or dump that "
    "could not be opened or written; 2 a bad option.";

}  // namespace

std::optional<int> ParseSimOptions(int argc, char** argv, SimOptions& options) {
    CLI::App app{"Simulated printer: answers the printer channel on a pseudo-terminal, the "
                 "BSS survey on TCP and, with --lan-ethernet or --lan-wlan, the LAN datagrams, "
                 "until SIGINT or SIGTERM."};
    app.name("lanvane-printer-sim");
    app.set_version_flag("--version", std::string("lanvane-printer-sim ") + kLanvaneVersion);
    std::vector<std::string> faults;
    std::string silentStep;
    int slowMs = 0;
    int splitGapMs = static_cast<int>(options.faults.splitGap.count());
    int disconnectAfter = 0;
    bool noBss = false;

    app.add_option("--layout", options.layout, "record layout: 1 (603 bytes) or 2 (616 bytes)")
        ->check(CLI::IsMember({1, 2}));
    app.add_option("--maker", options.makerName, "maker name in the identification reply");
    app.add_option("--link", options.linkPath, "place a symbolic link to the pseudo-terminal here");
    app.add_option("--bss-port", options.bssPort, "TCP survey port (0: any free port)")->check(kPortRange);
    app.add_option("--bss-address", options.bssAddress, "address the TCP survey port listens on");
    app.add_flag("--no-bss", noBss, "do not serve the TCP survey port");
    app.add_option("--fault", faults, "inject a fault (repeatable)")->check(CLI::IsMember(Keys(kFaultSwitches)));
    app.add_option("--no-answer-to", silentStep, "stay silent to one kind of request: " + StepNames())
        ->check([](const std::string& name) {
            return RequestKindFromName(name) ? std::string() : "unknown request kind " + name;
        });
    app.add_option("--slow", slowMs, "wait this many milliseconds before each reply")->check(kMillisecondsRange);
    app.add_option("--split-gap", splitGapMs, "milliseconds between the halves of a split reply")
        ->check(kMillisecondsRange);
    app.add_option("--refuse-strt", options.faults.refuseStart, "answer this many certificate announcements with BUSY")
        ->check(kCountRange);
    app.add_option("--refuse-chunk", options.faults.refuseChunk, "refuse this many certificate chunks")
        ->check(kCountRange);
    app.add_option("--disconnect-after", disconnectAfter, "hang up the channel after this many messages")
        ->check(CLI::Range(1, 1000000));
    app.add_option("--pace-baud", options.paceBaud,
                   "take and send the channel's bytes no faster than a serial line at this rate (10 bits a byte)")
        ->check(CLI::Range(1200, 921600));
    app.add_option("--dump-on-exit", options.dumpPath, "write the printer's state as JSON here on exit")
        ->check([](const std::string& path) {
            const std::optional<std::string> refusal = PrivateFileRefusal(path);
            return refusal ? "cannot write " + path + ": " + *refusal : std::string();
        });
    LanOptionParser lan;
    lan.AddTo(app, options.lan);

    app.footer(kExitCodes);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // CLI11 has an exit code of its own for each kind of mistake; a script needs one.
        const int shown = app.exit(error);
        return shown == static_cast<int>(CLI::ExitCodes::Success) ? shown : kBadOptions;
    }
    for (const std::string& fault : faults) {
        options.faults.*kFaultSwitches.at(fault) = true;
    }
    options.faults.noAnswerTo = RequestKindFromName(silentStep);
    options.faults.replyDelay = std::chrono::milliseconds(slowMs);
    options.faults.splitGap = std::chrono::milliseconds(splitGapMs);
    if (disconnectAfter > 0) {
        options.faults.disconnectAfter = disconnectAfter;
    }
    options.serveBss = !noBss;
    lan.Finish(options.lan);
    return std::nullopt;
}

}  // namespace lanvane::sim
