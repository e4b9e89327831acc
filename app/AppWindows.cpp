#include "app/AppWindows.h"

#include <chrono>

#include "app/AppContext.h"
#include "editor/EditorContext.h"
#include "editor/InterfaceConfigDlg.h"
#include "lan/windows/DeviceListDlg.h"
#include "lan/windows/LanContext.h"

namespace lanvane {

namespace {

void RunDeviceList(AppContext& context, LanMode mode) {
    LanRoad& lan = context.lan;
    LanContext lanContext{context.ui,  context.resources.Strings(), lan.lists,     lan.network,
                          lan.timings, lan.surveyTimings,           lan.surveyPort, &context.resources};
    CDeviceListDlg window(lanContext, mode);
    window.DoModal();
}

}  // namespace

void AppWindows::RunEthernetConfiguration(AppContext& context) {
    RunDeviceList(context, LanMode::Ethernet);
}

void AppWindows::RunWlanConfiguration(AppContext& context) {
    RunDeviceList(context, LanMode::Wlan);
}

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
