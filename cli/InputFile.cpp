#include "cli/InputFile.h"

#include "cli/Utf8Path.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace lanvane::cli {
namespace {

constexpr const char* kStandardInput = "-";

std::string TooLarge(const std::string& name, std::uintmax_t maxBytes) {
    return name + " is too large (at most " + std::to_string(maxBytes) + " bytes)";
}

InputRefusal ReadLimited(std::istream& input, const std::string& name, std::uintmax_t maxBytes,
                         std::string& content) {
    content.clear();
    char chunk[4096];
    while (input.read(chunk, sizeof chunk) || input.gcount() > 0) {
        content.append(chunk, static_cast<std::size_t>(input.gcount()));
        if (content.size() > maxBytes) {
            content.clear();
            return TooLarge(name, maxBytes);
        }
    }
    if (input.bad()) {
        return "cannot read " + name;
    }
    return std::nullopt;
}

}  // namespace

InputRefusal CheckInputFile(const std::string& path, std::uintmax_t maxBytes) {
    namespace fs = std::filesystem;
    if (path == kStandardInput) {
        return std::nullopt;
    }
    const fs::path file = Utf8Path(path);
    std::error_code error;
    const fs::file_status status = fs::status(file, error);
    if (!fs::exists(status)) {
        return "cannot read " + path + ": no such file";
    }
    if (fs::is_directory(status)) {
        return "cannot read " + path + ": it is a directory";
    }
    if (!fs::is_regular_file(status)) {
        return "cannot read " + path + ": not a regular file (a FIFO or device is not read)";
    }
    if (fs::file_size(file, error) > maxBytes || error) {
        return TooLarge(path, maxBytes);
    }
    return std::nullopt;
}

InputRefusal ReadInputFile(const std::string& path, std::uintmax_t maxBytes, std::istream& standardInput,
                           std::string& content) {
    if (path == kStandardInput) {
        return ReadLimited(standardInput, "the standard input", maxBytes, content);
    }
    if (InputRefusal refusal = CheckInputFile(path, maxBytes)) {
        return refusal;
    }
    std::ifstream file(Utf8Path(path), std::ios::binary);
    if (!file) {
        return "cannot read " + path + ": permission denied or unreadable";
    }
    return ReadLimited(file, path, maxBytes, content);
}

}  // namespace lanvane::cli
