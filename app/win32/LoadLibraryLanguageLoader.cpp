#include "app/win32/LoadLibraryLanguageLoader.h"

#include <windows.h>

#include <memory>
#include <utility>

namespace lanvane {
namespace {

HMODULE OpenLibrary(const std::filesystem::path& programDirectory, const std::string& fileName) {
    const std::filesystem::path name = std::filesystem::u8path(fileName);
    if (!programDirectory.empty()) {
        if (HMODULE module = LoadLibraryExW((programDirectory / name).c_str(), nullptr, 0)) {
            return module;
        }
    }
    return LoadLibraryExW(name.c_str(), nullptr, 0);
}

// A library of another build of the headers could lay its resources out differently.
const LanguageResources* ResourcesOf(HMODULE module) {
    const FARPROC symbol = GetProcAddress(module, kLanguageResourcesSymbol);
    if (symbol == nullptr) {
        return nullptr;
    }
    const auto entry = reinterpret_cast<LanguageResourcesFunction>(reinterpret_cast<void*>(symbol));
    const LanguageResources* resources = entry();
    if (resources == nullptr || resources->version != kLanguageResourcesVersion) {
        return nullptr;
    }
    return resources;
}

}  // namespace

LoadLibraryLanguageLoader::LoadLibraryLanguageLoader(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

const LanguageResources* LoadLibraryLanguageLoader::Load(const std::string& fileName) {
    HMODULE module = OpenLibrary(programDirectory_, fileName);
    if (module == nullptr) {
        return nullptr;
    }
    const LanguageResources* resources = ResourcesOf(module);
    if (resources == nullptr) {
        FreeLibrary(module);
    }
    return resources;
}

std::unique_ptr<LanguageLibraryLoader> MakeSystemLanguageLoader() {
    return std::make_unique<LoadLibraryLanguageLoader>();
}

}  // namespace lanvane
