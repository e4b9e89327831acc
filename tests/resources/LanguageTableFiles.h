#pragma once

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace lanvane {

// Every language that has a table beside English, as its file is named.
inline constexpr const char* kTranslations[] = {"SimplifiedChinese", "TraditionalChinese", "German",  "Spanish",
                                                "French",            "Hungarian",          "Italian", "Japanese",
                                                "Korean",            "Polish",             "Russian"};

// English, then every translation.
inline std::vector<std::string> EveryLanguage() {
    std::vector<std::string> languages{"English"};
    languages.insert(languages.end(), std::begin(kTranslations), std::end(kTranslations));
    return languages;
}

// The text of a language's table, resources/languages/NAME.lang.
inline std::string ReadTable(const std::string& language) {
    std::ifstream file(std::string(LANVANE_LANGUAGE_DIR) + "/" + language + ".lang");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace lanvane
