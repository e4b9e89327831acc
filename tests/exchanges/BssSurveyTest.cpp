#include "protocol/BssSurvey.h"

#include <gtest/gtest.h>

#include <cctype>
#include <deque>
#include <memory>

#include "BssReplies.h"

namespace lanvane::test {
namespace {

// The printer's survey port: each receive hands out the next queued piece; an empty queue
// or an empty piece is a receive that timed out.
class FakeStreamLink : public StreamLink {
public:
    bool Connect() override {
        ++connects;
        return connects_;
    }
    long Send(const std::uint8_t* data, std::size_t length) override {
        sent.emplace_back(data, data + length);
        return static_cast<long>(length);
    }
    long Receive(std::uint8_t* buffer, std::size_t capacity) override {
        ++receives;
        largestCapacity = std::max(largestCapacity, capacity);
        if (pieces.empty()) {
            return -1;
        }
        const Bytes piece = std::move(pieces.front());
        pieces.pop_front();
        const std::size_t count = std::min(piece.size(), capacity);
        std::copy_n(piece.begin(), count, buffer);
        return static_cast<long>(count);
    }
    void Close() override {}

    void RefuseConnection() { connects_ = false; }

    std::deque<Bytes> pieces;
    std::vector<Bytes> sent;
    int connects = 0;
    int receives = 0;
    std::size_t largestCapacity = 0;

private:
    bool connects_ = true;
};

const Bytes kBssReqFrame = Concat({Text("__[I_F]__[BSS_REQ]"), {0xF0, 0x00}});

class BssSurveyTest : public ::testing::Test {
protected:
    ProgressCallback Recorder() {
        return [this](int position) { progress.push_back(position); };
    }

    BssTable table{};
    std::vector<int> progress;
};

TEST_F(BssSurveyTest, TcpSendsTheRawRequestAndParsesTheFirstReply) {
    FakeStreamLink link;
    link.pieces.push_back(HomeReply());

    ASSERT_EQ(RequestBssOverTcp(link, table, Recorder()), BssOutcome::Ok);

    EXPECT_EQ(link.sent, std::vector<Bytes>{kBssReqFrame});
    EXPECT_EQ(progress, (std::vector<int>{0, 12, 100}));
    EXPECT_EQ(table[0].ssid, "Home");
    EXPECT_EQ(link.largestCapacity, StreamLink::kReceiveLimit);
}

TEST_F(BssSurveyTest, TcpReplyInTheSeventhAttemptIsParsed) {
    FakeStreamLink link;
    link.pieces.assign(6, Bytes{});
    link.pieces.push_back(HomeReply());

    EXPECT_EQ(RequestBssOverTcp(link, table, Recorder()), BssOutcome::Ok);

    EXPECT_EQ(progress, (std::vector<int>{0, 12, 24, 36, 48, 60, 72, 84, 100}));
    EXPECT_EQ(link.receives, 7);
    EXPECT_EQ(FillBssList(table).size(), 1U);
}

TEST_F(BssSurveyTest, TcpSilenceForSevenAttemptsFails) {
    FakeStreamLink link;

    EXPECT_EQ(RequestBssOverTcp(link, table, Recorder()), BssOutcome::NoReply);

    EXPECT_EQ(progress, (std::vector<int>{0, 12, 24, 36, 48, 60, 72, 84, 96, 100}));
    EXPECT_EQ(link.receives, 7);
}

TEST_F(BssSurveyTest, TcpReplyInTwoPiecesFailsItsChecksum) {
    FakeStreamLink link;
    const Bytes reply = HomeReply();
    link.pieces.emplace_back(reply.begin(), reply.begin() + 20);
    link.pieces.emplace_back(reply.begin() + 20, reply.end());

    EXPECT_EQ(RequestBssOverTcp(link, table, Recorder()), BssOutcome::ChecksumFailed);
    EXPECT_EQ(link.receives, 1);
}

TEST_F(BssSurveyTest, TcpWithoutConnectionSendsNothing) {
    FakeStreamLink link;
    link.RefuseConnection();

    EXPECT_EQ(RequestBssOverTcp(link, table, Recorder()), BssOutcome::ConnectFailed);
    EXPECT_TRUE(link.sent.empty());
    EXPECT_TRUE(progress.empty());
}

TEST_F(BssSurveyTest, PortSendsAttentionAndLinkMessageAndParsesTheReply) {
    FakeByteChannel printer;
    auto buffers = std::make_unique<ExchangeBuffers>();
    printer.QueueReply(AttentionReply());
    printer.QueueReply(PrinterLinkReply(HomeReply()));

    ASSERT_EQ(RequestBssOverPort(printer, *buffers, table, Recorder()), BssOutcome::Ok);

    ASSERT_EQ(printer.writes.size(), 2U);
    EXPECT_EQ(printer.writes[0], (Bytes{0x1F, 0x57, 0x43, 0x7F, 0x1D, 0x1F, 0x03}));
    EXPECT_EQ(printer.writes[1], Concat({{0x1F, 0x57, 0x43},
                                         Text("5f5f5b495f465d5f5f5b4253535f5245515d/000"),
                                         {0x03}}));
    EXPECT_EQ(progress, (std::vector<int>{25, 100}));
    EXPECT_EQ(FillBssList(table)[0][2], "00-11-22-33-44-55");
}

TEST_F(BssSurveyTest, PortRefusesAPartlyWrittenOrUnansweredAttention) {
    auto buffers = std::make_unique<ExchangeBuffers>();
    FakeByteChannel partly;
    partly.FailWrite(0, 6);
    partly.QueueReply(AttentionReply());
    EXPECT_EQ(RequestBssOverPort(partly, *buffers, table, {}), BssOutcome::AttentionRefused);

    FakeByteChannel wrongSelector;
    wrongSelector.QueueReply({0x1F, 0x57, 0x4D, 0x81});
    EXPECT_EQ(RequestBssOverPort(wrongSelector, *buffers, table, {}),
              BssOutcome::AttentionRefused);
    EXPECT_EQ(wrongSelector.writes.size(), 1U);
}

TEST_F(BssSurveyTest, PortWithoutReplyFailsAfterProgress25) {
    FakeByteChannel printer;
    auto buffers = std::make_unique<ExchangeBuffers>();
    printer.QueueReply(AttentionReply());

    EXPECT_EQ(RequestBssOverPort(printer, *buffers, table, Recorder()), BssOutcome::NoReply);
    EXPECT_EQ(progress, std::vector<int>{25});
}

TEST_F(BssSurveyTest, PortReplyInUpperCaseHexFailsItsChecksum) {
    FakeByteChannel printer;
    auto buffers = std::make_unique<ExchangeBuffers>();
    Bytes reply = PrinterLinkReply(HomeReply());
    for (auto& character : reply) {
        character = static_cast<std::uint8_t>(std::toupper(character));
    }
    printer.QueueReply(AttentionReply());
    printer.QueueReply(reply);

    EXPECT_EQ(RequestBssOverPort(printer, *buffers, table, {}), BssOutcome::ChecksumFailed);
}

}  // namespace
}  // namespace lanvane::test
