#include "tests/support/posix/PrivateNetwork.h"

#include <net/if.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

namespace lanvane::test {
namespace {

using namespace std::chrono_literals;

constexpr const char* kInsideMark = "LANVANE_INSIDE_PRIVATE_NETWORK";
constexpr int kSetupFailed = 77;

// The plain network namespace where this user may make one, else one inside a user namespace.
std::optional<std::vector<std::string>> Unshare() {
    for (std::vector<std::string> command : {std::vector<std::string>{"unshare", "--net"},
                                             std::vector<std::string>{"unshare", "--user", "--map-root-user", "--net"}}) {
        std::vector<std::string> probe = command;
        probe.push_back("true");
        if (RunProgram(probe, 5s).status == 0) {
            return command;
        }
    }
    return std::nullopt;
}

}  // namespace

bool InsidePrivateNetwork() {
    return std::getenv(kInsideMark) != nullptr;
}

std::set<std::string> InterfaceNames() {
    std::set<std::string> names;
    if (struct if_nameindex* interfaces = if_nameindex()) {
        for (const struct if_nameindex* entry = interfaces; entry->if_index != 0; ++entry) {
            names.insert(entry->if_name);
        }
        if_freenameindex(interfaces);
    }
    return names;
}

std::optional<ProgramRun> RerunInPrivateNetwork(const std::string& setup, const std::string& gtestFilter,
                                                std::chrono::milliseconds limit) {
    std::optional<std::vector<std::string>> command = Unshare();
    if (!command) {
        return std::nullopt;
    }
    const std::string script = "(" + setup + ") || exit " + std::to_string(kSetupFailed) + "; exec env " +
                               kInsideMark + "=1 \"$0\" --gtest_filter=\"$1\"";
    command->insert(command->end(),
                    {"sh", "-c", script, std::filesystem::read_symlink("/proc/self/exe").string(), gtestFilter});
    ProgramRun run = RunProgram(*command, limit);
    if (run.status == kSetupFailed) {
        return std::nullopt;
    }
    return run;
}

}  // namespace lanvane::test
