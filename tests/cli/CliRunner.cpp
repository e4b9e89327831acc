#include "CliRunner.h"

namespace lanvane::cli::test {

CliRun RunCli(const std::vector<std::string>& arguments, ReadWaits waits, std::chrono::milliseconds limit,
              Interruption interruption) {
    std::vector<std::string> line = {LANVANE_CLI, "--attempts", std::to_string(waits.attempts),
                                     "--attempt-wait-ms", std::to_string(waits.attemptWaitMs),
                                     "--burst-gap-ms", std::to_string(waits.burstGapMs)};
    line.insert(line.end(), arguments.begin(), arguments.end());
    return lanvane::test::RunProgram(std::move(line), limit, std::move(interruption));
}

}  // namespace lanvane::cli::test
