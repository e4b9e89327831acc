#include "protocol/PrinterConfigReader.h"

#include <gtest/gtest.h>

#include <chrono>
#include <memory>

#include "PrinterSide.h"

namespace lanvane::test {
namespace {

using std::chrono::milliseconds;

// The identification data: firmware version, update date, MAC address.
Bytes IdentificationPayload() {
    Bytes payload(54, 0);
    const Bytes version = Text("V1.07");
    const Bytes date = Text("2023-04-01");
    std::copy(version.begin(), version.end(), payload.begin());
    std::copy(date.begin(), date.end(), payload.begin() + 16);
    const Bytes mac = {0x00, 0x1A, 0x2B, 0xC0, 0xFE, 0x05};
    std::copy(mac.begin(), mac.end(), payload.begin() + 48);
    return payload;
}

void Put(Bytes& record, std::size_t offset, const Bytes& bytes) {
    std::copy(bytes.begin(), bytes.end(), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

// A version 1 record laid out by hand: name, mode, DHCP, address, port 9100, 3600 s.
Bytes RecordV1() {
    Bytes record(603, 0);
    Put(record, 0, Text("Front desk"));
    Put(record, 65, {0x01, 0x00, 192, 168, 1, 50});
    Put(record, 79, Text("Office"));
    Put(record, 347, Text("admin"));
    Put(record, 411, {0x23, 0x8C});
    Put(record, 601, {0x0E, 0x10});
    return record;
}

// The same settings in version 2, with P2P channel "11" and PIN "12345670".
Bytes RecordV2() {
    Bytes record(616, 0);
    Put(record, 0, Text("Front desk"));
    Put(record, 65, {0x02, 0x01, 192, 168, 1, 51});
    Put(record, 79, Text("Office"));
    Put(record, 347, {0x01});
    Put(record, 348, Text("12345670"));
    Put(record, 357, Text("11"));
    Put(record, 360, Text("admin"));
    Put(record, 424, {0x23, 0x8C});
    Put(record, 614, {0x0E, 0x10});
    return record;
}

// The replies up to the record: maker name, attention, SYS_RSP, attention.
void QueueIdentified(FakeByteChannel& printer) {
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply(AttentionReply());
    printer.QueueReply(
        PrinterLinkReply(PrinterTagFrame("__[I_F]__[SYS_RSP]", IdentificationPayload())));
    printer.QueueReply(AttentionReply());
}

class ReadPrinterConfigTest : public ::testing::Test {
protected:

    ConfigReadResult Read() {
        return ReadPrinterConfig(printer, *buffers, [this](milliseconds pause) {
            pauses.push_back(pause);
        });
    }

    FakeByteChannel printer;
    std::unique_ptr<ExchangeBuffers> buffers = std::make_unique<ExchangeBuffers>();
    std::vector<milliseconds> pauses;
};

TEST_F(ReadPrinterConfigTest, ReadsVersion1RecordWithTheRequestsOnTheWire) {
    QueueIdentified(printer);
    const Bytes reply = PrinterLinkReply(PrinterTagFrame("__[I_F]__[IF__CUR]", RecordV1()));
    ASSERT_EQ(reply.size(), 1252U);
    printer.QueueReply(reply);

    const auto result = Read();

    ASSERT_EQ(result.outcome, ReadOutcome::Ok);
    EXPECT_EQ(result.makerName, "Vantrole Systemtechnik AG");
    EXPECT_EQ(result.identification.firmwareVersion, "V1.07");
    EXPECT_EQ(result.identification.updateDate, "2023-04-01");
    EXPECT_EQ(result.identification.MacText(), "00-1A-2B-C0-FE-05");
    EXPECT_EQ(result.config.version, 1);
    EXPECT_EQ(result.config.printerName, "Front desk");
    EXPECT_EQ(result.config.networkMode, 1);
    EXPECT_EQ(result.config.ipAddress, 0xC0A80132U);
    EXPECT_EQ(result.config.ssid, "Office");
    EXPECT_EQ(result.config.userId, "admin");
    EXPECT_EQ(result.config.printerPort, 9100);
    EXPECT_EQ(result.config.inactivityTime, 3600);

    const Bytes attention = {0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03};
    ASSERT_EQ(printer.writes.size(), 5U);
    EXPECT_EQ(printer.writes[0], (Bytes{0x1D, 0x49, 0x42}));
    EXPECT_EQ(printer.writes[1], attention);
    EXPECT_EQ(printer.writes[2], Concat({{0x1F, 0x57, 0x43},
                                         Text("5f5f5b495f465d5f5f5b5359535f5245515d-e/a"),
                                         {0x03}}));
    EXPECT_EQ(printer.writes[3], attention);
    EXPECT_EQ(printer.writes[4], Concat({{0x1F, 0x57, 0x43},
                                         Text("5f5f5b495f465d5f5f5b49465f5f4745545d.50d"),
                                         {0x03}}));
    EXPECT_EQ(pauses, std::vector<milliseconds>{milliseconds(200)});
    EXPECT_EQ(printer.capacities.front(), 32U);
}

TEST_F(ReadPrinterConfigTest, ReplyLongerThanVersion1ReadsVersion2AndTheNextReadDecidesAnew) {
    QueueIdentified(printer);
    const Bytes reply = PrinterLinkReply(PrinterTagFrame("__[I_F]__[IF__CUR]", RecordV2()));
    ASSERT_EQ(reply.size(), 1276U);
    printer.QueueReply(reply);

    const auto second = Read();

    ASSERT_EQ(second.outcome, ReadOutcome::Ok);
    EXPECT_EQ(second.config.version, 2);
    EXPECT_EQ(second.config.networkMode, 2);
    EXPECT_EQ(second.config.p2pConnMode, 1);
    EXPECT_EQ(second.config.p2pPinCode, "12345670");
    EXPECT_EQ(second.config.p2pChannel, "11");
    EXPECT_EQ(second.config.userId, "admin");
    EXPECT_EQ(second.config.printerPort, 9100);
    EXPECT_EQ(second.config.inactivityTime, 3600);

    QueueIdentified(printer);
    printer.QueueReply(PrinterLinkReply(PrinterTagFrame("__[I_F]__[IF__CUR]", RecordV1())));
    const auto third = Read();
    ASSERT_EQ(third.outcome, ReadOutcome::Ok);
    EXPECT_EQ(third.config.version, 1);
    EXPECT_EQ(third.config.userId, "admin");
}

TEST_F(ReadPrinterConfigTest, OtherMakerIsAMismatchAndNothingMoreIsSent) {
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik Ag"));

    const auto result = Read();

    EXPECT_EQ(result.outcome, ReadOutcome::MakerNameMismatch);
    EXPECT_EQ(result.makerName, "Vantrole Systemtechnik Ag");
    EXPECT_EQ(printer.writes.size(), 1U);
    EXPECT_EQ(printer.reads, 1);
}

TEST_F(ReadPrinterConfigTest, SilentPrinterIsAskedTwiceThenMismatches) {
    const auto result = Read();

    EXPECT_EQ(result.outcome, ReadOutcome::MakerNameMismatch);
    EXPECT_EQ(result.makerName, "");
    EXPECT_EQ(printer.reads, 2);
}

TEST_F(ReadPrinterConfigTest, NameArrivingOnTheSecondReadIsAccepted) {
    printer.QueueReply({});
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply({});  // no attention reply

    EXPECT_EQ(Read().outcome, ReadOutcome::AttentionRefused);
    EXPECT_EQ(printer.writes.size(), 2U);
}

TEST_F(ReadPrinterConfigTest, NameWithoutTerminatorIsCutAtTheIdentificationBuffer) {
    printer.QueueReply(Concat({{0x01}, Bytes(60, 'V')}));

    const auto result = Read();

    EXPECT_EQ(result.outcome, ReadOutcome::MakerNameMismatch);
    EXPECT_EQ(result.makerName, std::string(31, 'V'));
}

TEST_F(ReadPrinterConfigTest, WrongAttentionReplyIsRefused) {
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply({0x1F, 0x57, 0x4D, 0x7E});

    EXPECT_EQ(Read().outcome, ReadOutcome::AttentionRefused);
    EXPECT_EQ(printer.writes.size(), 2U);
}

TEST_F(ReadPrinterConfigTest, AttentionBeforeTheRecordRequestIsCheckedToo) {
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply(AttentionReply());
    printer.QueueReply(PrinterLinkReply(PrinterTagFrame("__[I_F]__[SYS_RSP]",
                                                        IdentificationPayload())));
    printer.QueueReply({0x1F, 0x57, 0x43, 0x7F});

    const auto result = Read();

    EXPECT_EQ(result.outcome, ReadOutcome::AttentionRefused);
    EXPECT_EQ(result.identification.firmwareVersion, "V1.07");
}

TEST_F(ReadPrinterConfigTest, MissingSystemResponseIsNoReply) {
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply(AttentionReply());

    EXPECT_EQ(Read().outcome, ReadOutcome::NoReply);
}

TEST_F(ReadPrinterConfigTest, SystemResponseOf71BytesIsRefused) {
    // A frame that checks to 0 with its tag, one byte short of the 72 required.
    Bytes frame = PrinterTagFrame("__[I_F]__[SYS_RSP]", Bytes(50, 0x41));
    frame.push_back(0x00);
    ASSERT_EQ(frame.size(), 71U);
    ASSERT_EQ(PrinterChecksum(frame), 0);
    printer.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
    printer.QueueReply(AttentionReply());
    printer.QueueReply(PrinterLinkReply(frame));

    const auto result = Read();

    EXPECT_EQ(result.outcome, ReadOutcome::SystemResponseRefused);
    EXPECT_EQ(printer.writes.size(), 3U);
}

TEST_F(ReadPrinterConfigTest, SystemResponseWithBadChecksumOrTagIsRefused) {
    Bytes corrupted = PrinterTagFrame("__[I_F]__[SYS_RSP]", IdentificationPayload());
    corrupted[30] ^= 0x01;
    for (const Bytes& frame :
         {corrupted, PrinterTagFrame("__[I_F]__[SYS_REQ]", IdentificationPayload())}) {
        FakeByteChannel channel;
        channel.QueueReply(MakerNameReply("Vantrole Systemtechnik AG"));
        channel.QueueReply(AttentionReply());
        channel.QueueReply(PrinterLinkReply(frame));
        const auto result = ReadPrinterConfig(channel, *buffers, {});
        EXPECT_EQ(result.outcome, ReadOutcome::SystemResponseRefused);
        EXPECT_EQ(result.identification.firmwareVersion, "");
    }
}

TEST_F(ReadPrinterConfigTest, RecordWithBadChecksumOrTagIsRefused) {
    Bytes corrupted = PrinterTagFrame("__[I_F]__[IF__CUR]", RecordV1());
    corrupted[100] ^= 0x80;
    for (const Bytes& frame : {corrupted, PrinterTagFrame("__[I_F]__[IF__SUC]", RecordV1())}) {
        FakeByteChannel channel;
        QueueIdentified(channel);
        channel.QueueReply(PrinterLinkReply(frame));
        EXPECT_EQ(ReadPrinterConfig(channel, *buffers, {}).outcome, ReadOutcome::RecordRefused);
    }
}

TEST_F(ReadPrinterConfigTest, MissingRecordIsNoReply) {
    QueueIdentified(printer);
    EXPECT_EQ(Read().outcome, ReadOutcome::NoReply);
}

}  // namespace
}  // namespace lanvane::test
