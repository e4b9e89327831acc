#include "app/SetupApp.h"

#include "app/LanguageLibraryTable.h"
#include "app/MainMenuDlg.h"

namespace lanvane {

CSetupApp::CSetupApp(std::optional<LanguageId> systemLanguage, LanguageLibraryLoader& loader)
    : systemLanguage_(systemLanguage), loader_(loader) {}

void CSetupApp::InitInstance() {
    if (!systemLanguage_) {
        return;
    }
    const auto library = LanguageLibraryFor(*systemLanguage_);
    if (!library) {
        return;
    }
    const std::string fileName(*library);
    if (const LanguageResources* resources = loader_.Load(fileName)) {
        resources_ = ResourceSet(*resources);
        languageLibrary_ = fileName;
    }
}

int CSetupApp::Run(AppContext& context) const {
    CMainMenuDlg menu(context);
    return menu.DoModal();
}

}  // namespace lanvane
