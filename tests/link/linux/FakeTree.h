#pragma once

#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/posix/TempDir.h"

namespace lanvane::test {

// A throw-away directory tree that stands in for /sys and /dev. Paths are relative to the
// root; missing parent directories are made.
class FakeTree {
public:
    const std::filesystem::path& Root() const { return dir_.Path(); }

    void MakeDirectory(const std::string& path) const { std::filesystem::create_directories(Root() / path); }
    void WriteFile(const std::string& path, const std::string& text) const {
        MakeDirectory(std::filesystem::path(path).parent_path());
        std::ofstream(Root() / path) << text;
    }
    void MakeLink(const std::string& path, const std::filesystem::path& target) const {
        MakeDirectory(std::filesystem::path(path).parent_path());
        std::filesystem::create_symlink(target, Root() / path);
    }

private:
    TempDir dir_;
};

}  // namespace lanvane::test
