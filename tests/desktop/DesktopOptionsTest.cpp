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

// That --screenshots runs the demo into its folder: desktop/screenshot-tour.
TEST(DesktopOptionsTest, NothingMeansTheRealPrintersAndABroadcastAddressIsTaken) {
    const ParsedOptions plain = Parse({});
    EXPECT_FALSE(plain.error);
    EXPECT_FALSE(plain.options.demo);
    EXPECT_TRUE(plain.options.broadcastAddress.empty());
    EXPECT_TRUE(plain.options.screenshotFolder.empty());
    const ParsedOptions parsed = Parse({"--screenshots", "shots", "--broadcast=127.255.255.255"});
    ASSERT_FALSE(parsed.error);
    EXPECT_EQ(parsed.options.broadcastAddress, "127.255.255.255");
    EXPECT_FALSE(Parse({"--broadcast", "0.0.0.0"}).error);
}

// Only a dotted address is a broadcast (which texts are: AddressTextTest); a file or FIFO
// where the pictures' folder should be is refused before the tour starts.
TEST(DesktopOptionsTest, MissingValuesUnknownArgumentsAndBadValuesAreErrors) {
    const test::TempDir dir;
    const QString file = QString::fromStdString(dir.WriteFile("shots", ""));
    const QString fifo = QString::fromStdString(dir / "fifo");
    ASSERT_EQ(mkfifo(fifo.toLocal8Bit().constData(), 0600), 0);
    const QList<QStringList> bad = {{"--broadcast"}, {"--screenshots"}, {"--demo", "--fast"}, {"demo"},
                                    {"--broadcast", "localhost"}, {"--screenshots", file}, {"--screenshots", fifo}};
    for (const QStringList& arguments : bad) {
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
