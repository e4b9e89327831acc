#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

namespace lanvane::test {

// A throw-away directory tree that stands in for /sys and /dev. Paths are relative to the
// root; missing parent directories are made.
class FakeTree {
public:
    FakeTree() {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "lanvane-tree-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("no temporary directory");
        }
        root_ = pattern;
    }
    ~FakeTree() {
        std::error_code ignored;
        std::filesystem::remove_all(root_, ignored);
    }
    FakeTree(const FakeTree&) = delete;
    FakeTree& operator=(const FakeTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    void MakeDirectory(const std::string& path) const {
        std::filesystem::create_directories(root_ / path);
    }
    void WriteFile(const std::string& path, const std::string& text) const {
        std::filesystem::create_directories((root_ / path).parent_path());
        std::ofstream(root_ / path) << text;
    }
    void MakeLink(const std::string& path, const std::filesystem::path& target) const {
        std::filesystem::create_directories((root_ / path).parent_path());
        std::filesystem::create_symlink(target, root_ / path);
    }

private:
    std::filesystem::path root_;
};

}  // namespace lanvane::test
