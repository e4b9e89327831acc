#pragma once

#include <memory>
#include <string>

#include "resources/LanguageResources.h"

namespace lanvane {

// Loads a language library by its file name and hands out its resources.
class LanguageLibraryLoader {
public:
    virtual ~LanguageLibraryLoader() = default;
    // The library's resources, or nullptr when it is missing, cannot be loaded or holds no
    // resources of this program. A library that loads stays loaded until the process ends.
    virtual const LanguageResources* Load(const std::string& fileName) = 0;
};

// The loader of the system the program runs on, looking first in the program's own folder.
std::unique_ptr<LanguageLibraryLoader> MakeSystemLanguageLoader();

}  // namespace lanvane
