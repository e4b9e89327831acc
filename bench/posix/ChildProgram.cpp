#include "bench/posix/ChildProgram.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <thread>

namespace lanvane::bench {
namespace {

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kStopGrace{3000};
constexpr std::chrono::milliseconds kReapPoll{5};

int Remaining(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

}  // namespace

ChildProgram::ChildProgram(const std::vector<std::string>& arguments,
                           const std::map<std::string, std::string>& environment) {
    int pipeEnds[2];
    if (arguments.empty() || pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return;
    }
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        dup2(nowhere, STDERR_FILENO);
        for (const auto& [name, value] : environment) {
            setenv(name.c_str(), value.c_str(), 1);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    close(pipeEnds[1]);
    output_ = pipeEnds[0];
}

ChildProgram::~ChildProgram() {
    if (pid_ > 0) {
        Stop();
    }
    if (output_ >= 0) {
        close(output_);
    }
}

bool ChildProgram::ReadSome(Clock::time_point deadline) {
    pollfd waited{output_, POLLIN, 0};
    if (poll(&waited, 1, Remaining(deadline)) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t count = read(output_, buffer, sizeof buffer);
    if (count <= 0) {
        return false;
    }
    pending_.append(buffer, static_cast<std::size_t>(count));
    return true;
}

std::optional<std::string> ChildProgram::LineStartingWith(const std::string& prefix, std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    for (;;) {
        for (std::size_t end; (end = pending_.find('\n')) != std::string::npos;) {
            const std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            if (line.starts_with(prefix)) {
                return line.substr(prefix.size());
            }
        }
        if (!ReadSome(deadline)) {
            return std::nullopt;
        }
    }
}

std::optional<std::string> ChildProgram::OutputUntilEnd(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (ReadSome(deadline)) {
    }
    if (!Reap(deadline)) {
        return std::nullopt;
    }
    return std::move(pending_);
}

bool ChildProgram::Reap(Clock::time_point deadline) {
    for (;;) {
        int status = 0;
        rusage usage{};
        const pid_t ended = wait4(pid_, &status, WNOHANG, &usage);
        if (ended == pid_) {
            status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            peakKilobytes_ = usage.ru_maxrss;
            pid_ = -1;
            return true;
        }
        if (ended < 0 || Clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(kReapPoll);
    }
}

int ChildProgram::Stop() {
    if (pid_ <= 0) {
        return status_;
    }
    kill(pid_, SIGTERM);
    if (!Reap(Clock::now() + kStopGrace)) {
        kill(pid_, SIGKILL);
        Reap(Clock::now() + kStopGrace);
        status_ = -1;
    }
    return status_;
}

TimedRun RunTimed(const std::vector<std::string>& arguments, std::chrono::milliseconds limit,
                  const std::map<std::string, std::string>& environment) {
    const auto start = Clock::now();
    ChildProgram program(arguments, environment);
    TimedRun run;
    const auto output = program.OutputUntilEnd(limit);
    run.elapsed = Clock::now() - start;
    run.status = output ? program.Status() : -1;
    run.output = output.value_or("");
    run.peakKilobytes = program.PeakKilobytes();
    return run;
}

}  // namespace lanvane::bench
