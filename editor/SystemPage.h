#pragma once

#include <string>

#include "editor/EditorPage.h"
#include "protocol/Identification.h"
#include "protocol/InterfaceConfig.h"
#include "protocol/PageValues.h"

namespace lanvane {

// "System & Information": printer name, printing port, user and password of the printer's
// configuration access, and the identification the printer reported.
class CSystemPage : public EditorPage {
public:
    CSystemPage(EditorSession& session, Dialog& window);

    void EnablePage(bool enable) override;
    int ControlFor(rules::ConfigField field) const override;

    // Takes Printer Name, User ID, User Password, Confirm Password, Printer Port Num and the
    // displays, in this order. Port text that is no number is complained about and ends the
    // read-back there, the port keeping its value; false then.
    bool ReadBack();
    // Shows the values in the controls.
    void Reload();
    // Takes the printer's record and identification reply, and shows them.
    void Load(const InterfaceConfig& config, const IdentificationData& identification);
    // Puts Printer Name, User ID, User Password and Printer Port Num into the record.
    void ApplyTo(InterfaceConfig& record) const;

    const SystemPageValues& Values() const { return values_; }

protected:
    bool OnInitDialog() override;
    void OnCommand(int controlId, Notification code) override;

private:
    void OnPrinterNameChanged();
    void OnPrinterPortChanged();

    SystemPageValues& values_;
    std::string firmwareVersion_;
    std::string updateDate_;
    std::string macAddress_;
};

}  // namespace lanvane
