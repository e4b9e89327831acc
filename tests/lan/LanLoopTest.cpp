#include "lan/LanSearch.h"
#include "lan/LanSetting.h"
#include "lan/NetworkSettingRules.h"

#include "sim/posix/LanPrinterFleet.h"

#include <gtest/gtest.h>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// The program's side over the loopback broadcast: the printers' ports from the fleet, a
// free local port of the system's choice.
LanNetworkOptions LoopbackNetwork(const sim::LanPrinterFleet& fleet) {
    LanNetworkOptions network;
    network.broadcastAddress = "127.255.255.255";
    network.ethernet = {fleet.EthernetPort(), 0};
    network.wlan = {fleet.WlanPort(), 0};
    return network;
}

TEST(LanLoopTest, SearchListsEveryPrinterOfTheModeOnly) {
    sim::LanPrinterFleet fleet(2, 1, {}, {});
    ASSERT_TRUE(fleet.Start());
    const LanNetworkOptions network = LoopbackNetwork(fleet);
    LanDeviceLists lists;

    LanSearch ethernet(LanMode::Ethernet, network, lists);
    ASSERT_EQ(RunSearch(ethernet, 300ms), UdpResult::Ok);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 2);
    EXPECT_EQ(lists.Count(LanMode::Wlan), 0);

    LanSearch wlan(LanMode::Wlan, network, lists);
    ASSERT_EQ(RunSearch(wlan, 300ms), UdpResult::Ok);
    ASSERT_EQ(lists.Count(LanMode::Wlan), 1);
    EXPECT_EQ(lists.Wlan().Nth(1)->featureCode, 31);
    EXPECT_EQ(lists.Wlan().Nth(1)->ip, 0x7F001401u);
    EXPECT_EQ(lists.Count(LanMode::Ethernet), 2);
}

TEST(LanLoopTest, ShortWlanReplyEndsTheSearchEarly) {
    sim::LanPrinterFleet fleet(0, 1, sim::LanFaultPlan{.shortenTo = 18}, {});
    ASSERT_TRUE(fleet.Start());
    LanDeviceLists lists;
    LanSearch search(LanMode::Wlan, LoopbackNetwork(fleet), lists);
    const auto start = std::chrono::steady_clock::now();
    ASSERT_EQ(RunSearch(search, 1500ms), UdpResult::Ok);
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1000ms);
    EXPECT_EQ(lists.Count(LanMode::Wlan), 0);
}

TEST(LanLoopTest, SettingIsConfirmedAndShowsInTheNextSearch) {
    sim::LanPrinterFleet fleet(2, 0, {}, {});
    ASSERT_TRUE(fleet.Start());
    const LanNetworkOptions network = LoopbackNetwork(fleet);
    LanDeviceLists lists;
    LanSearch search(LanMode::Ethernet, network, lists);
    ASSERT_EQ(RunSearch(search, 300ms), UdpResult::Ok);
    ASSERT_EQ(lists.Count(LanMode::Ethernet), 2);

    DeviceRecord& record = *lists.Ethernet().Nth(2);
    NetworkSettingValues values = SettingValuesOf(record);
    values.ip = 0x0A0A0A0Au;
    values.localPort = 515;
    ASSERT_EQ(ApplySettingValues(values, record), SaveOutcome::Send);
    LanSetting setting(LanMode::Ethernet, network);
    ASSERT_EQ(setting.Send(SetDatagramOf(LanMode::Ethernet, lists, 2)), UdpResult::Ok);
    EXPECT_EQ(AwaitConfirmation(setting, 1000ms), Confirmation::Setc);

    const MacAddress changedMac = record.mac;
    LanSearch again(LanMode::Ethernet, network, lists);
    ASSERT_EQ(RunSearch(again, 300ms), UdpResult::Ok);
    int changed = 0;
    for (int n = 1; n <= lists.Count(LanMode::Ethernet); ++n) {
        const DeviceRecord* device = lists.Ethernet().Nth(n);
        if (device->mac == changedMac) {
            EXPECT_EQ(device->ip, 0x0A0A0A0Au);
            EXPECT_EQ(device->port, 515);
            ++changed;
        } else {
            EXPECT_EQ(device->port, 9100);
        }
    }
    EXPECT_EQ(changed, 1);
}

TEST(LanLoopTest, WithheldConfirmationTimesOut) {
    sim::LanPrinterFleet fleet(0, 1, sim::LanFaultPlan{.silentToSetting = true}, {});
    ASSERT_TRUE(fleet.Start());
    const LanNetworkOptions network = LoopbackNetwork(fleet);
    LanDeviceLists lists;
    LanSearch search(LanMode::Wlan, network, lists);
    ASSERT_EQ(RunSearch(search, 300ms), UdpResult::Ok);
    ASSERT_EQ(lists.Count(LanMode::Wlan), 1);
    LanSetting setting(LanMode::Wlan, network);
    ASSERT_EQ(setting.Send(SetDatagramOf(LanMode::Wlan, lists, 1)), UdpResult::Ok);
    EXPECT_EQ(AwaitConfirmation(setting, 200ms), Confirmation::None);
    EXPECT_EQ(fleet.Printers()[0]->SettingsTaken(), 1);
}

}  // namespace
}  // namespace lanvane
