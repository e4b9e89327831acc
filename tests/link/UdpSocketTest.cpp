#include "link/UdpSocket.h"

#include "LoopbackPeer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::LoopbackPeer;
using net::SocketKind;

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
// use is refused, also when its holder asked for sharing. Held by a socket of ours:
// LanWindowsTest.*PortInUse* and LanCommandsTest.DiscoverSaysWhyItFoundNothing.
TEST(UdpSocketTest, APortInUseIsRefusedAsBusy) {
    for (const bool holderShares : {false, true}) {
        const LoopbackPeer holder(SocketKind::Datagram, false, holderShares);
        CUdpSocket socket;
        socket.SetLocalPort(holder.Port());
        EXPECT_EQ(socket.Bind(), UdpResult::BindFailed) << holderShares;
        EXPECT_FALSE(socket.IsBound());
        EXPECT_EQ(socket.LastError().kind, LinkFailure::Busy) << Describe(socket.LastError());
        EXPECT_EQ(socket.LastError().target, "UDP port " + std::to_string(holder.Port()));
    }
}

TEST(UdpSocketTest, LongDatagramIsCutToTheBufferAndTheNextStartsFromZeros) {
    CUdpSocket receiver;
    const std::uint16_t port = BindEphemeral(receiver);
    CUdpSocket sender;
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(port);
    ASSERT_EQ(sender.SendData(std::vector<std::uint8_t>(600, 0xAB)), UdpResult::Ok);
    ASSERT_EQ(sender.SendData(std::vector<std::uint8_t>(3, 0x01)), UdpResult::Ok);

    const UdpDatagram longOne = Receive(receiver);
    EXPECT_EQ(longOne.length, UdpDatagram::kCapacity);
    EXPECT_TRUE(longOne.truncated);
    EXPECT_EQ(longOne.bytes.back(), 0xAB);
    EXPECT_EQ(longOne.senderPort, sender.BoundPort());

    const UdpDatagram shortOne = Receive(receiver);
    EXPECT_EQ(shortOne.length, 3u);
    EXPECT_EQ(shortOne.bytes[2], 0x01);
    EXPECT_EQ(shortOne.bytes[3], 0x00);
    EXPECT_EQ(shortOne.bytes.back(), 0x00);
    UdpDatagram none;
    EXPECT_EQ(receiver.GetData(none), UdpResult::NothingWaiting);
}

}  // namespace
}  // namespace lanvane
