#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

// Wide enough for a setting's name beside a 63-character key.
constexpr int kWidth = 430;
constexpr int kHeight = 240;
constexpr int kButtonY = kHeight - kMargin - kButtonHeight;

constexpr ControlTemplate kControls[] = {
    ListView(ctl::kSummaryList, {kMargin, kMargin, kWidth - 2 * kMargin, kButtonY - 6 - kMargin}),
    DefaultButton(ctl::kOk, "OK",
                  {(kWidth - kButtonWidth) / 2, kButtonY, kButtonWidth, kButtonHeight}),
};

}  // namespace

constinit const DialogTemplate kSummaryTemplate{
    .id = dlg::kConfigSummary,
    .title = "Lanvane",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kWidth,
    .height = kHeight,
    .controls = kControls,
};

}  // namespace lanvane::dialogs
