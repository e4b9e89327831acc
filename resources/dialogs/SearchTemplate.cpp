#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kWidth = 200;
constexpr int kInnerWidth = kWidth - 2 * kMargin;  // room for "Now Searching" and nine dots

constexpr ControlTemplate kControls[] = {
    ValueText(ctl::kSearchStatus, {kMargin, 7, kInnerWidth, kTextHeight}),
    ProgressBar(ctl::kSearchProgress, {kMargin, 19, kInnerWidth, 10}),
    Button(ctl::kCancel, "Cancel", {(kWidth - kButtonWidth) / 2, 36, kButtonWidth, kButtonHeight},
           style::kGroup),
};

}  // namespace

constinit const DialogTemplate kSearchTemplate{
    .id = dlg::kSearch,
    .title = "Search...",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = 57,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
