#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "LayoutRules.h"
#include "resources/DialogTemplates.h"
#include "resources/TabDisplayArea.h"

// The numbers below are the fixed ids that window code and language libraries rely on, so
// they are written out rather than taken from ResourceIds.h.
namespace lanvane::test {
namespace {

using ::testing::ElementsAre;

const DialogTemplate& Dialog(int id) {
    static const DialogTemplate kMissing{0, "", "", 8, 0, 0, {}};
    const DialogTemplate* found = FindDialogTemplate(id);
    if (found == nullptr) ADD_FAILURE() << "no template " << id;
    return found == nullptr ? kMissing : *found;
}

const ControlTemplate* Control(int dialogId, int controlId) {
    const auto& controls = Dialog(dialogId).controls;
    const auto found = std::ranges::find(controls, controlId, &ControlTemplate::id);
    return found == controls.end() ? nullptr : &*found;
}

bool HasStyle(const ControlTemplate& control, std::uint32_t flag) {
    return (control.styles & flag) != 0;
}

constexpr int kPageIds[] = {105, 146, 147, 148, 149, 150};
constexpr int kWindowIds[] = {102, 130, 132, 133, 141, 151, 152};

TEST(DialogRegistryTest, FindsEveryWindowAndPageByIdAndNothingElse) {
    for (int id : {102, 105, 130, 132, 133, 141, 146, 147, 148, 149, 150, 151, 152}) {
        const DialogTemplate* found = FindDialogTemplate(id);
        ASSERT_NE(found, nullptr) << id;
        EXPECT_EQ(found->id, id);
    }
    EXPECT_EQ(AllDialogTemplates().size(), 13u);
    for (int id : {-1, 0, 1, 101, 128, 153, 1000}) EXPECT_EQ(FindDialogTemplate(id), nullptr) << id;
}

TEST(KnownDialogsTest, PagesAreChildTemplatesWithinTheTabControl) {
    const ControlTemplate* tab = Control(141, 1013);
    ASSERT_NE(tab, nullptr);
    const DialogRect area = TabDisplayArea(tab->rect);
    for (int id : kPageIds) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(Dialog(id).child);
        EXPECT_LE(Dialog(id).width, area.width);
        EXPECT_LE(Dialog(id).height, area.height);
    }
    for (int id : kWindowIds) EXPECT_FALSE(Dialog(id).child) << id;
}

TEST(KnownDialogsTest, TitlesAndFonts) {
    EXPECT_EQ(Dialog(102).title, "Vantrole Lanvane");
    EXPECT_EQ(Dialog(102).fontName, "Verdana");
    EXPECT_EQ(Dialog(102).fontPointSize, 10);
    EXPECT_EQ(Dialog(133).title, "Search...");
    EXPECT_EQ(Dialog(132).title, "Lanvane");
    EXPECT_EQ(Dialog(141).title, "Lanvane");
    EXPECT_EQ(Dialog(151).title, "BSS Information");
    EXPECT_EQ(Dialog(152).title, "Lanvane");
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        if (dialog->id == 102) continue;
        EXPECT_EQ(dialog->fontName, "MS Shell Dlg") << dialog->id;
        EXPECT_EQ(dialog->fontPointSize, 8) << dialog->id;
    }
}

struct AddressedControl {
    int dialog;
    int id;
    ControlKind kind;
    std::string_view text;
};

constexpr AddressedControl kAddressedControls[] = {
    {102, 1000, ControlKind::PushButton, "Ethernet Configuration"},
    {102, 1001, ControlKind::PushButton, "WLAN Configuration"},
    {102, 1002, ControlKind::PushButton, "Serial/USB Configuration"},
    {102, 2, ControlKind::PushButton, "Exit"},
    {133, 1009, ControlKind::ProgressBar, ""},
    {133, 1010, ControlKind::StaticText, ""},
    {133, 2, ControlKind::PushButton, "Cancel"},
    {132, 1005, ControlKind::ListView, ""},
    {132, 1002, ControlKind::PushButton, "Search"},
    {132, 1003, ControlKind::PushButton, "Setting"},
    {132, 1007, ControlKind::PushButton, "Configuration(Web)"},
    {132, 1009, ControlKind::PushButton, "BSS Info"},
    {132, 1008, ControlKind::PushButton, "Certificate upload"},
    {132, 1, ControlKind::PushButton, "Exit"},
    {130, 1015, ControlKind::IpAddress, ""},
    {130, 1020, ControlKind::IpAddress, ""},
    {130, 1017, ControlKind::IpAddress, ""},
    {130, 1018, ControlKind::Edit, ""},
    {130, 1019, ControlKind::Edit, ""},
    {130, 1013, ControlKind::CheckBox, "DHCP Mode"},
    {130, 1021, ControlKind::DropDownCombo, ""},
    {130, 1022, ControlKind::StaticText, ""},
    {130, 1, ControlKind::DefaultPushButton, "Save"},
    {130, 2, ControlKind::PushButton, "Cancel"},
    {141, 1013, ControlKind::TabControl, ""},
    {141, 1075, ControlKind::RadioButton, "SERIAL"},
    {141, 1076, ControlKind::RadioButton, "USB"},
    {141, 1005, ControlKind::DropDownList, ""},
    {141, 1016, ControlKind::PushButton, "Connect"},
    {141, 1017, ControlKind::PushButton, "Disconnect"},
    {141, 1014, ControlKind::PushButton, "Update"},
    {141, 2, ControlKind::PushButton, "Quit"},
    {105, 1018, ControlKind::Edit, ""},
    {105, 1019, ControlKind::Edit, ""},
    {105, 1020, ControlKind::Edit, ""},
    {105, 1021, ControlKind::Edit, ""},
    {105, 1022, ControlKind::Edit, ""},
    {105, 1023, ControlKind::StaticText, ""},
    {105, 1024, ControlKind::StaticText, ""},
    {105, 1025, ControlKind::StaticText, ""},
    {146, 1024, ControlKind::DropDownList, ""},
    {146, 1025, ControlKind::DropDownList, ""},
    {146, 1026, ControlKind::DropDownList, ""},
    {146, 1027, ControlKind::DropDownList, ""},
    {146, 1028, ControlKind::Edit, ""},
    {146, 1029, ControlKind::Edit, ""},
    {146, 1020, ControlKind::Edit, ""},
    {146, 1031, ControlKind::IpAddress, ""},
    {147, 1032, ControlKind::ListView, ""},
    {147, 1034, ControlKind::ProgressBar, ""},
    {147, 1033, ControlKind::PushButton, "Get BSS information"},
    {148, 1042, ControlKind::RadioButton, "Infra Network"},
    {148, 1043, ControlKind::RadioButton, "Adhoc"},
    {148, 1076, ControlKind::RadioButton, "Wi-Fi Direct"},
    {148, 1044, ControlKind::Edit, ""},
    {148, 1077, ControlKind::DropDownCombo, ""},
    {148, 1078, ControlKind::DropDownCombo, ""},
    {148, 1079, ControlKind::Edit, ""},
    {148, 1040, ControlKind::RadioButton, "Automatic Allocation(DHCP)"},
    {148, 1041, ControlKind::RadioButton, "Manual Allocation"},
    {148, 1038, ControlKind::Edit, ""},
    {148, 1039, ControlKind::Edit, ""},
    {148, 1035, ControlKind::IpAddress, ""},
    {148, 1036, ControlKind::IpAddress, ""},
    {148, 1037, ControlKind::IpAddress, ""},
    {149, 1043, ControlKind::RadioButton, "Open System"},
    {149, 1044, ControlKind::RadioButton, "Shared Key"},
    {149, 1045, ControlKind::RadioButton, "WPA-PSK"},
    {149, 1046, ControlKind::RadioButton, "WPA2-PSK"},
    {149, 1047, ControlKind::RadioButton, "WPA"},
    {149, 1048, ControlKind::RadioButton, "WPA2"},
    {149, 1049, ControlKind::RadioButton, "NONE"},
    {149, 1050, ControlKind::RadioButton, "WEP64/128"},
    {149, 1051, ControlKind::RadioButton, "TKIP"},
    {149, 1052, ControlKind::RadioButton, "AES"},
    {149, 1053, ControlKind::RadioButton, "AES + TKIP"},
    {149, 1062, ControlKind::GroupBox, "EAP"},
    {149, 1055, ControlKind::RadioButton, "EAP-PEAP"},
    {149, 1056, ControlKind::RadioButton, "EAP-TTLS"},
    {149, 1057, ControlKind::RadioButton, "EAP-TLS"},
    {149, 1058, ControlKind::RadioButton, "EAP-LEAP"},
    {149, 1059, ControlKind::RadioButton, "EAP-FAST"},
    {149, 1061, ControlKind::StaticText, "WEP Key"},
    {149, 1060, ControlKind::Edit, ""},
    {149, 1065, ControlKind::StaticText, "PSK Key"},
    {149, 1041, ControlKind::Edit, ""},
    {149, 1063, ControlKind::StaticText, "Authentication ID"},
    {149, 1042, ControlKind::Edit, ""},
    {149, 1064, ControlKind::StaticText, "Authentication Password"},
    {149, 1054, ControlKind::Edit, ""},
    {150, 1066, ControlKind::RadioButton, "CA"},
    {150, 1067, ControlKind::RadioButton, "Client Key"},
    {150, 1068, ControlKind::RadioButton, "Client PEM"},
    {150, 1071, ControlKind::PushButton, "Open file"},
    {150, 1072, ControlKind::Edit, ""},
    {150, 1069, ControlKind::ProgressBar, ""},
    {150, 1070, ControlKind::PushButton, "File Upload"},
    {151, 1010, ControlKind::ListView, ""},
    {151, 1012, ControlKind::ProgressBar, ""},
    {151, 1011, ControlKind::PushButton, "Get BSS information"},
    {151, 2, ControlKind::PushButton, "Cancel"},
    {152, 1073, ControlKind::ListView, ""},
    {152, 1, ControlKind::DefaultPushButton, "OK"},
};

TEST(KnownDialogsTest, EveryAddressedControlHasItsIdKindAndText) {
    for (const auto& expected : kAddressedControls) {
        SCOPED_TRACE(std::to_string(expected.dialog) + "/" + std::to_string(expected.id));
        const ControlTemplate* control = Control(expected.dialog, expected.id);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->kind, expected.kind);
        EXPECT_EQ(control->text, expected.text);
    }
}

TEST(KnownDialogsTest, NoDialogAddressesOtherControls) {
    for (const DialogTemplate* dialog : AllDialogTemplates()) {
        const auto expected =
            std::ranges::count(kAddressedControls, dialog->id, &AddressedControl::dialog);
        const auto addressed = std::ranges::count_if(
            dialog->controls, [](const ControlTemplate& c) { return c.id != -1; });
        EXPECT_EQ(addressed, expected) << dialog->id;
    }
}

struct FixedText {
    int dialog;
    std::string_view text;
};

// Labels that no code addresses, whose spelling and spacing are the system's own and easy
// to "correct" by mistake.
constexpr FixedText kFixedTexts[] = {
    {130, " (0 ~ 32767)"},
    {130, "(0 ~ 3600)"},
    {130, "sec (Default: 0)"},
    {130, "Fimware Version :"},
    {105, "Printer Port Num (0 ~ 32767)"},
    {105, "Mac Address"},
    {146, "Community Name (Read):"},
    {146, "Community Name (Write):"},
    {148, "Inactivity Time (0~3600)"},
    {148, "Sec (Default: 0)"},
};

TEST(KnownDialogsTest, LabelsAndFramesCarryTheirExactTexts) {
    for (const auto& expected : kFixedTexts) {
        const auto& controls = Dialog(expected.dialog).controls;
        EXPECT_TRUE(std::ranges::any_of(controls,
                                        [&](const ControlTemplate& c) {
                                            return c.text == expected.text &&
                                                   (c.kind == ControlKind::StaticText ||
                                                    c.kind == ControlKind::GroupBox);
                                        }))
            << expected.dialog << " \"" << expected.text << "\"";
    }
}

std::set<int> IdsWithStyle(int dialogId, std::uint32_t flag) {
    std::set<int> ids;
    for (const auto& control : Dialog(dialogId).controls) {
        if (control.id != -1 && HasStyle(control, flag)) ids.insert(control.id);
    }
    return ids;
}

TEST(KnownDialogsTest, RadioGroupsFollowTheChoicesTheyMake) {
    EXPECT_THAT(RadioGroups(Dialog(141)), ElementsAre(ElementsAre(1075, 1076)));
    EXPECT_THAT(RadioGroups(Dialog(148)),
                ElementsAre(ElementsAre(1042, 1043, 1076), ElementsAre(1040, 1041)));
    // Cryptograph and EAP marks are kept by the page itself: one group per radio.
    EXPECT_THAT(RadioGroups(Dialog(149)),
                ElementsAre(ElementsAre(1043, 1044, 1045, 1046, 1047, 1048), ElementsAre(1049),
                            ElementsAre(1050), ElementsAre(1051), ElementsAre(1052),
                            ElementsAre(1053), ElementsAre(1055), ElementsAre(1056),
                            ElementsAre(1057), ElementsAre(1058), ElementsAre(1059)));
    EXPECT_THAT(RadioGroups(Dialog(150)), ElementsAre(ElementsAre(1066, 1067, 1068)));
}

struct EditLimit {
    int dialog;
    int id;
    int textLimit;
};

constexpr EditLimit kEditLimits[] = {
    {130, 1018, 5},  {130, 1019, 4},  {105, 1018, 32}, {105, 1019, 5},  {105, 1020, 32},
    {105, 1021, 32}, {105, 1022, 32}, {146, 1028, 16}, {146, 1029, 16}, {146, 1020, 16},
    {148, 1044, 2},  {148, 1079, 8},  {148, 1038, 32}, {148, 1039, 4},  {149, 1060, 26},
    {149, 1041, 64}, {149, 1042, 32}, {149, 1054, 32},
};

TEST(KnownDialogsTest, EditsTakeNoMoreThanTheirFieldsHold) {
    for (const auto& expected : kEditLimits) {
        const ControlTemplate* control = Control(expected.dialog, expected.id);
        ASSERT_NE(control, nullptr) << expected.dialog << "/" << expected.id;
        EXPECT_EQ(control->textLimit, expected.textLimit) << expected.dialog << "/" << expected.id;
    }
}

TEST(KnownDialogsTest, EditsMaskDigitsAndReadOnlyAsTheirValuesNeed) {
    EXPECT_EQ(IdsWithStyle(105, style::kPassword), (std::set<int>{1021, 1022}));
    EXPECT_EQ(IdsWithStyle(105, style::kNumber), std::set<int>{1019});
    EXPECT_EQ(IdsWithStyle(130, style::kNumber), (std::set<int>{1018, 1019}));
    EXPECT_EQ(IdsWithStyle(130, style::kRight), (std::set<int>{1018, 1019}));
    EXPECT_EQ(IdsWithStyle(148, style::kNumber), (std::set<int>{1039, 1044, 1079}));
    EXPECT_EQ(IdsWithStyle(150, style::kReadOnly), std::set<int>{1072});
}

TEST(KnownDialogsTest, DeviceListSelectsOneDeviceAndKeepsItShown) {
    const ControlTemplate* list = Control(132, 1005);
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(HasStyle(*list, style::kSingleSelection));
    EXPECT_TRUE(HasStyle(*list, style::kShowSelectionAlways));
}

TEST(KnownDialogsTest, MainMenuStacksFourLargeButtons) {
    std::vector<int> ids;
    for (const auto& control : Dialog(102).controls) ids.push_back(control.id);
    ASSERT_THAT(ids, ElementsAre(1000, 1001, 1002, 2));
    const auto& buttons = Dialog(102).controls;
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        EXPECT_EQ(buttons[i].rect.width, 140) << i;
        EXPECT_EQ(buttons[i].rect.height, 60) << i;
        EXPECT_EQ(buttons[i].rect.x, buttons[0].rect.x) << i;
        if (i > 0) {
            EXPECT_GE(buttons[i].rect.y, buttons[i - 1].rect.y + 60) << i;
        }
    }
    EXPECT_TRUE(HasStyle(buttons[2], style::kMultiLine));  // "Serial/USB Configuration"
}

// Wider than the classic 341 units, so that the six tab labels stand side by side.
TEST(KnownDialogsTest, ConfigurationWindowHasItsTabControlAtTheLeft) {
    EXPECT_GT(Dialog(141).width, 341);
    EXPECT_EQ(Dialog(141).height, 254);
    const ControlTemplate* tab = Control(141, 1013);
    ASSERT_NE(tab, nullptr);
    EXPECT_EQ(tab->rect.height, 240);
    for (const auto& control : Dialog(141).controls) {
        if (control.id != 1013) {
            EXPECT_GE(control.rect.x, tab->rect.x + tab->rect.width) << control.text;
        }
    }
}

// At least their classic widths: wider where their columns need it.
TEST(KnownDialogsTest, BssAndSummaryDialogsHaveAboutTheirSizes) {
    EXPECT_GE(Dialog(151).width, 311);
    EXPECT_NEAR(Dialog(151).height, 200, 10);
    EXPECT_GE(Dialog(152).width, 260);
    EXPECT_NEAR(Dialog(152).height, 240, 10);
}

}  // namespace
}  // namespace lanvane::test
