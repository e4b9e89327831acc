#pragma once

#include "editor/EditorPage.h"
#include "protocol/PageValues.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {

// "Protocol": the HTTPS, TELNET, FTP and SNMP switches, the SNMP communities and the trap
// destination.
class CProtocolPage : public EditorPage {
public:
    CProtocolPage(EditorSession& session, Dialog& window);

    void EnablePage(bool enable) override;
    int ControlFor(rules::ConfigField field) const override;

    // Takes the four list selections and the three communities (the trap address is taken
    // as it changes).
    void ReadBack();
    void Reload();
    // Takes the printer's record and shows it, the trap address included.
    void Load(const InterfaceConfig& config);
    // Puts the four switches (those with an entry selected), the communities and the trap
    // address into the record.
    void ApplyTo(InterfaceConfig& record) const;

    const ProtocolPageValues& Values() const { return values_; }

protected:
    bool OnInitDialog() override;
    bool OnNotify(int controlId, const NotifyMessage& message) override;

private:
    ProtocolPageValues& values_;
};

}  // namespace lanvane
