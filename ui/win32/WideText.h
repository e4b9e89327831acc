#pragma once

#include <string>
#include <string_view>

namespace lanvane {

// UTF-8 inside the program, UTF-16 at the Win32 calls.
std::wstring ToWide(std::string_view utf8);
std::string ToUtf8(std::wstring_view wide);

}  // namespace lanvane
