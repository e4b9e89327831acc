#include "editor/ProtocolPage.h"

#include <array>

#include "rules/RecordPageValues.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/EditControl.h"
#include "ui/IpAddressControl.h"

namespace lanvane {

namespace {

constexpr int kCommunityLimit = 16;
constexpr int kDisableIndex = 0;

constexpr std::array kSwitchLists = {ctl::kHttpsList, ctl::kTelnetList, ctl::kFtpList, ctl::kSnmpList};
constexpr std::array kCommunityEdits = {ctl::kReadCommunity, ctl::kWriteCommunity, ctl::kTrapCommunity};

}  // namespace

CProtocolPage::CProtocolPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kProtocolPage), values_(session.values.protocol) {}

bool CProtocolPage::OnInitDialog() {
    for (const int id : kSwitchLists) {
        auto& list = Item<ComboBox>(id);
        list.AddString(Strings().Text(sid::kDisable));
        list.AddString(Strings().Text(sid::kEnable));
        list.SetCurSel(kDisableIndex);
    }
    for (const int id : kCommunityEdits) {
        Item<EditControl>(id).SetTextLimit(kCommunityLimit);
    }
    return true;
}

void CProtocolPage::EnablePage(bool enable) {
    for (const int id : kSwitchLists) {
        EnableDlgItem(id, enable);
    }
    for (const int id : kCommunityEdits) {
        EnableDlgItem(id, enable);
    }
    EnableDlgItem(ctl::kTrapIpAddress, enable);
}

int CProtocolPage::ControlFor(rules::ConfigField field) const {
    switch (field) {
        case rules::ConfigField::https: return ctl::kHttpsList;
        case rules::ConfigField::telnet: return ctl::kTelnetList;
        case rules::ConfigField::ftp: return ctl::kFtpList;
        case rules::ConfigField::snmp: return ctl::kSnmpList;
        case rules::ConfigField::getCommunity: return ctl::kReadCommunity;
        case rules::ConfigField::setCommunity: return ctl::kWriteCommunity;
        case rules::ConfigField::trapCommunity: return ctl::kTrapCommunity;
        case rules::ConfigField::trapIpAddress: return ctl::kTrapIpAddress;
        default: return 0;
    }
}

void CProtocolPage::ReadBack() {
    values_.https = Item<ComboBox>(ctl::kHttpsList).GetCurSel();
    values_.telnet = Item<ComboBox>(ctl::kTelnetList).GetCurSel();
    values_.ftp = Item<ComboBox>(ctl::kFtpList).GetCurSel();
    values_.snmp = Item<ComboBox>(ctl::kSnmpList).GetCurSel();
    values_.getCommunity = GetDlgItemText(ctl::kReadCommunity);
    values_.setCommunity = GetDlgItemText(ctl::kWriteCommunity);
    values_.trapCommunity = GetDlgItemText(ctl::kTrapCommunity);
}

// A value outside the two entries selects none.
void CProtocolPage::Reload() {
    Item<ComboBox>(ctl::kHttpsList).SetCurSel(values_.https);
    Item<ComboBox>(ctl::kTelnetList).SetCurSel(values_.telnet);
    Item<ComboBox>(ctl::kFtpList).SetCurSel(values_.ftp);
    Item<ComboBox>(ctl::kSnmpList).SetCurSel(values_.snmp);
    SetDlgItemText(ctl::kReadCommunity, values_.getCommunity);
    SetDlgItemText(ctl::kWriteCommunity, values_.setCommunity);
    SetDlgItemText(ctl::kTrapCommunity, values_.trapCommunity);
}

void CProtocolPage::Load(const InterfaceConfig& config) {
    rules::LoadPageValues(config, values_);
    Item<IpAddressControl>(ctl::kTrapIpAddress).SetAddress(config.trapIpAddress);
    Reload();
}

// A value the lists do not offer shows no entry and goes back as the printer gave it.
void CProtocolPage::ApplyTo(InterfaceConfig& record) const {
    rules::ApplyPageValues(values_, record);
}

bool CProtocolPage::OnNotify(int controlId, const NotifyMessage& message) {
    if (controlId == ctl::kTrapIpAddress && message.code == NotifyCode::IpFieldChanged) {
        values_.trapIpAddress = Item<IpAddressControl>(ctl::kTrapIpAddress).Address();
    }
    return false;
}

}  // namespace lanvane
