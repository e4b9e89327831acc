#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "resources/DialogTemplate.h"
#include "resources/LanguageTable.h"

namespace lanvane {

// A dialog template built from the English one with a language's texts, font and size
// changes laid over it, so that the geometry of every dialog lives in one place. Texts
// and rectangles the language does not name stay as in English.
class TranslatedTemplate {
public:
    TranslatedTemplate(const DialogTemplate& english, const LanguageTable::Dialog& language,
                       std::string_view fontName);
    TranslatedTemplate(const TranslatedTemplate&) = delete;
    TranslatedTemplate& operator=(const TranslatedTemplate&) = delete;

    const DialogTemplate& Template() const { return template_; }

private:
    std::string_view Text(std::string_view english, const LanguageTable::Dialog& language);
    void Place(const std::string& key, const DialogRect& rect);

    std::deque<std::string> texts_;  // a deque, so that views of earlier texts stay valid
    std::vector<ControlTemplate> controls_;
    DialogTemplate template_;
};

}  // namespace lanvane
