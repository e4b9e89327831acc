#include "app/AppWindows.h"

#include <chrono>

#include "app/AppContext.h"
#include "editor/EditorContext.h"
#include "editor/InterfaceConfigDlg.h"

namespace lanvane {

void AppWindows::RunEthernetConfiguration(AppContext& /*context*/) {}

void AppWindows::RunWlanConfiguration(AppContext& /*context*/) {}

// The exchanges pause through the dialog layer, so that the headless backend's clock
// moves with them instead of the program sleeping.
void AppWindows::RunSerialUsbConfiguration(AppContext& context) {
    UiBackend& ui = context.ui;
    EditorContext editor{ui, context.resources.Strings(), context.port, context.devices,
                         [&ui](std::chrono::milliseconds pause) { ui.Sleep(static_cast<int>(pause.count())); },
                         &context.resources};
    CInterfaceConfigDlg window(editor);
    window.DoModal();
}

}  // namespace lanvane
