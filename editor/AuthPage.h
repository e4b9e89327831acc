#pragma once

#include <string>

#include "editor/EditorPage.h"
#include "rules/PageValues.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {

// "Authentication": authentication method, cryptograph, EAP method, keys and credentials.
// Which controls are enabled, shown and marked follows the current choices and the network
// mode (RefreshControls). The page keeps its values current from its own handlers.
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
    void LoadDecoded(const InterfaceConfig& config);
    // The WEP key field's text as Update checked it: the cryptograph its length names, and
    // the text as the WEP key, in the page and in the working configuration.
    void TakeWepKey(int cryptograph, const std::string& key);

    const rules::AuthPageValues& Values() const { return values_; }
    std::string WepKeyFieldText() const;
    std::string PskKeyFieldText() const;
    std::string AuthIdFieldText() const;
    std::string AuthPasswordFieldText() const;

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

    rules::AuthPageValues values_;
};

}  // namespace lanvane
