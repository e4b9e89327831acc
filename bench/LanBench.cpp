// The LAN at scale, against one simulator process on the loopback broadcast: discovery of
// 10, 100 and 1000 printers, and a fleet of 100 re-addressed from a plan in one run.
//   lanvane-bench-lan BIN_DIR WORK_DIR
#include <cstdio>
#include <fstream>

#include <nlohmann/json.hpp>

#include "bench/ResultRow.h"
#include "bench/posix/ChildProgram.h"

namespace {

using namespace lanvane::bench;

constexpr double kSearchWindow = 1100;
constexpr int kFleetSize = 100;
constexpr double kFleetTarget = 30000;
constexpr std::chrono::milliseconds kStartLimit{10000};
constexpr std::chrono::milliseconds kRunLimit{120000};

// A simulator serving `printers` Ethernet printers at a free port; the port, or 0.
struct LanSimulator {
    LanSimulator(const std::string& bin, int printers, const std::string& dump)
        : program({bin + "/lanvane-printer-sim", "--no-bss", "--lan-ethernet", std::to_string(printers),
                   "--lan-ethernet-port", "0", "--dump-on-exit", dump}),
          dumpPath(dump) {
        const auto line = program.LineStartingWith("lan-ethernet: ", kStartLimit);
        port = line ? *line : "";
    }

    // Stops it; its printers as it dumped them.
    nlohmann::json Printers() {
        program.Stop();
        std::ifstream file(dumpPath);
        const nlohmann::json dump = nlohmann::json::parse(file, nullptr, false);
        return dump.is_object() ? dump["lanPrinters"] : nlohmann::json::array();
    }

    ChildProgram program;
    std::string dumpPath;
    std::string port;
};

std::vector<std::string> LanArguments(const std::string& bin, const std::string& command, const std::string& port) {
    return {bin + "/lanvane-cli", command, "--mode", "ethernet", "--broadcast", "127.255.255.255", "--printer-port",
            port, "--local-port", "0", "--json"};
}

void Discovery(const std::string& bin, const std::string& work, int printers) {
    LanSimulator simulator(bin, printers, work + "/discovery.json");
    const TimedRun run = RunTimed(LanArguments(bin, "discover", simulator.port), kRunLimit);
    const nlohmann::json listed = nlohmann::json::parse(run.output, nullptr, false);
    const std::size_t found = listed.is_object() ? listed["devices"].size() : 0;
    std::size_t answered = 0;
    for (const auto& printer : simulator.Printers()) {
        answered += printer["repliesSent"].get<int>() > 0 ? 1u : 0u;
    }
    const auto wanted = static_cast<std::size_t>(printers);
    PrintRow({"discovery", std::to_string(printers) + " printers",
              "found " + std::to_string(found) + " / answered " + std::to_string(answered) + "; list after " +
                  Duration(run.elapsed.count()),
              Duration(kSearchWindow) + " search window", run.elapsed.count() / kSearchWindow,
              "all found within the window", found == wanted && answered == wanted});
}

std::string FleetPlan(int printers) {
    std::string plan = "mac,ip,mask,gateway\n";
    for (int index = 1; index <= printers; ++index) {
        char row[64];
        std::snprintf(row, sizeof row, "00:1a:2b:e0:%02x:%02x,10.%d.11.%d,255.255.0.0,10.%d.0.1\n", index >> 8,
                      index & 0xFF, index >> 8, index & 0xFF, index >> 8);
        plan += row;
    }
    return plan;
}

void Fleet(const std::string& bin, const std::string& work) {
    const std::string planPath = work + "/plan.csv";
    std::ofstream(planPath) << FleetPlan(kFleetSize);
    LanSimulator simulator(bin, kFleetSize, work + "/fleet.json");
    std::vector<std::string> arguments = LanArguments(bin, "set-ip", simulator.port);
    arguments.insert(arguments.end(), {"--plan", planPath, "--quiet"});
    const TimedRun run = RunTimed(arguments, kRunLimit);
    const nlohmann::json report = nlohmann::json::parse(run.output, nullptr, false);
    const int set = report.is_object() ? report["counts"]["set"].get<int>() : 0;
    int moved = 0;
    for (const auto& printer : simulator.Printers()) {
        moved += printer["ip"].get<std::string>().find(".11.") != std::string::npos ? 1 : 0;
    }
    const double total = run.elapsed.count();
    PrintRow({"fleet", std::to_string(kFleetSize) + " printers re-addressed",
              "total " + Duration(total) + ", " + Duration((total - kSearchWindow) / kFleetSize) +
                  " a printer after the search, " + std::to_string(kFleetSize - set) + " failures, " +
                  std::to_string(moved) + " moved",
              Duration(kSearchWindow) + " (one search; confirmations immediate on loopback)", total / kSearchWindow,
              "< 30 s, no failure", total < kFleetTarget && set == kFleetSize && moved == kFleetSize});
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: lanvane-bench-lan BIN_DIR WORK_DIR\n");
        return 2;
    }
    for (const int printers : {10, 100, 1000}) {
        Discovery(argv[1], argv[2], printers);
    }
    Fleet(argv[1], argv[2]);
    return 0;
}
