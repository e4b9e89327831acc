#pragma once

#include <string>
#include <string_view>

namespace lanvane::win32 {

// The program keeps its texts in UTF-8; Windows takes and gives UTF-16. Invalid input
// becomes the replacement character rather than being dropped.
std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

}  // namespace lanvane::win32
