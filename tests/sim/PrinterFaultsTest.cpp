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

TEST(PrinterFaults, NoAnswerSilencesEveryRequest) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.noAnswer = true; }));
    PrinterDriver driver(printer);
    for (const Bytes& request : {kIdentify, kAttention, kSysReq, kIfGet, kBssReq}) {
        EXPECT_TRUE(driver.Exchange(request).empty());
    }
    const auto history = printer.History();
    EXPECT_EQ(history.size(), 5u);
    EXPECT_TRUE(std::none_of(history.begin(), history.end(), [](const HandledRequest& r) { return r.answered; }));
}

TEST(PrinterFaults, NoAnswerToOneStepSilencesOnlyThatStep) {
    SimulatedPrinter printer(DefaultPrinterState(),
                             With([](FaultPlan& f) { f.noAnswerTo = RequestKind::ConfigGet; }));
    PrinterDriver driver(printer);
    EXPECT_EQ(driver.Exchange(kAttention), kAttentionReply);
    EXPECT_FALSE(driver.Exchange(kSysReq).empty());
    EXPECT_TRUE(driver.Exchange(kIfGet).empty());
}

TEST(PrinterFaults, WrongMakerNameDiffersOnlyInCase) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.wrongMakerName = true; }));
    EXPECT_EQ(PrinterDriver(printer).Exchange(kIdentify),
              Joined({Hex("5F"), Text("Vantrole Systemtechnik ag"), Hex("00")}));
}

TEST(PrinterFaults, BadChecksumKeepsTheLengthButFailsTheCheck) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.badChecksum = true; }));
    PrinterDriver driver(printer);
    for (const Bytes& request : {kSysReq, kIfGet, kBssReq}) {
        const Bytes reply = driver.Exchange(request);
        EXPECT_EQ(reply.size(), NormalReply(request).size());
        EXPECT_FALSE(FrameChecksumHolds(ReplyFrame(reply)));
    }
}

TEST(PrinterFaults, WrongTagKeepsAValidChecksum) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.wrongTag = true; }));
    PrinterDriver driver(printer);
    const Bytes frame = ReplyFrame(driver.Exchange(kSysReq));
    EXPECT_TRUE(FrameChecksumHolds(frame));
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 18), Text("__[I_F]__[IF__ERR]"));
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

TEST(PrinterFaults, UpperCaseHexChangesOnlyTheLetters) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.upperCaseHex = true; }));
    Bytes expected = NormalReply(kSysReq);
    std::transform(expected.begin(), expected.end(), expected.begin(),
                   [](std::uint8_t c) { return static_cast<std::uint8_t>(std::toupper(c)); });
    const Bytes reply = PrinterDriver(printer).Exchange(kSysReq);
    EXPECT_EQ(reply, expected);
    EXPECT_NE(reply, NormalReply(kSysReq));
}

TEST(PrinterFaults, SlowReplyWaitsBeforeTheFirstBurst) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.replyDelay = milliseconds(1500); }));
    const auto bursts = printer.Receive(kAttention);
    ASSERT_EQ(bursts.size(), 1u);
    EXPECT_EQ(bursts[0].delay, milliseconds(1500));
    EXPECT_EQ(bursts[0].bytes, kAttentionReply);
}

TEST(PrinterFaults, DisconnectAnswersKMessagesThenTakesNothing) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.disconnectAfter = 2; }));
    PrinterDriver driver(printer);
    EXPECT_FALSE(driver.Exchange(kIdentify).empty());
    EXPECT_FALSE(printer.Disconnected());
    EXPECT_EQ(driver.Exchange(kAttention), kAttentionReply);
    EXPECT_TRUE(printer.Disconnected());
    EXPECT_EQ(driver.Channel().Write(kSysReq.data(), kSysReq.size()), 0u);
    EXPECT_TRUE(driver.NextBurst().empty());
}

TEST(PrinterFaults, StreamFaultsSplitOrHangUp) {
    SimulatedPrinter printer(DefaultPrinterState(), With([](FaultPlan& f) { f.splitStreamReply = true; }));
    const StreamAnswer split = printer.AnswerStream(kBssReqFrame);
    ASSERT_EQ(split.bursts.size(), 2u);
    EXPECT_FALSE(split.hangUp);
    EXPECT_EQ(split.bursts[1].delay, FaultPlan{}.splitGap);

    printer.SetFaults(With([](FaultPlan& f) { f.closeStreamWithoutAnswer = true; }));
    const StreamAnswer closed = printer.AnswerStream(kBssReqFrame);
    EXPECT_TRUE(closed.bursts.empty());
    EXPECT_TRUE(closed.hangUp);

    printer.SetFaults(With([](FaultPlan& f) { f.noAnswerTo = RequestKind::BssRequest; }));
    const StreamAnswer silent = printer.AnswerStream(kBssReqFrame);
    EXPECT_TRUE(silent.bursts.empty());
    EXPECT_FALSE(silent.hangUp);
}

TEST(PrinterFaults, StreamHangsUpOnAnythingButASurveyRequest) {
    SimulatedPrinter printer;
    const StreamAnswer answer = printer.AnswerStream(ReplyFrame(kSysReq));
    EXPECT_TRUE(answer.hangUp);
    EXPECT_TRUE(answer.bursts.empty());
}

}  // namespace
}  // namespace lanvane::sim
