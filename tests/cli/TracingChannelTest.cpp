#include "cli/TracingChannel.h"

#include <gtest/gtest.h>

#include <sstream>

namespace lanvane::cli {
namespace {

// A channel whose every exchange drops a few bytes that belong to no reply.
class DroppingChannel final : public ByteChannel {
public:
    bool Read(std::span<std::uint8_t>, std::size_t& count) override {
        count = 0;
        return false;
    }
    bool ReadReply(ReplyKind, std::span<std::uint8_t> buffer, std::size_t& count) override {
        dropped += 2;
        buffer[0] = 0x03;
        count = 1;
        return true;
    }
    std::size_t Write(std::span<const std::uint8_t> bytes) override {
        dropped += 5;
        return bytes.size();
    }
    std::size_t DroppedBytes() const override { return dropped; }

    std::size_t dropped = 0;
};

TEST(TracingChannelTest, TellsTheBytesDroppedAsBelongingToNoReply) {
    DroppingChannel inner;
    std::ostringstream trace;
    TracingChannel tracing(inner, trace, false);
    const std::uint8_t request[] = {0x1D};
    std::uint8_t reply[4]{};
    std::size_t count = 0;
    tracing.Write(request);
    ASSERT_TRUE(tracing.ReadReply(ReplyKind::LinkMessage, reply, count));
    const std::string said = trace.str();
    EXPECT_NE(said.find("lanvane-cli: dropped 5 bytes that belonged to no reply\n"), std::string::npos) << said;
    EXPECT_NE(said.find("lanvane-cli: dropped 2 bytes that belonged to no reply\n"), std::string::npos) << said;
    EXPECT_EQ(tracing.DroppedBytes(), 7u);
}

}  // namespace
}  // namespace lanvane::cli
