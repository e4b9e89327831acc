#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "sim/LanPrinterFleet.h"

namespace lanvane::sim {
namespace {

TEST(LanPrinterFleetTest, PortHeldByAnotherProgramFailsTheStart) {
    const int holder = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(holder, reinterpret_cast<const sockaddr*>(&address), size), 0);
    getsockname(holder, reinterpret_cast<sockaddr*>(&address), &size);
    LanPrinterFleet fleet(1, 0, LanFaultPlan{}, LanFleetPorts{.ethernet = ntohs(address.sin_port)});
    EXPECT_FALSE(fleet.Start());
    close(holder);
}

}  // namespace
}  // namespace lanvane::sim
