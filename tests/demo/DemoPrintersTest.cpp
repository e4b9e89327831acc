#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/demo/DemoLanPrinters.h"
#include "app/demo/DemoUsbPrinters.h"
#include "lan/core/LanSearch.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// The demo's USB printers answer the port the program is given for them (its own printer
// port where they are served on devices), opened as USB devices.
TEST(DemoPrintersTest, UsbPrintersAreListedAndReadThroughTheDemoPort) {
    DemoUsbPrinters printers;
    std::string problem;
    ASSERT_TRUE(printers.Start(problem)) << problem;
    const auto devices = printers.Devices().UsbDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].displayName, "USB001");
    EXPECT_EQ(devices[1].displayName, "USB002");
    std::set<int> versions;
    CPrinterPort systemPort;
    PrinterPortLike& port = printers.Port(systemPort);
    for (const UsbDeviceEntry& device : devices) {
        EXPECT_EQ(device.productId, "002B");
        port.SetUsbDevice(true);
        port.SetPortName(device.devicePath);
        ASSERT_TRUE(port.Open()) << device.devicePath;
        ExchangeBuffers buffers;
        const ConfigReadResult result = ReadPrinterConfig(port, buffers, Sleeper([](std::chrono::milliseconds) {}));
        port.Close();
        ASSERT_EQ(result.outcome, ReadOutcome::Ok) << device.displayName;
        versions.insert(result.config.version);
    }
    EXPECT_EQ(versions, (std::set<int>{1, 2})) << "one printer of each record layout";
}

TEST(DemoPrintersTest, LanPrintersOfBothKindsAnswerOnTheLoopbackBroadcast) {
    DemoLanPrinters printers;
    std::string problem;
    std::vector<std::string> warnings;
    ASSERT_TRUE(printers.Start(problem, warnings)) << problem;
    const LanNetworkOptions network = printers.Network({});
    EXPECT_EQ(network.broadcastAddress, "127.255.255.255");
    LanDeviceLists lists;
    for (LanMode mode : {LanMode::Ethernet, LanMode::Wlan}) {
        LanSearch search(mode, network, lists);
        ASSERT_EQ(RunSearch(search, 400ms), UdpResult::Ok);
        EXPECT_EQ(lists.Count(mode), 3);
    }
    EXPECT_EQ(printers.Network("10.99.0.255").broadcastAddress, "10.99.0.255");
}

}  // namespace
}  // namespace lanvane
