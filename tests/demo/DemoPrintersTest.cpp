#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

#include "app/demo/DemoUsbPrinters.h"
#include "link/PrinterPort.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane {
namespace {

// The demo's USB printers answer the port the program is given for them (its own printer
// port where they are served on devices), opened as USB devices. Its LAN printers answer
// the screenshot tours (desktop/screenshot-tour), which list them in both modes.
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

}  // namespace
}  // namespace lanvane
