#pragma once

#include "editor/EditorPage.h"
#include "protocol/PageValues.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {

// "Authentication": authentication method, cryptograph, EAP method, keys and credentials.
// Which controls are enabled, shown and marked follows the current choices and the network
// mode (RefreshControls). The page keeps its values current from its own handlers; under a
// WEP cryptograph its WEP key is the WEP key field's text.
class CAuthPage : public EditorPage {
public:
    CAuthPage(EditorSession& session, Dialog& window);

    void EnablePage(bool enable) override;
    int ControlFor(rules::ConfigField field) const override;

    // Applies the control matrix: network mode, authentication, cryptograph, EAP method and
    // the password label, in this order.
    void RefreshControls();
    // Shows the values: the authentication radio, the "NONE" and "EAP-PEAP" marks and the
    // four fields; RefreshControls sets the other marks.
    void Reload();
    // Takes the printer's record; Reload shows it.
    void Load(const InterfaceConfig& config);
    // Puts the page's values into the record. Under WEP the key's length names the
    // cryptograph written: WEP64 or WEP128.
    void ApplyTo(InterfaceConfig& record) const;

    const AuthPageValues& Values() const { return values_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;

private:
    void OnAuthenticationClicked(int authentication);
    void OnCryptographClicked(int controlId);
    void OnEapClicked(int eapMode);
    void OnWepKeyChanged();
    void OnCredentialChanged(int controlId);

    void SetCryptograph(int cryptograph);
    void RefreshForNetworkMode();
    void RefreshForAuthentication();
    void RefreshForCryptograph();
    void RefreshEapMarks();
    void RefreshPasswordLabel();
    void ShowWepRow(bool show);
    void ShowPskRow(bool show);
    void ShowEapRows(bool show);
    void MarkOnly(int radioId);
    void AllowWepKey();

    AuthPageValues& values_;
};

}  // namespace lanvane
