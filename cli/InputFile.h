#pragma once

#include <cstdint>
#include <istream>
#include <optional>
#include <string>

namespace lanvane::cli {

// Why an input file was refused, in a sentence that names it.
using InputRefusal = std::optional<std::string>;

// Checks an input file before a byte of it is read: it must be a regular file (not a
// directory, FIFO or device) of at most `maxBytes`. "-" stands for `standardInput`,
// which is not checked.
InputRefusal CheckInputFile(const std::string& path, std::uintmax_t maxBytes);

// Reads the whole input into `content` after CheckInputFile; standard input is read up
// to `maxBytes` and refused beyond.
InputRefusal ReadInputFile(const std::string& path, std::uintmax_t maxBytes, std::istream& standardInput,
                           std::string& content);

}  // namespace lanvane::cli
