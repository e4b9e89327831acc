#pragma once

#include <chrono>
#include <optional>
#include <set>
#include <string>

#include "tests/support/posix/ChildProcess.h"

namespace lanvane::test {

// True in the copy of a test program that RerunInPrivateNetwork started.
bool InsidePrivateNetwork();

// The names of the network interfaces this process sees.
std::set<std::string> InterfaceNames();

// Runs this test program again, only the tests `gtestFilter` names, inside a new network
// namespace (a user namespace too where that is needed) once the shell commands `setup`
// have built its network. Nothing when namespaces are not allowed here or `setup` failed:
// the caller skips.
std::optional<ProgramRun> RerunInPrivateNetwork(const std::string& setup, const std::string& gtestFilter,
                                                std::chrono::milliseconds limit);

}  // namespace lanvane::test
