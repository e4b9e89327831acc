#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

// Wide enough to show the seven columns (700 pixels) without scrolling.
constexpr int kWidth = 490;
constexpr int kListHeight = 180;
constexpr int kButtonRow = kMargin + kListHeight + 7;
constexpr int kWideButtonWidth = 80;
constexpr int kGap = 4;

constexpr DialogRect ButtonAt(int x, int width) {
    return {x, kButtonRow, width, kButtonHeight};
}

constexpr int kSearchX = kMargin;
constexpr int kSettingX = kSearchX + kButtonWidth + kGap;
constexpr int kWebX = kSettingX + kButtonWidth + kGap;
constexpr int kBssX = kWebX + kWideButtonWidth + kGap;
constexpr int kCertificateX = kBssX + kButtonWidth + kGap;
constexpr int kExitX = kWidth - kMargin - kButtonWidth;

constexpr ControlTemplate kControls[] = {
    ListView(ctl::kDeviceListView, {kMargin, kMargin, kWidth - 2 * kMargin, kListHeight},
             style::kGroup | style::kSingleSelection | style::kShowSelectionAlways),
    Button(ctl::kSearchButton, "&Search", ButtonAt(kSearchX, kButtonWidth), style::kGroup),
    // Enter acts on the chosen printer; Exit is Escape.
    DefaultButton(ctl::kSettingButton, "Se&tting", ButtonAt(kSettingX, kButtonWidth), style::kDisabled),
    Button(ctl::kWebConfigButton, "&Configuration(Web)", ButtonAt(kWebX, kWideButtonWidth),
           style::kDisabled),
    Button(ctl::kBssInfoButton, "&BSS Info", ButtonAt(kBssX, kButtonWidth), style::kDisabled),
    Button(ctl::kCertificateUploadButton, "Certificate &upload",
           ButtonAt(kCertificateX, kWideButtonWidth), style::kDisabled),
    Button(ctl::kOk, "E&xit", ButtonAt(kExitX, kButtonWidth)),
};

}  // namespace

constinit const DialogTemplate kDeviceListTemplate{
    .id = dlg::kDeviceList,
    .title = "Lanvane",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = kButtonRow + kButtonHeight + kMargin,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
