#include "link/ComPortList.h"

#include "FakeTree.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace lanvane {
namespace {

using test::FakeTree;

// A tty class entry as sysfs shows it: a link to the tty's directory, which links to the
// hardware device when there is one.
void AddTty(const FakeTree& tree, const std::string& name, bool hasDevice) {
    const std::string ttyDir = "devices/platform/tty/" + name;
    tree.MakeDirectory(ttyDir);
    if (hasDevice) {
        tree.MakeDirectory("devices/platform/hw-" + name);
        tree.MakeLink(ttyDir + "/device", tree.Root() / "devices/platform" / ("hw-" + name));
    }
    tree.MakeLink("class/tty/" + name, tree.Root() / ttyDir);
}

TEST(ComPortListTest, ListsSerialHardwareInNaturalOrder) {
    FakeTree tree;
    AddTty(tree, "ttyS0", true);
    tree.WriteFile("devices/platform/tty/ttyS0/type", "0\n");
    AddTty(tree, "ttyS10", true);
    tree.WriteFile("devices/platform/tty/ttyS10/type", "4\n");
    AddTty(tree, "ttyS2", true);
    AddTty(tree, "ttyACM0", true);
    AddTty(tree, "console", false);

    const std::vector<std::string> expected{"ttyACM0", "ttyS2", "ttyS10"};
    EXPECT_EQ(ListComPorts(tree.Root()), expected);
}

}  // namespace
}  // namespace lanvane
