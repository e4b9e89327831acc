#include <csignal>
#include <iostream>

#include "sim/SimulatedPrinter.h"
#include "sim/main/LanSide.h"
#include "sim/main/SimOptions.h"
#include "sim/main/StateDump.h"
#include "sim/BssTcpServer.h"
#include "sim/posix/DescriptorLimit.h"
#include "sim/posix/PtyPrinterServer.h"

namespace {

sigset_t StopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    return signals;
}

int RunSimulator(int argc, char** argv) {
    using namespace lanvane::sim;
    SimOptions options;
    if (const auto exitCode = ParseSimOptions(argc, argv, options)) {
        return *exitCode;
    }
    RaiseDescriptorLimit();
    PrinterState state = DefaultPrinterState(options.layout);
    if (!options.makerName.empty()) {
        state.makerName = options.makerName;
    }
    SimulatedPrinter printer(std::move(state), options.faults);

    // Blocked before the server threads start, so that only sigwait below sees them.
    const sigset_t signals = StopSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    PtyPrinterServer channel(printer);
    channel.PaceAt(options.paceBaud);
    if (!channel.Start(options.linkPath)) {
        std::cerr << "lanvane-printer-sim: cannot open a pseudo-terminal"
                  << (options.linkPath.empty() ? "" : " or place the link " + options.linkPath) << '\n';
        return 1;
    }
    BssTcpServer survey(printer, options.bssAddress, options.bssPort);
    if (options.serveBss && !survey.Start()) {
        std::cerr << "lanvane-printer-sim: cannot listen on " << options.bssAddress << ':'
                  << options.bssPort << '\n';
        return 1;
    }
    LanSide lan(printer, options);
    if (!lan.Start(std::cerr)) {
        return 1;
    }
    std::cout << "channel: " << channel.DevicePath() << '\n';
    if (!channel.LinkPath().empty()) {
        std::cout << "link: " << channel.LinkPath() << '\n';
    }
    if (options.serveBss) {
        std::cout << "bss: " << survey.Address() << ':' << survey.Port() << '\n';
    }
    lan.Describe(std::cout);
    std::cout << std::flush;

    int received = 0;
    sigwait(&signals, &received);
    channel.Stop();
    survey.Stop();
    lan.Stop();
    nlohmann::json dump = StateToJson(printer.State(), printer.History());
    dump["lanPrinters"] = lan.ToJson();
    if (!options.dumpPath.empty() && !WriteStateDump(options.dumpPath, dump)) {
        std::cerr << "lanvane-printer-sim: cannot write " << options.dumpPath << '\n';
        return 1;
    }
    return 0;
}

}  // namespace

// Whatever fails unforeseen ends the program with its reason and status 1, never an abort.
int main(int argc, char** argv) {
    try {
        return RunSimulator(argc, argv);
    } catch (const std::exception& error) {
        std::cerr << "lanvane-printer-sim: " << error.what() << '\n';
    } catch (...) {
        std::cerr << "lanvane-printer-sim: an unknown failure\n";
    }
    return 1;
}
