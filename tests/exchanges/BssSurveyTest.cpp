#include "protocol/BssSurvey.h"

#include <gtest/gtest.h>

#include <deque>

#include "PrinterLine.h"
#include "protocol/BssTable.h"

namespace lanvane::test {
namespace {

using sim::FaultPlan;
using sim::RequestKind;

// The printer's TCP survey port: a request is answered by the simulated printer; each
// receive hands out the next piece of the answer or times out.
class SurveyPort : public StreamLink {
public:
    explicit SurveyPort(sim::SimulatedPrinter& printer) : printer_(printer) {}

    bool Connect() override { return accepts; }
    long Send(std::span<const std::uint8_t> bytes) override {
        sent.emplace_back(bytes.begin(), bytes.end());
        for (sim::ReplyBurst& burst : printer_.AnswerStream(sent.back()).bursts) {
            pieces.push_back(std::move(burst.bytes));
        }
        return static_cast<long>(bytes.size());
    }
    long Receive(std::span<std::uint8_t> buffer) override {
        ++receives;
        if (pieces.empty() || receives <= receivesBeforeTheReply) {
            return -1;
        }
        const std::size_t count = std::min(pieces.front().size(), buffer.size());
        std::copy_n(pieces.front().begin(), count, buffer.begin());
        pieces.pop_front();
        return static_cast<long>(count);
    }
    void Close() override {}

    bool accepts = true;
    // Receives that time out before the answer is there, as from a slow printer.
    int receivesBeforeTheReply = 0;
    std::deque<Bytes> pieces;
    std::vector<Bytes> sent;
    int receives = 0;

private:
    sim::SimulatedPrinter& printer_;
};

class BssSurveyTest : public ::testing::Test {
protected:
    ProgressCallback Recorder() {
        progress.clear();
        return [this](int position) { progress.push_back(position); };
    }

    BssTable table{};
    std::vector<int> progress;
};

TEST_F(BssSurveyTest, TcpFaultsGiveTheirOutcomes) {
    const std::vector<int> sevenAttempts = {0, 12, 24, 36, 48, 60, 72, 84, 96, 100};
    using enum BssOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        BssOutcome outcome;
    } cases[] = {
        {"Silence", With(&FaultPlan::noAnswerTo, RequestKind::BssRequest), NoReply},
        {"ReplyInTwoPiecesIsJoined", With(&FaultPlan::splitStreamReply, true), Ok},
        {"Tag", With(&FaultPlan::wrongTag, true), TagMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrinterLine line(c.faults);
        SurveyPort port(line.printer);
        EXPECT_EQ(RequestBssOverTcp(port, table, Recorder()), c.outcome);
        if (c.outcome == BssOutcome::NoReply) {
            EXPECT_EQ(port.receives, 7);
            EXPECT_EQ(progress, sevenAttempts);
        }
    }

    PrinterLine line;
    SurveyPort refusing(line.printer);
    refusing.accepts = false;
    EXPECT_EQ(RequestBssOverTcp(refusing, table, Recorder()), BssOutcome::ConnectFailed);
    EXPECT_TRUE(refusing.sent.empty());
    EXPECT_TRUE(progress.empty());
}

// The answer is taken on whichever of the seven receives it arrives, the last one included.
TEST_F(BssSurveyTest, TcpReplyOnTheLastReceiveIsTaken) {
    PrinterLine line;
    SurveyPort slow(line.printer);
    slow.receivesBeforeTheReply = 6;
    ASSERT_EQ(RequestBssOverTcp(slow, table, Recorder()), BssOutcome::Ok);
    EXPECT_EQ(slow.receives, 7);
    EXPECT_EQ(progress, (std::vector<int>{0, 12, 24, 36, 48, 60, 72, 84, 100}));
    EXPECT_FALSE(FillBssList(table).empty());
}

TEST_F(BssSurveyTest, PortFaultsGiveTheirOutcomes) {
    using enum BssOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        BssOutcome outcome;
    } cases[] = {
        {"NoAttention", With(&FaultPlan::noAnswerTo, RequestKind::Attention), AttentionRefused},
        {"Silence", With(&FaultPlan::noAnswerTo, RequestKind::BssRequest), NoReply},
        {"Checksum", With(&FaultPlan::badChecksum, true), ChecksumFailed},
        {"Tag", With(&FaultPlan::wrongTag, true), TagMismatch},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrinterLine line(c.faults);
        EXPECT_EQ(RequestBssOverPort(line.channel, *line.buffers, table, {}), c.outcome);
    }
}

}  // namespace
}  // namespace lanvane::test
