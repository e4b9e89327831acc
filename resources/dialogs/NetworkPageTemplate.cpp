#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kGroupWidth = kPageWidth - 2 * kMargin;
constexpr int kInnerX = kMargin + 8;
constexpr int kInnerRight = kMargin + kGroupWidth - 8;
constexpr int kRowStep = 16;

// "Network Mode": the mode radios, then the ad hoc and Wi-Fi Direct settings in two columns.
constexpr int kModeTop = kMargin;
constexpr int kModeRadioY = kModeTop + 12;
constexpr int kModeRow = kModeRadioY + 14;
constexpr int kModeHeight = kModeRow + kRowStep + kFieldHeight + 7 - kModeTop;
constexpr int kFirstLabelWidth = 100;  // "Connection Mode"
constexpr int kFirstFieldX = kInnerX + kFirstLabelWidth + 2;
constexpr int kSecondLabelX = 196;
constexpr int kSecondLabelWidth = 60;  // "PIN Code"
constexpr int kSecondFieldX = kSecondLabelX + kSecondLabelWidth + 2;
constexpr int kSecondFieldWidth = kInnerRight - kSecondFieldX;
constexpr int kChannelDigits = 2;  // 0 ~ 14
constexpr int kPinLimit = 8;

constexpr int kModeRadioWidth = 110;

constexpr DialogRect ModeRadioAt(int index) {
    return {kInnerX + index * (kModeRadioWidth + 6), kModeRadioY, kModeRadioWidth, kChoiceHeight};
}
constexpr int ModeRowY(int row) {
    return kModeRow + row * kRowStep;
}

// "IP Assignment Method".
constexpr int kAssignmentTop = kModeTop + kModeHeight + 6;
constexpr int kAssignmentRadioY = kAssignmentTop + 12;
constexpr int kAssignmentHeight = 29;

// "Network Setting": one field per row.
constexpr int kSettingTop = kAssignmentTop + kAssignmentHeight + 6;
constexpr int kSettingRow = kSettingTop + 13;
constexpr int kSettingHeight = 5 * kRowStep + 16;
constexpr int kLabelWidth = 150;  // "Inactivity Time (0~3600)"
constexpr int kFieldX = kInnerX + kLabelWidth + 4;
constexpr int kNumberWidth = 30;
constexpr int kSsidLimit = 32;
constexpr int kInactivityDigits = 4;  // 0 ~ 3600

constexpr DialogRect LabelAt(int row) {
    return {kInnerX, kSettingRow + row * kRowStep + 2, kLabelWidth, kTextHeight};
}
constexpr DialogRect FieldAt(int row, int width) {
    return {kFieldX, kSettingRow + row * kRowStep, width, kFieldHeight};
}

constexpr std::uint32_t kOff = style::kDisabled;
constexpr std::uint32_t kDigits = style::kDisabled | style::kNumber;

constexpr ControlTemplate kControls[] = {
    GroupBox("Network Mode", {kMargin, kModeTop, kGroupWidth, kModeHeight}),
    FirstRadio(ctl::kInfraRadio, "Infra &Network", ModeRadioAt(0), kOff),
    Radio(ctl::kAdhocRadio, "&Adhoc", ModeRadioAt(1), kOff),
    Radio(ctl::kWifiDirectRadio, "&Wi-Fi Direct", ModeRadioAt(2), kOff),
    Label("Ad &Hoc Channel", {kInnerX, ModeRowY(0) + 2, kFirstLabelWidth, kTextHeight},
          style::kGroup),
    Edit(ctl::kAdhocChannel, {kFirstFieldX, ModeRowY(0), kNumberWidth, kFieldHeight}, kDigits,
         kChannelDigits),
    Label("Chann&el", {kSecondLabelX, ModeRowY(0) + 2, kSecondLabelWidth, kTextHeight}),
    DropDownCombo(ctl::kP2pChannel, {kSecondFieldX, ModeRowY(0), kSecondFieldWidth, kFieldHeight},
                  kOff),
    Label("Connection &Mode", {kInnerX, ModeRowY(1) + 2, kFirstLabelWidth, kTextHeight}),
    DropDownCombo(ctl::kConnectionMode, {kFirstFieldX, ModeRowY(1), 60, kFieldHeight}, kOff),
    Label("PIN C&ode", {kSecondLabelX, ModeRowY(1) + 2, kSecondLabelWidth, kTextHeight}),
    Edit(ctl::kPinCode, {kSecondFieldX, ModeRowY(1), kSecondFieldWidth, kFieldHeight}, kDigits,
         kPinLimit),

    GroupBox("IP Assignment Method", {kMargin, kAssignmentTop, kGroupWidth, kAssignmentHeight},
             style::kGroup),
    FirstRadio(ctl::kDhcpRadio, "Au&tomatic Allocation(DHCP)",
               {kInnerX, kAssignmentRadioY, 170, kChoiceHeight}, kOff),
    Radio(ctl::kManualRadio, "Manual A&llocation",
          {kInnerRight - 150, kAssignmentRadioY, 150, kChoiceHeight}, kOff),

    GroupBox("Network Setting", {kMargin, kSettingTop, kGroupWidth, kSettingHeight}, style::kGroup),
    Label("SS&ID", LabelAt(0)),
    Edit(ctl::kSsid, FieldAt(0, kInnerRight - kFieldX), kOff, kSsidLimit),
    Label("Inacti&vity Time (0~3600)", LabelAt(1)),
    Edit(ctl::kNetworkInactivity, FieldAt(1, kNumberWidth), kDigits, kInactivityDigits),
    Label("Sec (Default: 0)",
          {kFieldX + kNumberWidth + 4, kSettingRow + kRowStep + 2, kInnerRight - kFieldX - kNumberWidth - 4,
           kTextHeight}),
    Label("IP Add&ress", LabelAt(2)),
    IpAddress(ctl::kNetworkIpAddress, FieldAt(2, 100), kOff),
    Label("Subnet Mas&k", LabelAt(3)),
    IpAddress(ctl::kNetworkSubnetMask, FieldAt(3, 100), kOff),
    Label("&Gateway", LabelAt(4)),
    IpAddress(ctl::kNetworkGateway, FieldAt(4, 100), kOff),
};

}  // namespace

constinit const DialogTemplate kNetworkPageTemplate{
    .id = dlg::kNetworkPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
