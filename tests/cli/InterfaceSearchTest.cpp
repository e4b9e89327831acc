#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <optional>
#include <set>

#include "CliRunner.h"
#include "sim/LanPrinterFleet.h"
#include "tests/support/posix/PrivateNetwork.h"

namespace lanvane::cli::test {
namespace {

using namespace std::chrono_literals;

// A private network of two veth ends with broadcast addresses and a default route.
constexpr const char* kNetworkSetup =
    "ip link set lo up && ip link add v0 type veth peer name v1 && ip link set v0 up && ip link set v1 up && "
    "ip addr add 10.99.0.1/24 brd + dev v0 && ip addr add 10.98.0.1/24 brd + dev v1 && "
    "ip route add default dev v0";

// Inside the private network: without --broadcast the search goes to the limited broadcast
// and to every interface's directed broadcast, at the printers' own ports, and each printer
// is listed once; a setting reaches its printer the same way.
void SearchEveryInterface() {
    // Never broadcast on a network that is not the private one.
    ASSERT_EQ(lanvane::test::InterfaceNames(), (std::set<std::string>{"lo", "v0", "v1"}));
    sim::LanPrinterFleet fleet(2, 1, {}, sim::LanFleetPorts{48781, 3337, 0});
    ASSERT_TRUE(fleet.Start());
    auto run = [](const char* command, const char* mode, std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {command, "--mode", mode, "--timeout", "500", "--json"});
        return RunCli(arguments);
    };

    const CliRun everywhere = run("discover", "ethernet", {});
    ASSERT_EQ(everywhere.status, 0) << everywhere.err;
    const nlohmann::json all = nlohmann::json::parse(everywhere.out);
    std::set<std::string> searched;
    for (const nlohmann::json& target : all["searched"]) {
        searched.insert(target.dump());
    }
    EXPECT_EQ(searched, (std::set<std::string>{R"({"address":"255.255.255.255","interface":null})",
                                               R"({"address":"10.99.0.255","interface":"v0"})",
                                               R"({"address":"10.98.0.255","interface":"v1"})"}));
    ASSERT_EQ(all["devices"].size(), 2u) << everywhere.out;
    EXPECT_EQ(all["devices"][0]["macAddress"], "00:1a:2b:e0:00:01");

    const CliRun oneInterface = run("discover", "ethernet", {"--interface", "v1"});
    ASSERT_EQ(oneInterface.status, 0) << oneInterface.err;
    EXPECT_EQ(nlohmann::json::parse(oneInterface.out)["searched"],
              nlohmann::json::parse(R"([{"address": "10.98.0.255", "interface": "v1"}])"));
    EXPECT_EQ(run("discover", "ethernet", {"--interface", "v9"}).status, 2);

    const CliRun set = run("set-ip", "wlan", {"--mac", "00:1a:2b:b0:00:01", "--ip", "10.99.0.50", "--gateway", "0.0.0.0"});
    EXPECT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(fleet.Printers().back()->Settings().ip, 0x0A630032u);
}

// Runs itself again inside a private network namespace, where it does the real work.
TEST(InterfaceSearchTest, DiscoverSearchesEveryInterfaceOfAPrivateNetwork) {
    if (lanvane::test::InsidePrivateNetwork()) {
        SearchEveryInterface();
        return;
    }
    const std::optional<lanvane::test::ProgramRun> run =
        lanvane::test::RerunInPrivateNetwork(kNetworkSetup, "InterfaceSearchTest.*", 30s);
    if (!run) {
        GTEST_SKIP() << "no private network namespace can be made here";
    }
    EXPECT_EQ(run->status, 0) << "the test inside the private network failed:\n" << run->out << run->err;
}

}  // namespace
}  // namespace lanvane::cli::test
