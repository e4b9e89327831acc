#include "app/posix/DlopenLanguageLoader.h"

#include <dlfcn.h>

#include <memory>
#include <optional>
#include <system_error>

#include "app/posix/SharedLibraryCheck.h"

namespace lanvane {
namespace {

std::vector<std::filesystem::path> SearchFolders(const std::filesystem::path& programDirectory) {
    if (programDirectory.empty()) {
        return {};
    }
    return {programDirectory, (programDirectory / LANVANE_LANGUAGE_FOLDER_FROM_PROGRAM).lexically_normal()};
}

const LanguageResources* ResourcesOf(void* handle) {
    return CheckedResources(reinterpret_cast<LanguageResourcesFunction>(dlsym(handle, kLanguageResourcesSymbol)));
}

}  // namespace

DlopenLanguageLoader::DlopenLanguageLoader(const std::filesystem::path& programDirectory)
    : folders_(SearchFolders(programDirectory)) {}

// A file that is not there is no problem: most languages have no library.
void* DlopenLanguageLoader::Open(const std::filesystem::path& path) {
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        return nullptr;
    }
    if (const std::optional<std::string> fault = SharedLibraryFault(path)) {
        problems_.push_back("the language library " + path.string() + " is damaged (" + *fault + ") and is not loaded");
        return nullptr;
    }
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

const LanguageResources* DlopenLanguageLoader::Load(const std::string& fileName) {
    void* handle = nullptr;
    for (auto folder = folders_.begin(); handle == nullptr && folder != folders_.end(); ++folder) {
        handle = Open(*folder / fileName);
    }
    if (handle == nullptr) {
        return nullptr;
    }
    const LanguageResources* resources = ResourcesOf(handle);
    if (resources == nullptr) {
        dlclose(handle);
    }
    return resources;
}

std::unique_ptr<LanguageLibraryLoader> MakeSystemLanguageLoader() {
    return std::make_unique<DlopenLanguageLoader>();
}

}  // namespace lanvane
