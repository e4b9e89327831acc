#include "link/InterruptRelease.h"

#include "link/InterruptReport.h"
#include "link/posix/ExclusiveDevice.h"

#include <signal.h>
#include <unistd.h>

#include <cstring>

namespace lanvane {
namespace {

constexpr int kInterruptSignals[] = {SIGINT, SIGTERM, SIGHUP};

const char* SignalName(int signal) {
    switch (signal) {
        case SIGINT: return "SIGINT";
        case SIGTERM: return "SIGTERM";
        default: return "SIGHUP";
    }
}

void Put(interrupt_report::Stream stream, const char* text) {
    const int descriptor = stream == interrupt_report::Stream::Error ? STDERR_FILENO : STDOUT_FILENO;
    // Nothing is left to do when the stream is gone.
    [[maybe_unused]] const ssize_t written = write(descriptor, text, std::strlen(text));
}

// Only calls that are safe in a signal handler.
void OnInterrupt(int signal) {
    posix::ReleaseHeldDevices();
    interrupt_report::Say(SignalName(signal), Put);
    _exit(128 + signal);
}

}  // namespace

void ReleaseDevicesOnInterrupt(const char* programName) {
    interrupt_report::SetProgramName(programName);
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

}  // namespace lanvane
