#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <iterator>
#include <sstream>

#include "CliRunner.h"
#include "sim/LanPrinterFleet.h"

namespace lanvane::cli::test {
namespace {

// The cells of the text row that holds `mac`, from the MAC on.
std::vector<std::string> RowOf(const std::string& table, const std::string& mac) {
    std::istringstream lines(table);
    for (std::string line; std::getline(lines, line);) {
        if (const std::size_t at = line.find(mac); at != std::string::npos) {
            std::istringstream cells(line.substr(at));
            return {std::istream_iterator<std::string>(cells), std::istream_iterator<std::string>()};
        }
    }
    return {};
}

// lanvane-cli against simulated printers on the loopback broadcast, at ports of the
// system's choice.
class LanEndToEndTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(fleet.Start()); }

    CliRun Run(const std::string& command, const std::string& mode, std::vector<std::string> arguments = {}) {
        const std::uint16_t port = mode == "wlan" ? fleet.WlanPort() : fleet.EthernetPort();
        arguments.insert(arguments.begin(),
                         {command, "--mode", mode, "--broadcast", "127.255.255.255", "--printer-port",
                          std::to_string(port), "--local-port", "0", "--timeout", "300", "--confirm-ms", "1000"});
        return RunCli(arguments);
    }

    sim::LanPrinterFleet fleet{2, 1, {}, {}};
};

TEST_F(LanEndToEndTest, DiscoverThenSetIpThenDiscoverShowsTheNewAddress) {
    const CliRun listed = Run("discover", "wlan", {"--json"});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const auto devices = nlohmann::json::parse(listed.out)["devices"];
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0]["featureCode"], 31);

    const CliRun set = Run("set-ip", "ethernet", {"--mac", "00:1a:2b:e0:00:01", "--ip", "10.1.2.3", "--mask",
                                                  "255.255.0.0", "--gateway", "10.1.0.1", "--port", "9101"});
    ASSERT_EQ(set.status, 0) << set.err;
    EXPECT_EQ(set.err, "The configuration has been completed.\n");

    const CliRun again = Run("discover", "ethernet");
    ASSERT_EQ(again.status, 0) << again.err;
    EXPECT_EQ(RowOf(again.out, "00:1a:2b:e0:00:01"),
              (std::vector<std::string>{"00:1a:2b:e0:00:01", "10.1.2.3", "255.255.0.0", "10.1.0.1", "9101", "2.1"}))
        << again.out;
}

// The refusals themselves are LanCommandsTest's; here the error document of the program.
TEST_F(LanEndToEndTest, UnknownPrinterIsNothingFoundUnderJson) {
    const CliRun unknown = Run("set-ip", "ethernet", {"--mac", "00:1a:2b:e0:00:07", "--json"});
    EXPECT_EQ(unknown.status, 1);
    EXPECT_EQ(nlohmann::json::parse(unknown.out)["error"]["kind"], "nothing-found");
}

}  // namespace
}  // namespace lanvane::cli::test
