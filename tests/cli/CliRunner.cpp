#include "CliRunner.h"

#include "tests/support/posix/TempDir.h"

namespace lanvane::cli::test {

// The input comes from a file through a shell that then becomes lanvane-cli, so that a
// signal sent to the run reaches lanvane-cli itself.
CliRun RunCli(const std::vector<std::string>& arguments, ReadWaits waits, std::chrono::milliseconds limit,
              Interruption interruption, const RunSetting& setting) {
    const lanvane::test::TempDir dir;
    const std::string input = setting.input.empty() ? "/dev/null" : dir.WriteFile("input", setting.input);
    std::vector<std::string> line = setting.launcher;
    line.insert(line.end(), {"sh", "-c", "exec \"$@\" < \"$0\" " + setting.outputRedirection, input, LANVANE_CLI, "--attempts",
                             std::to_string(waits.attempts), "--attempt-wait-ms", std::to_string(waits.attemptWaitMs),
                             "--burst-gap-ms", std::to_string(waits.burstGapMs)});
    line.insert(line.end(), arguments.begin(), arguments.end());
    return lanvane::test::RunProgram(line, limit, std::move(interruption));
}

}  // namespace lanvane::cli::test
