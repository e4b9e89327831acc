#include "link/PrinterPort.h"

#include "../PortTestSupport.h"
#include "../PseudoTerminal.h"
#include "link/InterruptRelease.h"
#include "tests/support/posix/TempDir.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::FastTimings;
using test::LineState;
using test::PseudoTerminal;
using test::ReadText;

// A port on the pseudo-terminal, as a USB device or as a COM port with the given lines.
std::unique_ptr<CPrinterPort> PortOn(const PseudoTerminal& printer, LineState& lines, bool usbDevice,
                                     PortTimings timings = FastTimings()) {
    return test::PortOn(printer.SlavePath(), lines, usbDevice, timings);
}

// A COM port's write ends after n x 500 ms + 5 ms.
TEST(ComPortTest, PrinterHoldingTheLineEndsTheWriteAtTheBound) {
    PortTimings timings = FastTimings();
    timings.writePerByte = 0ms;
    timings.writeConstant = 100ms;
    PseudoTerminal printer;
    LineState lines;
    const auto port = PortOn(printer, lines, false, timings);
    ASSERT_TRUE(port->Open());

    const std::vector<std::uint8_t> data(1 << 20, 0x55);
    const auto start = std::chrono::steady_clock::now();
    const std::size_t written = port->Write(data);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GE(elapsed, 90ms);
    EXPECT_LT(elapsed, 500ms);
    EXPECT_GT(written, 0u);
    EXPECT_LT(written, data.size());
    EXPECT_EQ(port->LastError().kind, LinkFailure::TimedOut);
}

// A printer that is not ready (CTS or DSR off) fails the open and leaves the line free; a
// ready one gets its line settings, which the close gives back.
TEST(ComPortTest, OpensOnlyWhenReadyWithThePrintersLineSettingsAndGivesTheOldOnesBackAtClose) {
    PseudoTerminal printer(false);
    LineState notReady[] = {{false, true}, {true, false}};
    std::vector<std::unique_ptr<CPrinterPort>> refused;
    for (LineState& lines : notReady) {
        refused.push_back(PortOn(printer, lines, false));
        EXPECT_FALSE(refused.back()->Open());
        EXPECT_EQ(refused.back()->LastError().kind, LinkFailure::LineNotReady);
    }
    LineState lines;
    const auto port = PortOn(printer, lines, false);
    ASSERT_TRUE(port->Open()) << "a failed open must not keep the line";
    EXPECT_EQ(lines.dtrClears, 1);

    termios line{};
    ASSERT_EQ(tcgetattr(lines.handle, &line), 0);
    EXPECT_EQ(cfgetispeed(&line), B115200);
    EXPECT_EQ(cfgetospeed(&line), B115200);
    EXPECT_EQ(line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), static_cast<tcflag_t>(CS8 | CRTSCTS));
    EXPECT_EQ(line.c_iflag & (IXON | IXOFF | IXANY), 0u);
    EXPECT_EQ(line.c_lflag & ICANON, 0u);

    // A cooked line would hold this back for want of a newline and turn CR into LF.
    printer.Send(std::string("A\rB\x03", 4));
    EXPECT_EQ(ReadText(*port), std::string("A\rB\x03", 4));

    port->Close();
    EXPECT_EQ(lines.dtrClears, 2);
    EXPECT_NE(printer.LineSettings().c_lflag & ICANON, 0u) << "the cooked line is back";
}

// Only a character device is a printer: a FIFO or a directory given as one is refused, and
// nothing is written to it (a file: CliDeviceTest.DevicesThatCannotBeUsed*).
TEST(PrinterPortOpenTest, AnythingButACharacterDeviceIsRefusedUntouched) {
    const test::TempDir dir;
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    for (const std::string& path : {dir / "fifo", dir.Path().string()}) {
        LineState lines;
        const auto port = test::PortOn(path, lines, false);
        EXPECT_FALSE(port->Open()) << path;
        EXPECT_EQ(port->LastError().kind, LinkFailure::NotADevice) << path;
        const std::uint8_t request[] = {0x1D, 0x49, 0x42};
        EXPECT_EQ(port->Write(request), 0u);
    }
}

// A late reply to an interrupted command, waiting in the device when the next program opens
// it, never passes for the answer to that program's first request.
TEST(PrinterPortOpenTest, AReplyWaitingBeforeTheOpenIsDropped) {
    const PseudoTerminal printer;
    printer.Send("\x1F\x57\x4D" "ff\x03");
    std::this_thread::sleep_for(100ms);  // a pseudo-terminal hands bytes over a moment later
    LineState lines;
    const auto port = test::PortOn(printer.SlavePath(), lines, true);
    ASSERT_TRUE(port->Open());
    const std::string reply = "\x1F\x57\x4D" "0a1b\x03";
    printer.Send(reply);
    EXPECT_EQ(ReadText(*port, ReplyKind::LinkMessage), reply);
}

// Whether the device is still held, as the next program to open it would find.
bool HeldExclusively(const std::string& path) {
    const int fd = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return errno == EBUSY;
    }
    int exclusive = 0;
    ioctl(fd, TIOCGEXCL, &exclusive);
    const bool locked = flock(fd, LOCK_EX | LOCK_NB) != 0;
    close(fd);
    return exclusive != 0 || locked;
}

// A program that ends while it holds the line leaves nothing behind that keeps the next one
// out: killed, through the system; interrupted, by giving the line back as it found it and
// ending with 128 + the signal. What it says then, and a USB device given back:
// CliPrinterTest.InterruptedCommands*.
TEST(InterruptReleaseTest, AProgramEndedWhileHoldingTheLineLeavesItAsItWas) {
    for (const int signal : {SIGKILL, SIGTERM}) {
        PseudoTerminal printer(false);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ReleaseDevicesOnInterrupt("tester");
            LineState lines;
            const auto port = PortOn(printer, lines, false);
            if (port->Open() && HeldExclusively(printer.SlavePath())) {
                raise(signal);
            }
            _exit(1);
        }
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        if (signal == SIGTERM) {
            ASSERT_TRUE(WIFEXITED(status));
            EXPECT_EQ(WEXITSTATUS(status), 143);
            EXPECT_NE(printer.LineSettings().c_lflag & ICANON, 0u) << "the line settings are back";
        } else {
            ASSERT_TRUE(WIFSIGNALED(status)) << "the child could not open the line";
        }
        LineState lines;
        const auto next = PortOn(printer, lines, false);
        EXPECT_TRUE(next->Open()) << signal << ": " << Describe(next->LastError());
    }
}

}  // namespace
}  // namespace lanvane
