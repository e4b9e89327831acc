#pragma once

#include <cstdint>
#include <string_view>

#include "editor/EditorSession.h"
#include "rules/ConfigField.h"
#include "resources/StringTable.h"
#include "ui/Dialog.h"

namespace lanvane {

// One page of the configuration window's tab control: a child dialog laid over the tab
// control, reaching the window's working values and exchange buffers through the session.
class EditorPage : public Dialog {
public:
    EditorPage(EditorSession& session, Dialog& window, int templateId);

    // Enables or disables the page's input controls: true once a printer is connected and
    // read, false on Disconnect.
    virtual void EnablePage(bool enable) = 0;
    // The control that edits `field`, or 0 when the field is not on this page.
    virtual int ControlFor(rules::ConfigField /*field*/) const { return 0; }

protected:
    EditorSession& Session() { return session_; }
    ConfigPageValues& PageValues() { return session_.values; }
    const ConfigPageValues& PageValues() const { return session_.values; }
    const StringTable& Strings() const { return session_.context.strings; }
    void ShowMessage(int messageId);
    void ShowMessageText(std::string_view text);
    // The complaint of a read-back that met a number field it cannot read: the message,
    // then the focus on the field.
    void ComplainAboutNumber(int controlId);

private:
    EditorSession& session_;
};

}  // namespace lanvane
