#include "link/PrinterPort.h"

#include "PipePrinter.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::PipePrinter;

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
    NativeHandle handle = kNoHandle;
};

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

std::unique_ptr<CPrinterPort> PortOn(const std::string& path, LineState& lines, bool usbDevice,
                                     PortTimings timings = FastTimings()) {
    auto port = std::make_unique<CPrinterPort>(timings, std::make_unique<FakeModemLines>(lines));
    port->SetUsbDevice(usbDevice);
    port->SetPortName(path);
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
    void SetUp() override { ASSERT_TRUE(port->Open()) << Describe(port->LastError()); }

    PipePrinter printer;
    LineState lines;
    std::unique_ptr<CPrinterPort> port = PortOn(printer.Path(), lines, true);
};

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
    EXPECT_EQ(port->LastError().kind, LinkFailure::TimedOut);
    EXPECT_GE(elapsed, 3 * 150ms - 20ms);
    EXPECT_LT(elapsed, 1500ms);
}

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

// A USB printer that takes nothing holds the write up to its own bound, no longer.
TEST_F(UsbPrinterPortTest, PrinterHoldingTheLineEndsTheWriteAtItsBound) {
    PipePrinter slow;
    PortTimings timings = FastTimings();
    timings.usbWriteLimit = 600ms;
    const auto held = PortOn(slow.Path(), lines, true, timings);
    ASSERT_TRUE(held->Open());
    const std::vector<std::uint8_t> data(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = held->Write(data.data(), data.size());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 580ms);
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_LT(written, data.size());
    EXPECT_EQ(held->LastError().kind, LinkFailure::TimedOut);
}

// An open device is its port's alone; a second port finds it busy.
TEST_F(UsbPrinterPortTest, AnOpenDeviceIsKeptByItsPortAndBusyForAnother) {
    EXPECT_TRUE(port->Open());
    const auto other = PortOn(printer.Path(), lines, true);
    EXPECT_FALSE(other->Open());
    EXPECT_EQ(other->LastError().kind, LinkFailure::Busy);
    printer.Send("STILL");
    EXPECT_EQ(ReadText(*port), "STILL");
}

// A file given as a printer is refused for both kinds and left as it was; a missing device
// is not found; a closed port refuses I/O.
TEST(PrinterPortOpenTest, FilesAndMissingDevicesAreRefusedUntouched) {
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / ("lanvane-port-" + std::to_string(GetCurrentProcessId()));
    std::ofstream(file) << "IMPORTANT DATA\n";
    for (const bool usbDevice : {true, false}) {
        LineState lines;
        const auto port = PortOn(file.string(), lines, usbDevice);
        EXPECT_FALSE(port->Open());
        EXPECT_EQ(port->LastError().kind, LinkFailure::NotADevice);
        const std::uint8_t request[] = {0x1D, 0x49, 0x42};
        EXPECT_EQ(port->Write(request, sizeof request), 0u);

        const auto missing = PortOn("\\\\.\\COM250", lines, usbDevice);
        EXPECT_FALSE(missing->Open());
        EXPECT_EQ(missing->LastError().kind, LinkFailure::NotFound) << Describe(missing->LastError());
    }
    std::stringstream content;
    content << std::ifstream(file).rdbuf();
    EXPECT_EQ(content.str(), "IMPORTANT DATA\n");
    fs::remove(file);
}

// The test run maps this port to a fresh pseudo-terminal (see tests/link/CMakeLists.txt):
// a real serial line of the system, without modem lines.
constexpr const char* kTestComPort = "\\\\.\\COM42";

TEST(ComPortTest, OpensOnlyWhenCtsAndDsrAreOnWithThePrintersLineSettings) {
    LineState notReady[] = {{false, true}, {true, false}, {false, false}};
    for (LineState& lines : notReady) {
        const auto port = PortOn(kTestComPort, lines, false);
        EXPECT_FALSE(port->Open());
        EXPECT_EQ(port->LastError().kind, LinkFailure::LineNotReady);
    }

    LineState ready;
    const auto port = PortOn(kTestComPort, ready, false);
    ASSERT_TRUE(port->Open()) << Describe(port->LastError());
    EXPECT_EQ(ready.dtrClears, 1);
    DCB line{};
    line.DCBlength = sizeof line;
    ASSERT_TRUE(GetCommState(ready.handle, &line));
    EXPECT_EQ(line.BaudRate, 115200u);
    EXPECT_EQ(line.ByteSize, 8);
    EXPECT_EQ(line.Parity, NOPARITY);
    EXPECT_EQ(line.StopBits, ONESTOPBIT);
    EXPECT_TRUE(line.fOutxCtsFlow);
    // The RTS and DTR modes are read back from the modem lines, which a pseudo-terminal lacks.
    EXPECT_FALSE(line.fOutX);
    EXPECT_FALSE(line.fInX);
    port->Close();
    EXPECT_EQ(ready.dtrClears, 2);
}

// A pseudo-terminal has no modem lines: the system's lines refuse it, unless the test
// switch skips the CTS and DSR check.
TEST(ComPortTest, TheModemLineSwitchSkipsOnlyTheLineCheck) {
    CPrinterPort port(FastTimings(), MakeSystemModemLines());
    port.SetPortName(kTestComPort);
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.LastError().kind, LinkFailure::NotADevice);

    _putenv_s("LANVANE_TEST_IGNORE_MODEM_LINES", "1");
    EXPECT_TRUE(port.Open()) << Describe(port.LastError());
    _putenv_s("LANVANE_TEST_IGNORE_MODEM_LINES", "");
}

}  // namespace
}  // namespace lanvane
