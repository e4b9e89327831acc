#include "cli/SettingPlan.h"

#include <gtest/gtest.h>

namespace lanvane::cli {
namespace {

constexpr const char* kMac = "00:1a:2b:e0:00:01";

TEST(SettingPlanTest, RowsTakeTheirColumnsAndEmptyCellsKeepTheValue) {
    const SettingPlan plan = ParseSettingPlan(std::string("# site A\r\n\nmac,baud,port,dhcp\r\n ") + kMac +
                                              " , 9600 ,, off\r\n00-1A-2B-E0-00-02\n");
    ASSERT_EQ(plan.refusal, std::nullopt);
    ASSERT_EQ(plan.rows.size(), 2u);
    EXPECT_EQ(plan.rows[0].line, 4);
    EXPECT_EQ(plan.rows[0].changes.baudIndex, 3);
    EXPECT_EQ(plan.rows[0].changes.port, std::nullopt);
    EXPECT_EQ(plan.rows[0].changes.dhcp, false);
    EXPECT_EQ(plan.rows[1].line, 5);
    EXPECT_EQ(plan.rows[1].mac[5], 2);

    // As a spreadsheet saves it: behind a UTF-8 byte-order mark.
    const SettingPlan plain = ParseSettingPlan("\xEF\xBB\xBF" + std::string(kMac) + ",10.0.0.1,255.0.0.0,10.0.0.254,on,9101,60,115200");
    ASSERT_EQ(plain.rows.size(), 1u) << plain.refusal.value_or("");
    EXPECT_EQ(plain.rows[0].changes.gateway, 0x0A0000FEu);
    EXPECT_EQ(plain.rows[0].changes.inactivity, 60);
}

TEST(SettingPlanTest, MalformedPlansAreRefusedNamingTheLine) {
    const std::string mac = kMac;
    const struct {
        std::string text;
        std::string refusal;
    } cases[] = {
        {"00:1a:2b,10.0.0.1", "line 1: mac: 00:1a:2b is not a MAC address such as 00:1b:7e:3c:4d:5e"},
        {"mac,ip\n" + mac + ",10.0.0", "line 2: 10.0.0 is not an address a.b.c.d"},
        {mac + ",,,,yes", "line 1: dhcp: yes is not on or off"},
        {mac + ",,,,,-80", "line 1: -80 is not a whole number"},
        {mac + ",,,,,,,14400", "line 1: baud: 14400 is not a rate the printer offers"},
        {mac + ",,,,,,,,", "line 1: 9 cells, but only 8 columns"},
        {"mac,ip,colour", "line 1: no column is named 'colour'"},
        {"mac,ip,ip", "line 1: the column ip is named twice"},
        {",10.0.0.1", "line 1: the MAC address is missing"},
        {mac + "\n# again\n" + mac, "line 3: 00:1a:2b:e0:00:01 is also on line 1"},
        {"mac,ip\n", "the plan lists no printer"},
    };
    for (const auto& test : cases) {
        const SettingPlan plan = ParseSettingPlan(test.text);
        EXPECT_EQ(plan.refusal, test.refusal) << test.text;
    }
}

}  // namespace
}  // namespace lanvane::cli
