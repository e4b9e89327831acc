#include "link/PrinterPort.h"

#include "../PortTestSupport.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace lanvane {
namespace {

using test::FastTimings;
using test::LineState;
using test::PortOn;

// A file or a folder given as a printer is refused for both kinds as no device (the file
// left as it was); a missing device is not found; a closed port refuses I/O.
TEST(PrinterPortOpenTest, FilesAndMissingDevicesAreRefusedUntouched) {
    namespace fs = std::filesystem;
    const fs::path file = fs::temp_directory_path() / ("lanvane-port-" + std::to_string(GetCurrentProcessId()));
    std::ofstream(file) << "IMPORTANT DATA\n";
    for (const bool usbDevice : {true, false}) {
        LineState lines;
        const auto port = PortOn(file.string(), lines, usbDevice);
        EXPECT_FALSE(port->Open());
        EXPECT_EQ(port->LastError().kind, LinkFailure::NotADevice);
        const std::uint8_t request[] = {0x1D, 0x49, 0x42};
        EXPECT_EQ(port->Write(request), 0u);

        const auto folder = PortOn(fs::temp_directory_path().string(), lines, usbDevice);
        EXPECT_FALSE(folder->Open());
        EXPECT_EQ(folder->LastError().kind, LinkFailure::NotADevice) << Describe(folder->LastError());

        const auto missing = PortOn("\\\\.\\COM250", lines, usbDevice);
        EXPECT_FALSE(missing->Open());
        EXPECT_EQ(missing->LastError().kind, LinkFailure::NotFound) << Describe(missing->LastError());
    }
    std::stringstream content;
    content << std::ifstream(file).rdbuf();
    EXPECT_EQ(content.str(), "IMPORTANT DATA\n");
    fs::remove(file);
}

// The test run maps this port to a fresh pseudo-terminal (see tests/link/CMakeLists.txt):
// a real serial line of the system, without modem lines.
constexpr const char* kTestComPort = "\\\\.\\COM42";

TEST(ComPortTest, OpensOnlyWhenCtsAndDsrAreOnWithThePrintersLineSettings) {
    LineState notReady[] = {{false, true}, {true, false}};
    for (LineState& lines : notReady) {
        const auto port = PortOn(kTestComPort, lines, false);
        EXPECT_FALSE(port->Open());
        EXPECT_EQ(port->LastError().kind, LinkFailure::LineNotReady);
    }

    LineState ready;
    const auto port = PortOn(kTestComPort, ready, false);
    ASSERT_TRUE(port->Open()) << Describe(port->LastError());
    EXPECT_EQ(ready.dtrClears, 1);
    DCB line{};
    line.DCBlength = sizeof line;
    ASSERT_TRUE(GetCommState(ready.handle, &line));
    EXPECT_EQ(line.BaudRate, 115200u);
    EXPECT_EQ(line.ByteSize, 8);
    EXPECT_EQ(line.Parity, NOPARITY);
    EXPECT_EQ(line.StopBits, ONESTOPBIT);
    EXPECT_TRUE(line.fOutxCtsFlow);
    // The RTS and DTR modes are read back from the modem lines, which a pseudo-terminal lacks.
    EXPECT_FALSE(line.fOutX);
    EXPECT_FALSE(line.fInX);
    port->Close();
    EXPECT_EQ(ready.dtrClears, 2);
}

// A pseudo-terminal has no modem lines: the system's lines refuse it, unless the test
// switch skips the CTS and DSR check.
TEST(ComPortTest, TheModemLineSwitchSkipsOnlyTheLineCheck) {
    CPrinterPort port(FastTimings(), MakeSystemModemLines());
    port.SetPortName(kTestComPort);
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.LastError().kind, LinkFailure::NotADevice);

    _putenv_s("LANVANE_TEST_IGNORE_MODEM_LINES", "1");
    EXPECT_TRUE(port.Open()) << Describe(port.LastError());
    _putenv_s("LANVANE_TEST_IGNORE_MODEM_LINES", "");
}

}  // namespace
}  // namespace lanvane
