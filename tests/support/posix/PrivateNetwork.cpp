#include "tests/support/posix/PrivateNetwork.h"

#include <net/if.h>

#include <cstdlib>
#include <filesystem>

namespace lanvane::test {
namespace {

constexpr const char* kInsideMark = "LANVANE_INSIDE_PRIVATE_NETWORK";
constexpr int kNoPrivateNetwork = 77;

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
    // The plain network namespace where this user may make one, else one inside a user
    // namespace; the setup builds its network before the test program runs again there.
    const std::string inside = "(" + setup + ") || exit " + std::to_string(kNoPrivateNetwork) + "; exec env " +
                               kInsideMark + "=1 \"$0\" --gtest_filter=\"$1\"";
    const std::string script = "for unshare in 'unshare --net' 'unshare --user --map-root-user --net'; do "
                               "$unshare true 2>/dev/null && exec $unshare sh -c '" + inside + "' \"$0\" \"$1\"; "
                               "done; exit " + std::to_string(kNoPrivateNetwork);
    ProgramRun run = RunProgram(
        {"sh", "-c", script, std::filesystem::read_symlink("/proc/self/exe").string(), gtestFilter}, limit);
    if (run.status == kNoPrivateNetwork) {
        return std::nullopt;
    }
    return run;
}

}  // namespace lanvane::test
