#include "link/PrinterPort.h"

#include "PseudoTerminal.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::PseudoTerminal;

PortTimings FastTimings() {
    PortTimings timings;
    timings.attempts = 3;
    timings.attemptWait = 150ms;
    timings.burstGap = 100ms;
    return timings;
}

struct LineState {
    bool cts = true;
    bool dsr = true;
    int dtrClears = 0;
};

// Plays the printer's modem lines, which a pseudo-terminal lacks.
class FakeModemLines final : public ModemLines {
public:
    explicit FakeModemLines(LineState& state) : state_(state) {}

    bool ReadCtsDsr(NativeHandle, bool& cts, bool& dsr) override {
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

// A port on the pseudo-terminal, as a USB device or as a COM port with the given lines.
std::unique_ptr<CPrinterPort> PortOn(const PseudoTerminal& printer, LineState& lines,
                                     bool usbDevice, PortTimings timings = FastTimings()) {
    auto port = std::make_unique<CPrinterPort>(timings, std::make_unique<FakeModemLines>(lines));
    port->SetUsbDevice(usbDevice);
    port->SetPortName(printer.SlavePath());
    return port;
}

std::string ReadText(CPrinterPort& port) {
    std::array<std::uint8_t, CPrinterPort::kReadLimit> buffer{};
    std::size_t count = 0;
    if (!port.Read(buffer.data(), buffer.size(), count)) {
        return {};
    }
    return std::string(buffer.begin(), buffer.begin() + static_cast<long>(count));
}

class UsbPrinterPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port->Open()); }

    PseudoTerminal printer;
    LineState lines;
    std::unique_ptr<CPrinterPort> port = PortOn(printer, lines, true);
};

// Bytes within the burst gap belong to one reply; the next burst waits for the next read.
TEST_F(UsbPrinterPortTest, ReadReturnsTheFirstBurstOnly) {
    std::jthread player([&] {
        printer.Send("AB");
        std::this_thread::sleep_for(20ms);
        printer.Send("CD");
        std::this_thread::sleep_for(400ms);
        printer.Send("SECOND");
    });
    EXPECT_EQ(ReadText(*port), "ABCD");
    EXPECT_EQ(ReadText(*port), "SECOND");
}

TEST_F(UsbPrinterPortTest, SilentLineFailsAfterAllAttempts) {
    std::array<std::uint8_t, 32> buffer{};
    std::size_t count = 99;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port->Read(buffer.data(), buffer.size(), count));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(count, 0u);
    EXPECT_GE(elapsed, 3 * 150ms - 20ms);
    EXPECT_LT(elapsed, 1500ms);
}

// The identification read takes 32 bytes; the rest of the burst must not pass for a reply.
TEST_F(UsbPrinterPortTest, SmallBufferGetsNoMoreThanItHoldsAndTheRestOfTheBurstIsDropped) {
    std::string reply(100, '\0');
    for (std::size_t i = 0; i < reply.size(); ++i) {
        reply[i] = static_cast<char>(i);
    }
    printer.Send(reply);
    std::array<std::uint8_t, 64> buffer{};
    buffer.fill(0xEE);
    std::size_t count = 0;
    ASSERT_TRUE(port->Read(buffer.data(), 32, count));
    EXPECT_EQ(count, 32u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 32), reply.substr(0, 32));
    EXPECT_TRUE(std::all_of(buffer.begin() + 32, buffer.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_FALSE(port->Read(buffer.data(), 32, count));
}

TEST_F(UsbPrinterPortTest, WriteDeliversTheWholeBuffer) {
    // More than the pseudo-terminal buffers, so the write has to wait for the reader.
    std::vector<std::uint8_t> data(50000);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);
    }
    std::vector<std::uint8_t> received;
    std::jthread reader([&] { received = printer.Receive(data.size(), 2000ms); });
    EXPECT_EQ(port->Write(data.data(), data.size()), data.size());
    reader.join();
    EXPECT_EQ(received, data);
}

TEST(PrinterPortWriteTest, PrinterHoldingTheLineEndsTheWriteWithFewerBytes) {
    PseudoTerminal printer;
    LineState lines;
    PortTimings timings = FastTimings();
    timings.writePerByte = 0ms;
    timings.writeConstant = 100ms;
    const auto port = PortOn(printer, lines, true, timings);
    ASSERT_TRUE(port->Open());

    const std::vector<std::uint8_t> data(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = port->Write(data.data(), data.size());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
}

TEST(PrinterPortClosedTest, ClosedOrMissingPortRefusesIoAndClosesHarmlessly) {
    CPrinterPort port(FastTimings(), MakeSystemModemLines());
    port.SetPortName("/dev/usb/lp-not-there");
    EXPECT_FALSE(port.Open());
    port.SetUsbDevice(true);
    EXPECT_FALSE(port.Open());
    port.Close();
    std::array<std::uint8_t, 8> buffer{};
    std::size_t count = 5;
    EXPECT_FALSE(port.Read(buffer.data(), buffer.size(), count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port.Write(buffer.data(), buffer.size()), 0u);
}

// A printer that is not ready (CTS or DSR off) fails the open and leaves the line free.
TEST(ComPortTest, OpensOnlyWhenCtsAndDsrAreOn) {
    PseudoTerminal printer;
    LineState notReady[] = {{false, true, 0}, {true, false, 0}};
    std::vector<std::unique_ptr<CPrinterPort>> refused;
    for (LineState& lines : notReady) {
        refused.push_back(PortOn(printer, lines, false));
        EXPECT_FALSE(refused.back()->Open());
    }
    LineState ready;
    EXPECT_TRUE(PortOn(printer, ready, false)->Open()) << "a failed open must not keep the line";

    CPrinterPort noModemControl(FastTimings(), MakeSystemModemLines());
    noModemControl.SetPortName(printer.SlavePath());
    EXPECT_FALSE(noModemControl.Open());
}

TEST(ComPortTest, ReadyPrinterOpensWithRawLineAndDtrOff) {
    PseudoTerminal printer(false);
    LineState lines;
    const auto port = PortOn(printer, lines, false);
    ASSERT_TRUE(port->Open());
    EXPECT_EQ(lines.dtrClears, 1);

    // A cooked line would hold this back for want of a newline and turn CR into LF.
    printer.Send(std::string("A\rB\x03", 4));
    EXPECT_EQ(ReadText(*port), std::string("A\rB\x03", 4));

    port->Close();
    EXPECT_EQ(lines.dtrClears, 2);
}

}  // namespace
}  // namespace lanvane
