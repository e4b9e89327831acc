#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "SimRig.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Framing.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane::cli::test {
namespace {

using std::chrono::milliseconds;

constexpr std::uint8_t kAttentionReply[] = {0x1F, 0x57, 0x4D, 0x7F, 0x1D, 0x1F, 0x03};

PortTimings ShortWaits() {
    PortTimings timings;
    timings.attempts = 2;
    timings.attemptWait = milliseconds(100);
    timings.burstGap = milliseconds(50);
    return timings;
}

// The real printer port on the simulated printer's pseudo-terminal, opened as a USB device.
class PortOnSimTest : public ::testing::Test {
protected:
    void Open(PortTimings timings = ShortWaits()) {
        ASSERT_TRUE(rig.Serving());
        port = std::make_unique<CPrinterPort>(timings, MakeSystemModemLines());
        port->SetUsbDevice(true);
        port->SetPortName(rig.DevicePath());
        ASSERT_TRUE(port->Open());
    }

    void SendAttention() {
        const auto attention = AttentionMessage(kConfigSelector);
        ASSERT_EQ(port->Write(attention.data(), attention.size()), attention.size());
    }

    SimRig rig{2};
    std::unique_ptr<CPrinterPort> port;
};

TEST_F(PortOnSimTest, AReplyInTwoBurstsGivesOnlyTheFirstToOneRead) {
    sim::FaultPlan faults;
    faults.splitReply = true;
    faults.splitGap = milliseconds(300);
    rig.Printer().SetFaults(faults);
    PortTimings timings = ShortWaits();
    timings.attemptWait = milliseconds(1000);
    Open(timings);
    SendAttention();

    std::uint8_t reply[64]{};
    std::size_t count = 0;
    ASSERT_TRUE(port->Read(reply, sizeof reply, count));
    ASSERT_EQ(count, 3u);
    EXPECT_TRUE(std::equal(reply, reply + 3, kAttentionReply));
    ASSERT_TRUE(port->Read(reply, sizeof reply, count));
    ASSERT_EQ(count, 4u);
    EXPECT_TRUE(std::equal(reply, reply + 4, kAttentionReply + 3));
}

TEST_F(PortOnSimTest, ALongIdentificationReplyFillsNoMoreThan32BytesAndLeavesNothingBehind) {
    sim::PrinterState state = sim::DefaultPrinterState(2);
    state.makerName = std::string(90, 'M');
    rig.Printer().SetState(state);
    Open();
    ASSERT_EQ(port->Write(kIdentificationRequest, sizeof kIdentificationRequest), 3u);

    std::uint8_t reply[kIdentificationBufferSize + 8];
    std::fill(std::begin(reply), std::end(reply), std::uint8_t{0xA5});
    std::size_t count = 0;
    ASSERT_TRUE(port->Read(reply, kIdentificationBufferSize, count));
    EXPECT_EQ(count, kIdentificationBufferSize);
    EXPECT_TRUE(std::all_of(reply + kIdentificationBufferSize, std::end(reply),
                            [](std::uint8_t byte) { return byte == 0xA5; }));

    SendAttention();
    std::uint8_t next[64]{};
    ASSERT_TRUE(port->Read(next, sizeof next, count));
    ASSERT_EQ(count, sizeof kAttentionReply);
    EXPECT_TRUE(std::equal(next, next + count, kAttentionReply));
}

}  // namespace
}  // namespace lanvane::cli::test
