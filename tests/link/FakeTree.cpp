#include "FakeTree.h"

#include <stdlib.h>

#include <fstream>
#include <stdexcept>

namespace lanvane::test {

namespace fs = std::filesystem;

FakeTree::FakeTree() {
    std::string pattern = (fs::temp_directory_path() / "lanvane-tree-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("no temporary directory");
    }
    root_ = pattern;
}

FakeTree::~FakeTree() {
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

void FakeTree::MakeDirectory(const std::string& path) const {
    fs::create_directories(root_ / path);
}

void FakeTree::WriteFile(const std::string& path, const std::string& text) const {
    fs::create_directories((root_ / path).parent_path());
    std::ofstream(root_ / path) << text;
}

void FakeTree::MakeLink(const std::string& path, const fs::path& target) const {
    fs::create_directories((root_ / path).parent_path());
    fs::create_symlink(target, root_ / path);
}

}  // namespace lanvane::test
