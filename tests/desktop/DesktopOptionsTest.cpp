#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/desktop/DesktopOptions.h"
#include "tests/support/posix/TempDir.h"

namespace lanvane {
namespace {

ParsedOptions Parse(QStringList arguments) {
    arguments.prepend(QStringLiteral("lanvane"));
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
    const ParsedOptions parsed = Parse({"--screenshots", "shots", "--broadcast=127.255.255.255"});
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

// A file or FIFO where the pictures' folder should be is refused before the tour starts.
TEST(DesktopOptionsTest, MissingValuesUnknownArgumentsAndFoldersThatAreNoneAreErrors) {
    const test::TempDir dir;
    const QString file = QString::fromStdString(dir.WriteFile("shots", ""));
    const QString fifo = QString::fromStdString(dir / "fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    for (const QStringList& arguments :
         {QStringList{"--broadcast"}, QStringList{"--screenshots"}, QStringList{"--demo", "--fast"}, QStringList{"demo"},
          QStringList{"--screenshots", file}, QStringList{"--screenshots", fifo}}) {
        EXPECT_TRUE(Parse(arguments).error) << arguments.join(' ').toStdString();
    }
}

TEST(DesktopOptionsTest, HelpAndVersionAreSeenBesideTheToolkitsOwnOptions) {
    const ParsedOptions parsed = Parse({"-platform", "offscreen", "--version", "-h"});
    EXPECT_TRUE(parsed.options.help);
    EXPECT_TRUE(parsed.options.version);
    EXPECT_NE(DesktopUsage().find("--screenshots <FOLDER>"), std::string::npos);
    const ParsedOptions toolkitOnly = Parse({"-reverse", "-stylesheet", "dark.qss"});
    EXPECT_FALSE(toolkitOnly.options.help || toolkitOnly.options.version);
}

}  // namespace
}  // namespace lanvane
