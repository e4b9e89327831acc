#pragma once

#include <filesystem>
#include <string>

namespace lanvane::test {

// A fresh directory under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    std::string operator/(const std::string& name) const { return (path_ / name).string(); }
    const std::filesystem::path& Path() const { return path_; }
    // Writes `text` to the file `name` in the directory and returns its path.
    std::string WriteFile(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path path_;
};

}  // namespace lanvane::test
