#include "protocol/PrinterConfigWriter.h"

#include <gtest/gtest.h>

#include <memory>

#include "PrinterSide.h"

namespace lanvane::test {
namespace {

InterfaceConfig Config(int version) {
    InterfaceConfig config;
    config.version = version;
    config.printerName = "Front desk";
    config.dhcp = 1;
    config.printerPort = 9100;
    config.userId = "admin";
    config.inactivityTime = 3600;
    return config;
}

class WritePrinterConfigTest : public ::testing::Test {
protected:
    WriteOutcome Write(int version = 1) {
        return WritePrinterConfig(printer, *buffers, Config(version));
    }

    FakeByteChannel printer;
    std::unique_ptr<ExchangeBuffers> buffers = std::make_unique<ExchangeBuffers>();
};

TEST_F(WritePrinterConfigTest, SendsVersion1RecordPaddedAndIsAcknowledged) {
    printer.QueueReply(AttentionReply());
    printer.QueueReply(PrinterLinkReply(PrinterTagFrame("__[I_F]__[IF__SUC]")));

    ASSERT_EQ(Write(), WriteOutcome::Ok);

    ASSERT_EQ(printer.writes.size(), 2U);
    EXPECT_EQ(printer.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03}));
    ASSERT_EQ(printer.writes[1].size(), 1252U);
    const Bytes frame = FrameOfLinkMessage(printer.writes[1]);
    ASSERT_EQ(frame.size(), 624U);
    EXPECT_EQ(Bytes(frame.begin(), frame.begin() + 18), Text("__[I_F]__[IF__SET]"));
    EXPECT_EQ(frame[18 + 603], 0x00);  // padding
    EXPECT_EQ(PrinterChecksum(frame), 0);
    EXPECT_EQ(Bytes(frame.begin() + 18, frame.begin() + 28), Text("Front desk"));
    EXPECT_EQ(frame[18 + 66], 0x01);
    EXPECT_EQ(Bytes(frame.begin() + 18 + 411, frame.begin() + 18 + 413), (Bytes{0x23, 0x8C}));
    EXPECT_EQ(Bytes(frame.begin() + 18 + 601, frame.begin() + 18 + 603), (Bytes{0x0E, 0x10}));
}

TEST_F(WritePrinterConfigTest, SendsVersion2RecordUnpadded) {
    printer.QueueReply(AttentionReply());
    printer.QueueReply(PrinterLinkReply(PrinterTagFrame("__[I_F]__[IF__SUC]")));

    ASSERT_EQ(Write(2), WriteOutcome::Ok);

    ASSERT_EQ(printer.writes[1].size(), 1276U);
    const Bytes frame = FrameOfLinkMessage(printer.writes[1]);
    ASSERT_EQ(frame.size(), 636U);
    EXPECT_EQ(PrinterChecksum(frame), 0);
    EXPECT_EQ(Bytes(frame.begin() + 18 + 360, frame.begin() + 18 + 365), Text("admin"));
    EXPECT_EQ(Bytes(frame.begin() + 18 + 614, frame.begin() + 18 + 616), (Bytes{0x0E, 0x10}));
}

TEST_F(WritePrinterConfigTest, RefusedAttentionSendsNoRecord) {
    printer.QueueReply({0x1F, 0x57, 0x4D, 0x00});

    EXPECT_EQ(Write(), WriteOutcome::AttentionRefused);
    EXPECT_EQ(printer.writes.size(), 1U);
}

TEST_F(WritePrinterConfigTest, AttentionNotWrittenIsRefused) {
    printer.FailWrite(0);
    printer.QueueReply(AttentionReply());

    EXPECT_EQ(Write(), WriteOutcome::AttentionRefused);
}

TEST_F(WritePrinterConfigTest, RecordNotWrittenFails) {
    printer.FailWrite(1);
    printer.QueueReply(AttentionReply());

    EXPECT_EQ(Write(), WriteOutcome::WriteFailed);
    EXPECT_EQ(printer.reads, 1);
}

TEST_F(WritePrinterConfigTest, SilenceAfterTheRecordIsNoReply) {
    printer.QueueReply(AttentionReply());

    EXPECT_EQ(Write(), WriteOutcome::NoReply);
}

TEST_F(WritePrinterConfigTest, AcknowledgementWithBadChecksumOrOtherTagIsRefused) {
    Bytes corrupted = PrinterTagFrame("__[I_F]__[IF__SUC]");
    corrupted[19] ^= 0x01;
    for (const Bytes& frame : {corrupted, PrinterTagFrame("__[I_F]__[IF__CUR]")}) {
        FakeByteChannel channel;
        channel.QueueReply(AttentionReply());
        channel.QueueReply(PrinterLinkReply(frame));
        EXPECT_EQ(WritePrinterConfig(channel, *buffers, Config(1)),
                  WriteOutcome::AcknowledgementRefused);
    }
}

}  // namespace
}  // namespace lanvane::test
