#include "editor/InterfaceConfigDlg.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

#include "editor/ConfigMessages.h"
#include "editor/ConfigSummaryDlg.h"
#include "rules/ConfigPage.h"
#include "rules/ValueCodes.h"
#include "link/InterruptRelease.h"
#include "protocol/PrinterConfigReader.h"
#include "protocol/PrinterConfigWriter.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "ui/ComboBox.h"
#include "ui/WaitCursor.h"

namespace lanvane {

namespace {

// Only our printers' USB interface is offered.
constexpr std::string_view kPrinterProductId = "002B";

// The record's one-byte fields take the pages' values as they stand.
std::uint8_t Byte(int value) {
    return static_cast<std::uint8_t>(value);
}

}  // namespace

CInterfaceConfigDlg::CInterfaceConfigDlg(EditorContext& context)
    : Dialog(context.ui, EditorTemplate(context, dlg::kInterfaceConfig)),
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
    session_.working.extendedRecord = false;
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

void CInterfaceConfigDlg::OnUsb() {
    portKind_ = kUsbPort;
    usbDevices_ = context_.devices.UsbDevices();
    std::erase_if(usbDevices_, [](const UsbDeviceEntry& entry) { return entry.productId != kPrinterProductId; });
    std::vector<std::string> names;
    for (const UsbDeviceEntry& entry : usbDevices_) {
        names.push_back(entry.displayName);
    }
    FillPortList(names);
    if (names.empty()) {
        ShowMessage(*this, context_.strings, sid::kNoUsbDevice);
        return;
    }
    ShowMembers();
}

void CInterfaceConfigDlg::OnSerial() {
    portKind_ = kSerialPort;
    FillPortList(context_.devices.ComPortNames());
    ShowMembers();
}

// A choice that names no device opens nothing: the port is never opened under an old or
// a guessed name.
void CInterfaceConfigDlg::OnConnect() {
    ReadControls();
    session_.connected = false;
    context_.port.SetUsbDevice(portKind_ == kUsbPort);
    const auto devicePath = ChosenDevicePath();
    if (!devicePath) {
        ShowMessage(*this, context_.strings, portKind_ == kUsbPort ? sid::kNoUsbDevice : sid::kPortOpenFailed);
        return;
    }
    context_.port.SetPortName(*devicePath);
    if (!context_.port.Open()) {
        ShowMessage(*this, context_.strings, sid::kPortOpenFailed);
        return;
    }
    if (!ReadPrinterConfig()) {
        context_.port.Close();
        ShowMessage(*this, context_.strings, sid::kConnectFailed);
        return;
    }
    ShowConnected();
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

// Nothing is written unless every check passes; the connection stays open either way.
void CInterfaceConfigDlg::OnUpdate() {
    if (!ReadBackPages() || !tabs_.ValidateForUpdate()) {
        return;
    }
    CAuthPage& auth = tabs_.AuthPage();
    session_.working.pskKey = auth.PskKeyFieldText();
    session_.working.authId = auth.AuthIdFieldText();
    session_.working.authPassword = auth.AuthPasswordFieldText();
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
        portKind_ = kSerialPort;
    } else if (IsDlgButtonChecked(ctl::kUsbRadio)) {
        portKind_ = kUsbPort;
    }
}

void CInterfaceConfigDlg::ShowMembers() {
    CheckRadioButton(ctl::kSerialRadio, ctl::kUsbRadio,
                     portKind_ == kSerialPort ? ctl::kSerialRadio : ctl::kUsbRadio);
}

// The device of the Port list's choice: a listed USB printer by its exact name, or a
// serial port by its name. Nothing for an empty list or a name the list does not hold.
std::optional<std::string> CInterfaceConfigDlg::ChosenDevicePath() const {
    const std::string chosen = GetDlgItemText(ctl::kPortList);
    if (chosen.empty()) {
        return std::nullopt;
    }
    if (portKind_ == kSerialPort) {
        return context_.devices.SerialPortPath(chosen);
    }
    const auto found = std::find_if(usbDevices_.begin(), usbDevices_.end(),
                                    [&chosen](const UsbDeviceEntry& entry) { return entry.displayName == chosen; });
    if (found == usbDevices_.end()) {
        return std::nullopt;
    }
    return found->devicePath;
}

// Identifies the printer, fetches its identification and its record, and loads the record
// into the pages. Only the maker-name mismatch is reported here; the caller reports the rest.
bool CInterfaceConfigDlg::ReadPrinterConfig() {
    ConfigReadResult result;
    {
        WaitCursor wait(Ui());
        const InterruptNotice notice(interrupted::kReadingRecord);
        result = lanvane::ReadPrinterConfig(context_.port, session_.buffers, session_.pause);
    }
    if (result.outcome == ReadOutcome::MakerNameMismatch) {
        ShowWarning(*this, context_.strings, sid::kMakerNameMismatch);
        return false;
    }
    if (result.outcome != ReadOutcome::Ok) {
        return false;
    }
    identification_ = result.identification;
    session_.working.extendedRecord = result.config.version == 2;
    LoadRecord(result.config);
    return true;
}

// Every page shows what it loaded at once, so the read-backs of the later steps take the
// record's values and not what the fields showed before.
void CInterfaceConfigDlg::LoadRecord(const InterfaceConfig& config) {
    TakeWorkingValues(config);
    tabs_.SystemPage().LoadDecoded(config, identification_);
    tabs_.NetworkPage().LoadDecoded(config);
    tabs_.AuthPage().LoadDecoded(config);
    tabs_.NetworkPage().LoadWifiDirect(config);
    tabs_.ProtocolPage().LoadDecoded(config);
    tabs_.NetworkPage().SettleLoadedMode(config.version == 2);
}

void CInterfaceConfigDlg::TakeWorkingValues(const InterfaceConfig& config) {
    WorkingConfig& working = session_.working;
    working.printerName = config.printerName;
    working.networkMode = config.networkMode;
    working.ipAssignment = config.dhcp == 0 ? rules::ip_assignment_code::kManual
                                            : rules::ip_assignment_code::kAutomatic;
    working.ipAddress = config.ipAddress;
    working.subnetMask = config.subnetMask;
    working.gateway = config.gateway;
    working.ssid = config.ssid;
    working.inactivityTime = config.inactivityTime;
    working.authentication = config.authentication;
    working.cryptograph = config.cryptograph;
    working.wepKey = config.wepKey;
    working.pskKey = config.pskKey;
    working.authId = config.authId;
    working.authPassword = config.authPassword;
}

// The Network page's mirrored values are taken last, once its mode has settled, so that
// Update writes what the page shows.
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
    tabs_.NetworkPage().MirrorIntoWorkingConfig();
}

// A page that complains about a field ends the command there.
bool CInterfaceConfigDlg::ReadBackPages() {
    if (!tabs_.SystemPage().ReadBack()) {
        return false;
    }
    tabs_.ProtocolPage().ReadBack();
    return tabs_.NetworkPage().ReadBack();
}

InterfaceConfig CInterfaceConfigDlg::BuildRecord() {
    const WorkingConfig& working = session_.working;
    const rules::SystemPageValues& system = tabs_.SystemPage().Values();
    const rules::ProtocolPageValues& protocol = tabs_.ProtocolPage().Values();
    const rules::NetworkPageValues& network = tabs_.NetworkPage().Values();
    const rules::AuthPageValues& auth = tabs_.AuthPage().Values();

    InterfaceConfig record;
    record.version = working.extendedRecord ? 2 : 1;
    record.printerName = working.printerName;
    record.networkMode = Byte(working.networkMode);
    record.dhcp = working.ipAssignment == rules::ip_assignment_code::kAutomatic ? 1 : 0;
    record.ipAddress = working.ipAddress;
    record.subnetMask = working.subnetMask;
    record.gateway = working.gateway;
    record.ssid = working.ssid;
    record.inactivityTime = static_cast<std::uint16_t>(working.inactivityTime);
    record.authentication = Byte(working.authentication);
    record.cryptograph = Byte(working.cryptograph);
    record.wepKey = working.wepKey;
    record.pskKey = working.pskKey;
    record.authId = working.authId;
    record.authPassword = working.authPassword;
    record.userId = system.userId;
    record.userPassword = system.userPassword;
    record.printerPort = static_cast<std::uint16_t>(system.printerPort);
    record.https = Byte(protocol.https);
    record.telnet = Byte(protocol.telnet);
    record.ftp = Byte(protocol.ftp);
    record.snmp = Byte(protocol.snmp);
    record.getCommunity = protocol.getCommunity;
    record.setCommunity = protocol.setCommunity;
    record.trapCommunity = protocol.trapCommunity;
    record.trapIpAddress = protocol.trapIpAddress;
    record.adhocChannel = static_cast<std::uint8_t>(network.adhocChannel);
    record.p2pConnMode = Byte(network.p2pConnMode);
    record.p2pChannel = network.p2pChannel;
    record.p2pPinCode = network.p2pPinCode;
    record.eapMode = Byte(auth.eapMode);
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
    EncodeConfigRecord(written, bytes.data());
    CConfigSummaryDlg summary(Ui(), EditorTemplate(context_, dlg::kConfigSummary), context_.strings,
                              DecodeRecordBytes(bytes.data(), written.version), this);
    summary.DoModal();
}

void CInterfaceConfigDlg::EnableCommands(bool connected) {
    EnableDlgItem(ctl::kConnectButton, !connected);
    EnableDlgItem(ctl::kDisconnectButton, connected);
    EnableDlgItem(ctl::kUpdateButton, connected);
}

}  // namespace lanvane
