#include "link/UdpSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <fstream>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

std::vector<std::uint8_t> Bytes(std::size_t count, std::uint8_t value) {
    return std::vector<std::uint8_t>(count, value);
}

// A socket bound to a free port of the system's choice.
std::uint16_t BindEphemeral(CUdpSocket& socket) {
    socket.SetLocalPort(0);
    EXPECT_EQ(socket.Bind(), UdpResult::Ok);
    return socket.BoundPort();
}

UdpDatagram Receive(CUdpSocket& socket) {
    UdpDatagram datagram;
    EXPECT_TRUE(socket.WaitReadable(1000ms));
    EXPECT_EQ(socket.GetData(datagram), UdpResult::Ok);
    return datagram;
}

// Replies to a shared port would reach only one of the programs sharing it, so a port in
// use is refused, also when its holder asked for sharing.
TEST(UdpSocketTest, APortInUseIsRefusedAsBusy) {
    for (const bool holderShares : {false, true}) {
        const int holder = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
        ASSERT_GE(holder, 0);
        const int on = 1;
        if (holderShares) {
            ASSERT_EQ(setsockopt(holder, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on), 0);
        }
        sockaddr_in address{};
        address.sin_family = AF_INET;
        socklen_t size = sizeof address;
        ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&address), size), 0);
        ASSERT_EQ(getsockname(holder, reinterpret_cast<sockaddr*>(&address), &size), 0);
        const std::uint16_t port = ntohs(address.sin_port);

        CUdpSocket socket;
        socket.SetLocalPort(port);
        EXPECT_EQ(socket.Bind(), UdpResult::BindFailed) << holderShares;
        EXPECT_FALSE(socket.IsBound());
        EXPECT_EQ(socket.LastError().kind, LinkFailure::Busy);
        EXPECT_EQ(socket.LastError().target, "UDP port " + std::to_string(port));
        close(holder);
    }
    CUdpSocket first;
    CUdpSocket second;
    second.SetLocalPort(BindEphemeral(first));
    EXPECT_EQ(second.Bind(), UdpResult::BindFailed) << "one of ours";
}

// The replies of a thousand printers to one search must fit; what the system still drops
// is counted.
TEST(UdpSocketTest, TheReceiveBufferIsLargeAndDropsAreCounted) {
    CUdpSocket receiver;
    const std::uint16_t port = BindEphemeral(receiver);
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
        sent += sender.SendData(Bytes(47, 0x42)) == UdpResult::Ok ? 1 : 0;
    }
    int received = 0;
    UdpDatagram datagram;
    while (receiver.GetData(datagram) == UdpResult::Ok) {
        ++received;
    }
    EXPECT_GT(receiver.DroppedDatagrams(), 0u);
    EXPECT_EQ(static_cast<std::uint32_t>(received) + receiver.DroppedDatagrams(), static_cast<std::uint32_t>(sent));
}

TEST(UdpSocketTest, LongDatagramIsCutToTheBufferAndTheNextStartsFromZeros) {
    CUdpSocket receiver;
    const std::uint16_t port = BindEphemeral(receiver);
    CUdpSocket sender;
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(port);
    ASSERT_EQ(sender.SendData(Bytes(600, 0xAB)), UdpResult::Ok);
    ASSERT_EQ(sender.SendData(Bytes(3, 0x01)), UdpResult::Ok);

    const UdpDatagram longOne = Receive(receiver);
    EXPECT_EQ(longOne.length, UdpDatagram::kCapacity);
    EXPECT_TRUE(longOne.truncated);
    EXPECT_EQ(longOne.bytes.back(), 0xAB);

    const UdpDatagram shortOne = Receive(receiver);
    EXPECT_EQ(shortOne.length, 3u);
    EXPECT_EQ(shortOne.bytes[2], 0x01);
    EXPECT_EQ(shortOne.bytes[3], 0x00);
    EXPECT_EQ(shortOne.bytes.back(), 0x00);
}

}  // namespace
}  // namespace lanvane
