#include "editor/NetworkPage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "rules/ManualAddressRules.h"
#include "rules/NetworkPageRules.h"
#include "rules/NumberText.h"
#include "rules/RangeCorrections.h"
#include "rules/RecordPageValues.h"
#include "rules/ValueCodes.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"

namespace lanvane {

namespace {

using rules::ip_assignment_code::kAutomatic;
using rules::ip_assignment_code::kManual;
using rules::mode_code::kAdhoc;
using rules::mode_code::kInfra;
using rules::mode_code::kWifiDirect;

constexpr int kPinLimit = 8;
constexpr int kP2pChannelCount = 3;

// Radio groups by value.
constexpr std::array kModeRadios = {ctl::kInfraRadio, ctl::kAdhocRadio, ctl::kWifiDirectRadio};
constexpr std::array kAssignmentRadios = {ctl::kDhcpRadio, ctl::kManualRadio};
constexpr std::array kAddressControls = {ctl::kNetworkIpAddress, ctl::kNetworkSubnetMask,
                                         ctl::kNetworkGateway};

template <std::size_t N>
int CheckedIndex(const Dialog& page, const std::array<int, N>& radios) {
    for (std::size_t index = 0; index < N; ++index) {
        if (page.IsDlgButtonChecked(radios[index])) {
            return static_cast<int>(index);
        }
    }
    return -1;
}

// Marks the radio of `value`, or none for a value outside the group.
template <std::size_t N>
void CheckIndex(Dialog& page, const std::array<int, N>& radios, int value) {
    for (std::size_t index = 0; index < N; ++index) {
        page.CheckDlgButton(radios[index], static_cast<int>(index) == value);
    }
}

}  // namespace

CNetworkPage::CNetworkPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kNetworkPage), values_(session.values.network) {}

bool CNetworkPage::OnInitDialog() {
    auto& connectionMode = Item<ComboBox>(ctl::kConnectionMode);
    connectionMode.AddString(Strings().Text(sid::kConnectionModePinPbc));
    connectionMode.SetCurSel(0);
    auto& channel = Item<ComboBox>(ctl::kP2pChannel);
    for (int index = 0; index < kP2pChannelCount; ++index) {
        channel.AddString(P2pChannelText(index));
    }
    channel.SetCurSel(0);
    if (values_.ipAssignment == kAutomatic) {
        EnableAddressControls(false);
    }
    Reload();
    return true;
}

void CNetworkPage::EnablePage(bool enable) {
    EnableDlgItem(ctl::kInfraRadio, enable);
    EnableDlgItem(ctl::kAdhocRadio, enable);
    if (!enable) {
        EnableDlgItem(ctl::kWifiDirectRadio, false);
    } else if (PageValues().extendedRecord) {
        EnableDlgItem(ctl::kWifiDirectRadio, true);
    }
    for (const int id : {ctl::kAdhocChannel, ctl::kDhcpRadio, ctl::kManualRadio, ctl::kSsid,
                         ctl::kNetworkInactivity}) {
        EnableDlgItem(id, enable);
    }
    if (values_.networkMode != kAdhoc) {
        EnableDlgItem(ctl::kAdhocChannel, false);
    } else {
        Reload();
        SetFocus(ctl::kManualRadio);
        EnableDlgItem(ctl::kDhcpRadio, false);
    }
    if (values_.networkMode == kWifiDirect) {
        ReadBack();
        values_.ipAssignment = kAutomatic;
        // Only DHCP, and only while the page is enabled: a disabled page offers no choice.
        EnableDlgItem(ctl::kDhcpRadio, enable);
        EnableDlgItem(ctl::kManualRadio, false);
        EnableAddressControls(false);
        Reload();
        SetFocus(ctl::kDhcpRadio);
    } else {
        EnableDlgItem(ctl::kPinCode, false);
    }
    if (values_.ipAssignment == kAutomatic) {
        ReadBack();
        EnableAddressControls(false);
        Reload();
    } else if (values_.ipAssignment == kManual) {
        EnableAddressControls(enable);
    }
    Item<EditControl>(ctl::kPinCode).SetTextLimit(kPinLimit);
    Reload();
}

int CNetworkPage::ControlFor(rules::ConfigField field) const {
    switch (field) {
        case rules::ConfigField::networkMode: return ctl::kInfraRadio;
        case rules::ConfigField::dhcp: return ctl::kDhcpRadio;
        case rules::ConfigField::adhocChannel: return ctl::kAdhocChannel;
        case rules::ConfigField::ssid: return ctl::kSsid;
        case rules::ConfigField::inactivityTime: return ctl::kNetworkInactivity;
        case rules::ConfigField::ipAddress: return ctl::kNetworkIpAddress;
        case rules::ConfigField::subnetMask: return ctl::kNetworkSubnetMask;
        case rules::ConfigField::gateway: return ctl::kNetworkGateway;
        case rules::ConfigField::p2pChannel: return ctl::kP2pChannel;
        case rules::ConfigField::p2pConnMode: return ctl::kConnectionMode;
        case rules::ConfigField::p2pPinCode: return ctl::kPinCode;
        default: return 0;
    }
}

bool CNetworkPage::ReadBack() {
    values_.networkMode = CheckedIndex(*this, kModeRadios);
    values_.ipAssignment = CheckedIndex(*this, kAssignmentRadios);
    const auto channel = rules::ParseUnsignedText(GetDlgItemText(ctl::kAdhocChannel));
    if (!channel) {
        ComplainAboutNumber(ctl::kAdhocChannel);
        return false;
    }
    values_.adhocChannel = *channel;
    values_.ssid = GetDlgItemText(ctl::kSsid);
    const auto seconds = rules::ParseUnsignedText(GetDlgItemText(ctl::kNetworkInactivity));
    if (!seconds) {
        ComplainAboutNumber(ctl::kNetworkInactivity);
        return false;
    }
    values_.inactivityTime = *seconds;
    if (*seconds > kMaxInactivityTime) {
        return true;
    }
    values_.p2pPinCode = GetDlgItemText(ctl::kPinCode);
    return true;
}

void CNetworkPage::Reload() {
    CheckIndex(*this, kModeRadios, values_.networkMode);
    CheckIndex(*this, kAssignmentRadios, values_.ipAssignment);
    SetDlgItemText(ctl::kAdhocChannel, std::to_string(values_.adhocChannel));
    SetDlgItemText(ctl::kSsid, values_.ssid);
    SetDlgItemText(ctl::kNetworkInactivity, std::to_string(values_.inactivityTime));
    SetDlgItemText(ctl::kPinCode, values_.p2pPinCode);
}

void CNetworkPage::Load(const InterfaceConfig& config) {
    rules::LoadPageValues(config, values_);
    Item<IpAddressControl>(ctl::kNetworkIpAddress).SetAddress(config.ipAddress);
    Item<IpAddressControl>(ctl::kNetworkSubnetMask).SetAddress(config.subnetMask);
    Item<IpAddressControl>(ctl::kNetworkGateway).SetAddress(config.gateway);
    Reload();
    LoadWifiDirect(config);
    SettleLoadedMode(config.version == 2);
}

void CNetworkPage::ApplyTo(InterfaceConfig& record) const {
    rules::ApplyPageValues(values_, record);
}

void CNetworkPage::LoadWifiDirect(const InterfaceConfig& config) {
    if (config.version != 2) {
        SetDlgItemText(ctl::kPinCode, rules::kDefaultPinCode);
        ReadBack();
        return;
    }
    if (const auto index = P2pChannelIndex(config.p2pChannel)) {
        values_.p2pChannel = std::string(P2pChannelText(*index));
        Item<ComboBox>(ctl::kP2pChannel).SetCurSel(*index);
        Reload();
    }
    Item<ComboBox>(ctl::kConnectionMode).SetCurSel(config.p2pConnMode);
    EnableDlgItem(ctl::kPinCode, true);
    ReadBack();
    values_.p2pPinCode = config.p2pPinCode;
    SetDlgItemText(ctl::kPinCode, config.p2pPinCode);
    ReadBack();
}

void CNetworkPage::SettleLoadedMode(bool extendedRecord) {
    switch (values_.networkMode) {
        case kInfra: SetFocus(ctl::kInfraRadio); break;
        case kAdhoc:
            SetFocus(ctl::kAdhocRadio);
            values_.ipAssignment = kManual;
            break;
        case kWifiDirect:
            values_.ipAssignment = kManual;
            if (!extendedRecord) {
                values_.networkMode = kAdhoc;
                break;
            }
            SetFocus(ctl::kWifiDirectRadio);
            EnableDlgItem(ctl::kP2pChannel, true);
            EnableDlgItem(ctl::kConnectionMode, true);
            break;
        default: break;
    }
}

void CNetworkPage::ClearWifiDirect() {
    EnableWifiDirectControls(false);
    values_.p2pPinCode.clear();
}

void CNetworkPage::OnCommand(int controlId, Notification code) {
    if (code == Notification::Clicked) {
        switch (controlId) {
            case ctl::kInfraRadio: OnInfraClicked(); break;
            case ctl::kAdhocRadio: OnAdhocClicked(); break;
            case ctl::kWifiDirectRadio: OnWifiDirectClicked(); break;
            case ctl::kDhcpRadio: OnDhcpClicked(); break;
            case ctl::kManualRadio: OnManualClicked(); break;
            default: break;
        }
    } else if (code == Notification::TextChanged) {
        switch (controlId) {
            case ctl::kSsid: OnSsidChanged(); break;
            case ctl::kNetworkInactivity: OnInactivityTimeChanged(); break;
            case ctl::kAdhocChannel: OnAdhocChannelChanged(); break;
            case ctl::kPinCode: OnPinCodeChanged(); break;
            default: break;
        }
    } else if (code == Notification::SelectionChanged || code == Notification::SelectionConfirmed) {
        if (controlId == ctl::kP2pChannel && code == Notification::SelectionChanged) {
            OnChannelSelected();
        } else if (controlId == ctl::kConnectionMode) {
            OnConnectionModeSelected(code == Notification::SelectionChanged);
        }
    }
}

bool CNetworkPage::OnNotify(int controlId, const NotifyMessage& message) {
    if (message.code == NotifyCode::IpFieldChanged) {
        OnAddressChanged(controlId);
    }
    return false;
}

void CNetworkPage::OnInfraClicked() {
    ReadBack();
    EnableDlgItem(ctl::kDhcpRadio, true);
    EnableDlgItem(ctl::kManualRadio, true);
    EnableDlgItem(ctl::kAdhocChannel, false);
    EnableWifiDirectControls(false);
}

// Ad hoc networks know no WPA: the choice is refused while one of the WPA kinds is chosen.
void CNetworkPage::OnAdhocClicked() {
    EnableDlgItem(ctl::kAdhocChannel, true);
    if (const auto refusal = rules::CheckAdhocChoice(PageValues().auth.authentication)) {
        Reload();
        SetFocus(ctl::kInfraRadio);
        ShowMessage(refusal->messageId);
        return;
    }
    EnableWifiDirectControls(false);
    ReadBack();
    values_.ipAssignment = kManual;
    EnableDlgItem(ctl::kDhcpRadio, false);
    EnableDlgItem(ctl::kManualRadio, true);
    Reload();
    SetFocus(ctl::kManualRadio);
    EnableAddressControls(true);
}

void CNetworkPage::OnWifiDirectClicked() {
    ReadBack();
    EnableDlgItem(ctl::kAdhocChannel, false);
    values_.ipAssignment = kAutomatic;
    EnableDlgItem(ctl::kDhcpRadio, true);
    EnableDlgItem(ctl::kManualRadio, false);
    Reload();
    SetFocus(ctl::kDhcpRadio);
    EnableWifiDirectControls(true);
    EnableAddressControls(false);
}

// The addresses stay as they are, so that Manual brings them back.
void CNetworkPage::OnDhcpClicked() {
    ReadBack();
    if (const auto refusal = rules::CheckDhcpChoice(values_.networkMode)) {
        ShowMessage(refusal->messageId);
        values_.ipAssignment = kManual;
        Reload();
        SetFocus(ctl::kManualRadio);
        return;
    }
    EnableAddressControls(false);
    Reload();
}

void CNetworkPage::OnManualClicked() {
    ReadBack();
    Reload();
    EnableAddressControls(true);
}

void CNetworkPage::OnSsidChanged() {
    ReadBack();
}

void CNetworkPage::OnInactivityTimeChanged() {
    ReadBack();
    if (const auto correction = rules::CorrectInactivityTime(values_.inactivityTime)) {
        ShowMessage(correction->failure.messageId);
        values_.inactivityTime = correction->correctedValue;
        Reload();
    }
}

void CNetworkPage::OnAdhocChannelChanged() {
    ReadBack();
    if (const auto correction = rules::CorrectAdhocChannel(values_.adhocChannel)) {
        ShowMessage(correction->failure.messageId);
        values_.adhocChannel = correction->correctedValue;
        Reload();
    }
}

void CNetworkPage::OnAddressChanged(int controlId) {
    const std::uint32_t address = Item<IpAddressControl>(controlId).Address();
    if (controlId == ctl::kNetworkIpAddress) {
        values_.ipAddress = address;
    } else if (controlId == ctl::kNetworkSubnetMask) {
        values_.subnetMask = address;
    } else if (controlId == ctl::kNetworkGateway) {
        values_.gateway = address;
    }
}

void CNetworkPage::OnChannelSelected() {
    const std::string_view channel = P2pChannelText(Item<ComboBox>(ctl::kP2pChannel).GetCurSel());
    if (!channel.empty()) {
        values_.p2pChannel = std::string(channel);
    }
    ReadBack();
}

void CNetworkPage::OnConnectionModeSelected(bool changed) {
    values_.p2pConnMode = Item<ComboBox>(ctl::kConnectionMode).GetCurSel();
    if (changed) {
        ReadBack();
    }
}

void CNetworkPage::OnPinCodeChanged() {
    values_.p2pPinCode = GetDlgItemText(ctl::kPinCode);
    ReadBack();
}

void CNetworkPage::EnableAddressControls(bool enable) {
    for (const int id : kAddressControls) {
        EnableDlgItem(id, enable);
    }
}

void CNetworkPage::EnableWifiDirectControls(bool enable) {
    for (const int id : {ctl::kP2pChannel, ctl::kConnectionMode, ctl::kPinCode}) {
        EnableDlgItem(id, enable);
    }
}

}  // namespace lanvane
