#pragma once

#include "resources/DialogTemplate.h"

// The built-in templates, one per file of this folder; reached through DialogTemplates.h.
namespace lanvane::dialogs {

extern const DialogTemplate kMainMenuTemplate;
extern const DialogTemplate kSystemPageTemplate;
extern const DialogTemplate kNetworkSettingTemplate;
extern const DialogTemplate kDeviceListTemplate;
extern const DialogTemplate kSearchTemplate;
extern const DialogTemplate kInterfaceConfigTemplate;
extern const DialogTemplate kProtocolPageTemplate;
extern const DialogTemplate kBssPageTemplate;
extern const DialogTemplate kNetworkPageTemplate;
extern const DialogTemplate kAuthPageTemplate;
extern const DialogTemplate kCertPageTemplate;
extern const DialogTemplate kBssInfoTemplate;
extern const DialogTemplate kSummaryTemplate;

}  // namespace lanvane::dialogs
