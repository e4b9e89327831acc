#include "sim/posix/PrivateFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

}  // namespace

bool WritePrivateFile(const std::string& path, std::string_view text) {
    const int fd = open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) {
        return false;
    }
    // Narrowed before anything is written, and before the old contents are cut.
    const bool written = fchmod(fd, S_IRUSR | S_IWUSR) == 0 && ftruncate(fd, 0) == 0 && WriteAll(fd, text);
    return close(fd) == 0 && written;
}

}  // namespace lanvane::sim
