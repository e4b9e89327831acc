#include "link/PortDevice.h"

#include "link/PrinterPort.h"
#include "link/win32/DeviceIo.h"
#include "link/win32/ExclusiveDevice.h"
#include "link/win32/SystemError.h"

#include <windows.h>

#include <array>
#include <cstdlib>
#include <cstring>

namespace lanvane {

using win32::DeviceIo;
using win32::IoResult;

namespace {

// At most this many reads of kReadLimit bytes drop waiting input, so that a device that
// never runs dry cannot hold a request up.
constexpr int kDropReads = 16;

DeviceIo IoFor(port::DeviceKind kind) {
    return kind == port::DeviceKind::Serial ? DeviceIo::Serial : DeviceIo::Overlapped;
}

bool SetLine(HANDLE handle, std::uint32_t baudRate) {
    DCB line{};
    line.DCBlength = sizeof line;
    if (!GetCommState(handle, &line)) {
        return false;
    }
    line.BaudRate = baudRate;
    line.ByteSize = 8;
    line.Parity = NOPARITY;
    line.StopBits = ONESTOPBIT;
    line.fBinary = TRUE;
    line.fParity = FALSE;
    line.fOutxCtsFlow = TRUE;
    line.fRtsControl = RTS_CONTROL_HANDSHAKE;
    line.fOutxDsrFlow = FALSE;
    line.fDsrSensitivity = FALSE;
    line.fDtrControl = DTR_CONTROL_DISABLE;
    line.fOutX = FALSE;
    line.fInX = FALSE;
    line.fErrorChar = FALSE;
    line.fNull = FALSE;
    line.fAbortOnError = FALSE;
    return SetCommState(handle, &line) != 0;
}

// Set to 1 only by tests that serve a printer on a line without modem control (a
// pseudo-terminal behind a Wine COM port): the lines then read as CTS and DSR on.
bool IgnoringModemLines() {
    const char* value = std::getenv("LANVANE_TEST_IGNORE_MODEM_LINES");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

class SystemModemLines final : public ModemLines {
public:
    bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) override {
        if (IgnoringModemLines()) {
            cts = dsr = true;
            return true;
        }
        DWORD status = 0;
        if (!GetCommModemStatus(handle, &status)) {
            return false;
        }
        cts = (status & MS_CTS_ON) != 0;
        dsr = (status & MS_DSR_ON) != 0;
        return true;
    }

    // The line settings hold DTR off (DTR_CONTROL_DISABLE) from the open on; the driver
    // lowers it when they are set.
    bool ClearDtr(NativeHandle) override { return true; }
};

}  // namespace

std::unique_ptr<ModemLines> MakeSystemModemLines() {
    return std::make_unique<SystemModemLines>();
}

namespace port {

NativeHandle OpenDevice(const std::string& name, DeviceKind kind, LinkError& error) {
    const HANDLE handle = win32::OpenExclusive(name, IoFor(kind), error);
    // Windows answers "access denied" for a COM port that another program holds.
    if (handle == kNoHandle && kind == DeviceKind::Serial && error.kind == LinkFailure::PermissionDenied) {
        error.kind = LinkFailure::Busy;
    }
    return handle;
}

void CloseDevice(NativeHandle handle) {
    win32::CloseExclusive(handle);
}

LinkError ConfigureSerialLine(NativeHandle handle, std::uint32_t baudRate, const std::string& portName) {
    if (!SetLine(handle, baudRate)) {
        return {LinkFailure::NotADevice, "open", portName, "not a serial port"};
    }
    return {};
}

LinkError PurgeSerialLine(NativeHandle handle, const std::string& portName) {
    if (!PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR)) {
        return win32::LastSystemError("open", portName);
    }
    return {};
}

std::size_t DropWaitingInput(NativeHandle handle, DeviceKind kind) {
    if (kind == DeviceKind::Serial) {
        return win32::DropSerialInput(handle).bytes;
    }
    std::array<std::uint8_t, CPrinterPort::kReadLimit> scrap{};
    std::size_t dropped = 0;
    for (int reads = 0; reads < kDropReads; ++reads) {
        const std::size_t got = win32::ReadWaiting(handle, scrap.data(), scrap.size()).bytes;
        if (got == 0) {
            break;
        }
        dropped += got;
    }
    return dropped;
}

Transfer ReadBurst(NativeHandle handle, DeviceKind kind, std::uint8_t* buffer, std::size_t capacity,
                   std::chrono::milliseconds firstWait, std::chrono::milliseconds gap, const ReplyWhole& whole,
                   const std::string& portName) {
    const IoResult got = win32::ReadBurst(handle, IoFor(kind), buffer, capacity, firstWait, gap, whole);
    if (got.bytes == 0 && got.error != 0) {
        return {0, win32::SystemError("read", portName, got.error)};
    }
    return {got.bytes, {}};
}

Transfer WriteWithin(NativeHandle handle, DeviceKind kind, const std::uint8_t* data, std::size_t length,
                     std::chrono::milliseconds limit, const std::string& portName) {
    const IoResult put = win32::WriteWithin(handle, IoFor(kind), data, length, limit);
    if (put.error != 0) {
        return {put.bytes, win32::SystemError("write", portName, put.error)};
    }
    return {put.bytes, {}};
}

}  // namespace port
}  // namespace lanvane
