#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kGroupWidth = kPageWidth - 2 * kMargin;
constexpr int kLabelX = 15;
constexpr int kLabelWidth = 150;  // "Printer Port Num (0 ~ 32767)"
constexpr int kFieldX = kLabelX + kLabelWidth + 4;
constexpr int kFieldWidth = kMargin + kGroupWidth - 8 - kFieldX;
constexpr int kTextLimit = 32;
constexpr int kPortDigits = 5;  // 0 ~ 32767

constexpr int kSystemTop = kMargin;
constexpr int kSystemRow = kSystemTop + 13;
constexpr int kRowStep = 16;
constexpr int kSystemHeight = 5 * kRowStep + 16;

constexpr int kFirmwareTop = kSystemTop + kSystemHeight + 7;
constexpr int kFirmwareRow = kFirmwareTop + 13;
constexpr int kDisplayStep = 14;
constexpr int kFirmwareHeight = 3 * kDisplayStep + 13;
constexpr int kColonX = 120;
constexpr int kDisplayX = kColonX + 8;
constexpr int kDisplayWidth = kMargin + kGroupWidth - 8 - kDisplayX;  // a 32-character date

constexpr DialogRect LabelAt(int row) {
    return {kLabelX, kSystemRow + row * kRowStep + 2, kLabelWidth, kTextHeight};
}
constexpr DialogRect FieldAt(int row) {
    return {kFieldX, kSystemRow + row * kRowStep, kFieldWidth, kFieldHeight};
}
constexpr int DisplayY(int row) {
    return kFirmwareRow + row * kDisplayStep;
}

constexpr std::uint32_t kOff = style::kDisabled;
constexpr std::uint32_t kMasked = style::kDisabled | style::kPassword;

constexpr ControlTemplate kControls[] = {
    GroupBox("System", {kMargin, kSystemTop, kGroupWidth, kSystemHeight}),
    Label("Printer &Name", LabelAt(0)),
    Edit(ctl::kPrinterName, FieldAt(0), kOff, kTextLimit),
    Label("Printer Por&t Num (0 ~ 32767)", LabelAt(1)),
    Edit(ctl::kPrinterPort, FieldAt(1), kOff | style::kNumber, kPortDigits),
    Label("User &ID", LabelAt(2)),
    Edit(ctl::kUserId, FieldAt(2), kOff, kTextLimit),
    Label("User Pass&word", LabelAt(3)),
    Edit(ctl::kUserPassword, FieldAt(3), kMasked, kTextLimit),
    Label("Con&firm Password", LabelAt(4)),
    Edit(ctl::kConfirmPassword, FieldAt(4), kMasked, kTextLimit),

    GroupBox("Firmware Information", {kMargin, kFirmwareTop, kGroupWidth, kFirmwareHeight}),
    Label("Firmware Version", {kLabelX, DisplayY(0), kColonX - 2 - kLabelX, kTextHeight}),
    Label(":", {kColonX, DisplayY(0), 4, kTextHeight}),
    ValueText(ctl::kFirmwareVersion, {kDisplayX, DisplayY(0), kDisplayWidth, kTextHeight}, kOff),
    Label("Update Date", {kLabelX, DisplayY(1), kColonX - 2 - kLabelX, kTextHeight}),
    Label(":", {kColonX, DisplayY(1), 4, kTextHeight}),
    ValueText(ctl::kUpdateDate, {kDisplayX, DisplayY(1), kDisplayWidth, kTextHeight}, kOff),
    Label("Mac Address", {kLabelX, DisplayY(2), kColonX - 2 - kLabelX, kTextHeight}),
    Label(":", {kColonX, DisplayY(2), 4, kTextHeight}),
    ValueText(ctl::kMacAddress, {kDisplayX, DisplayY(2), kDisplayWidth, kTextHeight}, kOff),
};

}  // namespace

constinit const DialogTemplate kSystemPageTemplate{
    .id = dlg::kSystemPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
