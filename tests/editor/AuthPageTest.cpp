#include "EditorTestSupport.h"

#include "ui/EditControl.h"
#include "ui/RadioButton.h"

namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

// What RefreshControls leaves for each authentication, with a cryptograph that suits it.
struct MatrixRow {
    int radio;
    bool noneEnabled;
    bool wepEnabled;
    bool wpaCiphersEnabled;
    bool pskShown;
    bool pskEnabled;
    bool wepShown;
    bool eapShown;
};

class AuthPageTest : public EditorTest {
protected:
    AuthPageTest() {
        EditRecord([](sim::PrinterRecord& record) {
            record.authentication = 0;
            record.cryptograph = 0;
            record.eapMode = 0;
        });
    }

    Control& Item(int id) { return Page(kAuth).GetDlgItem(id); }
    bool Marked(int id) { return On<RadioButton>(kAuth, id).IsChecked(); }
    int Cryptograph() { return Window().Tabs().AuthPage().Values().cryptograph; }
    void ShowAuthPage() {
        Connect();
        SelectTab(kAuth);
    }
};

TEST_F(AuthPageTest, WepKeyTypedUnderAnotherCryptographIsNotTaken) {
    ShowAuthPage();
    Click(ctl::kWpaPskRadio);
    Click(ctl::kAesTkipRadio);
    Click(ctl::kOpenSystemRadio);
    Type(ctl::kWepKey, "abcde");
    Check([&] {
        EXPECT_EQ(Cryptograph(), 5);
        EXPECT_EQ(Window().Tabs().AuthPage().Values().wepKey, "");
        EXPECT_EQ(Window().Working().wepKey, "");
    });
    Run();
}

TEST_F(AuthPageTest, EapTlsRenamesThePasswordLabel) {
    ShowAuthPage();
    Click(ctl::kWpaRadio);
    Check([&] { EXPECT_EQ(Item(ctl::kAuthPasswordLabel).Text(), "Authentication Password"); });
    Click(ctl::kEapTlsRadio);
    Check([&] {
        EXPECT_EQ(Item(ctl::kAuthPasswordLabel).Text(), "Certification Password");
        EXPECT_FALSE(Marked(ctl::kEapPeapRadio));
        EXPECT_EQ(Window().Tabs().AuthPage().Values().eapMode, 2);
    });
    Click(ctl::kEapLeapRadio);
    Check([&] {
        EXPECT_EQ(Item(ctl::kAuthPasswordLabel).Text(), "Authentication Password");
        EXPECT_FALSE(Marked(ctl::kEapTlsRadio));
    });
    Run();
}

// The focus that RefreshControls puts on the authentication radio while connecting is no
// click: the decoded cryptograph stays, though WPA2 alone would replace TKIP.
TEST_F(AuthPageTest, ConnectKeepsTheDecodedCryptograph) {
    EditRecord([](sim::PrinterRecord& record) {
        record.authentication = 5;
        record.cryptograph = 3;
        record.eapMode = 2;
    });
    Connect();
    Check([&] {
        EXPECT_EQ(Cryptograph(), 3);
        EXPECT_TRUE(Marked(ctl::kWpa2Radio));
        EXPECT_TRUE(Marked(ctl::kTkipRadio));
        EXPECT_TRUE(Marked(ctl::kEapTlsRadio));
        EXPECT_EQ(Item(ctl::kAuthPasswordLabel).Text(), "Certification Password");
    });
    Run();
}

}  // namespace
}  // namespace lanvane::test
