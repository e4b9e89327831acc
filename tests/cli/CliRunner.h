#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "tests/support/posix/ChildProcess.h"

namespace lanvane::cli::test {

using CliRun = lanvane::test::ProgramRun;
using lanvane::test::Interruption;

// The waits a run of lanvane-cli gets for each read: long enough for a printer that
// answers, short enough that a silent one ends the run in good time.
struct ReadWaits {
    int attempts = 2;
    int attemptWaitMs = 1000;
    int burstGapMs = 30;  // the simulator writes each burst at once
};

// What a run gets besides its arguments: its standard input, a command that starts it in
// another way (as another user), and a shell redirection of its standard output instead of
// the collected one ("> /dev/full", ">&-").
struct RunSetting {
    std::string input;
    std::vector<std::string> launcher;
    std::string outputRedirection;
};

// Runs the built lanvane-cli with `arguments` and the waits, collecting both output
// streams; a run that does not end within `limit` is killed.
CliRun RunCli(const std::vector<std::string>& arguments, ReadWaits waits = {},
              std::chrono::milliseconds limit = std::chrono::milliseconds(10000), Interruption interruption = {},
              const RunSetting& setting = {});

}  // namespace lanvane::cli::test
