#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kInnerWidth = kPageWidth - 2 * kMargin;
constexpr int kListHeight = 172;
constexpr int kProgressY = kMargin + kListHeight + 6;
constexpr int kButtonY = kProgressY + 10 + 4;

constexpr ControlTemplate kControls[] = {
    ListView(ctl::kBssPageList, {kMargin, kMargin, kInnerWidth, kListHeight}, style::kDisabled),
    ProgressBar(ctl::kBssPageProgress, {kMargin, kProgressY, kInnerWidth, 10}),
    Button(ctl::kBssPageGetButton, "&Get BSS information", {kMargin, kButtonY, 90, kButtonHeight},
           style::kDisabled),
};

}  // namespace

constinit const DialogTemplate kBssPageTemplate{
    .id = dlg::kBssPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
