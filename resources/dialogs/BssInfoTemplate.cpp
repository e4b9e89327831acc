#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

// Wide enough for the six columns and their texts side by side.
constexpr int kWidth = 414;
constexpr int kHeight = 200;
constexpr int kInnerWidth = kWidth - 2 * kMargin;
constexpr int kButtonY = kHeight - kMargin - kButtonHeight;
constexpr int kProgressY = kButtonY - 6 - 10;

constexpr ControlTemplate kControls[] = {
    ListView(ctl::kBssDialogList, {kMargin, kMargin, kInnerWidth, kProgressY - 6 - kMargin}),
    ProgressBar(ctl::kBssDialogProgress, {kMargin, kProgressY, kInnerWidth, 10}),
    Button(ctl::kBssDialogGetButton, "&Get BSS information", {kMargin, kButtonY, 90, kButtonHeight}),
    Button(ctl::kCancel, "Cancel",
           {kWidth - kMargin - kButtonWidth, kButtonY, kButtonWidth, kButtonHeight}),
};

}  // namespace

constinit const DialogTemplate kBssInfoTemplate{
    .id = dlg::kBssInfo,
    .title = "BSS Information",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = kHeight,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
