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
std::atomic<const char*> outputOpening{nullptr};
std::atomic<const char*> outputClosing{nullptr};

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT: return "SIGINT";
        case SIGTERM: return "SIGTERM";
        default: return "SIGHUP";
    }
}

void Put(int stream, const char* text) {
    // Nothing is left to do when the stream is gone.
    [[maybe_unused]] const ssize_t written = write(stream, text, std::strlen(text));
}

void SayWhatWasCut(int stream, int signal) {
    Put(stream, "interrupted by ");
    Put(stream, SignalName(signal));
    if (const char* work = notice.load()) {
        Put(stream, " while ");
        Put(stream, work);
    }
}

// Only calls that are safe in a signal handler.
void OnInterrupt(int signal) {
    posix::ReleaseHeldDevices();
    Put(STDERR_FILENO, program.load());
    Put(STDERR_FILENO, ": ");
    SayWhatWasCut(STDERR_FILENO, signal);
    Put(STDERR_FILENO, "\n");
    if (const char* opening = outputOpening.load()) {
        Put(STDOUT_FILENO, opening);
        SayWhatWasCut(STDOUT_FILENO, signal);
        Put(STDOUT_FILENO, outputClosing.load());
    }
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

void ReportInterruptOnOutput(const char* opening, const char* closing) {
    outputClosing.store(closing);
    outputOpening.store(opening);
}

InterruptNotice::InterruptNotice(const char* text) : previous_(notice.exchange(text)) {}

InterruptNotice::~InterruptNotice() {
    notice.store(previous_);
}

}  // namespace lanvane
