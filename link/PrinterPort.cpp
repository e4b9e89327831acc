#include "link/PrinterPort.h"

#include "link/LineReadiness.h"
#include "link/PortDevice.h"

#include <algorithm>
#include <array>
#include <utility>

namespace lanvane {

using port::DeviceKind;

namespace {

DeviceKind KindOf(bool usbDevice) {
    return usbDevice ? DeviceKind::Usb : DeviceKind::Serial;
}

// Makes the open device the printer's line: its settings, DTR off, the printer present and
// ready, nothing left over from before. Returns why it cannot be.
LinkError PrepareSerialLine(NativeHandle handle, std::uint32_t baudRate, ModemLines& lines,
                            const std::string& portName) {
    if (LinkError unset = port::ConfigureSerialLine(handle, baudRate, portName); unset.Failed()) {
        return unset;
    }
    if (!lines.ClearDtr(handle)) {
        return {LinkFailure::NotADevice, "open", portName, "it has no modem lines, so it is no serial port"};
    }
    if (LinkError notReady = CheckLineReady(lines, handle, portName); notReady.Failed()) {
        return notReady;
    }
    return port::PurgeSerialLine(handle, portName);
}

}  // namespace

CPrinterPort::CPrinterPort() : CPrinterPort(PortTimings{}, MakeSystemModemLines()) {}

CPrinterPort::CPrinterPort(PortTimings timings, std::unique_ptr<ModemLines> modemLines)
    : timings_(timings), modemLines_(std::move(modemLines)) {}

CPrinterPort::~CPrinterPort() {
    ReleaseDevice();
}

bool CPrinterPort::Open() {
    if (open_) {
        return true;
    }
    lastError_ = {};
    open_ = usbDevice_ ? OpenUsbDevice() : OpenComPort();
    return open_;
}

bool CPrinterPort::OpenComPort() {
    const NativeHandle handle = port::OpenDevice(portName_, DeviceKind::Serial, lastError_);
    if (handle == kNoHandle) {
        return false;
    }
    lastError_ = PrepareSerialLine(handle, baudRate_, *modemLines_, portName_);
    if (lastError_.Failed()) {
        port::CloseDevice(handle);
        return false;
    }
    handle_ = handle;
    return true;
}

bool CPrinterPort::OpenUsbDevice() {
    handle_ = port::OpenDevice(portName_, DeviceKind::Usb, lastError_);
    if (handle_ == kNoHandle) {
        return false;
    }
    // Input that waited before the open belongs to an earlier command (a late reply to an
    // interrupted one); it must not pass for the answer to this one.
    port::DropWaitingInput(handle_, DeviceKind::Usb);
    return true;
}

void CPrinterPort::Close() {
    if (!open_) {
        return;
    }
    open_ = false;
    if (!usbDevice_) {
        modemLines_->ClearDtr(handle_);
        port::PurgeSerialLine(handle_, portName_);
    }
    ReleaseDevice();
}

void CPrinterPort::ReleaseDevice() {
    if (handle_ != kNoHandle) {
        port::CloseDevice(handle_);
        handle_ = kNoHandle;
    }
}

bool CPrinterPort::Read(std::span<std::uint8_t> buffer, std::size_t& count) {
    count = 0;
    if (!open_) {
        Fail(LinkFailure::IoError, "read", "the port is not open");
        return false;
    }
    std::array<std::uint8_t, kReadLimit> burst{};
    const port::ReplyWhole silenceOnly = [](std::size_t) { return false; };
    for (int attempt = 0; attempt < timings_.attempts; ++attempt) {
        const port::Transfer got = port::ReadBurst(handle_, KindOf(usbDevice_), burst.data(), burst.size(), timings_.attemptWait,
                                                   timings_.burstGap, silenceOnly, portName_);
        if (got.bytes > 0) {
            count = std::min(got.bytes, buffer.size());
            std::copy_n(burst.begin(), count, buffer.begin());
            return count > 0;
        }
        if (got.error.Failed()) {
            lastError_ = got.error;
            return false;
        }
    }
    Fail(LinkFailure::TimedOut, "read", "no reply");
    return false;
}

bool CPrinterPort::ReadReply(ReplyKind kind, std::span<std::uint8_t> buffer, std::size_t& count) {
    count = 0;
    if (!open_) {
        Fail(LinkFailure::IoError, "read", "the port is not open");
        return false;
    }
    std::array<std::uint8_t, kReplyLimit> joined{};
    LinkError failure;
    const std::size_t size = ReadFrameBursts(kind, joined, failure);
    if (size == 0) {
        lastError_ = failure.Failed() ? failure : LinkError{LinkFailure::TimedOut, "read", portName_, "no reply"};
        return false;
    }
    dropped_ += StoreReplyFrame(kind, std::span(joined).first(size), buffer, count);
    return count > 0;
}

std::size_t CPrinterPort::ReadFrameBursts(ReplyKind kind, std::span<std::uint8_t> joined, LinkError& error) {
    std::size_t size = 0;
    const port::ReplyWhole whole = [&](std::size_t burstBytes) {
        return FindReplyFrame(kind, joined.first(size + burstBytes)).whole;
    };
    for (int attempt = 0; attempt < timings_.attempts && size < joined.size(); ++attempt) {
        const auto wait = size == 0 ? timings_.attemptWait : timings_.joinWait;
        const auto room = joined.subspan(size);
        const port::Transfer got =
            port::ReadBurst(handle_, KindOf(usbDevice_), room.data(), room.size(), wait, timings_.burstGap, whole, portName_);
        if (got.error.Failed() && size == 0) {
            error = got.error;
            return 0;
        }
        const bool restCame = got.bytes > 0;
        size += got.bytes;
        if (got.error.Failed() || (size > 0 && !restCame) || whole(0)) {
            break;
        }
    }
    return size;
}

std::size_t CPrinterPort::Write(std::span<const std::uint8_t> bytes) {
    if (!open_) {
        Fail(LinkFailure::IoError, "write", "the port is not open");
        return 0;
    }
    dropped_ += port::DropWaitingInput(handle_, KindOf(usbDevice_));
    const port::Transfer put =
        port::WriteWithin(handle_, KindOf(usbDevice_), bytes.data(), bytes.size(), WriteLimit(bytes.size()), portName_);
    if (put.error.Failed()) {
        lastError_ = put.error;
    } else if (put.bytes < bytes.size()) {
        Fail(LinkFailure::TimedOut, "write", "the device did not take the data in time");
    }
    return put.bytes;
}

std::chrono::milliseconds CPrinterPort::WriteLimit(std::size_t length) const {
    if (usbDevice_) {
        return timings_.usbWriteLimit;
    }
    return timings_.writeConstant + timings_.writePerByte * static_cast<std::chrono::milliseconds::rep>(length);
}

void CPrinterPort::Fail(LinkFailure kind, const char* operation, std::string reason) {
    lastError_ = LinkError{kind, operation, portName_, std::move(reason)};
}

}  // namespace lanvane
