#include "resources/ResourceSet.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resources/DialogTemplates.h"

namespace lanvane {
namespace {

StringTable EnglishWith(std::span<const StringEntry> translated) {
    std::vector<StringEntry> entries(EnglishStrings().begin(), EnglishStrings().end());
    entries.insert(entries.end(), translated.begin(), translated.end());
    return StringTable(entries);
}

}  // namespace

ResourceSet::ResourceSet() : ResourceSet(LanguageResources{}) {}

ResourceSet::ResourceSet(const LanguageResources& library) : strings_(EnglishWith(library.strings)) {
    for (const DialogTemplate* builtIn : AllDialogTemplates()) {
        dialogs_[builtIn->id] = builtIn;
    }
    for (const DialogTemplate* translated : library.dialogs) {
        if (translated != nullptr) {
            dialogs_[translated->id] = translated;
        }
    }
}

const DialogTemplate* ResourceSet::FindDialog(int id) const {
    const auto found = dialogs_.find(id);
    return found == dialogs_.end() ? nullptr : found->second;
}

const DialogTemplate& ResourceSet::Dialog(int id) const {
    if (const DialogTemplate* found = FindDialog(id)) {
        return *found;
    }
    std::fprintf(stderr, "no dialog template with id %d\n", id);
    std::abort();
}

const DialogTemplate& DialogTemplateIn(const ResourceSet* resources, int templateId) {
    return resources != nullptr ? resources->Dialog(templateId) : *FindDialogTemplate(templateId);
}

}  // namespace lanvane
