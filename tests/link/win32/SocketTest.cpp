#include "link/TcpLink.h"
#include "link/UdpSocket.h"

#include <winsock2.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

// A Winsock socket on 127.0.0.1 at a port of the system's choosing that plays the printer
// (TCP) or another program holding a port (UDP, sharing allowed).
class LoopbackPeer {
public:
    LoopbackPeer(int type, bool listening) {
        WSADATA data{};
        WSAStartup(MAKEWORD(2, 2), &data);
        socket_ = socket(AF_INET, type, 0);
        const BOOL on = TRUE;
        setsockopt(socket_, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&on), sizeof on);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        if (socket_ == INVALID_SOCKET || bind(socket_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            (listening && listen(socket_, 4) != 0)) {
            throw std::runtime_error("no loopback socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() { closesocket(socket_); }

    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    SOCKET Accept() const { return accept(socket_, nullptr, nullptr); }

private:
    SOCKET socket_ = INVALID_SOCKET;
    std::uint16_t port_ = 0;
};

TcpTimings FastTimings() {
    return TcpTimings{1000ms, 200ms};
}

TEST(TcpLinkTest, RefusedConnectionOrABadAddressFails) {
    const std::uint16_t closedPort = LoopbackPeer(SOCK_STREAM, false).Port();
    CTcpLink refused("127.0.0.1", FastTimings(), closedPort);
    EXPECT_FALSE(refused.Connect());
    EXPECT_EQ(refused.LastError().kind, LinkFailure::Refused) << Describe(refused.LastError());
    for (const char* address : {"", "printer", "300.1.2.3"}) {
        CTcpLink link(address, FastTimings());
        EXPECT_FALSE(link.Connect()) << address;
        EXPECT_EQ(link.LastError().kind, LinkFailure::BadAddress) << address;
    }
}

TEST(TcpLinkTest, ConnectedLinkCarriesBytesTimesOutWhenSilentAndFailsWhenThePrinterIsGone) {
    LoopbackPeer printer(SOCK_STREAM, true);
    CTcpLink link("127.0.0.1", FastTimings(), printer.Port());
    ASSERT_TRUE(link.Connect()) << Describe(link.LastError());
    const SOCKET connection = printer.Accept();
    ASSERT_NE(connection, INVALID_SOCKET);

    std::array<std::uint8_t, 8192> buffer{};
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_LE(link.Receive(buffer.data(), buffer.size()), 0);
        EXPECT_EQ(link.LastError().kind, LinkFailure::TimedOut);
        EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);
    }
    const std::array<std::uint8_t, 3> request{'B', 'S', 'S'};
    EXPECT_EQ(link.Send(request.data(), request.size()), 3);
    std::array<char, 3> arrived{};
    EXPECT_EQ(recv(connection, arrived.data(), 3, MSG_WAITALL), 3);

    const std::vector<char> reply(5000, 0x42);
    ASSERT_EQ(send(connection, reply.data(), static_cast<int>(reply.size()), 0), 5000);
    std::size_t total = 0;
    while (total < reply.size()) {
        const long got = link.Receive(buffer.data(), buffer.size());
        ASSERT_GT(got, 0);
        EXPECT_LE(got, 4095);
        total += static_cast<std::size_t>(got);
    }
    closesocket(connection);
    long result = 0;
    for (int attempt = 0; attempt < 20 && result >= 0; ++attempt) {
        result = link.Send(buffer.data(), 512);
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(result, 0);
}

std::uint16_t BindEphemeral(CUdpSocket& socket) {
    socket.SetLocalPort(0);
    EXPECT_EQ(socket.Bind(), UdpResult::Ok);
    return socket.BoundPort();
}

// Replies to a shared port would reach only one of the programs sharing it.
TEST(UdpSocketTest, APortInUseIsRefusedAsBusyEvenWhenItsHolderShares) {
    const LoopbackPeer holder(SOCK_DGRAM, false);
    CUdpSocket socket;
    socket.SetLocalPort(holder.Port());
    EXPECT_EQ(socket.Bind(), UdpResult::BindFailed);
    EXPECT_EQ(socket.LastError().kind, LinkFailure::Busy) << Describe(socket.LastError());

    CUdpSocket first;
    CUdpSocket second;
    second.SetLocalPort(BindEphemeral(first));
    EXPECT_EQ(second.Bind(), UdpResult::BindFailed) << "one of ours";
}

TEST(UdpSocketTest, LongDatagramIsCutToTheBufferAndTheNextStartsFromZeros) {
    CUdpSocket receiver;
    const std::uint16_t port = BindEphemeral(receiver);
    CUdpSocket sender;
    sender.SetRemoteHost("127.0.0.1");
    sender.SetRemotePort(port);
    ASSERT_EQ(sender.SendData(std::vector<std::uint8_t>(600, 0xAB)), UdpResult::Ok);
    ASSERT_EQ(sender.SendData(std::vector<std::uint8_t>(3, 0x01)), UdpResult::Ok);

    UdpDatagram datagram;
    ASSERT_TRUE(receiver.WaitReadable(1000ms));
    ASSERT_EQ(receiver.GetData(datagram), UdpResult::Ok);
    EXPECT_EQ(datagram.length, UdpDatagram::kCapacity);
    EXPECT_TRUE(datagram.truncated);
    EXPECT_EQ(datagram.senderPort, sender.BoundPort());
    ASSERT_TRUE(receiver.WaitReadable(1000ms));
    ASSERT_EQ(receiver.GetData(datagram), UdpResult::Ok);
    EXPECT_EQ(datagram.length, 3u);
    EXPECT_EQ(datagram.bytes[3], 0x00);
    EXPECT_EQ(receiver.GetData(datagram), UdpResult::NothingWaiting);
}

}  // namespace
}  // namespace lanvane
