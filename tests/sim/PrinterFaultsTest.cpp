#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>

#include "PrinterDriver.h"
#include "WireText.h"
#include "sim/SimulatedPrinter.h"

namespace lanvane::sim {
namespace {

using namespace test;
using std::chrono::milliseconds;

FaultPlan With(void (*configure)(FaultPlan&)) {
    FaultPlan faults;
    configure(faults);
    return faults;
}

Bytes NormalReply(const Bytes& request) {
    SimulatedPrinter printer;
    return PrinterDriver(printer).Exchange(request);
}

TEST(PrinterFaults, SplitReplyComesInTwoBurstsWithAGap) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) {
                                 f.splitReply = true;
                                 f.splitGap = milliseconds(250);
                             }));
    const auto bursts = printer.Receive(kIfGet);
    ASSERT_EQ(bursts.size(), 2u);
    EXPECT_EQ(bursts[0].delay, milliseconds(0));
    EXPECT_EQ(bursts[1].delay, milliseconds(250));
    EXPECT_EQ(Joined({bursts[0].bytes, bursts[1].bytes}), NormalReply(kIfGet));

    PrinterDriver driver(printer);
    EXPECT_EQ(driver.Exchange(kAttention).size(), 3u);
    EXPECT_EQ(driver.NextBurst().size(), 4u);
}

TEST(PrinterFaults, SlowReplyWaitsBeforeTheFirstBurst) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.replyDelay = milliseconds(1500); }));
    const auto bursts = printer.Receive(kAttention);
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts[0].delay, milliseconds(1500));
    EXPECT_EQ(bursts[0].bytes, kAttentionReply);
}

TEST(PrinterFaults, StreamHangsUpOnAnythingButASurveyRequest) {
    SimulatedPrinter printer;
    const StreamAnswer answer = printer.AnswerStream(ReplyFrame(kSysReq));
    EXPECT_TRUE(answer.hangUp);
    EXPECT_TRUE(answer.bursts.empty());
}

}  // namespace
}  // namespace lanvane::sim
