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
        EXPECT_EQ(Window().Working().inactivityTime, 3600u);
    });
    Run();
}

// Switching to DHCP clears only the page's addresses; Manual brings them back from the
// working configuration.
TEST_F(NetworkPageTest, ManualAfterDhcpRestoresTheAddresses) {
    Connect();
    SelectTab(kNetwork);
    Click(ctl::kDhcpRadio);
    Check([&] {
        EXPECT_EQ(Values().ipAddress, 0u);
        EXPECT_EQ(Window().Working().ipAddress, kPrinterAddress);
        EXPECT_FALSE(Enabled(ctl::kNetworkIpAddress));
        EXPECT_EQ(Window().Working().ipAssignment, 0);
    });
    Click(ctl::kManualRadio);
    Check([&] {
        EXPECT_EQ(Values().ipAddress, kPrinterAddress);
        EXPECT_TRUE(Enabled(ctl::kNetworkIpAddress));
        EXPECT_EQ(Window().Working().ipAssignment, 1);
    });
    driver.Then(Step::SetIpField(ctl::kNetworkGateway, 3, "254"));
    Check([&] {
        EXPECT_EQ(Values().gateway & 0xFF, 254u);
        EXPECT_EQ(Window().Working().gateway & 0xFF, 254u);
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
        EXPECT_EQ(Window().Working().networkMode, 1);
        EXPECT_EQ(Window().Working().ipAssignment, 1);
    });
    Click(ctl::kUpdateButton);
    driver.Then(Step::PressOk());
    Run();
    EXPECT_EQ(printer.State().record.networkMode, 1);
    EXPECT_EQ(printer.State().record.dhcp, 0);
}

}  // namespace
}  // namespace lanvane::test
