#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kInnerWidth = kPageWidth - 2 * kMargin;
constexpr int kInnerX = kMargin + 8;
constexpr int kKindY = kMargin + 12;
constexpr int kKindHeight = 29;
constexpr int kFileY = kMargin + kKindHeight + 8;
constexpr int kOpenWidth = 60;
constexpr int kPathX = kMargin + kOpenWidth + 4;
constexpr int kProgressY = kFileY + kButtonHeight + 8;
constexpr int kUploadY = kProgressY + 10 + 6;

constexpr int kKindWidth = 104;

constexpr DialogRect KindAt(int index) {
    return {kInnerX + index * (kKindWidth + 12), kKindY, kKindWidth, kChoiceHeight};
}

constexpr std::uint32_t kOff = style::kDisabled;

constexpr ControlTemplate kControls[] = {
    GroupBox("Certificate", {kMargin, kMargin, kInnerWidth, kKindHeight}),
    FirstRadio(ctl::kCaRadio, "C&A", KindAt(0), kOff),
    Radio(ctl::kClientKeyRadio, "Client &Key", KindAt(1), kOff),
    Radio(ctl::kClientPemRadio, "Client PE&M", KindAt(2), kOff),
    Button(ctl::kOpenFileButton, "&Open file", {kMargin, kFileY, kOpenWidth, kButtonHeight},
           style::kGroup | kOff),
    Edit(ctl::kCertPath, {kPathX, kFileY + 1, kPageWidth - kMargin - kPathX, kFieldHeight},
         style::kReadOnly | kOff),
    ProgressBar(ctl::kCertProgress, {kMargin, kProgressY, kInnerWidth, 10}),
    Button(ctl::kFileUploadButton, "&File Upload", {kMargin, kUploadY, 60, kButtonHeight}, kOff),
};

}  // namespace

constinit const DialogTemplate kCertPageTemplate{
    .id = dlg::kCertPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
