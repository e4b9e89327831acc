#pragma once

#include <filesystem>
#include <string>

#include "app/LanguageLibraryLoader.h"
#include "app/ProgramDirectory.h"

namespace lanvane {

// Loads language libraries as DLLs with LoadLibraryExW: from the program's own folder
// first, then by the bare file name, so that the system's usual DLL search applies.
class LoadLibraryLanguageLoader final : public LanguageLibraryLoader {
public:
    explicit LoadLibraryLanguageLoader(std::filesystem::path programDirectory = ProgramDirectory());

    const LanguageResources* Load(const std::string& fileName) override;

private:
    std::filesystem::path programDirectory_;
};

}  // namespace lanvane
