#include "app/posix/DlopenLanguageLoader.h"

#include <dlfcn.h>

#include <utility>

namespace lanvane {
namespace {

void* OpenLibrary(const std::filesystem::path& programDirectory, const std::string& fileName) {
    if (!programDirectory.empty()) {
        const std::filesystem::path beside = programDirectory / fileName;
        if (void* handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL)) {
            return handle;
        }
    }
    return dlopen(fileName.c_str(), RTLD_NOW | RTLD_LOCAL);
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

DlopenLanguageLoader::DlopenLanguageLoader(std::filesystem::path programDirectory)
    : programDirectory_(std::move(programDirectory)) {}

const LanguageResources* DlopenLanguageLoader::Load(const std::string& fileName) {
    void* handle = OpenLibrary(programDirectory_, fileName);
    if (handle == nullptr) {
        return nullptr;
    }
    const LanguageResources* resources = ResourcesOf(handle);
    if (resources == nullptr) {
        dlclose(handle);
    }
    return resources;
}

}  // namespace lanvane
