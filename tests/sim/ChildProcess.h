#pragma once

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "PosixTestIo.h"

extern char** environ;

namespace lanvane::sim::test {

// A program run as a child process with its standard output on a pipe; killed when still
// running at the end.
class ChildProcess {
public:
    ChildProcess(const std::string& program, std::vector<std::string> arguments) {
        int output[2];
        if (pipe2(output, O_CLOEXEC) != 0) {
            return;
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
        arguments.insert(arguments.begin(), program);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            pid_ = -1;
        }
        posix_spawn_file_actions_destroy(&actions);
        close(output[1]);
        output_ = output[0];
    }

    ~ChildProcess() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (output_ >= 0) {
            close(output_);
        }
    }

    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Standard output until the line that holds `marker` ended, the output ended or a
    // second passed without output.
    std::string OutputUntil(const std::string& marker) {
        while (!HasLineWith(marker) && ReadMore(std::chrono::milliseconds(1000))) {
        }
        return text_;
    }

    // Standard output until it ended or `limit` passed without output.
    std::string OutputUntilEnd(std::chrono::milliseconds limit) {
        while (ReadMore(limit)) {
        }
        return text_;
    }

    // Sends `signal` and returns the exit status, or -1 when the process did not end in time.
    int StopWith(int signal) {
        kill(pid_, signal);
        return Wait();
    }

    int Wait() {
        for (int attempt = 0; attempt < 200; ++attempt) {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_) {
                pid_ = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    bool Running() const { return pid_ > 0; }

private:
    bool HasLineWith(const std::string& marker) const {
        const std::size_t at = text_.find(marker);
        return at != std::string::npos && text_.find('\n', at) != std::string::npos;
    }

    bool ReadMore(std::chrono::milliseconds limit) {
        const Bytes more = ReadFor(output_, 1, limit);
        text_.append(more.begin(), more.end());
        return !more.empty();
    }

    pid_t pid_ = -1;
    int output_ = -1;
    std::string text_;
};

}  // namespace lanvane::sim::test
