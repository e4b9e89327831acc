#pragma once

#include "lan/core/DeviceRecord.h"
#include "lan/windows/LanContext.h"
#include "lan/core/LanMode.h"
#include "lan/core/LanSetting.h"
#include "lan/core/NetworkSettingRules.h"
#include "ui/Dialog.h"

#include <string>

namespace lanvane {

// Edits the network settings of one device of the mode's list in place, broadcasts them in
// the set datagram and waits for the printer's confirmation. "OK" means a datagram went out
// and was confirmed or timed out; the opener then searches again.
class CNetworkSettingDlg : public Dialog {
public:
    static constexpr int kReplyTimer = 100;

    CNetworkSettingDlg(LanContext& context, LanMode lanMode, int deviceNumber);

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    void OnTimer(int timerId) override;
    void OnSocketReadable(int token) override;
    void OnOk() override;
    void OnDestroy() override;

private:
    bool TakeRecord();
    void FillBaudRates();
    void LoadRecord(const DeviceRecord& record);
    void ApplyDhcpRule();
    void OnDhcpClicked();
    void OnLocalPortChanged();
    void OnInactivityChanged();
    // Reads the two number fields; false (and the members unchanged) when one holds no
    // number. An empty field is left silently: the user is still typing.
    bool ReadMembers();
    void ShowMembers();
    NetworkSettingValues ValuesFromControls() const;
    void Refuse(SaveOutcome outcome);
    // The message of a broken address rule, and the focus on the address control at fault.
    void RefuseAddress(const rules::RuleFailure& failure);
    void SendSetting();
    void SetWaiting(bool waiting);
    void Finish(int messageId);
    DeviceRecord& Record() const;
    void Say(int messageId);

    LanContext& context_;
    LanMode lanMode_;
    int deviceNumber_;
    int done_ = 0;
    int waiting_ = 0;
    DeviceRecord* ethernetRecord_ = nullptr;
    WlanDeviceRecord* wlanRecord_ = nullptr;
    long inactivity_ = 0;
    long localPort_ = 0;
    std::string firmwareText_;
    int dhcp_ = 0;
    LanSetting setting_;
};

}  // namespace lanvane
