#include "tests/support/posix/ChildProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>

extern char** environ;

namespace lanvane::test {
namespace {

using Clock = std::chrono::steady_clock;

struct Pipe {
    int read = -1;
    int write = -1;
};

Pipe MakePipe() {
    int ends[2] = {-1, -1};
    if (pipe2(ends, O_CLOEXEC) != 0) {
        return {};
    }
    return {ends[0], ends[1]};
}

pid_t Spawn(std::vector<std::string>& arguments, const Pipe& out, const Pipe& err) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out.write, STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err.write, STDERR_FILENO);
    std::vector<char*> argv;
    for (std::string& argument : arguments) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

constexpr int kInterruptionCheckMs = 10;

// Reads both streams until both ended or the deadline passed; false on the deadline. The
// interruption is sent on the way, once its moment has come.
bool Collect(int outFd, int errFd, ProgramRun& run, Clock::time_point deadline, pid_t pid,
             Interruption& interruption) {
    std::array<pollfd, 2> streams = {pollfd{outFd, POLLIN, 0}, pollfd{errFd, POLLIN, 0}};
    std::array<std::string*, 2> texts = {&run.out, &run.err};
    int open = 2;
    while (open > 0) {
        if (interruption.signal != 0 && interruption.when()) {
            kill(pid, interruption.signal);
            interruption.signal = 0;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        const int wait = interruption.signal != 0 ? std::min<int>(kInterruptionCheckMs, static_cast<int>(left.count()))
                                                  : static_cast<int>(left.count());
        const int ready = left.count() <= 0 ? -1 : poll(streams.data(), streams.size(), wait);
        if (ready < 0 || (ready == 0 && interruption.signal == 0)) {
            return false;
        }
        for (std::size_t index = 0; index < streams.size(); ++index) {
            if (streams[index].fd < 0 || streams[index].revents == 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t count = read(streams[index].fd, buffer, sizeof buffer);
            if (count > 0) {
                texts[index]->append(buffer, static_cast<std::size_t>(count));
            } else {
                streams[index].fd = -1;
                --open;
            }
        }
    }
    return true;
}

}  // namespace

ProgramRun RunProgram(std::vector<std::string> arguments, std::chrono::milliseconds limit,
                      Interruption interruption) {
    ProgramRun run;
    const Pipe out = MakePipe();
    const Pipe err = MakePipe();
    const pid_t pid = Spawn(arguments, out, err);
    close(out.write);
    close(err.write);
    const bool ended = pid > 0 && Collect(out.read, err.read, run, Clock::now() + limit, pid, interruption);
    close(out.read);
    close(err.read);
    if (pid <= 0) {
        return run;
    }
    if (!ended) {
        kill(pid, SIGKILL);
    }
    int status = 0;
    waitpid(pid, &status, 0);
    run.status = ended && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

}  // namespace lanvane::test
