#include "link/InterruptRelease.h"

#include "link/win32/ExclusiveDevice.h"

#include <windows.h>

#include <atomic>
#include <cstring>

namespace lanvane {
namespace {

std::atomic<const char*> program{"lanvane"};
std::atomic<const char*> notice{nullptr};
std::atomic<const char*> outputOpening{nullptr};
std::atomic<const char*> outputClosing{nullptr};

void Put(DWORD stream, const char* text) {
    DWORD written = 0;
    WriteFile(GetStdHandle(stream), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
}

// The same exit codes as the signals of the other systems: Ctrl-C and Ctrl-Break count as
// SIGINT (130), a closed console as SIGHUP (129), logoff and shutdown as SIGTERM (143).
struct Interruption {
    const char* name;
    UINT exitCode;
};

Interruption InterruptionOf(DWORD event) {
    switch (event) {
        case CTRL_C_EVENT: return {"Ctrl-C", 130};
        case CTRL_BREAK_EVENT: return {"Ctrl-Break", 130};
        case CTRL_CLOSE_EVENT: return {"closing the console", 129};
        default: return {"the end of the session", 143};
    }
}

void SayWhatWasCut(DWORD stream, const Interruption& interruption) {
    Put(stream, "interrupted by ");
    Put(stream, interruption.name);
    if (const char* work = notice.load()) {
        Put(stream, " while ");
        Put(stream, work);
    }
}

// Runs on a thread of its own while the program's work may go on.
BOOL WINAPI OnInterrupt(DWORD event) {
    win32::ReleaseHeldDevices();
    const Interruption interruption = InterruptionOf(event);
    Put(STD_ERROR_HANDLE, program.load());
    Put(STD_ERROR_HANDLE, ": ");
    SayWhatWasCut(STD_ERROR_HANDLE, interruption);
    Put(STD_ERROR_HANDLE, "\n");
    if (const char* opening = outputOpening.load()) {
        Put(STD_OUTPUT_HANDLE, opening);
        SayWhatWasCut(STD_OUTPUT_HANDLE, interruption);
        Put(STD_OUTPUT_HANDLE, outputClosing.load());
    }
    ExitProcess(interruption.exitCode);
}

}  // namespace

void ReleaseDevicesOnInterrupt(const char* programName) {
    program.store(programName);
    SetConsoleCtrlHandler(OnInterrupt, TRUE);
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
