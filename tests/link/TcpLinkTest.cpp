#include "link/TcpLink.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "tests/support/posix/PrivateNetwork.h"

#include <array>
#include <chrono>
#include <optional>
#include <set>
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

// A private network where 10.77.0.9 is on the wire of v0 under a MAC nobody has: its frames
// reach v1, which drops them, so a SYN is never answered.
constexpr const char* kSilentNetwork =
    "ip link set lo up && ip link add v0 type veth peer name v1 && ip link set v0 up && ip link set v1 up && "
    "ip addr add 10.77.0.1/24 dev v0 && ip neigh add 10.77.0.9 lladdr 02:00:5e:77:00:09 dev v0 nud permanent";

// With the printer's own wait: the link gives up after it, not at once, and not later.
void ConnectToAPrinterThatNeverAnswers() {
    // Never connect out on a network that is not the private one.
    ASSERT_EQ(test::InterfaceNames(), (std::set<std::string>{"lo", "v0", "v1"}));
    CTcpLink link("10.77.0.9");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(link.Connect());
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(link.LastError().kind, LinkFailure::TimedOut) << Describe(link.LastError());
    // The system's wait may end a fraction of a millisecond before its time-out.
    EXPECT_GE(elapsed, 2990ms);
    EXPECT_LT(elapsed, 4000ms);
}

TEST(TcpLinkTest, ConnectToAnAddressThatNeverAnswersTimesOutAfterThreeSeconds) {
    if (test::InsidePrivateNetwork()) {
        ConnectToAPrinterThatNeverAnswers();
        return;
    }
    const std::optional<test::ProgramRun> run =
        test::RerunInPrivateNetwork(kSilentNetwork, "TcpLinkTest.ConnectToAnAddressThatNeverAnswers*", 20s);
    if (!run) {
        GTEST_SKIP() << "no private network namespace can be made here";
    }
    EXPECT_EQ(run->status, 0) << "the test inside the private network failed:\n" << run->out << run->err;
}

}  // namespace
}  // namespace lanvane
