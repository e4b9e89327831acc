#include "link/PrinterPort.h"

#include "FakeUsbPrinter.h"
#include "PortTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::FakeUsbPrinter;
using test::FastTimings;
using test::LineState;
using test::PortOn;
using test::ReadText;

const std::string kLinkReply = "\x1F\x57\x4D" "0a1b\x03";
const std::string kMakerReply = std::string("_Vantrole Systemtechnik AG") + '\0';

class UsbPrinterPortTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(port->Open()) << Describe(port->LastError()); }

    FakeUsbPrinter printer;
    LineState lines;
    std::unique_ptr<CPrinterPort> port = PortOn(printer.Path(), lines, true);
};

// A read takes one burst (bytes within the burst gap of each other) and no more of it than
// the buffer holds: the identification read takes 32 bytes, and the rest of its burst must
// not pass for the next reply, which waits for the next read.
TEST_F(UsbPrinterPortTest, AReadTakesOneBurstUpToItsBufferAndDropsTheRest) {
    std::string burst(100, '\0');
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i] = static_cast<char>(i);
    }
    std::jthread player([&] {
        printer.Send(burst.substr(0, 50));
        std::this_thread::sleep_for(20ms);
        printer.Send(burst.substr(50));
        std::this_thread::sleep_for(400ms);
        printer.Send("SECOND");
    });
    std::array<std::uint8_t, 64> buffer{};
    buffer.fill(0xEE);
    std::size_t count = 0;
    ASSERT_TRUE(port->Read(std::span(buffer).first(32), count));
    EXPECT_EQ(std::string(buffer.begin(), buffer.begin() + static_cast<long>(count)), burst.substr(0, 32));
    EXPECT_TRUE(std::all_of(buffer.begin() + 32, buffer.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_EQ(ReadText(*port), "SECOND");
}

// A reply is judged by its frame however its bursts come: joined while the frame is
// incomplete and its rest comes within the join wait, a burst with no end taken as it came
// once the line stays quiet. Where the frame lies among the bytes: ReplyFrameTest.
TEST_F(UsbPrinterPortTest, RepliesAreJudgedByTheirFrame) {
    const struct {
        const char* name;
        std::vector<std::pair<std::chrono::milliseconds, std::string>> pieces;  // after, bytes
        std::string reply;
    } cases[] = {
        {"SplitIntoBursts", {{0ms, "\x1F\x57\x4D" "0a"}, {150ms, "1b"}, {150ms, "\x03"}}, kLinkReply},
        {"NoEndEndsBySilence", {{0ms, "garbage"}}, "garbage"},
        {"TrickleSlowerThanTheJoinWait", {{0ms, "\x1F"}, {500ms, "\x57"}, {500ms, "\x4D"}}, "\x1F"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        {
            std::jthread player([&] {
                for (const auto& [after, bytes] : c.pieces) {
                    std::this_thread::sleep_for(after);
                    printer.Send(bytes);
                }
            });
            EXPECT_EQ(ReadText(*port, ReplyKind::LinkMessage), c.reply);
        }
        const std::uint8_t poke = 0;
        port->Write(std::span(&poke, 1));
    }
}

// Bytes after a whole reply, in its burst or just after it, never pass for the answer to
// the next request: they are dropped, and counted.
TEST_F(UsbPrinterPortTest, BytesAfterAReplyAreDroppedBeforeTheNextRequest) {
    const std::string late = "\x1F\x57\x4D" "ff\x03";
    {
        std::jthread player([&] {
            printer.Send(kLinkReply + "\x55");
            std::this_thread::sleep_for(30ms);
            printer.Send(late);
        });
        EXPECT_EQ(ReadText(*port, ReplyKind::LinkMessage), kLinkReply);
    }
    // A pseudo-terminal hands written bytes over a moment later; on a busy machine the late
    // bytes could otherwise still be on their way when the request goes out.
    std::this_thread::sleep_for(100ms);
    const std::uint8_t request[] = {0x1D, 0x49, 0x42};
    EXPECT_EQ(port->Write(request), sizeof request);
    EXPECT_EQ(port->DroppedBytes(), late.size() + 1);
    printer.Send(kMakerReply);
    EXPECT_EQ(ReadText(*port, ReplyKind::MakerName), kMakerReply);
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
