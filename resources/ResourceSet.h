#pragma once

#include <deque>
#include <map>
#include <memory>

#include "resources/DialogTemplate.h"
#include "resources/LanguageResources.h"
#include "resources/LanguageTable.h"
#include "resources/StringTable.h"
#include "resources/TranslatedTemplate.h"

namespace lanvane {

// The string table and dialog templates in use: the built-in English ones, or a language's
// laid over them. A string or text the language lacks keeps its English form, so that a
// partial translation never shows an empty message or a missing window.
class ResourceSet {
public:
    // The built-in English resources.
    ResourceSet();
    // A language library's table over the English resources; lines it does not
    // understand are passed over.
    explicit ResourceSet(const LanguageResources& library);
    explicit ResourceSet(const LanguageTable& language);

    const StringTable& Strings() const { return strings_; }
    std::string_view Text(int id) const { return strings_.Text(id); }
    // The template of a dialog or page, or nullptr for an id no resource holds.
    const DialogTemplate* FindDialog(int id) const;
    // The template of a dialog the program knows; stops the program for an unknown id.
    const DialogTemplate& Dialog(int id) const;

private:
    StringTable strings_;
    // Shared, so that copies of the set keep pointing at the same built templates.
    std::shared_ptr<const std::deque<TranslatedTemplate>> translated_;
    std::map<int, const DialogTemplate*> dialogs_;
};

// The template of a window the program knows, from `resources` when a window is given
// them (a language library's), else the built-in one.
const DialogTemplate& DialogTemplateIn(const ResourceSet* resources, int templateId);

}  // namespace lanvane
