#include <gtest/gtest.h>

#include "link/UdpSocket.h"
#include "sim/LanPrinterFleet.h"

namespace lanvane::sim {
namespace {

TEST(LanPrinterFleetTest, PortHeldByAnotherProgramFailsTheStart) {
    CUdpSocket holder;
    ASSERT_EQ(holder.Bind(), UdpResult::Ok);
    LanPrinterFleet fleet(1, 0, LanFaultPlan{}, LanFleetPorts{.ethernet = holder.BoundPort()});
    EXPECT_FALSE(fleet.Start());
}

}  // namespace
}  // namespace lanvane::sim
