#pragma once

#include "protocol/InterfaceConfig.h"
#include "resources/StringTable.h"
#include "ui/Dialog.h"

namespace lanvane {

// The read-back of a record just written and acknowledged: one row per setting, in the
// layout that was written (written.version). Read-only; "OK" closes it.
class CConfigSummaryDlg : public Dialog {
public:
    CConfigSummaryDlg(UiBackend& ui, const DialogTemplate& source, const StringTable& strings,
                      const InterfaceConfig& written, Dialog* owner);

protected:
    bool OnInitDialog() override;

private:
    const StringTable& strings_;
    InterfaceConfig written_;
};

}  // namespace lanvane
