#pragma once

#include "link/PrinterPort.h"

#include <array>
#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace lanvane::test {

inline PortTimings FastTimings() {
    using namespace std::chrono_literals;
    PortTimings timings;
    timings.attempts = 3;
    timings.attemptWait = 150ms;
    timings.burstGap = 100ms;
    timings.joinWait = 250ms;
    return timings;
}

struct LineState {
    bool cts = true;
    bool dsr = true;
    int dtrClears = 0;
    NativeHandle handle = kNoHandle;  // the port's device, as the lines were asked
};

// Plays the printer's modem lines, which the test lines lack.
class FakeModemLines final : public ModemLines {
public:
    explicit FakeModemLines(LineState& state) : state_(state) {}

    bool ReadCtsDsr(NativeHandle handle, bool& cts, bool& dsr) override {
        state_.handle = handle;
        cts = state_.cts;
        dsr = state_.dsr;
        return true;
    }
    bool ClearDtr(NativeHandle) override {
        ++state_.dtrClears;
        return true;
    }

private:
    LineState& state_;
};

// A port on the device at `path`, as a USB device or as a COM port with the given lines.
inline std::unique_ptr<CPrinterPort> PortOn(const std::string& path, LineState& lines, bool usbDevice,
                                            PortTimings timings = FastTimings()) {
    auto port = std::make_unique<CPrinterPort>(timings, std::make_unique<FakeModemLines>(lines));
    port->SetUsbDevice(usbDevice);
    port->SetPortName(path);
    return port;
}

// What one read of the port gave: Read(), or ReadReply() for a reply of `kind`.
inline std::string ReadText(CPrinterPort& port, std::optional<ReplyKind> kind = std::nullopt) {
    std::array<std::uint8_t, CPrinterPort::kReadLimit> buffer{};
    std::size_t count = 0;
    if (!(kind ? port.ReadReply(*kind, buffer, count) : port.Read(buffer, count))) {
        return {};
    }
    return std::string(buffer.begin(), buffer.begin() + static_cast<long>(count));
}

}  // namespace lanvane::test
