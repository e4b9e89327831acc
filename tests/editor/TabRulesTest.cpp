#include "EditorTestSupport.h"

#include "ui/DialogObserver.h"
#include "ui/EditControl.h"
#include "ui/TabControl.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

constexpr char kPortIncorrect[] = "The port number is incorrect.\nPlease try again.";
constexpr char kSsidIncorrect[] = "The SSID is incorrect.\nPlease try again.";
constexpr char kIncorrectPin[] = "Incorrect PIN. Please re-enter your PIN Code.";

// Records every move of the tab control's selection, silent ones included.
class TabSelectionLog : public DialogObserver {
public:
    std::vector<int> selections;

    void OnControlChanged(const Control& control, ModelChange what, int) override {
        if (control.Id() == ctl::kConfigTab && what == ModelChange::Selection) {
            selections.push_back(dynamic_cast<const TabControl&>(control).GetCurSel());
        }
    }
    void OnDialogChanged(const Dialog&, DialogChange) override {}
};

class TabRulesTest : public EditorTest {
protected:
    int SelectedTab() { return Window().Item<TabControl>(ctl::kConfigTab).GetCurSel(); }
    bool Shown(int page) { return Page(page).IsWindowVisible(); }
    void ExpectStaysOn(int page) {
        EXPECT_EQ(SelectedTab(), page);
        for (int index = 0; index < CConfigTabCtrl::kPageCount; ++index) {
            EXPECT_EQ(Shown(index), index == page) << "page " << index;
        }
    }

    TabSelectionLog log;
};

// The selection moves, then goes back silently; the page being left stays on screen.
TEST_F(TabRulesTest, ReservedPortRefusesTheChangeAfterItHappened) {
    Connect();
    Check([&] { Window().SetObserver(&log); });
    Erase(ctl::kPrinterPort);
    Type(ctl::kPrinterPort, "80");
    Check([&] { ClearMessages(); });
    SelectTab(kProtocol);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre(kPortIncorrect));
        EXPECT_THAT(log.selections, ElementsAre(kProtocol, kSystem));
        ExpectStaysOn(kSystem);
        EXPECT_EQ(FocusId(), ctl::kPrinterPort);
        ClearMessages();
    });
    Erase(ctl::kPrinterPort);
    Type(ctl::kPrinterPort, "0");
    SelectTab(kProtocol);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("Please enter a whole number."));
        ExpectStaysOn(kProtocol);
        Window().SetObserver(nullptr);
    });
    Run();
}

// An empty SSID and a 6-digit PIN from the printer give both messages, also in Infra mode
// where the PIN field is disabled; the PIN takes the focus before its message shows.
TEST_F(TabRulesTest, NetworkPageShowsTheSsidAndThePinMessagesInTurn) {
    std::vector<int> focusAtMessage;
    printer.SetState(sim::DefaultPrinterState(2));
    EditRecord([](sim::PrinterRecord& record) { record.p2pPinCode = "123456"; });
    Connect();
    SelectTab(kNetwork);
    Erase(ctl::kSsid);
    Check([&] {
        ClearMessages();
        driver.WhenMessageShown([&] { focusAtMessage.push_back(FocusId()); });
    });
    SelectTab(kAuth);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre(kSsidIncorrect, kIncorrectPin));
        EXPECT_NE(focusAtMessage.at(0), ctl::kPinCode);
        EXPECT_EQ(focusAtMessage.at(1), ctl::kPinCode);
        EXPECT_EQ(FocusId(), ctl::kPinCode);
        EXPECT_FALSE(Page(kNetwork).GetDlgItem(ctl::kPinCode).IsEnabled());
        ExpectStaysOn(kNetwork);
    });
    Run();
}

// With an empty PIN from an extended record, only Wi-Fi Direct lets the user mend it.
TEST_F(TabRulesTest, EmptyExtendedPinKeepsTheNetworkPageUntilMendedInWifiDirect) {
    printer.SetState(sim::DefaultPrinterState(2));
    EditRecord([](sim::PrinterRecord& record) { record.p2pPinCode.clear(); });
    Connect();
    SelectTab(kNetwork);
    Check([&] { ClearMessages(); });
    SelectTab(kSystem);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre(kIncorrectPin));
        ExpectStaysOn(kNetwork);
        EXPECT_FALSE(Page(kNetwork).GetDlgItem(ctl::kPinCode).IsEnabled());
        ClearMessages();
    });
    Click(ctl::kWifiDirectRadio, dlg::kNetworkPage);
    Type(ctl::kPinCode, "1234");
    Click(ctl::kInfraRadio);
    SelectTab(kSystem);
    Check([&] {
        EXPECT_THAT(Messages(), ::testing::IsEmpty());
        ExpectStaysOn(kSystem);
    });
    Run();
}

TEST_F(TabRulesTest, WepKeyOfAnInvalidLengthKeepsTheAuthenticationPage) {
    EditRecord([](sim::PrinterRecord& record) {
        record.authentication = 0;
        record.cryptograph = 2;
        record.wepKey = "0123456789abc";
    });
    Connect();
    SelectTab(kAuth);
    Check([&] {
        Window().Tabs().AuthPage().Item<EditControl>(ctl::kWepKey).UserReplaceText("0123456789ab");
        ClearMessages();
    });
    SelectTab(kBss);
    Check([&] {
        EXPECT_THAT(Messages(), ElementsAre("WEP Key is invalid.\nWEP Key must be 5 or 10 characters or 10 or "
                                            "26 hexadecimal digits."));
        EXPECT_EQ(FocusId(), ctl::kWepKey);
        ExpectStaysOn(kAuth);
    });
    Run();
}

}  // namespace
}  // namespace lanvane::test
