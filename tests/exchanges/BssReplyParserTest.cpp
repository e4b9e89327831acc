#include "protocol/BssReplyParser.h"

#include <gtest/gtest.h>

#include "BssReplies.h"

namespace lanvane::test {
namespace {

const Bytes kBssid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

BssOutcome Parse(const Bytes& reply, BssTable& table) {
    return ParseBssReply(reply.data(), reply.size(), table);
}

std::vector<BssRow> Rows(const Bytes& reply) {
    BssTable table{};
    EXPECT_EQ(Parse(reply, table), BssOutcome::Ok);
    return FillBssList(table);
}

TEST(ParseBssReply, WorkedExampleGivesOneRow) {
    const Bytes reply = HomeReply();
    ASSERT_EQ(reply.size(), 38U);
    ASSERT_EQ(PrinterChecksum(reply), 0);

    const auto rows = Rows(reply);

    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0],
              (BssRow{"1", "Home", "00-11-22-33-44-55", "Infrastructure", "-60", "WPA/WPA2"}));
}

TEST(ParseBssReply, ReplyOf25BytesOrFewerIsAnEmptySuccess) {
    Bytes reply = BssReply({0x01, 0x06, 0x05, 0x00});
    ASSERT_EQ(reply.size(), 24U);
    EXPECT_TRUE(Rows(reply).empty());
    reply.push_back(0x00);  // an odd trailing zero leaves the checksum intact
    EXPECT_TRUE(Rows(reply).empty());
    EXPECT_TRUE(Rows(BssReply({})).empty());
}

TEST(ParseBssReply, RecordStartsOnlyBeforeTheLastSevenBytes) {
    // The second record is laid so that its last two bytes are the checksum.
    const Bytes atLimit = BssReply(Concat({BssRecord("Net", kBssid, 0, -1, 0),
                                           {0x01, 0x01, 0xAA, 0x00, 0xFF}}));
    ASSERT_EQ(atLimit.size(), 42U);
    EXPECT_EQ(Rows(atLimit).size(), 1U);

    const Bytes beforeLimit = BssReply(Concat({BssRecord("Nets", kBssid, 0, -1, 0),
                                               {0x01, 0x02, 0xAA, 0xBB, 0x00, 0xFF}}));
    ASSERT_EQ(beforeLimit.size(), 44U);
    const auto rows = Rows(beforeLimit);
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1][2], "AA-BB-00-00-00-00");
}

TEST(ParseBssReply, ListEndsAtTheFirstRecordWithoutBssid) {
    const Bytes withoutBssid = Concat({{0x00, 0x02}, Text("No"), {0x00, 0x00, 0x05, 0x00}});
    EXPECT_TRUE(Rows(BssReply(Concat({withoutBssid, BssRecord("Later", kBssid, 0, -1, 0)})))
                    .empty());

    const Bytes zeroBssid = BssRecord("Zero", Bytes(6, 0), 0, -70, 0);
    const auto rows = Rows(BssReply(Concat({BssRecord("First", kBssid, 0, -50, 0x04), zeroBssid,
                                            BssRecord("Third", kBssid, 0, -50, 0)})));
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0][1], "First");
}

TEST(ParseBssReply, TooLongSsidEndsParsingButKeepsEarlierRecords) {
    const Bytes records = Concat({BssRecord("One", kBssid, 0, -40, 0x08),
                                  BssRecord("Two", kBssid, 1, -41, 0x00),
                                  BssRecord(std::string(31, 'x'), kBssid, 0, -42, 0x00),
                                  BssRecord("Four", kBssid, 0, -43, 0x00)});
    const auto rows = Rows(BssReply(records));
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[1], (BssRow{"2", "Two", "00-11-22-33-44-55", "Ad hoc", "-41", "No"}));

    EXPECT_EQ(Rows(BssReply(BssRecord(std::string(30, 'y'), kBssid, 0, 0, 0)))[0][1],
              std::string(30, 'y'));
}

TEST(ParseBssReply, CellsShowTheValuesLiterally) {
    const auto rows = Rows(BssReply(Concat({BssRecord("", kBssid, 2, 5, 0x3F),
                                            BssRecord("%d%s%n", kBssid, 0, -32768, 0x40)})));
    ASSERT_EQ(rows.size(), 2U);
    EXPECT_EQ(rows[0], (BssRow{"1", "", "00-11-22-33-44-55", "Ad hoc", "5",
                               "WEP64/WEP128/WPA/WPA2/RSN1/RSN2"}));
    EXPECT_EQ(rows[1][1], "%d%s%n");
    EXPECT_EQ(rows[1][4], "-32768");
    EXPECT_EQ(rows[1][5], "No");
}

TEST(ParseBssReply, BadChecksumLeavesTheTableAlone) {
    BssTable table{};
    table[0].ssid = "kept";
    table[0].bssid[0] = 1;
    Bytes reply = HomeReply();
    reply[20] ^= 0x10;

    EXPECT_EQ(Parse(reply, table), BssOutcome::ChecksumFailed);
    EXPECT_EQ(table[0].ssid, "kept");
}

TEST(ParseBssReply, OtherTagClearsTheTable) {
    BssTable table{};
    table[0].bssid[0] = 1;
    const Bytes reply = PrinterTagFrame("__[I_F]__[BSS_REQ]",
                                        BssRecord("Home", kBssid, 0, -60, 0x0C));

    EXPECT_EQ(Parse(reply, table), BssOutcome::TagMismatch);
    EXPECT_FALSE(table[0].HasBssid());
    EXPECT_EQ(Parse(Text("__[I_F]"), table), BssOutcome::ChecksumFailed);
}

TEST(ParseBssReply, RecordsBeyondTheHundredthAreNotRead) {
    Bytes records;
    for (int i = 0; i < 130; ++i) {
        records = Concat({records, BssRecord("Net" + std::to_string(i + 1), kBssid, 0,
                                             static_cast<std::int16_t>(-i), 0)});
    }
    const auto rows = Rows(BssReply(records));
    ASSERT_EQ(rows.size(), 100U);
    EXPECT_EQ(rows[99][1], "Net100");
    EXPECT_EQ(rows[99][4], "-99");
}

TEST(ParseBssReply, BssidOfOtherLengthCopiesAtMostSixBytesAndSkipsTheWholeElement) {
    const Bytes longBssid = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9};
    const Bytes shortBssid = {0xB1, 0xB2, 0xB3};
    const auto rows = Rows(BssReply(Concat({BssRecord("Long", longBssid, 0, -1, 0x01),
                                            BssRecord("Short", shortBssid, 0, -2, 0x02),
                                            BssRecord("Six", kBssid, 0, -3, 0x04)})));
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0],
              (BssRow{"1", "Long", "A1-A2-A3-A4-A5-A6", "Infrastructure", "-1", "WEP64"}));
    EXPECT_EQ(rows[1],
              (BssRow{"2", "Short", "B1-B2-B3-00-00-00", "Infrastructure", "-2", "WEP128"}));
    EXPECT_EQ(rows[2][1], "Six");
}

TEST(ParseBssReply, ElementRunningPastTheDataStopsParsing) {
    const Bytes first = BssRecord("First", kBssid, 0, -1, 0);
    const auto rows = Rows(BssReply(Concat({first, {0x00, 0x1E}, Text("tail")})));
    ASSERT_EQ(rows.size(), 1U);
    EXPECT_EQ(rows[0][1], "First");

    EXPECT_EQ(Rows(BssReply(Concat({first, {0x01, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x05}}))).size(),
              1U);
}

}  // namespace
}  // namespace lanvane::test
