#pragma once

#include <filesystem>
#include <string>

#include "app/LanguageLibraryLoader.h"
#include "app/ProgramDirectory.h"

namespace lanvane {

// Loads language libraries as DLLs with LoadLibraryExW from the program's own folder, and
// the DLLs they need from there and the system's folder alone; never from the current
// folder or the PATH.
class LoadLibraryLanguageLoader final : public LanguageLibraryLoader {
public:
    explicit LoadLibraryLanguageLoader(std::filesystem::path programDirectory = ProgramDirectory());

    const LanguageResources* Load(const std::string& fileName) override;

private:
    std::filesystem::path programDirectory_;
};

}  // namespace lanvane
