#include "editor/SystemPage.h"

#include <array>
#include <cstdint>
#include <cstdio>

#include "protocol/AddressText.h"
#include "rules/NumberText.h"
#include "rules/RangeCorrections.h"
#include "rules/RecordPageValues.h"
#include "resources/ResourceIds.h"
#include "ui/EditControl.h"

namespace lanvane {

namespace {

constexpr int kTextLimit = 32;

constexpr std::array kEditIds = {ctl::kPrinterName, ctl::kPrinterPort, ctl::kUserId,
                                 ctl::kUserPassword, ctl::kConfirmPassword};
constexpr std::array kDisplayIds = {ctl::kFirmwareVersion, ctl::kUpdateDate, ctl::kMacAddress};

}  // namespace

CSystemPage::CSystemPage(EditorSession& session, Dialog& window)
    : EditorPage(session, window, dlg::kSystemPage), values_(session.values.system) {}

bool CSystemPage::OnInitDialog() {
    values_.printerPort = rules::kDefaultPrinterPort;
    for (const int id : {ctl::kPrinterName, ctl::kUserId, ctl::kUserPassword, ctl::kConfirmPassword}) {
        Item<EditControl>(id).SetTextLimit(kTextLimit);
    }
    Reload();
    return true;
}

void CSystemPage::EnablePage(bool enable) {
    for (const int id : kEditIds) {
        EnableDlgItem(id, enable);
    }
    for (const int id : kDisplayIds) {
        EnableDlgItem(id, enable);
    }
}

int CSystemPage::ControlFor(rules::ConfigField field) const {
    switch (field) {
        case rules::ConfigField::printerName: return ctl::kPrinterName;
        case rules::ConfigField::printerPort: return ctl::kPrinterPort;
        case rules::ConfigField::userId: return ctl::kUserId;
        case rules::ConfigField::userPassword: return ctl::kUserPassword;
        case rules::ConfigField::confirmPassword: return ctl::kConfirmPassword;
        default: return 0;
    }
}

bool CSystemPage::ReadBack() {
    values_.printerName = GetDlgItemText(ctl::kPrinterName);
    values_.userId = GetDlgItemText(ctl::kUserId);
    values_.userPassword = GetDlgItemText(ctl::kUserPassword);
    values_.confirmPassword = GetDlgItemText(ctl::kConfirmPassword);
    const auto port = rules::ParseUnsignedText(GetDlgItemText(ctl::kPrinterPort));
    if (!port) {
        ComplainAboutNumber(ctl::kPrinterPort);
        return false;
    }
    values_.printerPort = *port;
    firmwareVersion_ = GetDlgItemText(ctl::kFirmwareVersion);
    updateDate_ = GetDlgItemText(ctl::kUpdateDate);
    macAddress_ = GetDlgItemText(ctl::kMacAddress);
    return true;
}

void CSystemPage::Reload() {
    SetDlgItemText(ctl::kPrinterName, values_.printerName);
    SetDlgItemText(ctl::kPrinterPort, std::to_string(values_.printerPort));
    SetDlgItemText(ctl::kUserId, values_.userId);
    SetDlgItemText(ctl::kUserPassword, values_.userPassword);
    SetDlgItemText(ctl::kConfirmPassword, values_.confirmPassword);
    SetDlgItemText(ctl::kFirmwareVersion, firmwareVersion_);
    SetDlgItemText(ctl::kUpdateDate, updateDate_);
    SetDlgItemText(ctl::kMacAddress, macAddress_);
}

void CSystemPage::Load(const InterfaceConfig& config, const IdentificationData& identification) {
    rules::LoadPageValues(config, values_);
    firmwareVersion_ = identification.firmwareVersion;
    updateDate_ = identification.updateDate;
    macAddress_ = MacText(identification.mac);
    Reload();
}

void CSystemPage::ApplyTo(InterfaceConfig& record) const {
    rules::ApplyPageValues(values_, record);
}

void CSystemPage::OnCommand(int controlId, Notification code) {
    if (code != Notification::TextChanged) {
        return;
    }
    if (controlId == ctl::kPrinterName) {
        OnPrinterNameChanged();
    } else if (controlId == ctl::kPrinterPort) {
        OnPrinterPortChanged();
    }
}

void CSystemPage::OnPrinterNameChanged() {
    ReadBack();
}

// 0 to 32767 pass while typing; the reserved ports are refused only on leaving or Update.
void CSystemPage::OnPrinterPortChanged() {
    ReadBack();
    if (const auto correction = rules::CorrectPrinterPort(values_.printerPort)) {
        ShowMessage(correction->failure.messageId);
        values_.printerPort = correction->correctedValue;
        Reload();
    }
}

}  // namespace lanvane
