#include "lan/windows/DeviceListDlg.h"

#include "protocol/AddressText.h"
#include "lan/windows/BssInfoDlg.h"
#include "lan/core/DeviceRowTexts.h"
#include "lan/core/FeatureCodes.h"
#include "ui/ProgramMessages.h"
#include "lan/windows/NetworkSettingDlg.h"
#include "lan/windows/SearchDlg.h"
#include "resources/ListColumns.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ListView.h"

#include <charconv>

namespace lanvane {
namespace {

constexpr std::uint32_t kSelectedAndFocused = item_state::kSelected | item_state::kFocused;

// The leading decimal number of a cell, 0 when there is none.
int NumberIn(const std::string& text) {
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

}  // namespace

CDeviceListDlg::CDeviceListDlg(LanContext& context, LanMode lanMode)
    : Dialog(context.ui, DialogTemplateIn(context.resources, dlg::kDeviceList)), context_(context), lanMode_(lanMode) {}

bool CDeviceListDlg::OnInitDialog() {
    currentDevice_ = -1;
    InsertColumns();
    if (lanMode_ == LanMode::Wlan) {
        ShowDlgItem(ctl::kBssInfoButton, true);
    } else {
        ShowDlgItem(ctl::kSettingButton, true);
        ShowDlgItem(ctl::kCertificateUploadButton, false);
        ShowDlgItem(ctl::kBssInfoButton, false);
        EnableDlgItem(ctl::kBssInfoButton, false);
    }
    return true;
}

void CDeviceListDlg::InsertColumns() {
    auto& list = Item<ListView>(ctl::kDeviceListView);
    list.SetGridLines(true);
    list.SetFullRowSelect(true);
    int index = 0;
    for (const ListColumnTemplate& column : columns::kDeviceList) {
        list.InsertColumn(index++, context_.strings.Text(column.headerId), column.width, ColumnAlign::Center);
    }
}

void CDeviceListDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) {
        return;
    }
    switch (controlId) {
    case ctl::kSearchButton:
        Search();
        break;
    case ctl::kSettingButton:
        OnSetting();
        break;
    case ctl::kBssInfoButton:
        OnBssInfo();
        break;
    case ctl::kWebConfigButton:
        OnWebConfig();
        break;
    case ctl::kCertificateUploadButton:
        OnCertificateUpload();
        break;
    default:
        break;
    }
}

bool CDeviceListDlg::OnNotify(int controlId, const NotifyMessage& message) {
    if (controlId == ctl::kDeviceListView && message.code == NotifyCode::ListItemChanged) {
        OnItemChanged(message.item);
    }
    return false;
}

void CDeviceListDlg::Search() {
    CSearchDlg search(context_, lanMode_);
    search.DoModal();
    RebuildList();
}

void CDeviceListDlg::RebuildList() {
    auto& list = Item<ListView>(ctl::kDeviceListView);
    list.DeleteAllItems();
    currentDevice_ = -1;
    for (int number = 1; const DeviceRecord* record = context_.lists.Nth(lanMode_, number); ++number) {
        InsertRow(*record, number);
    }
    if (list.GetItemCount() == 0) {
        DisableActions();
        return;
    }
    // Selecting the first row raises the item-changed notification that picks it.
    list.SetItemState(0, kSelectedAndFocused, kSelectedAndFocused);
    FocusList();
}

void CDeviceListDlg::InsertRow(const DeviceRecord& record, int number) {
    auto& list = Item<ListView>(ctl::kDeviceListView);
    const DeviceRow cells = DeviceRowTexts(record, number, context_.strings);
    const int row = list.InsertItem(number - 1, cells[0]);
    if (lanMode_ == LanMode::Wlan) {
        list.SetItemData(row, context_.lists.Wlan().Nth(number)->featureCode);
    }
    for (std::size_t column = 1; column < cells.size(); ++column) {
        list.SetItemText(row, static_cast<int>(column), cells[column]);
    }
}

void CDeviceListDlg::DisableActions() {
    EnableDlgItem(ctl::kSettingButton, false);
    EnableDlgItem(ctl::kWebConfigButton, false);
    if (lanMode_ == LanMode::Wlan) {
        EnableDlgItem(ctl::kCertificateUploadButton, false);
        EnableDlgItem(ctl::kBssInfoButton, false);
    }
}

// Every state change names its row, the one that lost the selection too; so clicking an
// empty area keeps the device that was chosen.
void CDeviceListDlg::OnItemChanged(int row) {
    const auto& list = Item<ListView>(ctl::kDeviceListView);
    currentDevice_ = NumberIn(list.GetItemText(row, 0));
    if (lanMode_ == LanMode::Ethernet) {
        EnableDlgItem(ctl::kSettingButton, true);
        EnableDlgItem(ctl::kWebConfigButton, true);
    } else {
        ApplyFeatureCode(list.GetItemData(row));
    }
}

void CDeviceListDlg::ApplyFeatureCode(std::intptr_t featureCode) {
    if (featureCode < 0 || featureCode > 0xFF) {
        return;
    }
    const auto buttons = FeatureButtonsFor(static_cast<std::uint8_t>(featureCode));
    if (!buttons) {
        return;
    }
    EnableDlgItem(ctl::kSettingButton, buttons->setting);
    EnableDlgItem(ctl::kBssInfoButton, buttons->bssInfo);
    EnableDlgItem(ctl::kCertificateUploadButton, buttons->certificateUpload);
    EnableDlgItem(ctl::kWebConfigButton, buttons->webConfig);
}

void CDeviceListDlg::OnSetting() {
    if (RefuseWithoutDevice()) {
        return;
    }
    CNetworkSettingDlg setting(context_, lanMode_, currentDevice_);
    if (setting.DoModal() != kIdOk) {
        FocusList();
        return;
    }
    // The printer takes its new settings before it answers a search again; the window
    // takes no input meanwhile.
    context_.ui.Sleep(static_cast<int>(context_.timings.SettleWait(lanMode_).count()));
    Search();
}

void CDeviceListDlg::OnBssInfo() {
    if (RefuseWithoutDevice() || lanMode_ == LanMode::Ethernet) {
        return;
    }
    const WlanDeviceRecord* record = context_.lists.Wlan().Nth(currentDevice_);
    if (record == nullptr) {
        Say(sid::kSearchDeviceAgain);
        return;
    }
    CBssInfoDlg bss(context_, AddressText(record->ip));
    bss.DoModal();
    FocusList();
}

void CDeviceListDlg::OnWebConfig() {
    if (RefuseWithoutDevice()) {
        return;
    }
    const DeviceRecord* record = context_.lists.Nth(lanMode_, currentDevice_);
    if (record == nullptr) {
        Say(sid::kSearchDeviceAgain);
        FocusList();
        return;
    }
    context_.ui.OpenUrl(WebPageUrl(*record));
}

// Certificates travel only over the printer channel, so the button points the user there.
void CDeviceListDlg::OnCertificateUpload() {
    Say(sid::kCertificatesOverSerialUsb);
}

bool CDeviceListDlg::RefuseWithoutDevice() {
    if (currentDevice_ >= 0) {
        return false;
    }
    Say(sid::kSelectDevice);
    FocusList();
    return true;
}

void CDeviceListDlg::Say(int messageId) {
    ShowMessage(*this, context_.strings, messageId);
}

void CDeviceListDlg::FocusList() {
    SetFocus(ctl::kDeviceListView);
}

}  // namespace lanvane
