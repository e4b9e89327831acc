#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace lanvane {

// What is wrong with a shared library file before it is mapped: the system maps a file cut
// short as if it were whole, and the first touch of a page beyond its end kills the program
// (SIGBUS). Nothing when the library's header, and every table and segment it names, lie
// within the file; else why not ("it is cut short", ...). Each system reads its own format
// (linux/: ELF).
std::optional<std::string> SharedLibraryFault(const std::filesystem::path& path);

}  // namespace lanvane
