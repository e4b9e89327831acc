#pragma once

#include <optional>
#include <string>

#include "app/AppContext.h"
#include "app/LanguageId.h"
#include "app/LanguageLibraryLoader.h"
#include "resources/ResourceSet.h"

namespace lanvane {

// The application: chooses the language resources at start-up and runs the main menu,
// whose end is the end of the program.
class CSetupApp {
public:
    // systemLanguage: the system default language id, nothing when it is unknown.
    CSetupApp(std::optional<LanguageId> systemLanguage, LanguageLibraryLoader& loader);

    // Start-up: loads the language library that the system language names and takes its
    // resources. A missing or unloadable library is ignored silently: English stays.
    void InitInstance();

    const ResourceSet& Resources() const { return resources_; }
    // The file name of the library in use, empty while the built-in resources are.
    const std::string& LanguageLibrary() const { return languageLibrary_; }

    // Runs the main menu modally until it closes; returns its result.
    int Run(AppContext& context) const;

private:
    std::optional<LanguageId> systemLanguage_;
    LanguageLibraryLoader& loader_;
    ResourceSet resources_;
    std::string languageLibrary_;
};

}  // namespace lanvane
