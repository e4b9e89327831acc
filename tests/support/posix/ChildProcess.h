#pragma once

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace lanvane::test {

// What one run of a program gave.
struct ProgramRun {
    int status = -1;  // exit status; -1 when it could not start or had to be stopped
    std::string out;
    std::string err;
};

// A signal for the run, sent once `when` turns true (polled every few milliseconds).
struct Interruption {
    int signal = 0;
    std::function<bool()> when;
};

// Runs arguments[0] (looked for on PATH unless it holds a slash) with the rest as its
// arguments, collecting both output streams; a run that does not end within `limit` is
// killed.
ProgramRun RunProgram(std::vector<std::string> arguments, std::chrono::milliseconds limit,
                      Interruption interruption = {});

}  // namespace lanvane::test
