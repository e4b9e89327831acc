#include "link/TcpLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

TcpTimings FastTimings() {
    return TcpTimings{1000ms, 200ms};
}

// A TCP socket on 127.0.0.1 at a port of the system's choosing that plays the printer.
class LoopbackPeer {
public:
    explicit LoopbackPeer(bool listening) {
        socket_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t size = sizeof address;
        if (socket_ < 0 || bind(socket_, reinterpret_cast<sockaddr*>(&address), size) != 0 ||
            getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0 ||
            (listening && listen(socket_, 4) != 0)) {
            throw std::runtime_error("no loopback socket");
        }
        port_ = ntohs(address.sin_port);
    }
    ~LoopbackPeer() { close(socket_); }

    LoopbackPeer(const LoopbackPeer&) = delete;
    LoopbackPeer& operator=(const LoopbackPeer&) = delete;

    std::uint16_t Port() const { return port_; }
    int Accept() const { return accept(socket_, nullptr, nullptr); }

private:
    int socket_ = -1;
    std::uint16_t port_ = 0;
};

TEST(TcpLinkTest, RefusedConnectionOrABadAddressFailsAtOnce) {
    LoopbackPeer bound(false);
    CTcpLink refused("127.0.0.1", FastTimings(), bound.Port());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(refused.Connect());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    EXPECT_EQ(Describe(refused.LastError()),
              "cannot connect to 127.0.0.1:" + std::to_string(bound.Port()) + ": refused: Connection refused");
    refused.Close();
    refused.Close();

    for (const char* address : {"", "printer", "300.1.2.3", "127.0.0.1 "}) {
        CTcpLink link(address, FastTimings());
        EXPECT_FALSE(link.Connect()) << address;
        EXPECT_EQ(link.LastError().kind, LinkFailure::BadAddress) << address;
    }
}

TEST(TcpLinkTest, SilentPrinterMakesEachReceiveEndAfterTheTimeout) {
    LoopbackPeer printer(true);
    CTcpLink link("127.0.0.1", FastTimings(), printer.Port());
    ASSERT_TRUE(link.Connect());

    std::array<std::uint8_t, 4096> buffer{};
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_LE(link.Receive(buffer.data(), buffer.size()), 0);
        EXPECT_EQ(link.LastError().kind, LinkFailure::TimedOut);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_GE(elapsed, 150ms);
        EXPECT_LT(elapsed, 1000ms);
    }
}

TEST(TcpLinkTest, ConnectedLinkCarriesBytesAndReceivesAtMostTheLimit) {
    LoopbackPeer printer(true);
    CTcpLink link("127.0.0.1", FastTimings(), printer.Port());
    ASSERT_TRUE(link.Connect());
    const int connection = printer.Accept();
    ASSERT_GE(connection, 0);

    const std::array<std::uint8_t, 3> request{'B', 'S', 'S'};
    EXPECT_EQ(link.Send(request.data(), request.size()), 3);
    std::array<std::uint8_t, 3> arrived{};
    EXPECT_EQ(recv(connection, arrived.data(), arrived.size(), MSG_WAITALL), 3);
    EXPECT_EQ(arrived, request);

    const std::vector<std::uint8_t> reply(5000, 0x42);
    ASSERT_EQ(send(connection, reply.data(), reply.size(), 0), 5000);
    std::vector<std::uint8_t> buffer(8192);
    std::size_t total = 0;
    while (total < reply.size()) {
        const long got = link.Receive(buffer.data(), buffer.size());
        ASSERT_GT(got, 0);
        EXPECT_LE(got, 4095);
        total += static_cast<std::size_t>(got);
    }

    // A printer that has gone must fail the send, not end the program with SIGPIPE.
    close(connection);
    long result = 0;
    for (int attempt = 0; attempt < 20 && result >= 0; ++attempt) {
        result = link.Send(buffer.data(), 512);
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(result, 0);
}

}  // namespace
}  // namespace lanvane
