#include "sim/SimulatedPrinter.h"

#include <gtest/gtest.h>

#include <string>

#include "PrinterDriver.h"
#include "WireText.h"
#include "sim/SimRecordLayout.h"

namespace lanvane::sim {
namespace {

using namespace test;

std::string Zeros(std::size_t bytes) { return std::string(bytes * 2, '0'); }

Bytes ConfigSetRequest(const PrinterRecord& record) {
    return LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), SimRecordLayout::Encode(record)}));
}

TEST(SimulatedPrinter, AnswersIdentificationWithTheMakerName) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    EXPECT_EQ(driver.Exchange(kIdentify), Joined({Hex("5F"), Text("Vantrole Systemtechnik AG"), Hex("00")}));
}

TEST(SimulatedPrinter, AnswersSystemRequestWithItsIdentity) {
    PrinterState state = DefaultPrinterState();
    state.identity = {"FW 1.0", "2024-01-02", {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}};
    SimulatedPrinter printer(state);
    PrinterDriver driver(printer);
    const Bytes expected = LinkReply("5f5f5b495f465d5f5f5b5359535f5253505d" "465720312e30" + Zeros(10) +
                                     "323032342d30312d3032" + Zeros(22) + "001122334455" "f1a6");
    const Bytes reply = driver.Exchange(kSysReq);
    EXPECT_EQ(reply.size(), 3u + 2u * 74u + 1u);
    EXPECT_EQ(reply, expected);
}

TEST(SimulatedPrinter, TakesTheLayoutOfAWrittenRecordFromItsSize) {
    SimulatedPrinter printer(DefaultPrinterState(1));
    PrinterDriver driver(printer);
    PrinterRecord extended = DefaultPrinterState(2).record;
    extended.p2pPinCode = "87654321";
    EXPECT_EQ(driver.Exchange(ConfigSetRequest(extended)), kIfSucReply);
    EXPECT_EQ(printer.State().record.layout, 2);
    EXPECT_EQ(driver.Exchange(kIfGet).size(), 1276u);
}

TEST(SimulatedPrinter, RefusesARecordOfAnotherSize) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    const PrinterRecord before = printer.State().record;
    EXPECT_EQ(driver.Exchange(LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), Bytes(500, 0)}))), kIfErrReply);
    EXPECT_EQ(printer.State().record, before);
}

TEST(SimulatedPrinter, AnswersBssRequestWithItsNetworks) {
    PrinterState state = DefaultPrinterState();
    state.networks = {{"Home", {0x00, 0x11, 0x22, 0x33, 0x44, 0x55}, 0, -60, 0x0C}};
    SimulatedPrinter printer(state);
    PrinterDriver driver(printer);
    EXPECT_EQ(driver.Exchange(kBssReq),
              LinkReply("5f5f5b495f465d5f5f5b4253535f5253505d" "0004486f6d65" "0106001122334455" "00ffc40c" "0e6f"));
}

TEST(SimulatedPrinter, CutsLongSsidsTo30Bytes) {
    PrinterState state = DefaultPrinterState();
    state.networks = {{std::string(32, 'N'), {1, 2, 3, 4, 5, 6}, 1, 5, 0}};
    SimulatedPrinter printer(state);
    PrinterDriver driver(printer);
    const Bytes frame = ReplyFrame(driver.Exchange(kBssReq));
    ASSERT_GE(frame.size(), 20u);
    EXPECT_EQ(frame[18], 0x00);
    EXPECT_EQ(frame[19], 30);
    EXPECT_EQ(frame[50], 0x01);
}

TEST(SimulatedPrinter, StaysSilentToDamagedOrUnknownFrames) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    EXPECT_TRUE(driver.Exchange(LinkRequest("5f5f5b495f465d5f5f5b5359535f5245515d-e/b")).empty());
    EXPECT_TRUE(driver.Exchange(LinkRequestFor(Text("__[I_F]__[PRT_REG]"))).empty());
    EXPECT_TRUE(driver.Exchange(Hex("1F 57 43 42 1D 1F 03")).empty());
    EXPECT_EQ(printer.History().size(), 3u);
    EXPECT_EQ(driver.Exchange(kAttention), kAttentionReply);
}

TEST(SimulatedPrinter, RecordsTheRequestsItTook) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    driver.Channel().Write(Joined({kIdentify, kAttention, kSysReq}).data(), 3 + 7 + 44);
    const auto history = printer.History();
    ASSERT_EQ(history.size(), 3u);
    EXPECT_EQ(history[0].kind, RequestKind::Identification);
    EXPECT_EQ(history[1].kind, RequestKind::Attention);
    EXPECT_EQ(history[2].kind, RequestKind::SystemRequest);
    EXPECT_TRUE(history[2].answered);
    EXPECT_EQ(driver.Channel().QueuedBursts(), 3u);
}

TEST(SimulatedPrinterChannel, CutsAReadToItsCapacityAndKeepsTheRest) {
    SimulatedPrinter printer;
    SimulatedPrinterChannel channel(printer);
    channel.Write(kIdentify.data(), kIdentify.size());
    std::uint8_t small[10] = {};
    std::size_t count = 0;
    ASSERT_TRUE(channel.Read(small, sizeof(small), count));
    EXPECT_EQ(count, 10u);
    ASSERT_TRUE(channel.Read(small, sizeof(small), count));
    EXPECT_EQ(count, 10u);
    ASSERT_TRUE(channel.Read(small, sizeof(small), count));
    EXPECT_EQ(count, 7u);
    EXPECT_FALSE(channel.Read(small, sizeof(small), count));
    EXPECT_EQ(count, 0u);
    ASSERT_EQ(channel.Writes().size(), 1u);
    EXPECT_EQ(channel.Writes()[0], kIdentify);
}

}  // namespace
}  // namespace lanvane::sim
