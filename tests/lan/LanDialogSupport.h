#pragma once

#include "lan/windows/LanContext.h"
#include "link/UdpSocket.h"
#include "resources/StringTable.h"
#include "ui/Dialog.h"
#include "ui/headless/HeadlessBackend.h"
#include "tools/driver/ScriptedDriver.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace lanvane::test {

// A printer played by the test: a socket on a free port that takes the program's
// datagrams and answers the last sender with whatever the test says.
class PrinterPeer {
public:
    PrinterPeer();

    std::uint16_t Port() const { return socket_.BoundPort(); }
    // The next datagram that reaches the printer; empty when none came in time.
    std::vector<std::uint8_t> TakeRequest(std::chrono::milliseconds limit = std::chrono::milliseconds(1000));
    // Sends to the sender of the last request taken.
    void Reply(const std::vector<std::uint8_t>& datagram);

private:
    CUdpSocket socket_;
};

// A UDP port held by another program, without sharing, so that binding it fails.
class HeldPort {
public:
    HeldPort();
    ~HeldPort();
    HeldPort(const HeldPort&) = delete;
    HeldPort& operator=(const HeldPort&) = delete;

    std::uint16_t Port() const { return port_; }

private:
    int socket_ = -1;
    std::uint16_t port_ = 0;
};

// Text of a string table entry, for comparing with what a window shows.
std::string TextOf(int messageId);

// A headless backend with a scripted driver, and a LAN context whose datagrams go to
// the loopback broadcast at `printerPort`, from free local ports.
class LanDialogTest : public ::testing::Test {
protected:
    void UsePrinterPort(std::uint16_t printerPort);
    // The texts of the message boxes shown so far, in order.
    std::vector<std::string> Messages() const;
    Dialog& Active() const;
    void TearDown() override;

    ScriptedDriver driver;
    HeadlessBackend ui{driver};
    LanDeviceLists lists;
    LanContext context{ui, EnglishStringTable(), lists, {}, {}, {}, 0};
};

}  // namespace lanvane::test
