#include "lan/core/LanNetworkOptions.h"
#include "link/PrinterPort.h"
#include "link/TcpLink.h"
#include "link/TcpTimings.h"

#include <gtest/gtest.h>

#include <chrono>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// Tests shorten every wait and move every port; what a real printer gets is checked here.
TEST(ProductionDefaultsTest, WaitsAndPortsAreThePrintersOwn) {
    const PortTimings port;
    EXPECT_EQ(port.attempts, 20);
    EXPECT_EQ(port.attemptWait, 3000ms);
    EXPECT_EQ(port.burstGap, 100ms);
    EXPECT_EQ(port.writePerByte, 500ms);
    EXPECT_EQ(port.writeConstant, 5ms);
    EXPECT_EQ(port.usbWriteLimit, 30000ms);

    const TcpTimings tcp;
    EXPECT_EQ(tcp.connectWait, 3000ms);
    EXPECT_EQ(tcp.receiveTimeout, 1500ms);
    EXPECT_EQ(CTcpLink::kPrinterPort, 3318);

    const LanNetworkOptions network;
    EXPECT_STREQ(network.broadcastAddress.c_str(), "255.255.255.255");
    EXPECT_EQ(network.ethernet.localPort, 48780);
    EXPECT_EQ(network.ethernet.printerPort, 48781);
    EXPECT_EQ(network.wlan.localPort, 9000);
    EXPECT_EQ(network.wlan.printerPort, 3337);
}

}  // namespace
}  // namespace lanvane
