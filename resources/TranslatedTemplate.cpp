#include "resources/TranslatedTemplate.h"

#include <charconv>

namespace lanvane {
namespace {

// "#1005": the control with id 1005.
bool NamesId(std::string_view key, int id) {
    if (!key.starts_with('#')) {
        return false;
    }
    int named = 0;
    const auto [end, error] = std::from_chars(key.data() + 1, key.data() + key.size(), named);
    return error == std::errc() && end == key.data() + key.size() && named == id;
}

// "Port" names every control with that text, "Port@2" the second of them.
struct TextKey {
    std::string_view text;
    int occurrence = 0;  // 0: every one
};

TextKey SplitTextKey(std::string_view key) {
    const auto at = key.rfind('@');
    if (at == std::string_view::npos) {
        return {key};
    }
    int occurrence = 0;
    const auto [end, error] = std::from_chars(key.data() + at + 1, key.data() + key.size(), occurrence);
    if (error != std::errc() || end != key.data() + key.size() || occurrence < 1) {
        return {key};
    }
    return {key.substr(0, at), occurrence};
}

}  // namespace

TranslatedTemplate::TranslatedTemplate(const DialogTemplate& english, const LanguageTable::Dialog& language,
                                       std::string_view fontName)
    : controls_(english.controls.begin(), english.controls.end()), template_(english) {
    template_.title = Text(english.title, language);
    if (!fontName.empty()) {
        template_.fontName = texts_.emplace_back(fontName);
    }
    if (language.size) {
        template_.width = language.size->first;
        template_.height = language.size->second;
    }
    for (const auto& [key, rect] : language.rects) {
        Place(key, rect);
    }
    for (ControlTemplate& control : controls_) {
        control.text = Text(control.text, language);
    }
    template_.controls = controls_;
}

std::string_view TranslatedTemplate::Text(std::string_view english, const LanguageTable::Dialog& language) {
    const auto found = language.texts.find(TableKey(english));
    if (english.empty() || found == language.texts.end() || !found->second) {
        return english;
    }
    return texts_.emplace_back(*found->second);
}

// Runs before the texts are translated: controls are named by their English texts.
void TranslatedTemplate::Place(const std::string& key, const DialogRect& rect) {
    const TextKey textKey = SplitTextKey(key);
    int seen = 0;
    for (ControlTemplate& control : controls_) {
        if (NamesId(key, control.id)) {
            control.rect = rect;
        } else if (!control.text.empty() && TableKey(control.text) == textKey.text) {
            ++seen;
            if (textKey.occurrence == 0 || textKey.occurrence == seen) {
                control.rect = rect;
            }
        }
    }
}

}  // namespace lanvane
