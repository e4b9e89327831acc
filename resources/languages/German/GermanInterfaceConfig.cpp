#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/languages/German/GermanResources.h"

namespace lanvane::german {
namespace {

using namespace lanvane::dialogs;

// The layout of the English configuration window, with German labels.
constexpr int kWidth = 341;
constexpr int kHeight = 254;
constexpr int kTabWidth = 242;
constexpr int kTabHeight = 240;

constexpr int kColumnX = kMargin + kTabWidth + 7;
constexpr int kColumnWidth = kWidth - kMargin - kColumnX;
constexpr int kRadioX = kColumnX + 8;
constexpr int kRadioWidth = kColumnWidth - 16;

constexpr DialogRect CommandAt(int y) {
    return {kColumnX, y, kColumnWidth, kButtonHeight};
}

constexpr ControlTemplate kControls[] = {
    TabControl(ctl::kConfigTab, {kMargin, kMargin, kTabWidth, kTabHeight},
               style::kGroup | style::kDisabled),
    GroupBox("Kommunikation", {kColumnX, kMargin, kColumnWidth, 42}, style::kGroup),
    FirstRadio(ctl::kSerialRadio, "SERIELL", {kRadioX, 20, kRadioWidth, kChoiceHeight},
               style::kDisabled),
    Radio(ctl::kUsbRadio, "USB", {kRadioX, 33, kRadioWidth, kChoiceHeight}),
    Label("Anschluss", {kColumnX, 56, kColumnWidth, kTextHeight}, style::kGroup),
    DropDownList(ctl::kPortList, {kColumnX, 66, kColumnWidth, kFieldHeight}),
    Button(ctl::kConnectButton, "Verbinden", CommandAt(88)),
    Button(ctl::kDisconnectButton, "Trennen", CommandAt(106), style::kDisabled),
    Button(ctl::kUpdateButton, "Aktualisieren", CommandAt(124), style::kDisabled),
    Button(ctl::kCancel, "Beenden", CommandAt(kMargin + kTabHeight - kButtonHeight)),
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

}  // namespace lanvane::german
