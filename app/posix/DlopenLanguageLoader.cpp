#include "app/posix/DlopenLanguageLoader.h"

#include <dlfcn.h>

#include <memory>

namespace lanvane {
namespace {

void* OpenLibrary(const std::vector<std::filesystem::path>& folders, const std::string& fileName) {
    for (const std::filesystem::path& folder : folders) {
        const std::filesystem::path path = folder / fileName;
        if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            return handle;
        }
    }
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
}

std::vector<std::filesystem::path> SearchFolders(const std::filesystem::path& programDirectory) {
    if (programDirectory.empty()) {
        return {};
    }
    return {programDirectory, (programDirectory / LANVANE_LANGUAGE_FOLDER_FROM_PROGRAM).lexically_normal()};
}

// A library of another build of the headers could lay its resources out differently.
const LanguageResources* ResourcesOf(void* handle) {
    void* symbol = dlsym(handle, kLanguageResourcesSymbol);
    if (symbol == nullptr) {
        return nullptr;
    }
    const auto entry = reinterpret_cast<LanguageResourcesFunction>(symbol);
    const LanguageResources* resources = entry();
    if (resources == nullptr || resources->version != kLanguageResourcesVersion) {
        return nullptr;
    }
    return resources;
}

}  // namespace

DlopenLanguageLoader::DlopenLanguageLoader(const std::filesystem::path& programDirectory)
    : folders_(SearchFolders(programDirectory)) {}

const LanguageResources* DlopenLanguageLoader::Load(const std::string& fileName) {
    void* handle = OpenLibrary(folders_, fileName);
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
