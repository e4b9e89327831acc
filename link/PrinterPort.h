#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"
#include "link/PrinterPortLike.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <utility>

namespace lanvane {

// The waits of the printer port. The defaults are the line's own; tests shorten them.
struct PortTimings {
    // A read gives up after this many attempts without a byte.
    int attempts = 20;
    // How long one attempt waits for the first byte of a reply.
    std::chrono::milliseconds attemptWait{3000};
    // A burst of reply bytes ends when the line stays quiet this long (or at the reply's
    // own end, where it has one).
    std::chrono::milliseconds burstGap{100};
    // A reply whose frame is still incomplete when a burst ends waits this long for its
    // rest; each further burst counts as an attempt.
    std::chrono::milliseconds joinWait{1000};
    // A write of n bytes to a COM port gives up after n * writePerByte + writeConstant.
    std::chrono::milliseconds writePerByte{500};
    std::chrono::milliseconds writeConstant{5};
    // A USB printer takes data only as fast as it can handle it, and a busy one may hold
    // a write for seconds; a write to a USB device gives up only after this long.
    std::chrono::milliseconds usbWriteLimit{30000};
};

// The modem control lines of a serial port. The printer signals presence and readiness
// on CTS and DSR; DTR is kept off. Kept behind an interface because lines that have no
// modem control (pseudo-terminals) must still be testable as serial ports.
class ModemLines {
public:
    virtual ~ModemLines() = default;

    // False when the line states cannot be read.
    virtual bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) = 0;
    virtual bool ClearDtr(NativeHandle handle) = 0;
};

// The modem lines of the real device, through the operating system.
std::unique_ptr<ModemLines> MakeSystemModemLines();

// The byte channel to a printer: a serial (COM) port or a USB printer device, opened
// by name for exclusive use. The configuration window chooses the kind and the name,
// then opens and closes it; the exchanges read and write through it.
class CPrinterPort : public PrinterPortLike {
public:
    static constexpr std::uint32_t kDefaultBaudRate = 115200;
    // One read takes at most this many bytes of a burst off the line.
    static constexpr std::size_t kReadLimit = 4096;

    CPrinterPort();
    CPrinterPort(PortTimings timings, std::unique_ptr<ModemLines> modemLines);
    ~CPrinterPort() override;

    CPrinterPort(const CPrinterPort&) = delete;
    CPrinterPort& operator=(const CPrinterPort&) = delete;

    // Opens the device named by the port name, as a USB device when the USB flag is set,
    // else as a serial port. Only a character device is opened; input that was waiting
    // already is dropped. An open port stays as it is and reports success.
    bool Open() override;
    // Releases the device; harmless on a closed port.
    void Close() override;
    bool IsOpen() const override { return open_; }

    // Waits for the first burst of a reply and stores as many of its bytes as `buffer` holds;
    // the rest of that burst is dropped so that it cannot pass for the next reply.
    bool Read(std::span<std::uint8_t> buffer, std::size_t& count) override;
    // Takes the reply the moment its frame is whole; a burst without the frame's end still
    // ends at the burst gap and, while the frame is incomplete, waits for the next burst.
    bool ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) override;
    // Drops the input left from earlier replies, then writes all the bytes unless the
    // write time-out or a device error ends it first. Returns the number of bytes written,
    // 0 when none could be.
    std::size_t Write(std::span<const std::uint8_t> bytes) override;
    std::size_t DroppedBytes() const override { return dropped_; }

    // Why the last failed open, read or write failed.
    LinkError LastError() const override { return lastError_; }

    void SetUsbDevice(bool usbDevice) override { usbDevice_ = usbDevice; }
    void SetPortName(std::string portName) override { portName_ = std::move(portName); }
    std::uint32_t BaudRate() const { return baudRate_; }

private:
    bool OpenComPort();
    bool OpenUsbDevice();
    void ReleaseDevice();
    // Joins bursts into `joined` until the frame of `kind` is whole or the bounds end it.
    // Returns the bytes joined; `error` tells why none came when the device failed.
    std::size_t ReadFrameBursts(ReplyKind kind, std::span<std::uint8_t> joined, LinkError& error);
    std::chrono::milliseconds WriteLimit(std::size_t length) const;
    void Fail(LinkFailure kind, const char* operation, std::string reason);

    std::uint32_t baudRate_ = kDefaultBaudRate;
    std::string portName_ = "COM1";
    bool usbDevice_ = false;
    NativeHandle handle_ = kNoHandle;
    bool open_ = false;
    PortTimings timings_;
    std::unique_ptr<ModemLines> modemLines_;
    LinkError lastError_;
    std::size_t dropped_ = 0;
};

}  // namespace lanvane
