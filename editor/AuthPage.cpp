#include "editor/AuthPage.h"

#include <array>
#include <cstddef>
#include <span>
#include <string>

#include "rules/AuthPageRules.h"
#include "rules/RecordPageValues.h"
#include "rules/ValueCodes.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/EditControl.h"

namespace lanvane {

namespace {

namespace auth = rules::auth_code;
namespace crypt = rules::crypt_code;

constexpr int kWepKeyLimit = 26;
constexpr int kPskKeyLimit = 64;
constexpr int kCredentialLimit = 32;

// Radios by value.
constexpr std::array kAuthenticationRadios = {ctl::kOpenSystemRadio, ctl::kSharedKeyRadio,
                                              ctl::kWpaPskRadio,     ctl::kWpa2PskRadio,
                                              ctl::kWpaRadio,        ctl::kWpa2Radio};
constexpr std::array kWpaRadios = {ctl::kWpaPskRadio, ctl::kWpa2PskRadio, ctl::kWpaRadio,
                                   ctl::kWpa2Radio};
constexpr std::array kCryptographRadios = {ctl::kNoneRadio, ctl::kWepRadio, ctl::kTkipRadio,
                                           ctl::kAesRadio, ctl::kAesTkipRadio};
constexpr std::array kWpaCipherRadios = {ctl::kTkipRadio, ctl::kAesRadio, ctl::kAesTkipRadio};
constexpr std::array kEapRadios = {ctl::kEapPeapRadio, ctl::kEapTtlsRadio, ctl::kEapTlsRadio,
                                   ctl::kEapLeapRadio, ctl::kEapFastRadio};
constexpr std::array kEditFields = {ctl::kWepKey, ctl::kPskKey, ctl::kAuthId, ctl::kAuthPassword};

// Whether `value` names one of the radios.
template <std::size_t N>
bool Holds(const std::array<int, N>& /*radios*/, int value) {
    return value >= 0 && static_cast<std::size_t>(value) < N;
}

template <std::size_t N>
int IndexOf(const std::array<int, N>& ids, int id) {
    for (std::size_t index = 0; index < N; ++index) {
        if (ids[index] == id) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

// The radio that marks a cryptograph value: WEP64 and WEP128 share one.
int CryptographRadio(int cryptograph) {
    switch (cryptograph) {
        case crypt::kNone: return ctl::kNoneRadio;
        case crypt::kWep64:
        case crypt::kWep128: return ctl::kWepRadio;
        case crypt::kTkip: return ctl::kTkipRadio;
        case crypt::kAes: return ctl::kAesRadio;
        case crypt::kAesTkip: return ctl::kAesTkipRadio;
        default: return 0;
    }
}

// The value a cryptograph radio sets; WEP starts as WEP128, the key length decides later.
int CryptographOfRadio(int radioId) {
    switch (radioId) {
        case ctl::kNoneRadio: return crypt::kNone;
        case ctl::kWepRadio: return crypt::kWep128;
        case ctl::kTkipRadio: return crypt::kTkip;
        case ctl::kAesRadio: return crypt::kAes;
        default: return crypt::kAesTkip;
    }
}

using rules::IsEapKind;
using rules::IsPskKind;

}  // namespace

CAuthPage::CAuthPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kAuthPage), values_(session.values.auth) {}

bool CAuthPage::OnInitDialog() {
    Item<EditControl>(ctl::kPskKey).SetTextLimit(kPskKeyLimit);
    Item<EditControl>(ctl::kAuthId).SetTextLimit(kCredentialLimit);
    Item<EditControl>(ctl::kAuthPassword).SetTextLimit(kCredentialLimit);
    EnableDlgItem(ctl::kWepKey, false);
    ShowPskRow(false);
    for (const int id : {ctl::kAuthIdLabel, ctl::kAuthId, ctl::kAuthPasswordLabel, ctl::kAuthPassword}) {
        ShowDlgItem(id, false);
    }
    return true;
}

void CAuthPage::EnablePage(bool enable) {
    for (const int id : kAuthenticationRadios) {
        EnableDlgItem(id, enable);
    }
    for (const int id : kCryptographRadios) {
        EnableDlgItem(id, enable);
    }
    for (const int id : kEapRadios) {
        EnableDlgItem(id, enable);
    }
    for (const int id : kEditFields) {
        EnableDlgItem(id, enable);
    }
}

int CAuthPage::ControlFor(rules::ConfigField field) const {
    switch (field) {
        case rules::ConfigField::authentication: return ctl::kOpenSystemRadio;
        case rules::ConfigField::cryptograph: return ctl::kNoneRadio;
        case rules::ConfigField::eapMode: return ctl::kEapPeapRadio;
        case rules::ConfigField::wepKey: return ctl::kWepKey;
        case rules::ConfigField::pskKey: return ctl::kPskKey;
        case rules::ConfigField::authId: return ctl::kAuthId;
        case rules::ConfigField::authPassword: return ctl::kAuthPassword;
        default: return 0;
    }
}

void CAuthPage::RefreshControls() {
    RefreshForNetworkMode();
    RefreshForAuthentication();
    RefreshForCryptograph();
    RefreshEapMarks();
    RefreshPasswordLabel();
}

void CAuthPage::Reload() {
    const int authentication = values_.authentication;
    CheckRadioButton(ctl::kOpenSystemRadio, ctl::kWpa2Radio,
                     Holds(kAuthenticationRadios, authentication)
                         ? kAuthenticationRadios[static_cast<std::size_t>(authentication)]
                         : 0);
    CheckDlgButton(ctl::kNoneRadio, values_.cryptograph == crypt::kNone);
    CheckDlgButton(ctl::kEapPeapRadio, values_.eapMode == 0);
    SetDlgItemText(ctl::kWepKey, values_.wepKey);
    SetDlgItemText(ctl::kPskKey, values_.pskKey);
    SetDlgItemText(ctl::kAuthId, values_.authId);
    SetDlgItemText(ctl::kAuthPassword, values_.authPassword);
}

void CAuthPage::Load(const InterfaceConfig& config) {
    rules::LoadPageValues(config, values_);
}

void CAuthPage::ApplyTo(InterfaceConfig& record) const {
    AuthPageValues applied = values_;
    if (rules::IsWepCryptograph(applied.cryptograph)) {
        applied.cryptograph = rules::WepCryptographForKeyLength(applied.wepKey.size()).value_or(applied.cryptograph);
    }
    rules::ApplyPageValues(applied, record);
}

void CAuthPage::OnCommand(int controlId, Notification code) {
    if (code == Notification::TextChanged) {
        if (controlId == ctl::kWepKey) {
            OnWepKeyChanged();
        } else {
            OnCredentialChanged(controlId);
        }
        return;
    }
    if (code != Notification::Clicked) {
        return;
    }
    if (const int authentication = IndexOf(kAuthenticationRadios, controlId); authentication >= 0) {
        OnAuthenticationClicked(authentication);
    } else if (IndexOf(kCryptographRadios, controlId) >= 0) {
        OnCryptographClicked(controlId);
    } else if (const int eapMode = IndexOf(kEapRadios, controlId); eapMode >= 0) {
        OnEapClicked(eapMode);
    }
}

// A cryptograph that does not suit the new authentication is replaced.
void CAuthPage::OnAuthenticationClicked(int authentication) {
    values_.authentication = authentication;
    const int current = values_.cryptograph;
    const int suitable = rules::CryptographAfterAuthenticationChoice(authentication, current);
    if (suitable != current) {
        SetCryptograph(suitable);
    }
    RefreshControls();
}

void CAuthPage::OnCryptographClicked(int controlId) {
    MarkOnly(controlId);
    SetCryptograph(CryptographOfRadio(controlId));
    switch (controlId) {
        case ctl::kNoneRadio:
            EnableDlgItem(ctl::kPskKey, false);
            EnableDlgItem(ctl::kWepKey, false);
            RefreshControls();
            break;
        case ctl::kTkipRadio:
        case ctl::kAesRadio: EnableDlgItem(ctl::kWepKey, false); break;
        default:
            AllowWepKey();
            RefreshControls();
            break;
    }
}

void CAuthPage::OnEapClicked(int eapMode) {
    MarkOnly(kEapRadios[static_cast<std::size_t>(eapMode)]);
    values_.eapMode = eapMode;
    RefreshControls();
}

// Under WEP the key's length names WEP64 or WEP128; under any other cryptograph the text
// is not taken.
void CAuthPage::OnWepKeyChanged() {
    if (!rules::IsWepCryptograph(values_.cryptograph)) {
        return;
    }
    const std::string key = GetDlgItemText(ctl::kWepKey);
    if (const auto cryptograph = rules::WepCryptographForKeyLength(key.size())) {
        SetCryptograph(*cryptograph);
    }
    values_.wepKey = key;
}

void CAuthPage::OnCredentialChanged(int controlId) {
    const std::string text = GetDlgItemText(controlId);
    if (controlId == ctl::kPskKey) {
        values_.pskKey = text;
    } else if (controlId == ctl::kAuthId) {
        values_.authId = text;
    } else if (controlId == ctl::kAuthPassword) {
        values_.authPassword = text;
    }
}

// A switch to WEP takes the WEP key field's text as the key, so that the rules and Update
// judge the key the field shows.
void CAuthPage::SetCryptograph(int cryptograph) {
    if (rules::IsWepCryptograph(cryptograph) && !rules::IsWepCryptograph(values_.cryptograph)) {
        values_.wepKey = GetDlgItemText(ctl::kWepKey);
    }
    values_.cryptograph = cryptograph;
}

// Ad hoc and Wi-Fi Direct networks take no WPA kind.
void CAuthPage::RefreshForNetworkMode() {
    const bool infra = PageValues().network.networkMode == rules::mode_code::kInfra;
    for (const int id : kWpaRadios) {
        EnableDlgItem(id, infra);
    }
}

void CAuthPage::RefreshForAuthentication() {
    const int authentication = values_.authentication;
    if (!Holds(kAuthenticationRadios, authentication)) {
        return;
    }
    SetFocus(kAuthenticationRadios[static_cast<std::size_t>(authentication)]);
    const bool wpaKind = IsPskKind(authentication) || IsEapKind(authentication);
    EnableDlgItem(ctl::kNoneRadio, authentication == auth::kOpenSystem);
    EnableDlgItem(ctl::kWepRadio, !wpaKind);
    for (const int id : kWpaCipherRadios) {
        EnableDlgItem(id, wpaKind);
    }
    EnableDlgItem(ctl::kPskKey, wpaKind);
    ShowPskRow(IsPskKind(authentication));
    ShowDlgItem(ctl::kWepKeyLabel, !wpaKind);
    ShowDlgItem(ctl::kWepKey, !wpaKind);
    ShowEapRows(IsEapKind(authentication));
    if (IsEapKind(authentication)) {
        for (const int id : kEapRadios) {
            EnableDlgItem(id, true);
        }
    }
}

void CAuthPage::RefreshForCryptograph() {
    const int cryptograph = values_.cryptograph;
    const int radio = CryptographRadio(cryptograph);
    if (radio == 0) {
        return;
    }
    MarkOnly(radio);
    if (cryptograph == crypt::kNone) {
        ShowWepRow(false);
    } else if (rules::IsWepCryptograph(cryptograph)) {
        ShowWepRow(true);
        AllowWepKey();
    } else {
        Item<EditControl>(ctl::kPskKey).SetTextLimit(kPskKeyLimit);
    }
}

void CAuthPage::RefreshEapMarks() {
    if (Holds(kEapRadios, values_.eapMode)) {
        MarkOnly(kEapRadios[static_cast<std::size_t>(values_.eapMode)]);
    }
}

void CAuthPage::RefreshPasswordLabel() {
    const int label = IsDlgButtonChecked(ctl::kEapTlsRadio) ? sid::kCertificationPasswordLabel
                                                            : sid::kAuthenticationPasswordLabel;
    SetDlgItemText(ctl::kAuthPasswordLabel, Strings().Text(label));
}

void CAuthPage::ShowWepRow(bool show) {
    ShowDlgItem(ctl::kWepKeyLabel, show);
    ShowDlgItem(ctl::kWepKey, show);
}

void CAuthPage::ShowPskRow(bool show) {
    ShowDlgItem(ctl::kPskKeyLabel, show);
    ShowDlgItem(ctl::kPskKey, show);
}

void CAuthPage::ShowEapRows(bool show) {
    ShowDlgItem(ctl::kEapGroup, show);
    for (const int id : kEapRadios) {
        ShowDlgItem(id, show);
    }
    for (const int id : {ctl::kAuthIdLabel, ctl::kAuthId, ctl::kAuthPasswordLabel, ctl::kAuthPassword}) {
        ShowDlgItem(id, show);
    }
}

// Cryptograph and EAP radios are groups of one each: the page keeps the single mark.
void CAuthPage::MarkOnly(int radioId) {
    const bool cryptograph = IndexOf(kCryptographRadios, radioId) >= 0;
    const auto& radios = cryptograph ? std::span<const int>(kCryptographRadios)
                                     : std::span<const int>(kEapRadios);
    for (const int id : radios) {
        CheckDlgButton(id, id == radioId);
    }
}

void CAuthPage::AllowWepKey() {
    EnableDlgItem(ctl::kWepKey, true);
    Item<EditControl>(ctl::kWepKey).SetTextLimit(kWepKeyLimit);
}

}  // namespace lanvane
