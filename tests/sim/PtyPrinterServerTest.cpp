#include "sim/posix/PtyPrinterServer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "PosixTestIo.h"
#include "WireText.h"
#include "tests/support/posix/TempDir.h"

namespace lanvane::sim {
namespace {

using namespace test;
using lanvane::test::TempDir;
using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

constexpr milliseconds kReplyLimit{1000};

int OpenRaw(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios settings{};
    if (fd >= 0 && tcgetattr(fd, &settings) == 0) {
        cfmakeraw(&settings);
        tcsetattr(fd, TCSANOW, &settings);
    }
    return fd;
}

// The link and its exchanges run in every lanvane-cli test against the simulator; here a
// server at dir/printer of a printer with the planned faults, and a line to it that has
// sent the attention message.
class PtyPrinterServerTest : public ::testing::Test {
protected:
    void SendAttention(const FaultPlan& faults) {
        printer = std::make_unique<SimulatedPrinter>(DefaultPrinterState(), faults);
        server = std::make_unique<PtyPrinterServer>(*printer);
        ASSERT_TRUE(server->Start(dir / "printer"));
        port = OpenRaw(server->DevicePath());
        ASSERT_TRUE(WriteWhole(port, kAttention));
    }
    void TearDown() override { close(port); }

    TempDir dir;
    std::unique_ptr<SimulatedPrinter> printer;
    std::unique_ptr<PtyPrinterServer> server;
    int port = -1;
};

TEST_F(PtyPrinterServerTest, WritesASplitReplyInTwoBurstsApart) {
    FaultPlan faults;
    faults.splitReply = true;
    faults.splitGap = milliseconds(150);
    SendAttention(faults);
    EXPECT_EQ(ReadFor(port, 7, milliseconds(100)), Hex("1F 57 4D"));
    EXPECT_EQ(ReadFor(port, 4, kReplyLimit), Hex("7F 1D 1F 03"));
}

TEST_F(PtyPrinterServerTest, StopsPromptlyWhileWaitingToReply) {
    FaultPlan faults;
    faults.replyDelay = milliseconds(5000);
    SendAttention(faults);
    EXPECT_TRUE(ReadFor(port, 1, milliseconds(100)).empty());
    const auto started = Clock::now();
    server->Stop();
    EXPECT_LT(Clock::now() - started, milliseconds(500));
    EXPECT_FALSE(server->Serving());
    EXPECT_FALSE(std::filesystem::exists(dir / "printer"));
}

TEST_F(PtyPrinterServerTest, HangsUpAfterThePlannedNumberOfMessages) {
    FaultPlan faults;
    faults.disconnectAfter = 1;
    SendAttention(faults);
    EXPECT_EQ(ReadFor(port, 7, kReplyLimit), kAttentionReply);
    EXPECT_TRUE(ReadFor(port, 1, milliseconds(300)).empty());
    std::uint8_t byte = 0;
    EXPECT_LE(read(port, &byte, 1), 0);
    EXPECT_FALSE(server->Serving());
}

TEST(PtyPrinterServer, LeavesAnOrdinaryFileAtTheLinkPathAlone) {
    TempDir dir;
    std::ofstream(dir / "printer") << "keep";
    SimulatedPrinter printer;
    PtyPrinterServer server(printer);
    EXPECT_FALSE(server.Start(dir / "printer"));
    EXPECT_TRUE(std::filesystem::is_regular_file(dir / "printer"));
}

}  // namespace
}  // namespace lanvane::sim
