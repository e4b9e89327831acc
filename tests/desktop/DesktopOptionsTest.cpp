#include <gtest/gtest.h>

#include "app/desktop/DesktopOptions.h"

namespace lanvane {
namespace {

ParsedOptions Parse(std::vector<std::string> arguments) {
    return ParseDesktopOptions(arguments);
}

TEST(DesktopOptionsTest, NothingMeansTheRealPrintersOnTheLimitedBroadcast) {
    const ParsedOptions parsed = Parse({});
    EXPECT_FALSE(parsed.error);
    EXPECT_FALSE(parsed.options.demo);
    EXPECT_TRUE(parsed.options.broadcastAddress.empty());
    EXPECT_TRUE(parsed.options.screenshotFolder.empty());
}

TEST(DesktopOptionsTest, ScreenshotsRunTheDemoAndTheBroadcastAddressIsKept) {
    const ParsedOptions parsed = Parse({"--screenshots", "shots", "--broadcast", "127.255.255.255"});
    ASSERT_FALSE(parsed.error);
    EXPECT_TRUE(parsed.options.demo);
    EXPECT_EQ(parsed.options.screenshotFolder, "shots");
    EXPECT_EQ(parsed.options.broadcastAddress, "127.255.255.255");
}

TEST(DesktopOptionsTest, OnlyDottedAddressesAreTakenForTheBroadcast) {
    for (const char* bad : {"localhost", "127.0.0", "127.0.0.1.1", "256.0.0.1", "1..2.3", "1.2.3.4 ", "1.2.3.0004", ""}) {
        EXPECT_TRUE(Parse({"--broadcast", bad}).error) << '"' << bad << '"';
    }
    EXPECT_FALSE(Parse({"--broadcast", "0.0.0.0"}).error);
    EXPECT_FALSE(Parse({"--broadcast", "10.99.0.255"}).error);
}

TEST(DesktopOptionsTest, MissingValuesAndUnknownArgumentsAreErrors) {
    EXPECT_TRUE(Parse({"--broadcast"}).error);
    EXPECT_TRUE(Parse({"--screenshots"}).error);
    EXPECT_TRUE(Parse({"--demo", "--fast"}).error);
    EXPECT_TRUE(Parse({"-h"}).options.help);
    EXPECT_TRUE(Parse({"--version"}).options.version);
}

}  // namespace
}  // namespace lanvane
