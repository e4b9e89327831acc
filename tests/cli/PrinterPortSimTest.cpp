#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "SimRig.h"
#include "link/PrinterPort.h"
#include "protocol/AttentionMessage.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane::cli::test {
namespace {

using std::chrono::milliseconds;

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
        ASSERT_EQ(port->Write(attention), attention.size());
    }

    SimRig rig{2};
    std::unique_ptr<CPrinterPort> port;
};

// A slow printer's late reply to an interrupted command waits on the line; the next open
// drops it, so that it cannot pass for the answer to the next command.
TEST_F(PortOnSimTest, ALateReplyWaitingAtTheOpenIsDropped) {
    sim::FaultPlan faults;
    faults.replyDelay = milliseconds(200);
    rig.Printer().SetFaults(faults);
    Open();
    SendAttention();
    port->Close();
    std::this_thread::sleep_for(milliseconds(500));

    rig.Printer().SetFaults({});
    ASSERT_TRUE(port->Open());
    ExchangeBuffers buffers;
    EXPECT_EQ(ReadPrinterConfig(*port, buffers, nullptr).outcome, ReadOutcome::Ok);
}

// Every reply in two bursts with a pause over the burst gap between them is joined, the
// maker name's included, so the printer is read as ours.
TEST_F(PortOnSimTest, RepliesWithAPauseInTheMiddleAreReadWhole) {
    sim::FaultPlan faults;
    faults.splitReply = true;
    faults.splitGap = milliseconds(150);
    rig.Printer().SetFaults(faults);
    Open();
    ExchangeBuffers buffers;
    const ConfigReadResult result = ReadPrinterConfig(*port, buffers, nullptr);
    EXPECT_EQ(result.outcome, ReadOutcome::Ok) << result.makerName;
}

}  // namespace
}  // namespace lanvane::cli::test
