#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kHeight = 254;
constexpr int kTabWidth = 380;  // the page width and the tab frame
constexpr int kColumnWidth = 78;
constexpr int kWidth = kMargin + kTabWidth + 7 + kColumnWidth + kMargin;
constexpr int kTabHeight = 240;

// The commands stand in one column right of the tab control.
constexpr int kColumnX = kMargin + kTabWidth + 7;
constexpr int kRadioX = kColumnX + 8;
constexpr int kRadioWidth = kColumnWidth - 16;

constexpr DialogRect CommandAt(int y) {
    return {kColumnX, y, kColumnWidth, kButtonHeight};
}

constexpr ControlTemplate kControls[] = {
    TabControl(ctl::kConfigTab, {kMargin, kMargin, kTabWidth, kTabHeight},
               style::kGroup | style::kDisabled),
    GroupBox("Communication", {kColumnX, kMargin, kColumnWidth, 42}, style::kGroup),
    FirstRadio(ctl::kSerialRadio, "&SERIAL", {kRadioX, 20, kRadioWidth, kChoiceHeight},
               style::kDisabled),
    // A tab stop of its own: the group is reached by Tab while SERIAL is disabled.
    Radio(ctl::kUsbRadio, "US&B", {kRadioX, 33, kRadioWidth, kChoiceHeight}, style::kTabStop),
    Label("&Port", {kColumnX, 56, kColumnWidth, kTextHeight}, style::kGroup),
    DropDownList(ctl::kPortList, {kColumnX, 66, kColumnWidth, kFieldHeight}),
    Button(ctl::kConnectButton, "&Connect", CommandAt(88)),
    Button(ctl::kDisconnectButton, "&Disconnect", CommandAt(106), style::kDisabled),
    Button(ctl::kUpdateButton, "&Update", CommandAt(124), style::kDisabled),
    Button(ctl::kCancel, "&Quit", CommandAt(kMargin + kTabHeight - kButtonHeight)),
};

}  // namespace

constinit const DialogTemplate kInterfaceConfigTemplate{
    .id = dlg::kInterfaceConfig,
    .title = "Lanvane",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = kHeight,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
