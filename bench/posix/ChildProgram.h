#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace lanvane::bench {

// A program the benchmark starts: its standard output comes back through a pipe, its
// messages on standard error go nowhere (the rows say what failed). Stopped with SIGTERM (then SIGKILL) when destroyed.
class ChildProgram {
public:
    // Starts `arguments` (the program's path first) with `environment` added to ours.
    explicit ChildProgram(const std::vector<std::string>& arguments,
                          const std::map<std::string, std::string>& environment = {});
    ~ChildProgram();
    ChildProgram(const ChildProgram&) = delete;
    ChildProgram& operator=(const ChildProgram&) = delete;

    bool Started() const { return pid_ > 0; }
    // The rest of the first output line that starts with `prefix`, read within `limit`.
    std::optional<std::string> LineStartingWith(const std::string& prefix, std::chrono::milliseconds limit);
    // Everything it writes until it ends, within `limit`; nothing when it does not end.
    std::optional<std::string> OutputUntilEnd(std::chrono::milliseconds limit);
    // SIGTERM, then waits for the end; the exit status, -1 when it had to be killed.
    int Stop();
    // After it ended: its exit status and the most memory it held (kilobytes).
    int Status() const { return status_; }
    long PeakKilobytes() const { return peakKilobytes_; }

private:
    bool ReadSome(std::chrono::steady_clock::time_point deadline);
    bool Reap(std::chrono::steady_clock::time_point deadline);

    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
    int status_ = -1;
    long peakKilobytes_ = 0;
};

// Runs a program to its end and times it from start to end.
struct TimedRun {
    int status = -1;
    std::chrono::duration<double, std::milli> elapsed{};
    std::string output;
    long peakKilobytes = 0;
};
TimedRun RunTimed(const std::vector<std::string>& arguments, std::chrono::milliseconds limit,
                  const std::map<std::string, std::string>& environment = {});

}  // namespace lanvane::bench
