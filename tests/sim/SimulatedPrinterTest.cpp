#include "sim/SimulatedPrinter.h"

#include <gtest/gtest.h>

#include "PrinterDriver.h"
#include "WireText.h"
#include "sim/SimRecordLayout.h"

namespace lanvane::sim {
namespace {

using namespace test;

Bytes ConfigSetRequest(const Bytes& record) {
    return LinkRequestFor(Joined({Text("__[I_F]__[IF__SET]"), record}));
}

// The layout of a written record follows its size; a record of any other size is refused.
TEST(SimulatedPrinter, TakesTheLayoutOfAWrittenRecordFromItsSizeAndRefusesOtherSizes) {
    SimulatedPrinter printer(DefaultPrinterState(1));
    PrinterDriver driver(printer);
    PrinterRecord extended = DefaultPrinterState(2).record;
    extended.p2pPinCode = "87654321";
    EXPECT_EQ(driver.Exchange(ConfigSetRequest(SimRecordLayout::Encode(extended))), kIfSucReply);
    EXPECT_EQ(printer.State().record.layout, 2);
    EXPECT_EQ(driver.Exchange(kIfGet).size(), 1276u);

    const PrinterRecord before = printer.State().record;
    EXPECT_EQ(driver.Exchange(ConfigSetRequest(Bytes(500, 0))), kIfErrReply);
    EXPECT_EQ(printer.State().record, before);
}

TEST(SimulatedPrinter, StaysSilentToDamagedOrUnknownFrames) {
    SimulatedPrinter printer;
    PrinterDriver driver(printer);
    EXPECT_TRUE(driver.Exchange(LinkRequest("5f5f5b495f465d5f5f5b5359535f5245515d-e/b")).empty());
    EXPECT_TRUE(driver.Exchange(LinkRequestFor(Text("__[I_F]__[PRT_REG]"))).empty());
    EXPECT_TRUE(driver.Exchange(Hex("1F 57 43 42 1D 1F 03")).empty());
    EXPECT_EQ(printer.History().size(), 3u);
    EXPECT_EQ(driver.Exchange(kAttention), kAttentionReply);
}

}  // namespace
}  // namespace lanvane::sim
