#include "link/UdpSocket.h"

#include <sys/socket.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <vector>

namespace lanvane {
namespace {

// The replies of a thousand printers to one search must fit; what the system still drops
// is counted.
TEST(UdpSocketTest, TheReceiveBufferIsLargeAndDropsAreCounted) {
    CUdpSocket receiver;
    ASSERT_EQ(receiver.Bind(), UdpResult::Ok);
    const std::uint16_t port = receiver.BoundPort();
    int size = 0;
    socklen_t length = sizeof size;
    ASSERT_EQ(getsockopt(receiver.Fd(), SOL_SOCKET, SO_RCVBUF, &size, &length), 0);
    int systemLimit = 0;
    std::ifstream("/proc/sys/net/core/rmem_max") >> systemLimit;
    EXPECT_GE(size, 2 * std::min(systemLimit, CUdpSocket::kReceiveBufferBytes));

    CUdpSocket sender;
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(port);
    int sent = 0;
    for (int datagram = 0; datagram < 30000; ++datagram) {
        sent += sender.SendData(std::vector<std::uint8_t>(47, 0x42)) == UdpResult::Ok ? 1 : 0;
    }
    int received = 0;
    UdpDatagram datagram;
    while (receiver.GetData(datagram) == UdpResult::Ok) {
        ++received;
    }
    EXPECT_GT(receiver.DroppedDatagrams(), 0u);
    EXPECT_EQ(static_cast<std::uint32_t>(received) + receiver.DroppedDatagrams(), static_cast<std::uint32_t>(sent));
}

}  // namespace
}  // namespace lanvane
