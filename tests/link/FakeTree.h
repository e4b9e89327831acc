#pragma once

#include <filesystem>
#include <string>

namespace lanvane::test {

// A throw-away directory tree that stands in for /sys and /dev.
class FakeTree {
public:
    FakeTree();
    ~FakeTree();

    FakeTree(const FakeTree&) = delete;
    FakeTree& operator=(const FakeTree&) = delete;

    const std::filesystem::path& Root() const { return root_; }

    // Paths are relative to the root; missing parent directories are made.
    void MakeDirectory(const std::string& path) const;
    void WriteFile(const std::string& path, const std::string& text) const;
    void MakeLink(const std::string& path, const std::filesystem::path& target) const;

private:
    std::filesystem::path root_;
};

}  // namespace lanvane::test
