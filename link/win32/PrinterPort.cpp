#include "link/PrinterPort.h"

#include "link/LineReadiness.h"
#include "link/win32/DeviceIo.h"
#include "link/win32/ExclusiveDevice.h"
#include "link/win32/SystemError.h"

#include <windows.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace lanvane {

using win32::DeviceIo;
using win32::IoResult;

namespace {

// Sets the printer's line: the given speed, 8 data bits, no parity, one stop bit,
// RTS/CTS handshake, DTR off, no XON/XOFF, raw bytes.
bool ConfigureSerialLine(HANDLE handle, std::uint32_t baudRate) {
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

// Drops whatever waits in the input and output queues.
bool PurgeSerialLine(HANDLE handle) {
    return PurgeComm(handle, PURGE_RXABORT | PURGE_RXCLEAR | PURGE_TXABORT | PURGE_TXCLEAR) != 0;
}

class SystemModemLines final : public ModemLines {
public:
    bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) override {
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

// Set to 1 only by tests that serve a printer on a line without modem control (a
// pseudo-terminal behind a Wine COM port): the open then skips the CTS and DSR check.
bool IgnoringModemLines() {
    const char* value = std::getenv("LANVANE_TEST_IGNORE_MODEM_LINES");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

// Makes the open device the printer's line: its settings, DTR off, the printer present and
// ready, nothing left over from before. Returns why it cannot be.
LinkError PrepareSerialLine(HANDLE handle, std::uint32_t baudRate, ModemLines& lines, const std::string& portName) {
    if (!ConfigureSerialLine(handle, baudRate)) {
        return {LinkFailure::NotADevice, "open", portName, "not a serial port"};
    }
    if (!lines.ClearDtr(handle)) {
        return {LinkFailure::NotADevice, "open", portName, "it has no modem lines, so it is no serial port"};
    }
    if (!IgnoringModemLines()) {
        if (LinkError notReady = CheckLineReady(lines, handle, portName); notReady.Failed()) {
            return notReady;
        }
    }
    if (!PurgeSerialLine(handle)) {
        return win32::LastSystemError("open", portName);
    }
    return {};
}

// At most this many reads drop waiting input at an open, so that a device that never
// runs dry cannot hold the open up.
constexpr int kDiscardReads = 16;

// Input that waited before the open belongs to an earlier command (a late reply to an
// interrupted one); it must not pass for the answer to this one.
void DiscardWaitingInput(HANDLE handle) {
    std::array<std::uint8_t, CPrinterPort::kReadLimit> scrap{};
    for (int reads = 0; reads < kDiscardReads; ++reads) {
        if (win32::ReadWaiting(handle, scrap.data(), scrap.size()).bytes == 0) {
            return;
        }
    }
}

}  // namespace

bool CPrinterPort::OpenComPort() {
    HANDLE handle = win32::OpenExclusive(portName_, DeviceIo::Serial, lastError_);
    if (handle == kNoHandle) {
        // Windows answers "access denied" for a COM port that another program holds.
        if (lastError_.kind == LinkFailure::PermissionDenied) {
            lastError_.kind = LinkFailure::Busy;
        }
        return false;
    }
    lastError_ = PrepareSerialLine(handle, baudRate_, *modemLines_, portName_);
    if (lastError_.Failed()) {
        win32::CloseExclusive(handle);
        return false;
    }
    handle_ = handle;
    return true;
}

bool CPrinterPort::OpenUsbDevice() {
    handle_ = win32::OpenExclusive(portName_, DeviceIo::Overlapped, lastError_);
    if (handle_ == kNoHandle) {
        return false;
    }
    DiscardWaitingInput(handle_);
    return true;
}

void CPrinterPort::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (!usbDevice_) {
        modemLines_->ClearDtr(handle_);
        PurgeSerialLine(handle_);
    }
    ReleaseDevice();
}

void CPrinterPort::ReleaseDevice() {
    if (handle_ != kNoHandle) {
        win32::CloseExclusive(handle_);
        handle_ = kNoHandle;
    }
}

bool CPrinterPort::Read(std::uint8_t* buffer, std::size_t capacity, std::size_t& count) {
    count = 0;
    if (!open_) {
        Fail(LinkFailure::IoError, "read", "the port is not open");
        return false;
    }
    const DeviceIo io = usbDevice_ ? DeviceIo::Overlapped : DeviceIo::Serial;
    std::array<std::uint8_t, kReadLimit> burst{};
    for (int attempt = 0; attempt < timings_.attempts; ++attempt) {
        const IoResult got =
            win32::ReadBurst(handle_, io, burst.data(), burst.size(), timings_.attemptWait, timings_.burstGap);
        if (got.bytes > 0) {
            count = std::min(got.bytes, capacity);
            std::copy_n(burst.data(), count, buffer);
            return count > 0;
        }
        if (got.error != 0) {
            lastError_ = win32::SystemError("read", portName_, got.error);
            return false;
        }
    }
    Fail(LinkFailure::TimedOut, "read", "no reply");
    return false;
}

std::size_t CPrinterPort::Write(const std::uint8_t* buffer, std::size_t length) {
    if (!open_) {
        Fail(LinkFailure::IoError, "write", "the port is not open");
        return 0;
    }
    const DeviceIo io = usbDevice_ ? DeviceIo::Overlapped : DeviceIo::Serial;
    const IoResult put = win32::WriteWithin(handle_, io, buffer, length, WriteLimit(length));
    if (put.error != 0) {
        lastError_ = win32::SystemError("write", portName_, put.error);
    } else if (put.bytes < length) {
        Fail(LinkFailure::TimedOut, "write", "the device did not take the data in time");
    }
    return put.bytes;
}

std::unique_ptr<ModemLines> MakeSystemModemLines() {
    return std::make_unique<SystemModemLines>();
}

}  // namespace lanvane
