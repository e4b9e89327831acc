#pragma once

#include "editor/EditorPage.h"
#include "protocol/PageValues.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {

// "Network": network mode, ad hoc channel, the Wi-Fi Direct channel, connection mode and
// PIN, IP assignment and addresses, SSID and inactivity time. Its handlers keep the
// mode-dependent controls consistent with the values.
class CNetworkPage : public EditorPage {
public:
    CNetworkPage(EditorSession& session, Dialog& window);

    void EnablePage(bool enable) override;
    int ControlFor(rules::ConfigField field) const override;

    // Takes network mode, IP assignment, Ad Hoc Channel, SSID, Inactivity Time and PIN Code,
    // in this order; a radio group with none marked reads back as -1. An emptied number
    // field is complained about and ends the read-back there, keeping its value; false then.
    // An Inactivity Time above 3600 is taken and ends the read-back too, without a
    // complaint: the caller's range rule names it.
    bool ReadBack();
    // Shows the values in the radios and fields; the address controls keep their own text.
    void Reload();

    // Takes the printer's record and shows it: the mode, assignment, channel, addresses, SSID
    // and inactivity time, then the Wi-Fi Direct part, then settles the mode.
    void Load(const InterfaceConfig& config);
    // Puts the page's values into the record; a mode or assignment with no radio marked
    // leaves its field as the printer gave it.
    void ApplyTo(InterfaceConfig& record) const;
    // On Disconnect: the Wi-Fi Direct controls go off and the PIN value is emptied.
    void ClearWifiDirect();

    const NetworkPageValues& Values() const { return values_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;

private:
    void OnInfraClicked();
    void OnAdhocClicked();
    void OnWifiDirectClicked();
    void OnDhcpClicked();
    void OnManualClicked();
    void OnSsidChanged();
    void OnInactivityTimeChanged();
    void OnAdhocChannelChanged();
    void OnAddressChanged(int controlId);
    void OnChannelSelected();
    void OnConnectionModeSelected(bool changed);
    void OnPinCodeChanged();

    // The Wi-Fi Direct part: the channel, connection mode and PIN of a version 2 record, or
    // the default PIN for a version 1 record, which carries none.
    void LoadWifiDirect(const InterfaceConfig& config);
    // Settles the loaded network mode: Adhoc and Wi-Fi Direct take manual addresses, and a
    // version 1 printer, which knows no Wi-Fi Direct, gets Adhoc instead.
    void SettleLoadedMode(bool extendedRecord);
    void EnableAddressControls(bool enable);
    void EnableWifiDirectControls(bool enable);

    NetworkPageValues& values_;
};

}  // namespace lanvane
