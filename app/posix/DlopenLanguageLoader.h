#pragma once

#include <filesystem>
#include <string>

#include "app/LanguageLibraryLoader.h"
#include "app/posix/ProgramDirectory.h"

namespace lanvane {

// Loads language libraries with dlopen: from the program's own folder first, then by the
// bare file name, so that the system's usual library search applies.
class DlopenLanguageLoader final : public LanguageLibraryLoader {
public:
    explicit DlopenLanguageLoader(std::filesystem::path programDirectory = ProgramDirectory());

    const LanguageResources* Load(const std::string& fileName) override;

private:
    std::filesystem::path programDirectory_;
};

}  // namespace lanvane
