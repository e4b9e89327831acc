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

TEST_F(AuthPageTest, ControlMatrixFollowsTheAuthentication) {
    const MatrixRow rows[] = {
        {ctl::kOpenSystemRadio, true, true, false, false, false, true, false},
        {ctl::kSharedKeyRadio, false, true, false, false, false, true, false},
        {ctl::kWpaPskRadio, false, false, true, true, true, false, false},
        {ctl::kWpa2PskRadio, false, false, true, true, true, false, false},
        {ctl::kWpaRadio, false, false, true, false, true, false, true},
        {ctl::kWpa2Radio, false, false, true, false, true, false, true},
    };
    EditRecord([](sim::PrinterRecord& record) { record.cryptograph = 2; });
    ShowAuthPage();
    for (const MatrixRow& row : rows) {
        Click(row.radio);
        Check([&, row] {
            SCOPED_TRACE(row.radio);
            EXPECT_EQ(FocusId(), row.radio);
            EXPECT_EQ(Item(ctl::kNoneRadio).IsEnabled(), row.noneEnabled);
            EXPECT_EQ(Item(ctl::kWepRadio).IsEnabled(), row.wepEnabled);
            for (const int id : {ctl::kTkipRadio, ctl::kAesRadio, ctl::kAesTkipRadio}) {
                EXPECT_EQ(Item(id).IsEnabled(), row.wpaCiphersEnabled);
            }
            EXPECT_EQ(Item(ctl::kPskKey).IsVisible(), row.pskShown);
            EXPECT_EQ(Item(ctl::kPskKeyLabel).IsVisible(), row.pskShown);
            EXPECT_EQ(Item(ctl::kPskKey).IsEnabled(), row.pskEnabled);
            EXPECT_EQ(Item(ctl::kWepKey).IsVisible(), row.wepShown);
            for (const int id : {ctl::kEapGroup, ctl::kEapTlsRadio, ctl::kAuthId, ctl::kAuthPasswordLabel}) {
                EXPECT_EQ(Item(id).IsVisible(), row.eapShown);
            }
            if (row.eapShown) {
                EXPECT_TRUE(Item(ctl::kEapFastRadio).IsEnabled());
            }
        });
    }
    Run();
}

// The marks follow the replaced cryptograph; one that stays may stay marked though disabled.
TEST_F(AuthPageTest, UnsuitableCryptographsAreReplaced) {
    ShowAuthPage();
    Click(ctl::kSharedKeyRadio);
    Check([&] {
        EXPECT_EQ(Cryptograph(), 2);
        EXPECT_TRUE(Marked(ctl::kWepRadio));
    });
    Click(ctl::kWpaRadio);
    Check([&] {
        EXPECT_EQ(Cryptograph(), 3);
        EXPECT_TRUE(Marked(ctl::kTkipRadio));
        EXPECT_FALSE(Marked(ctl::kWepRadio));
    });
    Click(ctl::kAesTkipRadio);
    Click(ctl::kOpenSystemRadio);
    Check([&] {
        EXPECT_EQ(Cryptograph(), 5);
        EXPECT_TRUE(Marked(ctl::kAesTkipRadio));
        EXPECT_FALSE(Item(ctl::kAesTkipRadio).IsEnabled());
    });
    Run();
}

// Under WEP the key's length names WEP64 or WEP128; other lengths keep the last one.
TEST_F(AuthPageTest, WepKeyLengthNamesTheCryptograph) {
    ShowAuthPage();
    Click(ctl::kWepRadio);
    Check([&] {
        EXPECT_TRUE(Item(ctl::kWepKey).IsEnabled());
        auto& key = On<EditControl>(kAuth, ctl::kWepKey);
        key.UserReplaceText("abcdefghijklm");
        EXPECT_EQ(Cryptograph(), 2);
        key.UserReplaceText("abcdefghijkl");
        EXPECT_EQ(Cryptograph(), 2);
        EXPECT_EQ(Window().Tabs().AuthPage().Values().wepKey, "abcdefghijkl");
        key.UserReplaceText("abcdefghij");
        EXPECT_EQ(Cryptograph(), 1);
    });
    Run();
}

// Text typed under another cryptograph is taken when WEP is chosen, so that the rules judge
// the key the field shows.
TEST_F(AuthPageTest, WepKeyTypedUnderAnotherCryptographIsTakenWithWep) {
    ShowAuthPage();
    Click(ctl::kWpaPskRadio);
    Click(ctl::kAesTkipRadio);
    Click(ctl::kOpenSystemRadio);
    Type(ctl::kWepKey, "abcde");
    Check([&] {
        EXPECT_EQ(Cryptograph(), 5);
        EXPECT_EQ(Window().Tabs().AuthPage().Values().wepKey, "");
    });
    Click(ctl::kWepRadio);
    Check([&] { EXPECT_EQ(Window().Tabs().AuthPage().Values().wepKey, "abcde"); });
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
