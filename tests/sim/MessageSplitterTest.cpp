#include "sim/MessageSplitter.h"

#include <gtest/gtest.h>

#include <vector>

#include "WireText.h"

namespace lanvane::sim {
namespace {

using namespace test;

std::vector<PrinterMessage> Drain(MessageSplitter& splitter) {
    std::vector<PrinterMessage> messages;
    while (auto message = splitter.Next()) {
        messages.push_back(*message);
    }
    return messages;
}

// Noise that starts no message is dropped.
const Bytes kStream = Joined({Hex("00 1F 57 41 1D 49"), kIdentify, kAttention, kSysReq, Hex("1F 57 43 81 1D 1F 03"), kIfGet});

TEST(MessageSplitter, SplitsAStreamFedAtOnceOrByteByByteAndDropsNoise) {
    for (const std::size_t piece : {kStream.size(), std::size_t{1}}) {
        MessageSplitter splitter;
        std::vector<PrinterMessage> messages;
        for (std::size_t at = 0; at < kStream.size(); at += piece) {
            splitter.Feed(kStream.data() + at, std::min(piece, kStream.size() - at));
            for (const PrinterMessage& message : Drain(splitter)) {
                messages.push_back(message);
            }
        }
        ASSERT_EQ(messages.size(), 5u);
        EXPECT_EQ(messages[0].kind, MessageKind::Identification);
        EXPECT_EQ(messages[1].kind, MessageKind::Attention);
        EXPECT_EQ(messages[1].bytes, kAttention);
        EXPECT_EQ(messages[2].kind, MessageKind::Link);
        EXPECT_EQ(messages[2].bytes, kSysReq);
        EXPECT_EQ(messages[3].kind, MessageKind::Attention);
        EXPECT_EQ(messages[4].bytes, kIfGet);
        EXPECT_EQ(splitter.PendingBytes(), 0u);
    }
}

TEST(MessageSplitter, GivesUpAnUnterminatedMessage) {
    MessageSplitter splitter;
    const Bytes endless = Joined({Hex("1F 57 43"), Bytes(MessageSplitter::kLongestMessage, '0')});
    splitter.Feed(endless.data(), endless.size());
    EXPECT_FALSE(splitter.Next().has_value());
    EXPECT_EQ(splitter.PendingBytes(), 0u);
    splitter.Feed(kIdentify.data(), kIdentify.size());
    EXPECT_TRUE(splitter.Next().has_value());
}

}  // namespace
}  // namespace lanvane::sim
