#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/LanguageLibraryLoader.h"
#include "app/ProgramDirectory.h"

namespace lanvane {

// Loads language libraries with dlopen: from the program's own folder first (the build
// tree), then from the installed language folder beside the programs' folder
// (bin/../lib/lanvane), then by the bare file name, so that the system's usual library
// search applies.
class DlopenLanguageLoader final : public LanguageLibraryLoader {
public:
    explicit DlopenLanguageLoader(const std::filesystem::path& programDirectory = ProgramDirectory());

    const LanguageResources* Load(const std::string& fileName) override;

private:
    std::vector<std::filesystem::path> folders_;
};

}  // namespace lanvane
