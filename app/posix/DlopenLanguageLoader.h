#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "app/LanguageLibraryLoader.h"
#include "app/ProgramDirectory.h"

namespace lanvane {

// Loads language libraries with dlopen: from the program's own folder first (the build
// tree), then from the installed language folder beside the programs' folder
// (bin/../lib/lanvane), and from nowhere else, so that every file is checked before it is
// mapped: a damaged one is passed over and said so in Problems().
class DlopenLanguageLoader final : public LanguageLibraryLoader {
public:
    explicit DlopenLanguageLoader(const std::filesystem::path& programDirectory = ProgramDirectory());

    const LanguageResources* Load(const std::string& fileName) override;

    // One sentence for each damaged library passed over ("the language library ... is
    // damaged (it is cut short) and is not loaded").
    const std::vector<std::string>& Problems() const { return problems_; }

private:
    void* Open(const std::filesystem::path& path);

    std::vector<std::filesystem::path> folders_;
    std::vector<std::string> problems_;
};

}  // namespace lanvane
