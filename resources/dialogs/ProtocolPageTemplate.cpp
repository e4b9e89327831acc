#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kGroupWidth = kPageWidth - 2 * kMargin;
constexpr int kInnerX = kMargin + 8;
constexpr int kInnerRight = kMargin + kGroupWidth - 8;

// "Task State": the four switches in two rows of two.
constexpr int kTaskTop = kMargin;
constexpr int kTaskRow = kTaskTop + 13;
constexpr int kRowStep = 16;
constexpr int kTaskHeight = 2 * kRowStep + 18;
constexpr int kSwitchLabelWidth = 40;
constexpr int kSwitchListWidth = 90;
constexpr int kSecondColumnX = 196;

constexpr DialogRect SwitchLabelAt(int column, int row) {
    return {column == 0 ? kInnerX : kSecondColumnX, kTaskRow + row * kRowStep + 2,
            kSwitchLabelWidth, kTextHeight};
}
constexpr DialogRect SwitchListAt(int column, int row) {
    return {(column == 0 ? kInnerX : kSecondColumnX) + kSwitchLabelWidth + 4,
            kTaskRow + row * kRowStep, kSwitchListWidth, kFieldHeight};
}

// "SNMP": communities and trap destination, one per row.
constexpr int kSnmpTop = kTaskTop + kTaskHeight + 7;
constexpr int kSnmpRow = kSnmpTop + 13;
constexpr int kSnmpHeight = 4 * kRowStep + 17;
constexpr int kLabelWidth = 150;  // "Community Name (Write):"
constexpr int kFieldX = kInnerX + kLabelWidth + 4;
constexpr int kCommunityLimit = 16;

constexpr DialogRect LabelAt(int row) {
    return {kInnerX, kSnmpRow + row * kRowStep + 2, kLabelWidth, kTextHeight};
}
constexpr DialogRect FieldAt(int row) {
    return {kFieldX, kSnmpRow + row * kRowStep, kInnerRight - kFieldX, kFieldHeight};
}

constexpr std::uint32_t kOff = style::kDisabled;

constexpr ControlTemplate kControls[] = {
    GroupBox("Task State", {kMargin, kTaskTop, kGroupWidth, kTaskHeight}),
    Label("&HTTPS", SwitchLabelAt(0, 0)),
    DropDownList(ctl::kHttpsList, SwitchListAt(0, 0), kOff),
    Label("&TELNET", SwitchLabelAt(1, 0)),
    DropDownList(ctl::kTelnetList, SwitchListAt(1, 0), kOff),
    Label("&FTP", SwitchLabelAt(0, 1)),
    DropDownList(ctl::kFtpList, SwitchListAt(0, 1), kOff),
    Label("S&NMP", SwitchLabelAt(1, 1)),
    DropDownList(ctl::kSnmpList, SwitchListAt(1, 1), kOff),

    GroupBox("SNMP", {kMargin, kSnmpTop, kGroupWidth, kSnmpHeight}),
    Label("Community Name (&Read):", LabelAt(0)),
    Edit(ctl::kReadCommunity, FieldAt(0), kOff, kCommunityLimit),
    Label("Community Name (&Write):", LabelAt(1)),
    Edit(ctl::kWriteCommunity, FieldAt(1), kOff, kCommunityLimit),
    Label("Tr&ap Community", LabelAt(2)),
    Edit(ctl::kTrapCommunity, FieldAt(2), kOff, kCommunityLimit),
    Label("Trap &IP Address", LabelAt(3)),
    IpAddress(ctl::kTrapIpAddress, FieldAt(3), kOff),
};

}  // namespace

constinit const DialogTemplate kProtocolPageTemplate{
    .id = dlg::kProtocolPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
