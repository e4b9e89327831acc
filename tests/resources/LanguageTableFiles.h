#pragma once

#include <fstream>
#include <sstream>
#include <string>

namespace lanvane {

// The text of a language's table, resources/languages/NAME.lang.
inline std::string ReadTable(const std::string& language) {
    std::ifstream file(std::string(LANVANE_LANGUAGE_DIR) + "/" + language + ".lang");
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

}  // namespace lanvane
