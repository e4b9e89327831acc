#include "link/InterruptRelease.h"

#include "link/InterruptReport.h"
#include "link/win32/ExclusiveDevice.h"

#include <windows.h>

#include <cstring>

namespace lanvane {
namespace {

void Put(interrupt_report::Stream stream, const char* text) {
    const DWORD handle = stream == interrupt_report::Stream::Error ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE;
    DWORD written = 0;
    WriteFile(GetStdHandle(handle), text, static_cast<DWORD>(std::strlen(text)), &written, nullptr);
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

// Runs on a thread of its own while the program's work may go on.
BOOL WINAPI OnInterrupt(DWORD event) {
    win32::ReleaseHeldDevices();
    const Interruption interruption = InterruptionOf(event);
    interrupt_report::Say(interruption.name, Put);
    ExitProcess(interruption.exitCode);
}

}  // namespace

void ReleaseDevicesOnInterrupt(const char* programName) {
    interrupt_report::SetProgramName(programName);
    SetConsoleCtrlHandler(OnInterrupt, TRUE);
}

}  // namespace lanvane
