#pragma once

#include "link/LinkError.h"

#include <string>

namespace lanvane::posix {

// The failure of `operation` on `target` that the system reported with `errorNumber`,
// with the system's text for it.
LinkError SystemError(std::string operation, std::string target, int errorNumber);

}  // namespace lanvane::posix
