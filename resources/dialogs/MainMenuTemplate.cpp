#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

// One large button per road, stacked.
constexpr int kRoadButtonWidth = 140;
constexpr int kRoadButtonHeight = 60;
constexpr int kRoadGap = 4;

constexpr DialogRect Road(int index) {
    return {kMargin, kMargin + index * (kRoadButtonHeight + kRoadGap), kRoadButtonWidth,
            kRoadButtonHeight};
}

constexpr ControlTemplate kControls[] = {
    Button(ctl::kEthernetButton, "&Ethernet Configuration", Road(0), style::kGroup),
    Button(ctl::kWlanButton, "&WLAN Configuration", Road(1)),
    Button(ctl::kSerialUsbButton, "&Serial/USB Configuration", Road(2), style::kMultiLine),
    Button(ctl::kCancel, "E&xit", Road(3)),
};

}  // namespace

constinit const DialogTemplate kMainMenuTemplate{
    .id = dlg::kMainMenu,
    .title = "Vantrole Lanvane",
    .fontName = "Verdana",
    .fontPointSize = 10,
    .width = kRoadButtonWidth + 2 * kMargin,
    .height = 4 * kRoadButtonHeight + 3 * kRoadGap + 2 * kMargin,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
