#include "protocol/PrinterConfigWriter.h"

#include <gtest/gtest.h>

#include "PrinterLine.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane::test {
namespace {

using sim::FaultPlan;
using sim::RequestKind;

// The printer must hold each field where it was meant to go, and the next read must give
// back exactly the record written.
TEST(WritePrinterConfig, ReadAfterWriteReturnsTheWrittenValues) {
    for (const int layout : {1, 2}) {
        SCOPED_TRACE(layout);
        PrinterLine line({}, layout);
        const auto read = ReadPrinterConfig(line.channel, *line.buffers, {});
        ASSERT_EQ(read.outcome, ReadOutcome::Ok);
        InterfaceConfig config = read.config;
        config.printerName = std::string(64, 'N');
        config.ssid = "ssid-of-thirty-two-characters-AZ";
        config.userId = "root";
        config.printerPort = 32767;
        config.trapIpAddress = 0xAC10FE01;
        config.inactivityTime = 3600;
        config.p2pPinCode = layout == 2 ? "87654321" : "";

        ASSERT_EQ(WritePrinterConfig(line.channel, *line.buffers, config), WriteOutcome::Ok);

        EXPECT_EQ(line.channel.Writes().back().size(), layout == 1 ? 1252U : 1276U);
        const sim::PrinterRecord held = line.printer.State().record;
        EXPECT_EQ(held.layout, layout);
        EXPECT_EQ(held.printerName, config.printerName);
        EXPECT_EQ(held.ssid, config.ssid);
        EXPECT_EQ(held.p2pPinCode, config.p2pPinCode);
        EXPECT_EQ(held.trapIpAddress, 0xAC10FE01U);
        const auto again = ReadPrinterConfig(line.channel, *line.buffers, {});
        ASSERT_EQ(again.outcome, ReadOutcome::Ok);
        EXPECT_EQ(again.config, config);
    }
}

TEST(WritePrinterConfig, EachFaultEndsTheWriteWithItsOutcome) {
    using enum WriteOutcome;
    const struct {
        const char* name;
        FaultPlan faults;
        WriteOutcome outcome;
    } cases[] = {
        {"NoAttention", With(&FaultPlan::noAnswerTo, RequestKind::Attention), AttentionRefused},
        {"HangUpAfterTheAttention", With(&FaultPlan::disconnectAfter, 1), WriteFailed},
        {"NoAcknowledgement", With(&FaultPlan::noAnswerTo, RequestKind::ConfigSet), NoReply},
        {"AcknowledgementChecksum", With(&FaultPlan::badChecksum, true), AcknowledgementRefused},
        {"AcknowledgementTag", With(&FaultPlan::wrongTag, true), AcknowledgementRefused},
        {"UpperCaseHex", With(&FaultPlan::upperCaseHex, true), AcknowledgementRefused},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PrinterLine line(c.faults);
        InterfaceConfig config;
        config.printerName = "Front desk";
        EXPECT_EQ(WritePrinterConfig(line.channel, *line.buffers, config), c.outcome);
    }
}

}  // namespace
}  // namespace lanvane::test
