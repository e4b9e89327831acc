#include "link/UdpSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

constexpr const char* kLoopbackBroadcast = "127.255.255.255";

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

TEST(UdpSocketTest, DatagramArrivesWholeWithItsSender) {
    CUdpSocket receiver;
    CUdpSocket sender;
    const std::uint16_t port = BindEphemeral(receiver);
    ASSERT_NE(port, 0);
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(port);
    const std::vector<std::uint8_t> payload = {'F', 'I', 'N', 'D'};
    ASSERT_EQ(sender.SendData(payload), UdpResult::Ok);
    EXPECT_TRUE(sender.IsBound()) << "the first send binds the local port";

    const UdpDatagram datagram = Receive(receiver);
    EXPECT_EQ(std::vector<std::uint8_t>(datagram.View().begin(), datagram.View().end()), payload);
    EXPECT_FALSE(datagram.truncated);
    EXPECT_EQ(datagram.senderAddress, "127.0.0.1");
    EXPECT_EQ(datagram.senderPort, sender.BoundPort());
}

TEST(UdpSocketTest, LoopbackBroadcastReachesEverySocketSharingThePort) {
    CUdpSocket first;
    const std::uint16_t port = BindEphemeral(first);
    CUdpSocket second;
    second.SetLocalPort(port);
    ASSERT_EQ(second.Bind(), UdpResult::Ok);

    CUdpSocket sender;
    sender.SetRemoteHost(kLoopbackBroadcast);
    sender.SetRemotePort(port);
    ASSERT_EQ(sender.SendData(Bytes(18, '_')), UdpResult::Ok);
    EXPECT_EQ(Receive(first).length, 18u);
    EXPECT_EQ(Receive(second).length, 18u);
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

TEST(UdpSocketTest, PortHeldWithoutSharingFailsTheBind) {
    const int holder = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(holder, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t size = sizeof address;
    ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&address), size), 0);
    ASSERT_EQ(getsockname(holder, reinterpret_cast<sockaddr*>(&address), &size), 0);

    CUdpSocket socket;
    socket.SetLocalPort(ntohs(address.sin_port));
    EXPECT_EQ(socket.Bind(), UdpResult::BindFailed);
    EXPECT_FALSE(socket.IsBound());
    socket.SetRemoteHost("127.0.0.1");
    socket.SetRemotePort(9);
    EXPECT_EQ(socket.SendData(Bytes(4, 0)), UdpResult::BindFailed);
    close(holder);
}

TEST(UdpSocketTest, FailuresAreReportedAsResults) {
    CUdpSocket socket;
    UdpDatagram datagram;
    EXPECT_EQ(socket.GetData(datagram), UdpResult::ReceiveFailed) << "not bound";
    EXPECT_FALSE(socket.WaitReadable(10ms));

    socket.SetRemoteHost("printer.local");
    EXPECT_EQ(socket.SendData(Bytes(4, 0)), UdpResult::BadAddress);

    BindEphemeral(socket);
    EXPECT_EQ(socket.GetData(datagram), UdpResult::NothingWaiting);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(socket.WaitReadable(50ms));
    EXPECT_LT(std::chrono::steady_clock::now() - start, 1s);

    socket.SetRemoteHost("127.0.0.1");
    socket.SetRemotePort(9);
    EXPECT_EQ(socket.SendData(Bytes(70000, 0)), UdpResult::SendFailed) << "larger than any datagram";
    socket.Close();
    socket.Close();
    EXPECT_EQ(socket.Fd(), kNoSocket);
}

}  // namespace
}  // namespace lanvane
