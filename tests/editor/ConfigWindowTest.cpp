#include "EditorTestSupport.h"

#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/ListView.h"
#include "ui/RadioButton.h"
#include "ui/TabControl.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr char kConnected[] = "The printer has been connected successfully.";
constexpr char kWritten[] = "The configuration has been completed.\nReset the printer.";

bool Enabled(Dialog& dialog, int id) {
    return dialog.GetDlgItem(id).IsEnabled();
}

TEST_P(EditorLayoutTest, ConnectShowsTheRecordOnThePages) {
    const bool extended = GetParam() == 2;
    Connect();
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre(kConnected));
        EXPECT_TRUE(Window().IsConnected());
        EXPECT_FALSE(Enabled(Window(), ctl::kConnectButton));
        EXPECT_TRUE(Enabled(Window(), ctl::kDisconnectButton));
        EXPECT_TRUE(Enabled(Window(), ctl::kUpdateButton));
        EXPECT_EQ(Page(kSystem).GetDlgItemText(ctl::kPrinterName), "VT-Printer");
        EXPECT_EQ(Page(kSystem).GetDlgItemText(ctl::kPrinterPort), "9100");
        EXPECT_EQ(Page(kSystem).GetDlgItemText(ctl::kMacAddress), "00-1B-7A-3C-5D-9E");
        EXPECT_EQ(Page(kSystem).GetDlgItemText(ctl::kFirmwareVersion), "VT-IF 2.31.07");
        EXPECT_EQ(On<ComboBox>(kProtocol, ctl::kSnmpList).Text(), "Enable");
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kSsid), "VT-Office");
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kNetworkInactivity), "300");
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kNetworkIpAddress), "192.168.0.100");
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kPinCode), extended ? "12345670" : "3958");
        EXPECT_EQ(Enabled(Page(kNetwork), ctl::kWifiDirectRadio), extended);
        EXPECT_EQ(Window().PageValues().extendedRecord, extended);
        EXPECT_TRUE(On<RadioButton>(kAuth, ctl::kWpa2PskRadio).IsChecked());
        EXPECT_EQ(Page(kAuth).GetDlgItemText(ctl::kPskKey), "vantrole-office-key");
        EXPECT_TRUE(port.IsUsbDevice());
        EXPECT_EQ(port.PortName(), kPrinterDevice);
        EXPECT_GT(ui.WaitCursorShown(), 0);
        EXPECT_EQ(ui.WaitCursorDepth(), 0);
    });
    Run();
}

// Edits on every page reach the printer, including the values the pages only show after a
// connect (the inactivity time is never typed here and must not be written as 0).
TEST_P(EditorLayoutTest, UpdateWritesWhatThePagesShowAndListsIt) {
    Connect();
    Type(ctl::kPrinterName, "-2");
    SelectTab(kProtocol);
    driver.Then(Step::Choose(ctl::kTelnetList, 1));
    Type(ctl::kTrapCommunity, "x");
    SelectTab(kNetwork);
    Type(ctl::kSsid, "-5G");
    SelectTab(kAuth);
    Type(ctl::kPskKey, "!");
    Click(ctl::kUpdateButton);
    Check([&] {
        EXPECT_EQ(LastMessage(), kWritten);
        auto* summary = ui.ActiveDialog();
        ASSERT_NE(summary, nullptr);
        EXPECT_EQ(summary->Template().id, dlg::kConfigSummary);
        const auto& rows = summary->Item<ListView>(ctl::kSummaryList);
        ASSERT_EQ(rows.GetItemCount(), 30);
        EXPECT_EQ(rows.GetItemText(0, 1), "Printer Name");
        EXPECT_EQ(rows.GetItemText(0, 2), "VT-Printer-2");
        EXPECT_EQ(rows.GetItemText(5, 2), "Enable");
        EXPECT_EQ(rows.GetItemText(14, 2), "VT-Office-5G");
        EXPECT_EQ(rows.GetItemText(15, 2), "300");
        EXPECT_EQ(rows.GetItemText(23, 2), "vantrole-office-key!");
        EXPECT_EQ(rows.GetItemText(29, 0), "30");
        EXPECT_EQ(rows.GetItemText(29, 2), GetParam() == 2 ? "12345670" : "");
    });
    driver.Then(Step::PressOk());
    Check([&] { EXPECT_TRUE(Window().IsConnected()); });
    Run();
    const sim::PrinterRecord written = printer.State().record;
    EXPECT_EQ(written.layout, GetParam());
    EXPECT_EQ(written.printerName, "VT-Printer-2");
    EXPECT_EQ(written.telnet, 1);
    EXPECT_EQ(written.trapCommunity, "vt-trapx");
    EXPECT_EQ(written.ssid, "VT-Office-5G");
    EXPECT_EQ(written.pskKey, "vantrole-office-key!");
    EXPECT_EQ(written.inactivityTime, 300);
    EXPECT_EQ(written.printerPort, 9100);
    EXPECT_EQ(written.adhocChannel, 6);
    EXPECT_EQ(written.ipAddress, sim::DefaultPrinterState(GetParam()).record.ipAddress);
}

// A version 2 printer, then a version 1 printer on the same device: the PIN value goes on
// Disconnect, Wi-Fi Direct is offered only to the version 2 printer.
TEST_P(EditorLayoutTest, ReconnectDecidesTheRecordVersionAnew) {
    Connect();
    Click(ctl::kDisconnectButton);
    Check([&] {
        EXPECT_FALSE(Window().IsConnected());
        EXPECT_EQ(port.Closes(), 1);
        EXPECT_TRUE(Enabled(Window(), ctl::kConnectButton));
        EXPECT_FALSE(Enabled(Window(), ctl::kUpdateButton));
        EXPECT_FALSE(Enabled(Window(), ctl::kConfigTab));
        EXPECT_FALSE(Enabled(Page(kSystem), ctl::kPrinterName));
        EXPECT_FALSE(Enabled(Page(kNetwork), ctl::kWifiDirectRadio));
        EXPECT_FALSE(Enabled(Page(kNetwork), ctl::kPinCode));
        EXPECT_FALSE(Enabled(Page(kNetwork), ctl::kDhcpRadio));
        EXPECT_FALSE(Enabled(Page(kCert), ctl::kFileUploadButton));
        EXPECT_THAT(Window().Tabs().NetworkPage().Values().p2pPinCode, IsEmpty());
        printer.SetState(sim::DefaultPrinterState(GetParam() == 2 ? 1 : 2));
    });
    Connect();
    Check([&] {
        const bool extended = GetParam() != 2;
        EXPECT_EQ(Window().PageValues().extendedRecord, extended);
        EXPECT_EQ(Enabled(Page(kNetwork), ctl::kWifiDirectRadio), extended);
        EXPECT_EQ(Page(kNetwork).GetDlgItemText(ctl::kPinCode), extended ? "12345670" : "3958");
    });
    Run();
}

INSTANTIATE_TEST_SUITE_P(BothLayouts, EditorLayoutTest, ::testing::Values(1, 2));

using ConfigWindowTest = EditorTest;

TEST_F(ConfigWindowTest, NoPrinterDeviceLeavesAnEmptyListAndConnectOpensNothing) {
    devices.SetUsbDevices({UsbDevice("USB001", "/dev/usb/lp3", "0030")});
    Connect();
    Run();
    EXPECT_THAT(Messages(), ElementsAre("Unable to connect to the USB device.",
                                        "Unable to connect to the USB device."));
    EXPECT_EQ(port.OpenCalls(), 0);
}

// Only our printers are listed, and each name opens its own device, never a neighbour's.
TEST_F(ConfigWindowTest, EachListedNameOpensItsOwnDevice) {
    devices.SetUsbDevices({UsbDevice("USB001", "/dev/usb/lp1", "0030"), UsbDevice("USB002", kPrinterDevice),
                           UsbDevice("USB003", "/dev/usb/lp5")});
    Check([&] {
        const auto& list = Window().Item<ComboBox>(ctl::kPortList);
        ASSERT_EQ(list.GetCount(), 2);
        EXPECT_EQ(list.GetItemText(0), "USB002");
        EXPECT_EQ(list.Text(), "USB002");
    });
    Connect();
    Check([&] { EXPECT_TRUE(Window().IsConnected()); });
    Click(ctl::kDisconnectButton);
    driver.Then(Step::Choose(ctl::kPortList, 1));
    Connect();
    Run();
    EXPECT_EQ(port.PortName(), "/dev/usb/lp5");
    EXPECT_EQ(LastMessage(), "Unable to open the port.");
}

TEST_F(ConfigWindowTest, MakerNameMismatchWarnsThenFailsTheConnect) {
    sim::FaultPlan faults;
    faults.wrongMakerName = true;
    SetFaults(faults);
    Connect();
    Check([&] {
        EXPECT_FALSE(Window().IsConnected());
        EXPECT_FALSE(Enabled(Window(), ctl::kConfigTab));
    });
    Run();
    ASSERT_EQ(ui.MessageBoxes().size(), 2u);
    const MessageBoxRequest& warning = ui.MessageBoxes()[0].request;
    EXPECT_EQ(warning.text, "This printer don't match our company name.");
    EXPECT_EQ(warning.caption, "Warning");
    EXPECT_EQ(warning.icon, MessageBoxIcon::Exclamation);
    const MessageBoxRequest& failure = ui.MessageBoxes()[1].request;
    EXPECT_EQ(failure.text, "Failed to connect to the printer.");
    EXPECT_EQ(failure.caption, "Lanvane");
    EXPECT_EQ(failure.icon, MessageBoxIcon::None);
    EXPECT_EQ(port.Closes(), 1);
}

TEST_F(ConfigWindowTest, PrinterThatStopsAnsweringFailsTheConnectAndReleasesThePort) {
    sim::FaultPlan faults;
    faults.noAnswerTo = sim::RequestKind::ConfigGet;
    SetFaults(faults);
    Connect();
    Run();
    EXPECT_THAT(Messages(), ElementsAre("Failed to connect to the printer."));
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(ConfigWindowTest, PortThatWillNotOpenIsReported) {
    port.RefuseOpen(true);
    Connect();
    Run();
    EXPECT_THAT(Messages(), ElementsAre("Unable to open the port."));
    EXPECT_FALSE(PrinterReceived(sim::RequestKind::Identification));
}

TEST_F(ConfigWindowTest, UnacknowledgedWriteKeepsTheConnection) {
    Connect();
    Check([&] {
        sim::FaultPlan faults;
        faults.wrongTag = true;
        SetFaults(faults);
    });
    Click(ctl::kUpdateButton);
    Check([&] {
        EXPECT_EQ(LastMessage(), "The configuration has failed.");
        EXPECT_EQ(ui.ActiveDialog(), &Window());
        EXPECT_TRUE(Window().IsConnected());
        EXPECT_TRUE(Enabled(Window(), ctl::kUpdateButton));
    });
    Run();
}

TEST_F(ConfigWindowTest, ClosingReleasesThePortOnlyWhenConnected) {
    Run();
    EXPECT_EQ(port.OpenCalls(), 0);
    EXPECT_EQ(port.Closes(), 0);
    Connect();
    driver.Then(Step::PressCancel());
    Run();
    EXPECT_EQ(port.Closes(), 1);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(ConfigWindowTest, UpdateWithAnInvalidWepKeyWritesNothing) {
    EditRecord([](sim::PrinterRecord& record) {
        record.authentication = 0;
        record.cryptograph = 1;
        record.wepKey = "abcde";
    });
    Connect();
    SelectTab(kAuth);
    Type(ctl::kWepKey, "f");
    Click(ctl::kUpdateButton);
    Check([&] {
        EXPECT_EQ(LastMessage(),
                  "WEP Key is invalid.\nWEP Key must be 5 or 10 characters or 10 or 26 hexadecimal digits.");
        EXPECT_EQ(FocusId(), ctl::kWepKey);
        EXPECT_TRUE(Window().IsConnected());
    });
    Run();
    EXPECT_FALSE(PrinterReceived(sim::RequestKind::ConfigSet));
}

// Whatever tab is selected, the WEP key field's length names the cryptograph written.
TEST_F(ConfigWindowTest, UpdateTakesTheCryptographTheWepKeyLengthNames) {
    EditRecord([](sim::PrinterRecord& record) {
        record.authentication = 1;
        record.cryptograph = 1;
        record.wepKey = "0123456789abcdef0123456789";
    });
    Connect();
    Click(ctl::kUpdateButton);
    driver.Then(Step::PressOk());
    Run();
    EXPECT_EQ(LastMessage(), kWritten);
    EXPECT_EQ(printer.State().record.cryptograph, 2);
}

// The window reports a read-back it cannot make rather than write an old number.
TEST_F(ConfigWindowTest, UpdateWithAnEmptiedPortFieldWritesNothing) {
    Connect();
    Erase(ctl::kPrinterPort);
    Check([&] {
        EXPECT_EQ(LastMessage(), "Please enter a whole number.");
        EXPECT_EQ(Window().Tabs().SystemPage().Values().printerPort, 9100u);
        ClearMessages();
    });
    Click(ctl::kUpdateButton);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("Please enter a whole number."));
        EXPECT_EQ(FocusId(), ctl::kPrinterPort);
    });
    Run();
    EXPECT_FALSE(PrinterReceived(sim::RequestKind::ConfigSet));
}

}  // namespace
}  // namespace lanvane::test
