#pragma once

#include <filesystem>
#include <string_view>

namespace lanvane::cli {

// The file a UTF-8 text names. A path made from a plain string would take it in the
// system's narrow encoding, which on Windows is not UTF-8.
inline std::filesystem::path Utf8Path(std::string_view text) {
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

}  // namespace lanvane::cli
