#include "sim/posix/PrivateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace lanvane::sim {
namespace {

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            return false;
        }
        text.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// The rights of the one who runs the simulator decide, root's included, so the file is
// opened rather than its mode bits read; nothing is created or cut.
std::optional<std::string> ExistingFileRefusal(const std::string& path, const struct stat& status) {
    if (S_ISDIR(status.st_mode)) {
        return "it is a directory";
    }
    if (!S_ISREG(status.st_mode)) {
        return "not a regular file (a FIFO or device is not written)";
    }
    const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        return std::string("it cannot be written (") + std::strerror(errno) + ")";
    }
    close(fd);
    return std::nullopt;
}

std::optional<std::string> NewFileRefusal(const std::string& path) {
    std::string folder = std::filesystem::path(path).parent_path().string();
    folder = folder.empty() ? "." : folder;
    struct stat status {};
    if (stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode)) {
        return "its folder " + folder + " does not exist";
    }
    if (access(folder.c_str(), W_OK | X_OK) != 0) {
        return "its folder " + folder + " cannot be written";
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> PrivateFileRefusal(const std::string& path) {
    struct stat status {};
    if (stat(path.c_str(), &status) == 0) {
        return ExistingFileRefusal(path, status);
    }
    if (errno != ENOENT) {
        return std::string("it cannot be reached (") + std::strerror(errno) + ")";
    }
    return NewFileRefusal(path);
}

bool WritePrivateFile(const std::string& path, std::string_view text) {
    // Not blocked by a FIFO put there since the start, and nothing written to one.
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    // Narrowed before anything is written, and before the old contents are cut.
    const bool written = fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && fchmod(fd, S_IRUSR | S_IWUSR) == 0 &&
                         ftruncate(fd, 0) == 0 && WriteAll(fd, text);
    return close(fd) == 0 && written;
}

}  // namespace lanvane::sim
