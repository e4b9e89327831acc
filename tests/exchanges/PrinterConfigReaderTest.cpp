#include "protocol/PrinterConfigReader.h"

#include <gtest/gtest.h>

#include <chrono>

#include "PrinterLine.h"

namespace lanvane::test {
namespace {

using sim::FaultPlan;
using sim::RequestKind;
using std::chrono::milliseconds;

// The same buffers read a version 2 printer, then a version 1 printer.
TEST(ReadPrinterConfig, ReadsEitherLayoutAndEachReadDecidesItAnew) {
    PrinterLine line;
    for (const int layout : {2, 1}) {
        SCOPED_TRACE(layout);
        const sim::PrinterState state = sim::DefaultPrinterState(layout);
        line.printer.SetState(state);
        std::vector<milliseconds> pauses;

        const auto result = ReadPrinterConfig(line.channel, *line.buffers,
                                              [&](milliseconds pause) { pauses.push_back(pause); });

        ASSERT_EQ(result.outcome, ReadOutcome::Ok);
        EXPECT_EQ(result.makerName, state.makerName);
        EXPECT_EQ(result.identification.mac, state.identity.mac);
        EXPECT_EQ(result.config.version, layout);
        EXPECT_EQ(result.config.p2pPinCode, state.record.p2pPinCode);
        EXPECT_EQ(pauses, std::vector<milliseconds>{milliseconds(200)});
    }
}

TEST(ReadPrinterConfig, EachFaultEndsTheReadWithItsOutcome) {
    using enum ReadOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        std::size_t faultsFrom;  // the faults come with this write; 0 is the identification
        ReadOutcome outcome;
    } cases[] = {
        {"NoAttention", With(&FaultPlan::noAnswerTo, RequestKind::Attention), 0, AttentionRefused},
        {"NoSystemResponse", With(&FaultPlan::noAnswerTo, RequestKind::SystemRequest), 0, NoReply},
        {"SystemResponseChecksum", With(&FaultPlan::badChecksum, true), 0, SystemResponseRefused},
        {"SystemResponseTag", With(&FaultPlan::wrongTag, true), 0, SystemResponseRefused},
        {"UpperCaseHex", With(&FaultPlan::upperCaseHex, true), 0, SystemResponseRefused},
        {"NoSecondAttention", With(&FaultPlan::noAnswerTo, RequestKind::Attention), 3,
         AttentionRefused},
        {"NoRecord", With(&FaultPlan::noAnswerTo, RequestKind::ConfigGet), 0, NoReply},
        {"HangUpBeforeTheRecordRequest", With(&FaultPlan::disconnectAfter, 4), 0, NoReply},
        {"RecordChecksum", With(&FaultPlan::badChecksum, true), 4, RecordRefused},
        {"RecordTag", With(&FaultPlan::wrongTag, true), 4, RecordRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrinterLine line;
        line.channel.faultsFrom = c.faultsFrom;
        line.channel.lateFaults = c.faults;
        EXPECT_EQ(ReadPrinterConfig(line.channel, *line.buffers, {}).outcome, c.outcome);
    }
}

TEST(ReadPrinterConfig, SilentPrinterIsReadTwiceAndGetsNothingMore) {
    PrinterLine line(With(&FaultPlan::noAnswer, true));
    EXPECT_EQ(ReadPrinterConfig(line.channel, *line.buffers, {}).outcome,
              ReadOutcome::MakerNameMismatch);
    EXPECT_EQ(line.channel.reads, 2);
    EXPECT_EQ(line.channel.Writes().size(), 1U);
}

TEST(ReadPrinterConfig, MakerNameIsCutAtTheIdentificationBuffer) {
    PrinterLine line;
    sim::PrinterState state = line.printer.State();
    state.makerName = std::string(60, 'V');
    line.printer.SetState(state);
    const auto result = ReadPrinterConfig(line.channel, *line.buffers, {});
    EXPECT_EQ(result.outcome, ReadOutcome::MakerNameMismatch);
    EXPECT_EQ(result.makerName, std::string(31, 'V'));
}

}  // namespace
}  // namespace lanvane::test
