#include "link/InterruptRelease.h"

#include "link/posix/ExclusiveDevice.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cstring>

namespace lanvane {
namespace {

std::atomic<const char*> program{"lanvane"};
std::atomic<const char*> notice{nullptr};

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

void Say(const char* text) {
    // Nothing is left to do when the standard error is gone.
    [[maybe_unused]] const ssize_t written = write(STDERR_FILENO, text, std::strlen(text));
}

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT: return "SIGINT";
        case SIGTERM: return "SIGTERM";
        default: return "SIGHUP";
    }
}

// Only calls that are safe in a signal handler.
void OnInterrupt(int signal) {
    posix::ReleaseHeldDevices();
    Say(program.load());
    Say(": interrupted by ");
    Say(SignalName(signal));
    if (const char* work = notice.load()) {
        Say(" while ");
        Say(work);
    }
    Say("\n");
    _exit(128 + signal);
}

}  // namespace

void ReleaseDevicesOnInterrupt(const char* programName) {
    program.store(programName);
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    for (const int signal : kInterruptSignals) {
        sigaddset(&action.sa_mask, signal);
    }
    for (const int signal : kInterruptSignals) {
        sigaction(signal, &action, nullptr);
    }
}

InterruptNotice::InterruptNotice(const char* text) : previous_(notice.exchange(text)) {}

InterruptNotice::~InterruptNotice() {
    notice.store(previous_);
}

}  // namespace lanvane
