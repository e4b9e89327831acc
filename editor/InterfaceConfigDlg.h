#pragma once

#include <optional>
#include <string>
#include <vector>

#include "editor/ConfigTabCtrl.h"
#include "editor/EditorContext.h"
#include "editor/EditorSession.h"
#include "link/UsbDeviceList.h"
#include "protocol/Identification.h"
#include "protocol/InterfaceConfig.h"
#include "protocol/PrinterConfigReader.h"
#include "ui/Dialog.h"

namespace lanvane {

// The Serial/USB configuration window: chooses the printer's device, connects (identifies
// the printer and reads its interface configuration), shows the configuration on six
// tabbed pages, writes it back on Update and then shows what was written. It owns the
// session (the pages' values and the exchange buffers); it opens and closes the context's
// port.
//
//     CInterfaceConfigDlg window(context);
//     window.DoModal();
class CInterfaceConfigDlg : public Dialog {
public:
    explicit CInterfaceConfigDlg(EditorContext& context);

    const ConfigPageValues& PageValues() const { return session_.values; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;
    void OnDestroy() override;

private:
    enum class PortKind { Serial, Usb };

    void OnUsb();
    void OnSerial();
    void OnConnect();
    void OnDisconnect();
    void OnUpdate();

    void FillPortList(const std::vector<std::string>& names);
    void ReadControls();
    void ShowMembers();
    std::optional<std::string> ChosenDevicePath() const;
    // Keeps what the connect read and loads the record into the pages.
    void TakePrinter(const ConfigReadResult& printer);
    void LoadRecord(const InterfaceConfig& config);
    void ShowConnected();
    bool ReadBackPages();
    InterfaceConfig BuildRecord();
    bool WritePrinterConfig(const InterfaceConfig& config);
    void ShowSummary(const InterfaceConfig& written);
    void EnableCommands(bool connected);

    EditorContext& context_;
    EditorSession session_;
    CConfigTabCtrl tabs_;
    PortKind portKind_ = PortKind::Usb;
    std::vector<UsbDeviceEntry> usbDevices_;
    IdentificationData identification_;
    InterfaceConfig printerRecord_;  // as last read: what no page changes goes back as it was
};

}  // namespace lanvane
