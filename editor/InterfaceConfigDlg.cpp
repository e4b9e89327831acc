#include "editor/InterfaceConfigDlg.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "connect/PrinterConnect.h"
#include "editor/ConfigSummaryDlg.h"
#include "rules/ConfigPage.h"
#include "rules/ValueCodes.h"
#include "link/InterruptRelease.h"
#include "protocol/PrinterConfigWriter.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/ProgramMessages.h"
#include "ui/WaitCursor.h"

namespace lanvane {

CInterfaceConfigDlg::CInterfaceConfigDlg(EditorContext& context)
    : Dialog(context.ui, DialogTemplateIn(context.resources, dlg::kInterfaceConfig)),
      context_(context),
      session_(context),
      tabs_(session_, *this) {}

bool CInterfaceConfigDlg::OnInitDialog() {
    FillPortList(context_.devices.ComPortNames());
    EnableDlgItem(ctl::kSerialRadio, false);
    EnableDlgItem(ctl::kUsbRadio, true);
    EnableDlgItem(ctl::kPortList, true);
    OnUsb();
    tabs_.CreatePages();
    tabs_.InsertTabs();
    tabs_.ShowCurrentPage();
    session_.connected = false;
    session_.values.extendedRecord = false;
    return true;
}

void CInterfaceConfigDlg::OnCommand(int controlId, Notification code) {
    if (code != Notification::Clicked) {
        return;
    }
    switch (controlId) {
        case ctl::kUsbRadio: OnUsb(); break;
        case ctl::kSerialRadio: OnSerial(); break;
        case ctl::kConnectButton: OnConnect(); break;
        case ctl::kDisconnectButton: OnDisconnect(); break;
        case ctl::kUpdateButton: OnUpdate(); break;
        default: break;
    }
}

bool CInterfaceConfigDlg::OnNotify(int controlId, const NotifyMessage& message) {
    if (controlId == ctl::kConfigTab) {
        if (message.code == NotifyCode::TabSelChanging) {
            tabs_.OnSelChanging();
        } else if (message.code == NotifyCode::TabSelChange) {
            tabs_.OnSelChange();
        }
    }
    return false;
}

void CInterfaceConfigDlg::OnDestroy() {
    if (session_.connected) {
        context_.port.Close();
        session_.connected = false;
    }
}

// USB is marked also when no printer is listed: it is the kind the window works with.
void CInterfaceConfigDlg::OnUsb() {
    portKind_ = PortKind::Usb;
    ShowMembers();
    usbDevices_ = context_.devices.UsbDevices();
    std::erase_if(usbDevices_, [](const UsbDeviceEntry& entry) { return entry.productId != kPrinterProductId; });
    std::vector<std::string> names;
    for (const UsbDeviceEntry& entry : usbDevices_) {
        names.push_back(entry.displayName);
    }
    FillPortList(names);
    if (names.empty()) {
        ShowMessage(*this, context_.strings, sid::kNoUsbDevice);
    }
}

void CInterfaceConfigDlg::OnSerial() {
    portKind_ = PortKind::Serial;
    FillPortList(context_.devices.ComPortNames());
    ShowMembers();
}

void CInterfaceConfigDlg::OnConnect() {
    ReadControls();
    session_.connected = false;
    const bool usbDevice = portKind_ == PortKind::Usb;
    const InterruptNotice notice(interrupted::kReadingRecord);
    const PrinterConnection connection =
        ConnectPrinter(context_.port, usbDevice, ChosenDevicePath(), session_.buffers, session_.pause,
                       [this](bool reading) { reading ? Ui().BeginWaitCursor() : Ui().EndWaitCursor(); });
    switch (connection.outcome) {
        case ConnectOutcome::Connected:
            TakePrinter(connection.printer);
            ShowConnected();
            return;
        case ConnectOutcome::MakerNameMismatch:
            ShowWarning(*this, context_.strings, sid::kMakerNameMismatch);
            [[fallthrough]];
        case ConnectOutcome::ReadFailed:
            context_.port.Close();
            break;
        default: break;
    }
    ShowMessage(*this, context_.strings, ConnectFailureMessage(connection.outcome, usbDevice));
}

void CInterfaceConfigDlg::OnDisconnect() {
    context_.port.Close();
    session_.connected = false;
    EnableCommands(false);
    EnableDlgItem(ctl::kConfigTab, false);
    for (int index = 0; index < CConfigTabCtrl::kPageCount; ++index) {
        tabs_.PageAt(index).EnablePage(false);
    }
    tabs_.NetworkPage().ClearWifiDirect();
}

// The pages read their controls back, the checks judge the values, the pages write them into
// the record. Nothing is written unless every check passes; the connection stays open either
// way.
void CInterfaceConfigDlg::OnUpdate() {
    if (!ReadBackPages() || !tabs_.ValidateForUpdate()) {
        return;
    }
    const InterfaceConfig record = BuildRecord();
    if (!WritePrinterConfig(record)) {
        ShowMessage(*this, context_.strings, sid::kConfigWriteFailed);
        return;
    }
    ShowMessage(*this, context_.strings, sid::kConfigWriteCompleted);
    ShowSummary(record);
}

void CInterfaceConfigDlg::FillPortList(const std::vector<std::string>& names) {
    auto& list = Item<ComboBox>(ctl::kPortList);
    list.ResetContent();
    for (const std::string& name : names) {
        list.AddString(name);
    }
    list.SetCurSel(0);
}

void CInterfaceConfigDlg::ReadControls() {
    if (IsDlgButtonChecked(ctl::kSerialRadio)) {
        portKind_ = PortKind::Serial;
    } else if (IsDlgButtonChecked(ctl::kUsbRadio)) {
        portKind_ = PortKind::Usb;
    }
}

void CInterfaceConfigDlg::ShowMembers() {
    CheckRadioButton(ctl::kSerialRadio, ctl::kUsbRadio,
                     portKind_ == PortKind::Serial ? ctl::kSerialRadio : ctl::kUsbRadio);
}

// The device of the Port list's choice: a listed USB printer by its exact name, or a
// serial port by its name. Nothing for an empty list or a name the list does not hold.
std::optional<std::string> CInterfaceConfigDlg::ChosenDevicePath() const {
    const std::string chosen = GetDlgItemText(ctl::kPortList);
    if (chosen.empty()) {
        return std::nullopt;
    }
    if (portKind_ == PortKind::Serial) {
        return context_.devices.SerialPortPath(chosen);
    }
    const auto found = std::find_if(usbDevices_.begin(), usbDevices_.end(),
                                    [&chosen](const UsbDeviceEntry& entry) { return entry.displayName == chosen; });
    if (found == usbDevices_.end()) {
        return std::nullopt;
    }
    return found->devicePath;
}

void CInterfaceConfigDlg::TakePrinter(const ConfigReadResult& printer) {
    identification_ = printer.identification;
    printerRecord_ = printer.config;
    session_.values.extendedRecord = printer.config.version == 2;
    LoadRecord(printer.config);
}

// Every page shows what it loaded at once, so the read-backs of the later steps take the
// record's values and not what the fields showed before.
void CInterfaceConfigDlg::LoadRecord(const InterfaceConfig& config) {
    tabs_.SystemPage().Load(config, identification_);
    tabs_.NetworkPage().Load(config);
    tabs_.AuthPage().Load(config);
    tabs_.ProtocolPage().Load(config);
}

void CInterfaceConfigDlg::ShowConnected() {
    ShowMessage(*this, context_.strings, sid::kConnected);
    EnableDlgItem(ctl::kConfigTab, true);
    EnableCommands(true);
    for (int index = 0; index <= static_cast<int>(rules::ConfigPage::authentication); ++index) {
        tabs_.PageAt(index).EnablePage(true);
    }
    tabs_.AuthPage().RefreshControls();
    tabs_.CertPage().EnablePage(true);
    session_.connected = true;
    tabs_.SystemPage().Reload();
    tabs_.ProtocolPage().Reload();
    tabs_.NetworkPage().Reload();
    tabs_.AuthPage().Reload();
}

// A page that complains about a field ends the command there.
bool CInterfaceConfigDlg::ReadBackPages() {
    if (!tabs_.SystemPage().ReadBack()) {
        return false;
    }
    tabs_.ProtocolPage().ReadBack();
    return tabs_.NetworkPage().ReadBack();
}

// The record as read, with every page's values put in: a field no page changed goes back as
// the printer gave it.
InterfaceConfig CInterfaceConfigDlg::BuildRecord() {
    InterfaceConfig record = printerRecord_;
    record.version = session_.values.extendedRecord ? 2 : 1;
    tabs_.SystemPage().ApplyTo(record);
    tabs_.ProtocolPage().ApplyTo(record);
    tabs_.NetworkPage().ApplyTo(record);
    tabs_.AuthPage().ApplyTo(record);
    return record;
}

bool CInterfaceConfigDlg::WritePrinterConfig(const InterfaceConfig& config) {
    WaitCursor wait(Ui());
    const InterruptNotice notice(interrupted::kWritingRecord);
    return lanvane::WritePrinterConfig(context_.port, session_.buffers, config) == WriteOutcome::Ok;
}

// The summary lists the record as its bytes went out: texts cut to their fields.
void CInterfaceConfigDlg::ShowSummary(const InterfaceConfig& written) {
    std::array<std::uint8_t, kRecordSizeV2> bytes{};
    EncodeConfigRecord(written, bytes);
    CConfigSummaryDlg summary(Ui(), DialogTemplateIn(context_.resources, dlg::kConfigSummary), context_.strings,
                              DecodeRecordBytes(bytes, written.version), this);
    summary.DoModal();
}

void CInterfaceConfigDlg::EnableCommands(bool connected) {
    EnableDlgItem(ctl::kConnectButton, !connected);
    EnableDlgItem(ctl::kDisconnectButton, connected);
    EnableDlgItem(ctl::kUpdateButton, connected);
}

}  // namespace lanvane
