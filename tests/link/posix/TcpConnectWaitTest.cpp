#include "link/TcpLink.h"

#include <gtest/gtest.h>

#include "tests/support/posix/PrivateNetwork.h"

#include <chrono>
#include <optional>
#include <set>
#include <string>

namespace lanvane {
namespace {

using namespace std::chrono_literals;

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
