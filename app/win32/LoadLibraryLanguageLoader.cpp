#include "app/win32/LoadLibraryLanguageLoader.h"

#include <windows.h>

#include <memory>
#include <utility>

namespace lanvane {
namespace {

// Only the program's folder and the system's: the usual search would also take a DLL of
// that name from the current folder, where anyone may have put one (DLL planting).
constexpr DWORD kSafeSearch = LOAD_LIBRARY_SEARCH_APPLICATION_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32;

HMODULE OpenLibrary(const std::filesystem::path& programDirectory, const std::string& fileName) {
    const std::filesystem::path name = std::filesystem::u8path(fileName);
    const std::filesystem::path path = programDirectory.empty() ? name : programDirectory / name;
    return LoadLibraryExW(path.c_str(), nullptr, kSafeSearch);
}

const LanguageResources* ResourcesOf(HMODULE module) {
    const FARPROC symbol = GetProcAddress(module, kLanguageResourcesSymbol);
    return CheckedResources(reinterpret_cast<LanguageResourcesFunction>(reinterpret_cast<void*>(symbol)));
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
