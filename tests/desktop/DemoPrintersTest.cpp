#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/desktop/DemoLanPrinters.h"
#include "app/desktop/DemoUsbPrinters.h"
#include "lan/core/LanSearch.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// The demo's USB printers answer the program's own printer port, opened as USB devices.
TEST(DemoPrintersTest, UsbPrintersAreListedAndReadThroughTheRealPort) {
    DemoUsbPrinters printers;
    std::string problem;
    ASSERT_TRUE(printers.Start(problem)) << problem;
    const auto devices = printers.Devices().UsbDevices();
    ASSERT_EQ(devices.size(), 2u);
    EXPECT_EQ(devices[0].displayName, "USB001");
    EXPECT_EQ(devices[1].displayName, "USB002");
    std::set<int> versions;
    for (const UsbDeviceEntry& device : devices) {
        EXPECT_EQ(device.productId, "002B");
        CPrinterPort port;
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
