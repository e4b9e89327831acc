#include "cli/UrlOpener.h"

#include <spawn.h>
#include <sys/wait.h>

#include <vector>

extern char** environ;

namespace lanvane::cli {

// xdg-open hands the URL to the desktop's browser and returns; the URL is one argument,
// never part of a command line.
bool OpenInBrowser(const std::string& url) {
    std::string program = "xdg-open";
    std::string argument = url;
    std::vector<char*> argv = {program.data(), argument.data(), nullptr};
    pid_t pid = -1;
    if (posix_spawnp(&pid, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        return false;
    }
    int status = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace lanvane::cli
