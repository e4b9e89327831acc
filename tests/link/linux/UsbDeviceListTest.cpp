#include "link/UsbDeviceList.h"

#include "FakeTree.h"
#include "../PseudoTerminal.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <list>
#include <string>

namespace lanvane {
namespace {

using test::FakeTree;
using test::PseudoTerminal;

// Lays out usblp printers as sysfs and /dev show them, each node a pseudo-terminal.
class UsbDeviceListTest : public ::testing::Test {
protected:
    std::string AddPrinter(int number, const std::string& vendorId, const std::string& productId) {
        return tree.AddUsbPrinter(number, vendorId, productId, terminals.emplace_back().SlavePath());
    }

    CUsbDeviceList MakeList() const { return CUsbDeviceList(tree.Root() / "sys", tree.Root() / "dev"); }

    FakeTree tree;
    std::list<PseudoTerminal> terminals;
};

// Nodes are taken in number order (lp10 after lp2) and named by their place in it. The
// names, ids and paths as listed: CliUsbListTest.PortsListsTheUsbPrinters*.
TEST_F(UsbDeviceListTest, DevicesAreNamedByTheirPlaceInNumberOrder) {
    AddPrinter(0, "0dd4", "002b");
    const std::string last = AddPrinter(10, "0dd4", "002b");
    AddPrinter(2, "0dd4", "0010");
    CUsbDeviceList list = MakeList();
    ASSERT_EQ(list.Refresh(), 3u);
    EXPECT_EQ(list.GetAt(1)->productId, "0010");
    EXPECT_EQ(list.GetAt(2)->displayName, "USB003");
    EXPECT_EQ(list.GetAt(2)->devicePath, last);
    EXPECT_EQ(list.GetAt(3), nullptr);
}

TEST_F(UsbDeviceListTest, DevicesThatCannotBeHadAreLeftOut) {
    const std::string missingNode = AddPrinter(0, "0dd4", "002b");
    std::filesystem::remove(missingNode);
    const std::string heldNode = AddPrinter(1, "0dd4", "002b");
    AddPrinter(2, "0dd4", "0010");
    tree.WriteFile("sys/devices/usb1/1-2/idProduct", "printer\n");
    AddPrinter(3, "0dd4", "002b");
    tree.MakeDirectory("sys/class/usbmisc/hiddev0");

    const int holder = open(heldNode.c_str(), O_RDWR | O_NOCTTY);
    ASSERT_GE(holder, 0);
    ASSERT_EQ(flock(holder, LOCK_EX | LOCK_NB), 0);
    CUsbDeviceList list = MakeList();
    ASSERT_EQ(list.Refresh(), 1u);
    EXPECT_EQ(list.GetAt(0)->displayName, "USB001");
    EXPECT_EQ(list.GetAt(0)->devicePath, (tree.Root() / "dev/usb/lp3").string());

    close(holder);
    EXPECT_EQ(list.Refresh(), 2u) << "a released device is listed again";
}

}  // namespace
}  // namespace lanvane
