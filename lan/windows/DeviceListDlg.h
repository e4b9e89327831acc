#pragma once

#include "lan/windows/LanContext.h"
#include "lan/core/LanMode.h"
#include "ui/Dialog.h"

namespace lanvane {

// The device list of one mode: searches on request, shows the devices found, and from
// the selected one opens the network setting dialog, its web page or (WLAN) its BSS list.
class CDeviceListDlg : public Dialog {
public:
    CDeviceListDlg(LanContext& context, LanMode lanMode);

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;

private:
    void InsertColumns();
    void Search();
    void RebuildList();
    void InsertRow(const DeviceRecord& record, int number);
    void DisableActions();
    void OnItemChanged(int row);
    void ApplyFeatureCode(std::intptr_t featureCode);

    void OnSetting();
    void OnBssInfo();
    void OnWebConfig();
    void OnCertificateUpload();
    // Message 33 and the focus back to the list when no device is chosen.
    bool RefuseWithoutDevice();
    void Say(int messageId);
    void FocusList();

    LanContext& context_;
    LanMode lanMode_;
    int currentDevice_ = -1;
};

}  // namespace lanvane
