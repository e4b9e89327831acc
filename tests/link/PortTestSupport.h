#pragma once

#include "link/PrinterPort.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

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

inline std::string ReadText(CPrinterPort& port) {
    std::array<std::uint8_t, CPrinterPort::kReadLimit> buffer{};
    std::size_t count = 0;
    if (!port.Read(buffer, count)) {
        return {};
    }
    return std::string(buffer.begin(), buffer.begin() + static_cast<long>(count));
}

inline std::string ReadReplyText(CPrinterPort& port, ReplyKind kind) {
    std::array<std::uint8_t, CPrinterPort::kReadLimit> buffer{};
    std::size_t count = 0;
    if (!port.ReadReply(kind, buffer, count)) {
        return {};
    }
    return std::string(buffer.begin(), buffer.begin() + static_cast<long>(count));
}

inline const std::string kLinkReply = "\x1F\x57\x4D" "0a1b\x03";
inline const std::string kMakerReply = std::string("_Vantrole Systemtechnik AG") + '\0';

// A reply is judged by its frame however its bursts come: joined while the frame is
// incomplete and its rest comes within the join wait, noise before it dropped, and a burst
// with no end taken as it came once the line stays quiet.
template <typename Printer>
void ExpectRepliesJudgedByTheirFrame(CPrinterPort& port, Printer& printer) {
    using namespace std::chrono_literals;
    struct Piece {
        std::chrono::milliseconds after;
        std::string bytes;
    };
    const struct {
        const char* name;
        ReplyKind kind;
        std::vector<Piece> pieces;
        std::string reply;
    } cases[] = {
        {"SplitIntoBursts", ReplyKind::LinkMessage, {{0ms, "\x1F\x57\x4D" "0a"}, {150ms, "1b"}, {150ms, "\x03"}},
         kLinkReply},
        {"NoiseBurstBeforeTheMakerName", ReplyKind::MakerName, {{0ms, "\xFF\xFE\x80"}, {150ms, kMakerReply}},
         kMakerReply},
        {"QuirkyHex", ReplyKind::LinkMessage, {{0ms, "\x1F\x57\x4D" "0A1B\x03"}}, "\x1F\x57\x4D" "0A1B\x03"},
        {"NoEndEndsBySilence", ReplyKind::LinkMessage, {{0ms, "garbage"}}, "garbage"},
        {"TrickleSlowerThanTheJoinWait", ReplyKind::LinkMessage, {{0ms, "\x1F"}, {500ms, "\x57"}, {500ms, "\x4D"}},
         "\x1F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            std::jthread player([&] {
                for (const Piece& piece : c.pieces) {
                    std::this_thread::sleep_for(piece.after);
                    printer.Send(piece.bytes);
                }
            });
            EXPECT_EQ(ReadReplyText(port, c.kind), c.reply);
        }
        const std::uint8_t poke = 0;
        port.Write(std::span(&poke, 1));
    }
}

}  // namespace lanvane::test
