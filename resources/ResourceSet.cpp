#include "resources/ResourceSet.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "resources/DialogTemplates.h"

namespace lanvane {
namespace {

StringTable EnglishWith(const std::map<int, std::optional<std::string>>& translated) {
    std::vector<StringEntry> entries(EnglishStrings().begin(), EnglishStrings().end());
    for (const auto& [id, text] : translated) {
        if (text) {
            entries.push_back({id, *text});
        }
    }
    return StringTable(entries);
}

std::shared_ptr<const std::deque<TranslatedTemplate>> Translate(const LanguageTable& language) {
    auto translated = std::make_shared<std::deque<TranslatedTemplate>>();
    const LanguageTable::Dialog nothing;
    for (const DialogTemplate* english : AllDialogTemplates()) {
        const auto found = language.dialogs.find(english->id);
        translated->emplace_back(*english, found == language.dialogs.end() ? nothing : found->second,
                                 language.fontName);
    }
    return translated;
}

}  // namespace

ResourceSet::ResourceSet() : strings_(EnglishStrings()) {
    for (const DialogTemplate* builtIn : AllDialogTemplates()) {
        dialogs_[builtIn->id] = builtIn;
    }
}

ResourceSet::ResourceSet(const LanguageResources& library) : ResourceSet(ReadLanguageTable(library.table)) {}

ResourceSet::ResourceSet(const LanguageTable& language)
    : strings_(EnglishWith(language.strings)), translated_(Translate(language)) {
    for (const TranslatedTemplate& translated : *translated_) {
        dialogs_[translated.Template().id] = &translated.Template();
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
