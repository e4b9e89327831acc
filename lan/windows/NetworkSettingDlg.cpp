#include "lan/windows/NetworkSettingDlg.h"

#include "lan/core/BaudTable.h"
#include "lan/core/DeviceRowTexts.h"
#include "ui/ProgramMessages.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/IpAddressControl.h"

#include <array>

namespace lanvane {
namespace {

constexpr std::array<int, 3> kAddressControls = {ctl::kSettingIpAddress, ctl::kSettingSubnetMask,
                                                 ctl::kSettingGateway};

}  // namespace

CNetworkSettingDlg::CNetworkSettingDlg(LanContext& context, LanMode lanMode, int deviceNumber)
    : Dialog(context.ui, DialogTemplateIn(context.resources, dlg::kNetworkSetting)),
      context_(context),
      lanMode_(lanMode),
      deviceNumber_(deviceNumber),
      setting_(lanMode, context.network) {}

bool CNetworkSettingDlg::OnInitDialog() {
    FillBaudRates();
    if (!TakeRecord()) {
        Say(sid::kDeviceListReadFailed);
        EndDialog(kIdCancel);
        return false;
    }
    SetWindowText(context_.strings.Text(lanMode_ == LanMode::Wlan ? sid::kWlanConfigurationTitle
                                                                  : sid::kEthernetConfigurationTitle));
    LoadRecord(Record());
    ApplyDhcpRule();
    if (Item<IpAddressControl>(ctl::kSettingIpAddress).IsBlank() || localPort_ == 0) {
        Say(sid::kCheckAddressOrPort);
    }
    ShowMembers();
    return true;
}

void CNetworkSettingDlg::FillBaudRates() {
    auto& baud = Item<ComboBox>(ctl::kSettingBaudRate);
    for (const BaudEntry& entry : kBaudTable) {
        baud.AddString(entry.text);
    }
}

bool CNetworkSettingDlg::TakeRecord() {
    if (lanMode_ == LanMode::Wlan) {
        wlanRecord_ = context_.lists.Wlan().Nth(deviceNumber_);
        return wlanRecord_ != nullptr;
    }
    ethernetRecord_ = context_.lists.Ethernet().Nth(deviceNumber_);
    return ethernetRecord_ != nullptr;
}

DeviceRecord& CNetworkSettingDlg::Record() const {
    return lanMode_ == LanMode::Wlan ? *wlanRecord_ : *ethernetRecord_;
}

void CNetworkSettingDlg::LoadRecord(const DeviceRecord& record) {
    Item<IpAddressControl>(ctl::kSettingIpAddress).SetAddress(record.ip);
    Item<IpAddressControl>(ctl::kSettingSubnetMask).SetAddress(record.subnet);
    Item<IpAddressControl>(ctl::kSettingGateway).SetAddress(record.gateway);
    localPort_ = record.port;
    inactivity_ = record.inactivity;
    firmwareText_ = FirmwareCell(record, context_.strings);
    dhcp_ = record.dhcp;
    auto& baud = Item<ComboBox>(ctl::kSettingBaudRate);
    if (const auto index = BaudIndexOfCode(record.baudCode)) {
        baud.SetCurSel(*index);
    } else {
        baud.SetCurSel(ComboBox::kNone);
        baud.Enable(false);
    }
}

// With DHCP the printer takes its addresses from the network; they stay in the record.
void CNetworkSettingDlg::ApplyDhcpRule() {
    for (const int id : kAddressControls) {
        EnableDlgItem(id, dhcp_ == 0);
    }
}

void CNetworkSettingDlg::OnCommand(int controlId, Notification code) {
    if (controlId == ctl::kSettingDhcp && code == Notification::Clicked) {
        OnDhcpClicked();
    } else if (controlId == ctl::kSettingLocalPort && code == Notification::TextChanged) {
        OnLocalPortChanged();
    } else if (controlId == ctl::kSettingInactivity && code == Notification::TextChanged) {
        OnInactivityChanged();
    }
}

void CNetworkSettingDlg::OnDhcpClicked() {
    dhcp_ = dhcp_ == 0 ? 1 : 0;
    ApplyDhcpRule();
}

void CNetworkSettingDlg::OnLocalPortChanged() {
    if (!ReadMembers()) {
        return;
    }
    if (const auto correction = CorrectLocalPort(localPort_)) {
        Say(correction->messageId);
        localPort_ = correction->correctedValue;
        ShowMembers();
    }
}

void CNetworkSettingDlg::OnInactivityChanged() {
    if (!ReadMembers()) {
        return;
    }
    if (const auto correction = CorrectInactivity(inactivity_)) {
        Say(correction->messageId);
        inactivity_ = correction->correctedValue;
        ShowMembers();
    }
}

bool CNetworkSettingDlg::ReadMembers() {
    for (const int id : {ctl::kSettingLocalPort, ctl::kSettingInactivity}) {
        if (GetDlgItemText(id).empty()) {
            return false;
        }
        if (!GetDlgItemInt(id)) {
            Say(sid::kEnterWholeNumber);
            SetFocus(id);
            return false;
        }
    }
    localPort_ = *GetDlgItemInt(ctl::kSettingLocalPort);
    inactivity_ = *GetDlgItemInt(ctl::kSettingInactivity);
    dhcp_ = IsDlgButtonChecked(ctl::kSettingDhcp) ? 1 : 0;
    return true;
}

void CNetworkSettingDlg::ShowMembers() {
    SetDlgItemInt(ctl::kSettingLocalPort, static_cast<int>(localPort_));
    SetDlgItemInt(ctl::kSettingInactivity, static_cast<int>(inactivity_));
    SetDlgItemText(ctl::kSettingFirmwareVersion, firmwareText_);
    CheckDlgButton(ctl::kSettingDhcp, dhcp_ != 0);
}

NetworkSettingValues CNetworkSettingDlg::ValuesFromControls() const {
    return {.ip = Item<IpAddressControl>(ctl::kSettingIpAddress).Address(),
            .subnet = Item<IpAddressControl>(ctl::kSettingSubnetMask).Address(),
            .gateway = Item<IpAddressControl>(ctl::kSettingGateway).Address(),
            .localPort = localPort_,
            .inactivity = inactivity_,
            .dhcp = dhcp_ != 0,
            .baudIndex = Item<ComboBox>(ctl::kSettingBaudRate).GetCurSel()};
}

// "Save": the record in the list takes the values, then goes out in the set datagram.
void CNetworkSettingDlg::OnOk() {
    if (!ReadMembers()) {
        return;
    }
    const NetworkSettingValues values = ValuesFromControls();
    const SaveOutcome outcome = ApplySettingValues(values, Record());
    if (outcome == SaveOutcome::AddressRefused) {
        RefuseAddress(*CheckSettingAddress(values, Record()));
        return;
    }
    if (outcome != SaveOutcome::Send) {
        Refuse(outcome);
        return;
    }
    SendSetting();
}

void CNetworkSettingDlg::Refuse(SaveOutcome outcome) {
    Say(SaveOutcomeMessage(outcome));
    if (outcome == SaveOutcome::ReservedPort) {
        localPort_ = kLocalPortAfterCorrection;
        ShowMembers();
        SetFocus(ctl::kSettingLocalPort);
    }
}

void CNetworkSettingDlg::RefuseAddress(const rules::RuleFailure& failure) {
    Say(failure.messageId);
    switch (failure.field) {
        case rules::ConfigField::subnetMask: SetFocus(ctl::kSettingSubnetMask); break;
        case rules::ConfigField::gateway: SetFocus(ctl::kSettingGateway); break;
        default: SetFocus(ctl::kSettingIpAddress); break;
    }
}

// Sending again while waiting restarts the wait.
void CNetworkSettingDlg::SendSetting() {
    const auto datagram = lanMode_ == LanMode::Wlan ? WlanSetDatagram(*wlanRecord_)
                                                    : EthernetSetDatagram(*ethernetRecord_);
    if (setting_.Send(datagram, context_.lists.From(lanMode_, deviceNumber_)) != UdpResult::Ok) {
        Say(sid::kNetworkUnusable);
        return;
    }
    WatchSocket(setting_.Fd(), ctl::kSettingSocket);
    SetWaiting(true);
    SetTimer(kReplyTimer, static_cast<int>(context_.timings.ConfirmationWait(lanMode_).count()));
}

void CNetworkSettingDlg::SetWaiting(bool waiting) {
    if (waiting && waiting_ == 0) {
        context_.ui.BeginWaitCursor();
    } else if (!waiting && waiting_ != 0) {
        context_.ui.EndWaitCursor();
    }
    waiting_ = waiting ? 1 : 0;
}

void CNetworkSettingDlg::OnSocketReadable(int token) {
    if (token != ctl::kSettingSocket) {
        return;
    }
    const auto confirmation = setting_.TakeOne();
    if (!confirmation || *confirmation == Confirmation::None || done_ != 0) {
        return;
    }
    Finish(ConfirmationMessage(*confirmation));
}

// The first tick is the time-out. The printer may never have taken the settings, so the
// message says so rather than blaming the time field.
void CNetworkSettingDlg::OnTimer(int timerId) {
    KillTimer(timerId);
    Finish(sid::kLanSettingNotConfirmed);
}

// Whichever of confirmation and time-out comes first wins; the other is ignored.
void CNetworkSettingDlg::Finish(int messageId) {
    done_ = 1;
    SetWaiting(false);
    KillTimer(kReplyTimer);
    Say(messageId);
    EndDialog(kIdOk);
}

void CNetworkSettingDlg::OnDestroy() {
    SetWaiting(false);
    setting_.Socket().Close();
}

void CNetworkSettingDlg::Say(int messageId) {
    ShowMessage(*this, context_.strings, messageId);
}

}  // namespace lanvane
