#include "link/TcpLink.h"

#include "LoopbackPeer.h"

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

namespace lanvane {
namespace {

using namespace std::chrono_literals;
using test::LoopbackPeer;
using net::SocketKind;

TcpTimings FastTimings() {
    return TcpTimings{1000ms, 200ms};
}

TEST(TcpLinkTest, RefusedConnectionOrABadAddressFailsAtOnce) {
    const LoopbackPeer bound(SocketKind::Stream, false);
    CTcpLink refused("127.0.0.1", FastTimings(), bound.Port());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(refused.Connect());
    EXPECT_LT(std::chrono::steady_clock::now() - start, 500ms);
    const std::string expected = "cannot connect to 127.0.0.1:" + std::to_string(bound.Port()) + ": refused: ";
    EXPECT_EQ(Describe(refused.LastError()).substr(0, expected.size()), expected) << Describe(refused.LastError());
    refused.Close();
    refused.Close();

    for (const char* address : {"", "printer", "300.1.2.3", "127.0.0.1 "}) {
        CTcpLink link(address, FastTimings());
        EXPECT_FALSE(link.Connect()) << address;
        EXPECT_EQ(link.LastError().kind, LinkFailure::BadAddress) << address;
    }
}

TEST(TcpLinkTest, SilentPrinterMakesEachReceiveEndAfterTheTimeout) {
    const LoopbackPeer printer(SocketKind::Stream, true);
    CTcpLink link("127.0.0.1", FastTimings(), printer.Port());
    ASSERT_TRUE(link.Connect()) << Describe(link.LastError());

    std::array<std::uint8_t, 4096> buffer{};
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto start = std::chrono::steady_clock::now();
        EXPECT_LE(link.Receive(buffer), 0);
        EXPECT_EQ(link.LastError().kind, LinkFailure::TimedOut);
        const auto elapsed = std::chrono::steady_clock::now() - start;
        EXPECT_GE(elapsed, 150ms);
        EXPECT_LT(elapsed, 1000ms);
    }
}

TEST(TcpLinkTest, ConnectedLinkCarriesBytesAndReceivesAtMostTheLimit) {
    LoopbackPeer printer(SocketKind::Stream, true);
    CTcpLink link("127.0.0.1", FastTimings(), printer.Port());
    ASSERT_TRUE(link.Connect()) << Describe(link.LastError());
    ASSERT_TRUE(printer.Accept());

    const std::vector<std::uint8_t> request{'B', 'S', 'S'};
    EXPECT_EQ(link.Send(request), 3);
    EXPECT_EQ(printer.Take(3), request);

    ASSERT_TRUE(printer.Give(std::vector<std::uint8_t>(5000, 0x42)));
    std::vector<std::uint8_t> buffer(8192);
    std::size_t total = 0;
    while (total < 5000) {
        const long got = link.Receive(buffer);
        ASSERT_GT(got, 0);
        EXPECT_LE(got, 4095);
        total += static_cast<std::size_t>(got);
    }

    // A printer that has gone must fail the send, not end the program (SIGPIPE).
    printer.Hangup();
    long result = 0;
    for (int attempt = 0; attempt < 20 && result >= 0; ++attempt) {
        result = link.Send(std::span(buffer).first(512));
        std::this_thread::sleep_for(5ms);
    }
    EXPECT_LT(result, 0);
}

}  // namespace
}  // namespace lanvane
