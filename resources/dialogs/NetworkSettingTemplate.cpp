#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kWidth = 240;
constexpr int kLabelX = 15;
constexpr int kLabelWidth = 72;
constexpr int kFieldX = 91;
constexpr int kNumberWidth = 40;
constexpr int kNoteX = 135;
constexpr int kPortDigits = 5;        // 0 ~ 32767
constexpr int kInactivityDigits = 4;  // 0 ~ 3600

constexpr int kIpRow = 20;
constexpr int kSubnetRow = 36;
constexpr int kGatewayRow = 52;
constexpr int kPortRow = 68;
constexpr int kInactivityRow = 86;  // its label takes two lines, from 84
constexpr int kDhcpRow = 109;
constexpr int kBaudRow = 124;
constexpr int kFirmwareRow = 140;
constexpr int kGroupBottom = kFirmwareRow + kFieldHeight + 8;
constexpr int kButtonRow = kGroupBottom + 7;

constexpr DialogRect LabelAt(int fieldRow) {
    return {kLabelX, fieldRow + 2, kLabelWidth, kTextHeight};
}

constexpr std::uint32_t kNumberEdit = style::kNumber | style::kRight;

constexpr ControlTemplate kControls[] = {
    GroupBox("Network Setting", {kMargin, kMargin, kWidth - 2 * kMargin, kGroupBottom - kMargin}),
    Label("&IP Address :", LabelAt(kIpRow)),
    IpAddress(ctl::kSettingIpAddress, {kFieldX, kIpRow, 100, kFieldHeight}),
    Label("Subnet &Mask :", LabelAt(kSubnetRow)),
    IpAddress(ctl::kSettingSubnetMask, {kFieldX, kSubnetRow, 100, kFieldHeight}),
    Label("&Gateway :", LabelAt(kGatewayRow)),
    IpAddress(ctl::kSettingGateway, {kFieldX, kGatewayRow, 100, kFieldHeight}),
    Label("&Local Port :", LabelAt(kPortRow)),
    Edit(ctl::kSettingLocalPort, {kFieldX, kPortRow, kNumberWidth, kFieldHeight}, kNumberEdit,
         kPortDigits),
    Label(" (0 ~ 32767)", {kNoteX, kPortRow + 2, 50, kTextHeight}),
    Label("Inactivity &time :", {kLabelX, kInactivityRow - 2, kLabelWidth, kTextHeight}),
    Edit(ctl::kSettingInactivity, {kFieldX, kInactivityRow, kNumberWidth, kFieldHeight},
         kNumberEdit, kInactivityDigits),
    // The range goes after the field, so that the field's label is the text just before it.
    Label("(0 ~ 3600)", {kLabelX, kInactivityRow + 7, kLabelWidth, kTextHeight}),
    Label("sec (Default: 0)", {kNoteX, kInactivityRow + 2, 66, kTextHeight}),
    CheckBox(ctl::kSettingDhcp, "&DHCP Mode", {kFieldX, kDhcpRow, kWidth - kMargin - 8 - kFieldX, kChoiceHeight}),
    Label("Device &Baudrate :", LabelAt(kBaudRow)),
    DropDownCombo(ctl::kSettingBaudRate, {kFieldX, kBaudRow, 60, kFieldHeight}),
    Label("Fimware Version :", LabelAt(kFirmwareRow)),
    ValueText(ctl::kSettingFirmwareVersion, {kFieldX, kFirmwareRow + 2, 60, kTextHeight}),
    DefaultButton(
        ctl::kOk, "&Save",
        {kWidth - kMargin - 2 * kButtonWidth - 4, kButtonRow, kButtonWidth, kButtonHeight},
        style::kGroup),
    Button(ctl::kCancel, "Cancel",
           {kWidth - kMargin - kButtonWidth, kButtonRow, kButtonWidth, kButtonHeight}),
};

}  // namespace

// The window puts "Ethernet Configuration" or "WLAN Configuration" in the title bar.
constinit const DialogTemplate kNetworkSettingTemplate{
    .id = dlg::kNetworkSetting,
    .title = "Network Setting",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = kButtonRow + kButtonHeight + kMargin,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
