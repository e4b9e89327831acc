#include "resources/dialogs/ControlBuilders.h"
#include "resources/dialogs/TemplateDefaults.h"
#include "resources/dialogs/TemplateDefinitions.h"

namespace lanvane::dialogs {
namespace {

constexpr int kGroupWidth = kPageWidth - 2 * kMargin;
constexpr int kInnerX = kMargin + 8;

// Three groups of radio buttons in rows of three.
constexpr int kChoiceWidth = 104;
constexpr int kChoiceColumnStep = 116;
constexpr int kChoiceRowStep = 12;
constexpr int kGroupHeight = 12 + 2 * kChoiceRowStep + 5;
constexpr int kGroupStep = kGroupHeight + 6;
constexpr int kAuthenticationTop = kMargin;
constexpr int kCryptographTop = kAuthenticationTop + kGroupStep;
constexpr int kEapTop = kCryptographTop + kGroupStep;

constexpr DialogRect GroupAt(int top) {
    return {kMargin, top, kGroupWidth, kGroupHeight};
}
constexpr DialogRect ChoiceAt(int groupTop, int index) {
    return {kInnerX + (index % 3) * kChoiceColumnStep, groupTop + 12 + (index / 3) * kChoiceRowStep,
            kChoiceWidth, kChoiceHeight};
}

// Key and credential rows below the groups; the WEP and PSK rows take turns in one place.
constexpr int kKeyTop = kEapTop + kGroupStep + 2;
constexpr int kRowStep = 16;
constexpr int kLabelWidth = 150;  // "Authentication Password", "Certification Password"
constexpr int kFieldX = kMargin + kLabelWidth + 4;
constexpr int kFieldWidth = kPageWidth - kMargin - kFieldX;
constexpr int kWepKeyLimit = 26;
constexpr int kPskKeyLimit = 64;
constexpr int kCredentialLimit = 32;

constexpr DialogRect KeyLabelAt(int row) {
    return {kMargin, kKeyTop + row * kRowStep + 2, kLabelWidth, kTextHeight};
}
constexpr DialogRect KeyFieldAt(int row) {
    return {kFieldX, kKeyTop + row * kRowStep, kFieldWidth, kFieldHeight};
}

constexpr std::uint32_t kOff = style::kDisabled;
constexpr std::uint32_t kHiddenOff = style::kDisabled | style::kHidden;

constexpr ControlTemplate kControls[] = {
    GroupBox("&Authentication", GroupAt(kAuthenticationTop)),
    FirstRadio(ctl::kOpenSystemRadio, "Open System", ChoiceAt(kAuthenticationTop, 0), kOff),
    Radio(ctl::kSharedKeyRadio, "Shared Key", ChoiceAt(kAuthenticationTop, 1), kOff),
    Radio(ctl::kWpaPskRadio, "WPA-PSK", ChoiceAt(kAuthenticationTop, 2), kOff),
    Radio(ctl::kWpa2PskRadio, "WPA2-PSK", ChoiceAt(kAuthenticationTop, 3), kOff),
    Radio(ctl::kWpaRadio, "WPA", ChoiceAt(kAuthenticationTop, 4), kOff),
    Radio(ctl::kWpa2Radio, "WPA2", ChoiceAt(kAuthenticationTop, 5), kOff),

    // The page keeps one mark among these itself, so each radio is a group of its own.
    GroupBox("C&ryptograph", GroupAt(kCryptographTop), style::kGroup),
    FirstRadio(ctl::kNoneRadio, "NONE", ChoiceAt(kCryptographTop, 0), kOff),
    FirstRadio(ctl::kWepRadio, "WEP64/128", ChoiceAt(kCryptographTop, 1), kOff),
    FirstRadio(ctl::kTkipRadio, "TKIP", ChoiceAt(kCryptographTop, 2), kOff),
    FirstRadio(ctl::kAesRadio, "AES", ChoiceAt(kCryptographTop, 3), kOff),
    FirstRadio(ctl::kAesTkipRadio, "AES + TKIP", ChoiceAt(kCryptographTop, 4), kOff),

    GroupBox("&EAP", GroupAt(kEapTop), style::kGroup, ctl::kEapGroup),
    FirstRadio(ctl::kEapPeapRadio, "EAP-PEAP", ChoiceAt(kEapTop, 0), kOff),
    FirstRadio(ctl::kEapTtlsRadio, "EAP-TTLS", ChoiceAt(kEapTop, 1), kOff),
    FirstRadio(ctl::kEapTlsRadio, "EAP-TLS", ChoiceAt(kEapTop, 2), kOff),
    FirstRadio(ctl::kEapLeapRadio, "EAP-LEAP", ChoiceAt(kEapTop, 3), kOff),
    FirstRadio(ctl::kEapFastRadio, "EAP-FAST", ChoiceAt(kEapTop, 4), kOff),

    Label("&WEP Key", KeyLabelAt(0), style::kGroup, ctl::kWepKeyLabel),
    Edit(ctl::kWepKey, KeyFieldAt(0), kOff, kWepKeyLimit),
    Label("PSK &Key", KeyLabelAt(0), style::kHidden, ctl::kPskKeyLabel),
    Edit(ctl::kPskKey, KeyFieldAt(0), kHiddenOff, kPskKeyLimit),
    Label("Authentication &ID", KeyLabelAt(1), style::kHidden, ctl::kAuthIdLabel),
    Edit(ctl::kAuthId, KeyFieldAt(1), kHiddenOff, kCredentialLimit),
    Label("Au&thentication Password", KeyLabelAt(2), style::kHidden, ctl::kAuthPasswordLabel),
    Edit(ctl::kAuthPassword, KeyFieldAt(2), kHiddenOff, kCredentialLimit),
};

}  // namespace

constinit const DialogTemplate kAuthPageTemplate{
    .id = dlg::kAuthPage,
    .title = "",
    .fontName = kShellFont,
    .fontPointSize = kShellFontSize,
    .width = kPageWidth,
    .height = kPageHeight,
    .controls = kControls,
    .child = true,
};

}  // namespace lanvane::dialogs
