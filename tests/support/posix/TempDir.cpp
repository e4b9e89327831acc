#include "tests/support/posix/TempDir.h"

#include <stdlib.h>

#include <fstream>

namespace lanvane::test {

TempDir::TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "lanvane-test-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
        path_ = pattern;
    }
}

TempDir::~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::WriteFile(const std::string& name, const std::string& text) const {
    const std::filesystem::path file = path_ / name;
    std::ofstream(file, std::ios::binary) << text;
    return file.string();
}

}  // namespace lanvane::test
