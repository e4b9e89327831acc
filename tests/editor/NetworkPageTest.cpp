#include "EditorTestSupport.h"

#include "ui/ComboBox.h"
#include "ui/IpAddressControl.h"
#include "ui/RadioButton.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

constexpr std::uint32_t kPrinterAddress = (192u << 24) | (168u << 16) | 100u;

class NetworkPageTest : public EditorTest {
protected:
    bool Checked(int id) { return On<RadioButton>(kNetwork, id).IsChecked(); }
    bool Enabled(int id) { return Page(kNetwork).GetDlgItem(id).IsEnabled(); }
    const rules::NetworkPageValues& Values() { return Window().Tabs().NetworkPage().Values(); }

    void OpenSystemPrinter() {
        EditRecord([](sim::PrinterRecord& record) {
            record.authentication = 0;
            record.cryptograph = 0;
        });
    }
};

TEST_F(NetworkPageTest, AdhocIsRefusedUnderWpaAuthentication) {
    Connect();
    SelectTab(kNetwork);
    Check([&] { ClearMessages(); });
    Click(ctl::kAdhocRadio);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("The Adhoc mode is not available.\nAuthentication is allowed in "
                                            "either Open System or Shared Key."));
        EXPECT_TRUE(Checked(ctl::kInfraRadio));
        EXPECT_FALSE(Checked(ctl::kAdhocRadio));
        EXPECT_EQ(FocusId(), ctl::kInfraRadio);
        EXPECT_TRUE(Enabled(ctl::kAdhocChannel)) << "the one trace a refused choice leaves";
        EXPECT_EQ(Values().networkMode, 0);
    });
    Run();
}

TEST_F(NetworkPageTest, AdhocForcesManualAddresses) {
    OpenSystemPrinter();
    EditRecord([](sim::PrinterRecord& record) { record.dhcp = 1; });
    Connect();
    SelectTab(kNetwork);
    Click(ctl::kAdhocRadio);
    Check([&] {
        EXPECT_TRUE(Checked(ctl::kManualRadio));
        EXPECT_FALSE(Enabled(ctl::kDhcpRadio));
        EXPECT_TRUE(Enabled(ctl::kNetworkIpAddress));
        EXPECT_EQ(FocusId(), ctl::kManualRadio);
    });
    Run();
}

TEST_F(NetworkPageTest, NumbersOutOfRangeAreCorrectedWhileTyping) {
    OpenSystemPrinter();
    Connect();
    SelectTab(kNetwork);
    Click(ctl::kAdhocRadio);
    Erase(ctl::kAdhocChannel);
    Type(ctl::kAdhocChannel, "15");
    Erase(ctl::kNetworkInactivity);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("The printer has been connected successfully.",
                                            "Please enter a whole number.",
                                            "The channel number has not been set.\nPlease enter a channel "
                                            "number again.(0~14)",
                                            "Please enter a whole number."));
        ClearMessages();
    });
    Type(ctl::kNetworkInactivity, "3601");
    Check([&] {
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kAdhocChannel), "14");
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kNetworkInactivity), "3600");
        EXPECT_THAT(Messages(), ElementsAre("The time has not been set.\nPlease enter time again."));
        EXPECT_EQ(Values().inactivityTime, 3600u);
    });
    Run();
}

// DHCP leaves the addresses alone, so Manual brings them back and Update writes them.
TEST_F(NetworkPageTest, ManualAfterDhcpKeepsTheAddresses) {
    Connect();
    SelectTab(kNetwork);
    Click(ctl::kDhcpRadio);
    Check([&] { EXPECT_FALSE(Enabled(ctl::kNetworkIpAddress)); });
    Click(ctl::kManualRadio);
    Check([&] { EXPECT_TRUE(Enabled(ctl::kNetworkIpAddress)); });
    driver.Then(Step::SetIpField(ctl::kNetworkGateway, 3, "254"));
    Click(ctl::kUpdateButton);
    driver.Then(Step::PressOk());
    Run();
    EXPECT_EQ(printer.State().record.dhcp, 0);
    EXPECT_EQ(printer.State().record.ipAddress, kPrinterAddress);
    EXPECT_EQ(printer.State().record.gateway & 0xFF, 254u);
}

TEST_F(NetworkPageTest, WifiDirectTakesDhcpAndItsOwnControls) {
    printer.SetState(sim::DefaultPrinterState(2));
    Connect();
    SelectTab(kNetwork);
    Click(ctl::kWifiDirectRadio, dlg::kNetworkPage);
    driver.Then(Step::Choose(ctl::kP2pChannel, 2));
    Check([&] {
        EXPECT_TRUE(Checked(ctl::kDhcpRadio));
        EXPECT_FALSE(Enabled(ctl::kManualRadio));
        EXPECT_FALSE(Enabled(ctl::kNetworkIpAddress));
        EXPECT_TRUE(Enabled(ctl::kPinCode));
        EXPECT_EQ(Values().p2pChannel, "11");
    });
    SelectTab(kAuth);
    Check([&] {
        for (const int id : {ctl::kWpaPskRadio, ctl::kWpa2PskRadio, ctl::kWpaRadio, ctl::kWpa2Radio}) {
            EXPECT_FALSE(Page(kAuth).GetDlgItem(id).IsEnabled()) << id;
        }
        EXPECT_TRUE(On<RadioButton>(kAuth, ctl::kWpa2PskRadio).IsChecked());
        EXPECT_TRUE(Page(kAuth).GetDlgItem(ctl::kPskKey).IsVisible());
    });
    Run();
}

// A version 1 printer knows no Wi-Fi Direct: its mode is shown and written as Adhoc with
// manual addresses. Focus moves onto radio buttons never count as clicks.
TEST_F(NetworkPageTest, WifiDirectFromAVersion1RecordBecomesAdhoc) {
    OpenSystemPrinter();
    EditRecord([](sim::PrinterRecord& record) {
        record.networkMode = 2;
        record.dhcp = 1;
    });
    Connect();
    Check([&] {
        EXPECT_TRUE(Checked(ctl::kAdhocRadio));
        EXPECT_TRUE(Checked(ctl::kManualRadio));
        EXPECT_FALSE(Enabled(ctl::kDhcpRadio));
        EXPECT_FALSE(Enabled(ctl::kWifiDirectRadio));
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kPinCode), "3958");
    });
    Click(ctl::kUpdateButton);
    driver.Then(Step::PressOk());
    Run();
    EXPECT_EQ(printer.State().record.networkMode, 1);
    EXPECT_EQ(printer.State().record.dhcp, 0);
}

}  // namespace
}  // namespace lanvane::test
