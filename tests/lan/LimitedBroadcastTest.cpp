#include "lan/core/LanSearch.h"
#include "lan/core/LanSetting.h"
#include "lan/core/NetworkSettingRules.h"

#include "sim/posix/LanPrinterFleet.h"
#include "tests/support/posix/ChildProcess.h"

#include <net/if.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

constexpr const char* kInsideMark = "LANVANE_INSIDE_PRIVATE_NETWORK";
constexpr int kSetupFailed = 77;

// Builds the private network of the architecture guide: loopback, and a veth pair whose
// one end carries 10.99.0.1/24 and the default route; then runs the inner test.
const std::string kNetworkScript =
    "ip link set lo up && ip link add v0 type veth peer name v1 && ip link set v0 up && "
    "ip link set v1 up && ip addr add 10.99.0.1/24 brd + dev v0 && ip route add default dev v0 "
    "|| exit 77; "
    "exec env LANVANE_INSIDE_PRIVATE_NETWORK=1 \"$0\" "
    "--gtest_filter=LimitedBroadcastTest.SearchAndSettingReachPrintersInAPrivateNetwork";

// The unshare form this machine allows: a network namespace alone (as root), or one
// inside a user namespace.
std::vector<std::string> UnshareCommand() {
    if (test::RunProgram({"unshare", "--net", "true"}, 5s).status == 0) {
        return {"unshare", "--net"};
    }
    if (test::RunProgram({"unshare", "--user", "--map-root-user", "--net", "true"}, 5s).status == 0) {
        return {"unshare", "--user", "--map-root-user", "--net"};
    }
    return {};
}

std::set<std::string> InterfaceNames() {
    std::set<std::string> names;
    if (struct if_nameindex* interfaces = if_nameindex()) {
        for (const struct if_nameindex* entry = interfaces; entry->if_index != 0; ++entry) {
            names.insert(entry->if_name);
        }
        if_freenameindex(interfaces);
    }
    return names;
}

// Inside the private network: the datagrams go to 255.255.255.255 at the printers' own
// ports, exactly as on a real network.
void SearchAndSetOverTheLimitedBroadcast() {
    // Never broadcast on a network that is not the private one.
    ASSERT_EQ(InterfaceNames(), (std::set<std::string>{"lo", "v0", "v1"}));

    sim::LanPrinterFleet fleet(1, 1, {}, sim::LanFleetPorts{48781, 3337, 0});
    ASSERT_TRUE(fleet.Start());
    const LanNetworkOptions network;
    ASSERT_EQ(network.broadcastAddress, "255.255.255.255");
    LanDeviceLists lists;
    for (const LanMode mode : {LanMode::Ethernet, LanMode::Wlan}) {
        LanSearch search(mode, network, lists);
        ASSERT_EQ(RunSearch(search, 500ms), UdpResult::Ok);
        ASSERT_EQ(lists.Count(mode), 1);
        // The local port is one socket's at a time: the search window's ends with it.
        search.Socket().Close();

        NetworkSettingValues values = SettingValuesOf(*lists.Nth(mode, 1));
        values.ip = 0x0A630032u;
        ASSERT_EQ(ApplySettingValues(values, *lists.Nth(mode, 1)), SaveOutcome::Send);
        LanSetting setting(mode, network);
        ASSERT_EQ(setting.Send(SetDatagramOf(mode, lists, 1)), UdpResult::Ok);
        EXPECT_NE(AwaitConfirmation(setting, 1000ms), Confirmation::None);
    }
    for (const sim::LanPrinterResponder* printer : fleet.Printers()) {
        EXPECT_EQ(printer->Settings().ip, 0x0A630032u);
    }
}

// Runs itself again inside a private network namespace, where it does the real work.
TEST(LimitedBroadcastTest, SearchAndSettingReachPrintersInAPrivateNetwork) {
    if (std::getenv(kInsideMark) != nullptr) {
        SearchAndSetOverTheLimitedBroadcast();
        return;
    }
    std::vector<std::string> command = UnshareCommand();
    if (command.empty()) {
        GTEST_SKIP() << "network namespaces are not allowed here";
    }
    command.insert(command.end(), {"sh", "-c", kNetworkScript, std::filesystem::read_symlink("/proc/self/exe")});
    const test::ProgramRun run = test::RunProgram(command, 30s);
    if (run.status == kSetupFailed) {
        GTEST_SKIP() << "the private network could not be set up";
    }
    EXPECT_EQ(run.status, 0) << "the test inside the private network failed:\n" << run.out << run.err;
}

}  // namespace
}  // namespace lanvane
