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
    void SetUp() override {
        port.SetUsbDevice(true);
        port.SetPortName(printer.SlavePath());
        ASSERT_TRUE(port.Open());
    }

    PseudoTerminal printer;
    LineState lines;
    CPrinterPort port{FastTimings(), std::make_unique<FakeModemLines>(lines)};
};

TEST_F(UsbPrinterPortTest, ReadReturnsTheFirstBurstAndLeavesTheNextForTheNextRead) {
    std::jthread player([&] {
        printer.Send("FIRST");
        std::this_thread::sleep_for(400ms);
        printer.Send("SECOND");
    });
    EXPECT_EQ(ReadText(port), "FIRST");
    EXPECT_EQ(ReadText(port), "SECOND");
}

TEST_F(UsbPrinterPortTest, BytesWithinTheBurstGapFormOneBurst) {
    std::jthread player([&] {
        printer.Send("AB");
        std::this_thread::sleep_for(20ms);
        printer.Send("CD");
    });
    EXPECT_EQ(ReadText(port), "ABCD");
}

TEST_F(UsbPrinterPortTest, SilentLineFailsAfterAllAttempts) {
    std::array<std::uint8_t, 32> buffer{};
    std::size_t count = 99;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port.Read(buffer.data(), buffer.size(), count));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(count, 0u);
    EXPECT_GE(elapsed, 3 * 150ms - 20ms);
    EXPECT_LT(elapsed, 1500ms);
}

TEST_F(UsbPrinterPortTest, SmallBufferGetsNoMoreThanItHoldsAndTheRestOfTheBurstIsDropped) {
    std::vector<std::uint8_t> reply(100);
    for (std::size_t i = 0; i < reply.size(); ++i) {
        reply[i] = static_cast<std::uint8_t>(i);
    }
    printer.Send(reply);
    std::array<std::uint8_t, 64> buffer{};
    buffer.fill(0xEE);
    std::size_t count = 0;
    ASSERT_TRUE(port.Read(buffer.data(), 32, count));
    EXPECT_EQ(count, 32u);
    EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 32, reply.begin()));
    EXPECT_TRUE(std::all_of(buffer.begin() + 32, buffer.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_FALSE(port.Read(buffer.data(), 32, count));
}

TEST_F(UsbPrinterPortTest, WriteDeliversTheWholeBuffer) {
    // More than the pseudo-terminal buffers, so the write has to wait for the reader.
    std::vector<std::uint8_t> data(50000);
    for (std::size_t i = 0; i < data.size(); ++i) {
        data[i] = static_cast<std::uint8_t>(i * 7);
    }
    std::vector<std::uint8_t> received;
    std::jthread reader([&] { received = printer.Receive(data.size(), 2000ms); });
    EXPECT_EQ(port.Write(data.data(), data.size()), data.size());
    reader.join();
    EXPECT_EQ(received, data);
}

TEST(PrinterPortWriteTest, PrinterHoldingTheLineEndsTheWriteWithFewerBytes) {
    PseudoTerminal printer;
    PortTimings timings = FastTimings();
    timings.writePerByte = 0ms;
    timings.writeConstant = 100ms;
    LineState lines;
    CPrinterPort port(timings, std::make_unique<FakeModemLines>(lines));
    port.SetUsbDevice(true);
    port.SetPortName(printer.SlavePath());
    ASSERT_TRUE(port.Open());

    const std::vector<std::uint8_t> data(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = port.Write(data.data(), data.size());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
}

TEST_F(UsbPrinterPortTest, DeviceIsHeldExclusivelyUntilClosed) {
    EXPECT_TRUE(port.Open()) << "opening an open port reports success";
    EXPECT_TRUE(port.IsOpen());

    CPrinterPort other(FastTimings(), std::make_unique<FakeModemLines>(lines));
    other.SetUsbDevice(true);
    other.SetPortName(printer.SlavePath());
    EXPECT_FALSE(other.Open());
    EXPECT_FALSE(other.IsOpen());

    port.Close();
    EXPECT_FALSE(port.IsOpen());
    EXPECT_TRUE(other.Open());
}

TEST(PrinterPortClosedTest, ClosedPortRefusesIoAndClosesHarmlessly) {
    CPrinterPort port;
    EXPECT_FALSE(port.IsOpen());
    port.Close();
    port.Close();
    std::array<std::uint8_t, 8> buffer{};
    std::size_t count = 5;
    EXPECT_FALSE(port.Read(buffer.data(), buffer.size(), count));
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port.Write(buffer.data(), buffer.size()), 0u);
}

TEST(PrinterPortClosedTest, MissingDeviceFailsToOpen) {
    CPrinterPort port(FastTimings(), MakeSystemModemLines());
    port.SetUsbDevice(true);
    port.SetPortName("/dev/usb/lp-not-there");
    EXPECT_FALSE(port.Open());
    port.SetUsbDevice(false);
    EXPECT_FALSE(port.Open());
    EXPECT_FALSE(port.IsOpen());
}

struct ReadyLines {
    bool cts;
    bool dsr;
};

class ComPortLinesTest : public ::testing::TestWithParam<ReadyLines> {};

TEST_P(ComPortLinesTest, PrinterNotReadyFailsTheOpenAndLeavesTheLineFree) {
    PseudoTerminal printer;
    LineState lines{GetParam().cts, GetParam().dsr, 0};
    CPrinterPort port(FastTimings(), std::make_unique<FakeModemLines>(lines));
    port.SetPortName(printer.SlavePath());
    EXPECT_FALSE(port.Open());
    EXPECT_FALSE(port.IsOpen());

    LineState ready;
    CPrinterPort next(FastTimings(), std::make_unique<FakeModemLines>(ready));
    next.SetPortName(printer.SlavePath());
    EXPECT_TRUE(next.Open()) << "the failed open must not keep the device";
}

INSTANTIATE_TEST_SUITE_P(NotReady, ComPortLinesTest,
                         ::testing::Values(ReadyLines{false, true}, ReadyLines{true, false},
                                           ReadyLines{false, false}),
                         [](const ::testing::TestParamInfo<ReadyLines>& lines) {
                             return std::string(lines.param.cts ? "CtsOn" : "CtsOff") +
                                    (lines.param.dsr ? "DsrOn" : "DsrOff");
                         });

TEST(ComPortTest, ReadyPrinterOpensWithRawLineAndDtrOff) {
    PseudoTerminal printer(false);
    LineState lines;
    CPrinterPort port(FastTimings(), std::make_unique<FakeModemLines>(lines));
    port.SetPortName(printer.SlavePath());
    ASSERT_TRUE(port.Open());
    EXPECT_EQ(lines.dtrClears, 1);

    // A cooked line would hold this back for want of a newline and turn CR into LF.
    printer.Send(std::string("A\rB\x03", 4));
    EXPECT_EQ(ReadText(port), std::string("A\rB\x03", 4));

    port.Close();
    EXPECT_EQ(lines.dtrClears, 2);
}

TEST(ComPortTest, LineWithoutModemControlCannotOpenAsComPort) {
    PseudoTerminal printer;
    CPrinterPort port(FastTimings(), MakeSystemModemLines());
    port.SetPortName(printer.SlavePath());
    EXPECT_FALSE(port.Open());
}

}  // namespace
}  // namespace lanvane
