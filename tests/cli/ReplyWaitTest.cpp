#include <gtest/gtest.h>

#include <sstream>

#include "cli/CliContext.h"

namespace lanvane::cli {
namespace {

using std::chrono::milliseconds;

// A silent printer ends a job within the default wait unless --timeout asks for another;
// the waits add up to it in equal attempts, and a port already quicker stays as it is.
TEST(ReplyWaitTest, TheDefaultWaitEndsASilentJobSoonAndTimeoutChangesIt) {
    const struct {
        std::optional<milliseconds> timeout;
        PortTimings port;
        int attempts;
        milliseconds attemptWait;
    } cases[] = {
        {std::nullopt, PortTimings{}, 4, milliseconds(2500)},
        {milliseconds(60000), PortTimings{}, 20, milliseconds(3000)},
        {milliseconds(500), PortTimings{}, 1, milliseconds(500)},
        {milliseconds(4000), PortTimings{}, 2, milliseconds(2000)},
        {std::nullopt, PortTimings{.attempts = 2, .attemptWait = milliseconds(1000)}, 2, milliseconds(1000)},
    };
    std::istringstream in;
    std::ostringstream out;
    for (const auto& test : cases) {
        CliContext context(in, out, out);
        context.timeout = test.timeout;
        context.portTimings = test.port;
        const PortTimings timings = context.ReadTimings();
        EXPECT_EQ(timings.attempts, test.attempts) << test.timeout.value_or(milliseconds(0)).count();
        EXPECT_EQ(timings.attemptWait, test.attemptWait) << test.timeout.value_or(milliseconds(0)).count();
    }
}

}  // namespace
}  // namespace lanvane::cli
