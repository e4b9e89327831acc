#include "link/PrinterPort.h"

#include "FakeUsbPrinter.h"
#include "PortTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::FakeUsbPrinter;
using test::FastTimings;
using test::LineState;
using test::PortOn;
using test::ReadText;

class UsbPrinterPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port->Open()) << Describe(port->LastError()); }

    FakeUsbPrinter printer;
    LineState lines;
    std::unique_ptr<CPrinterPort> port = PortOn(printer.Path(), lines, true);
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

TEST_F(UsbPrinterPortTest, RepliesAreJudgedByTheirFrame) {
    test::ExpectRepliesJudgedByTheirFrame(*port, printer);
}

// Bytes after a whole reply, in its burst or just after it, never pass for the answer to
// the next request: they are dropped, and counted.
TEST_F(UsbPrinterPortTest, BytesAfterAReplyAreDroppedBeforeTheNextRequest) {
    const std::string late = "\x1F\x57\x4D" "ff\x03";
    {
        std::jthread player([&] {
            printer.Send(test::kLinkReply + "\x55");
            std::this_thread::sleep_for(30ms);
            printer.Send(late);
        });
        EXPECT_EQ(test::ReadReplyText(*port, ReplyKind::LinkMessage), test::kLinkReply);
    }
    // A pseudo-terminal hands written bytes over a moment later; on a busy machine the late
    // bytes could otherwise still be on their way when the request goes out.
    std::this_thread::sleep_for(100ms);
    const std::uint8_t request[] = {0x1D, 0x49, 0x42};
    EXPECT_EQ(port->Write(request), sizeof request);
    EXPECT_EQ(port->DroppedBytes(), late.size() + 1);
    printer.Send(test::kMakerReply);
    EXPECT_EQ(test::ReadReplyText(*port, ReplyKind::MakerName), test::kMakerReply);
}

TEST_F(UsbPrinterPortTest, SilentLineFailsAfterAllAttempts) {
    std::array<std::uint8_t, 32> buffer{};
    std::size_t count = 99;
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(port->Read(buffer, count));
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(port->LastError().kind, LinkFailure::TimedOut);
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
    ASSERT_TRUE(port->Read(std::span(buffer).first(32), count));
    EXPECT_EQ(count, 32u);
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + 32), reply.substr(0, 32));
    EXPECT_TRUE(std::all_of(buffer.begin() + 32, buffer.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_FALSE(port->Read(std::span(buffer).first(32), count));
}

// A USB printer that takes nothing holds the write up to its own bound, no longer.
TEST_F(UsbPrinterPortTest, PrinterHoldingTheLineEndsTheWriteAtItsBound) {
    PortTimings timings = FastTimings();
    timings.usbWriteLimit = 600ms;
    FakeUsbPrinter slow;
    const auto held = PortOn(slow.Path(), lines, true, timings);
    ASSERT_TRUE(held->Open());
    const std::vector<std::uint8_t> data(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = held->Write(data);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 580ms);
    EXPECT_LT(elapsed, 1500ms);
    EXPECT_LT(written, data.size());
    EXPECT_EQ(held->LastError().kind, LinkFailure::TimedOut);
}

// Opening an open port keeps it; a second port on the same device finds it busy.
TEST_F(UsbPrinterPortTest, AnOpenDeviceIsKeptByItsPortAndBusyForAnother) {
    EXPECT_TRUE(port->Open());
    const auto other = PortOn(printer.Path(), lines, true);
    EXPECT_FALSE(other->Open());
    EXPECT_EQ(other->LastError().kind, LinkFailure::Busy);
    printer.Send("STILL");
    EXPECT_EQ(ReadText(*port), "STILL") << "the second open took nothing from the first";
}

}  // namespace
}  // namespace lanvane
