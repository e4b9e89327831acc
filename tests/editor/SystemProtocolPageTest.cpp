#include "EditorTestSupport.h"

#include "ui/ComboBox.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

using SystemProtocolPageTest = EditorTest;

// 0 to 32767 pass while typing, the reserved ports among them; above, the port goes back
// to 9100 at once.
TEST_F(SystemProtocolPageTest, PortIsCorrectedWhileTypingAndCheckedOnLeaving) {
    Connect();
    Erase(ctl::kPrinterPort);
    Check([&] { ClearMessages(); });
    Type(ctl::kPrinterPort, "40000");
    Check([&] {
        EXPECT_THAT(Messages(),
                    ElementsAre("Unable to configure the port.\nPlease enter a port number again.(0~32767)"));
        EXPECT_EQ(Page(kSystem).GetDlgItemText(ctl::kPrinterPort), "9100");
        ClearMessages();
    });
    Erase(ctl::kPrinterPort);
    Type(ctl::kPrinterPort, "3318");
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("Please enter a whole number."));
        ClearMessages();
    });
    SelectTab(kProtocol);
    Check([&] { EXPECT_THAT(Messages(), ElementsAre("The port number is incorrect.\nPlease try again.")); });
    Run();
}

TEST_F(SystemProtocolPageTest, SwitchOutsideItsTwoEntriesSelectsNone) {
    EditRecord([](sim::PrinterRecord& record) { record.ftp = 2; });
    Connect();
    Check([&] {
        EXPECT_EQ(On<ComboBox>(kProtocol, ctl::kFtpList).GetCurSel(), ComboBox::kNone);
        EXPECT_EQ(On<ComboBox>(kProtocol, ctl::kHttpsList).Text(), "Enable");
    });
    Run();
}

TEST_F(SystemProtocolPageTest, TrapAddressIsTakenAsEachFieldChanges) {
    Connect();
    SelectTab(kProtocol);
    driver.Then(Step::SetIpField(ctl::kTrapIpAddress, 3, "77"));
    Check([&] { EXPECT_EQ(Window().Tabs().ProtocolPage().Values().trapIpAddress, 0xC0A8004Du); });
    Click(ctl::kUpdateButton);
    driver.Then(Step::PressOk());
    Run();
    EXPECT_EQ(printer.State().record.trapIpAddress, 0xC0A8004Du);
}

}  // namespace
}  // namespace lanvane::test
