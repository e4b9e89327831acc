#include <gtest/gtest.h>

#include <cstddef>
#include <string>

#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "ui/AccessibleName.h"

namespace lanvane {
namespace {

constexpr std::string_view kPageTitle = "Page";

std::string TitleOf(const DialogTemplate& source) {
    return source.child ? std::string(kPageTitle) : std::string(source.title);
}

std::size_t IndexOf(const DialogTemplate& source, int controlId) {
    for (std::size_t index = 0; index < source.controls.size(); ++index) {
        if (source.controls[index].id == controlId) {
            return index;
        }
    }
    ADD_FAILURE() << "no control " << controlId << " in template " << source.id;
    return 0;
}

bool IsField(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::DropDownList || kind == ControlKind::DropDownCombo ||
           kind == ControlKind::IpAddress;
}

// Read as shown: the marks go as the control hides them, the key in parentheses stays (the
// half-width colon: FieldsTakeTheirLabelListsTheirGroupOrWindow).
TEST(AccessibleNameTest, AccessKeyMarksAndLabelColonsAreNotRead) {
    const struct {
        std::string_view text;
        std::string_view name;
    } cases[] = {
        {"ポート番号(&P)：", "ポート番号(P)"},
        {" (0 ~ 32767)", " (0 ~ 32767)"},
        {"", ""},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(SpokenText(each.text), each.name) << each.text;
    }
}

// A field named by its own label, not by its group or the window, is what the system's
// accessibility finds as well; the certificate path, beside its Open button, has no label.
TEST(AccessibleNameTest, EveryControlOfEveryWindowHasAName) {
    for (const DialogTemplate* source : AllDialogTemplates()) {
        for (std::size_t index = 0; index < source->controls.size(); ++index) {
            const ControlTemplate& control = source->controls[index];
            const std::string name = AccessibleName(*source, index, TitleOf(*source));
            if (control.kind != ControlKind::StaticText && control.kind != ControlKind::Icon) {
                EXPECT_FALSE(name.empty()) << "template " << source->id << " control " << control.id;
            }
            EXPECT_EQ(name.find('&'), std::string::npos) << name;
            if (IsField(control.kind) && control.id != ctl::kCertPath) {
                EXPECT_TRUE(LabelIndex(*source, index)) << "template " << source->id << " control " << control.id;
            }
        }
    }
}

TEST(AccessibleNameTest, FieldsTakeTheirLabelListsTheirGroupOrWindow) {
    const struct {
        int templateId;
        int controlId;
        std::string_view name;
    } cases[] = {
        {dlg::kNetworkSetting, ctl::kSettingIpAddress, "IP Address"},
        {dlg::kInterfaceConfig, ctl::kPortList, "Port"},
        {dlg::kAuthPage, ctl::kPskKey, "PSK Key"},
        {dlg::kCertPage, ctl::kCertPath, kPageTitle},
        {dlg::kDeviceList, ctl::kDeviceListView, "Lanvane"},
        {dlg::kBssPage, ctl::kBssPageList, kPageTitle},
    };
    for (const auto& each : cases) {
        const DialogTemplate& source = *FindDialogTemplate(each.templateId);
        EXPECT_EQ(AccessibleName(source, IndexOf(source, each.controlId), TitleOf(source)), each.name);
    }
    EXPECT_EQ(IpFieldName(2, "Gateway"), "3rd part of Gateway");
}

}  // namespace
}  // namespace lanvane
