#include "protocol/BssReplyParser.h"

#include <gtest/gtest.h>

#include "PrinterLine.h"
#include "tests/sim/WireText.h"

namespace lanvane::test {
namespace {

using sim::test::Joined;

const Bytes kBssid = {0x00, 0x11, 0x22, 0x33, 0x44, 0x55};

// One record of a BSS list: SSID element, BSSID element, mode, rssi (big-endian), security.
Bytes BssRecord(std::string_view ssid, const Bytes& bssid, std::uint8_t mode, std::int16_t rssi,
                std::uint8_t security) {
    const auto rssiBits = static_cast<std::uint16_t>(rssi);
    return Joined({{0x00, static_cast<std::uint8_t>(ssid.size())}, Text(ssid),
                   {0x01, static_cast<std::uint8_t>(bssid.size())}, bssid,
                   {mode, static_cast<std::uint8_t>(rssiBits >> 8),
                    static_cast<std::uint8_t>(rssiBits & 0xFF), security}});
}

Bytes TagFrame(std::string_view tag, const Bytes& records) {
    return sim::SealTagFrame(Joined({Text(tag), records}));
}

Bytes BssReply(const Bytes& records) { return TagFrame("__[I_F]__[BSS_RSP]", records); }

std::vector<BssRow> Rows(const Bytes& reply) {
    BssTable table{};
    EXPECT_EQ(ParseBssReply(reply, table), BssOutcome::Ok);
    return FillBssList(table);
}

// One network "Home", 00-11-22-33-44-55, infrastructure, -60, WPA/WPA2.
const Bytes kHomeReply = Joined({Text("__[I_F]__[BSS_RSP]"),
                                 {0x00, 0x04, 0x48, 0x6F, 0x6D, 0x65, 0x01, 0x06, 0x00, 0x11,
                                  0x22, 0x33, 0x44, 0x55, 0x00, 0xFF, 0xC4, 0x0C, 0x0E, 0x6F}});

TEST(SecurityText, NamesTheSixFlagsInBitOrderAndIgnoresTheRest) {
    EXPECT_EQ(SecurityText(0x3F), "WEP64/WEP128/WPA/WPA2/RSN1/RSN2");
    EXPECT_EQ(SecurityText(0x92), "WEP128/RSN1");
    EXPECT_EQ(SecurityText(0xC0), "No");
}

TEST(ParseBssReply, ReplyOf25BytesOrFewerIsAnEmptySuccess) {
    Bytes reply = BssReply({0x01, 0x06, 0x05, 0x00});
    ASSERT_EQ(reply.size(), 24U);
    EXPECT_TRUE(Rows(reply).empty());
    reply.push_back(0x00);  // an odd trailing zero leaves the checksum intact
    EXPECT_TRUE(Rows(reply).empty());
}

// Each reply ends its list early in its own way; the records before the end stay.
TEST(ParseBssReply, ParsingStopsWithinTheReply) {
    const Bytes net = BssRecord("Net", kBssid, 0, -1, 0);
    Bytes many;
    for (int i = 0; i < 130; ++i) {
        many.insert(many.end(), net.begin(), net.end());
    }
    const struct {
        const char* name;
        Bytes records;
        std::size_t rows;
    } cases[] = {
        // 42 and 44 bytes: the second record starts 7 and 8 bytes before the end.
        {"RecordInTheLastSevenBytes", Joined({net, {0x01, 0x01, 0xAA, 0x00, 0xFF}}), 1},
        {"RecordBeforeTheLastSevenBytes",
         Joined({BssRecord("Nets", kBssid, 0, -1, 0), {0x01, 0x02, 0xAA, 0xBB, 0x00, 0xFF}}), 2},
        {"FirstWithoutBssid", Joined({{0x00, 0x02, 'N', 'o', 0x00, 0x00, 0x05, 0x00}, net}), 0},
        {"ZeroBssid", Joined({net, BssRecord("Zero", Bytes(6, 0), 0, -70, 0), net}), 1},
        {"SsidOf31Bytes",
         Joined({net, BssRecord(std::string(30, 'y'), kBssid, 1, -41, 0),
                 BssRecord(std::string(31, 'x'), kBssid, 0, -42, 0), net}),
         2},
        {"SsidPastTheData", Joined({net, {0x00, 0x1E}, Text("tail")}), 1},
        {"BssidPastTheData", Joined({net, {0x01, 0xFF, 0x01, 0x02, 0x03, 0x04, 0x05}}), 1},
        {"MoreThanAHundred", many, 100},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Rows(BssReply(c.records)).size(), c.rows) << c.name;
    }
}

TEST(ParseBssReply, CellsShowTheValuesLiterally) {
    const Bytes longBssid = {0xA1, 0xA2, 0xA3, 0xA4, 0xA5, 0xA6, 0xA7, 0xA8, 0xA9};
    const auto rows = Rows(BssReply(Joined({BssRecord("", longBssid, 2, 5, 0x01),
                                            BssRecord("%d%s%n", {0xB1, 0xB2}, 0, -32768, 0x40),
                                            BssRecord(std::string(30, 'y'), kBssid, 0, 0, 0)})));
    ASSERT_EQ(rows.size(), 3U);
    EXPECT_EQ(rows[0], (BssRow{"1", "", "A1-A2-A3-A4-A5-A6", "Ad hoc", "5", "WEP64"}));
    EXPECT_EQ(rows[1], (BssRow{"2", "%d%s%n", "B1-B2-00-00-00-00", "Infrastructure", "-32768",
                               "No"}));
    EXPECT_EQ(rows[2][1], std::string(30, 'y'));
}

TEST(ParseBssReply, BadChecksumLeavesTheTableAloneAndOtherTagClearsIt) {
    BssTable table{};
    table[0].ssid = "kept";
    table[0].bssid[0] = 1;
    Bytes damaged = kHomeReply;
    damaged[20] ^= 0x10;
    EXPECT_EQ(ParseBssReply(damaged, table), BssOutcome::ChecksumFailed);
    EXPECT_EQ(table[0].ssid, "kept");

    const Bytes request = TagFrame("__[I_F]__[BSS_REQ]", BssRecord("Home", kBssid, 0, 0, 0));
    EXPECT_EQ(ParseBssReply(request, table), BssOutcome::TagMismatch);
    EXPECT_FALSE(table[0].HasBssid());
    EXPECT_EQ(ParseBssReply(std::span(request).first(7), table), BssOutcome::ChecksumFailed);
}

}  // namespace
}  // namespace lanvane::test
