#include "link/posix/SystemError.h"

#include <cerrno>
#include <system_error>
#include <utility>

namespace lanvane::posix {
namespace {

LinkFailure KindOf(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENODEV:
        case ENXIO:
        case ENOTDIR:
            return LinkFailure::NotFound;
        case EBUSY:
        case EWOULDBLOCK:
        case EADDRINUSE:
            return LinkFailure::Busy;
        case EACCES:
        case EPERM:
        case EROFS:
            return LinkFailure::PermissionDenied;
        case ENOTTY:
        case EISDIR:
            return LinkFailure::NotADevice;
        case ETIMEDOUT:
            return LinkFailure::TimedOut;
        case ECONNREFUSED:
            return LinkFailure::Refused;
        default:
            return LinkFailure::IoError;
    }
}

}  // namespace

LinkError SystemError(std::string operation, std::string target, int errorNumber) {
    return LinkError{KindOf(errorNumber), std::move(operation), std::move(target),
                     std::generic_category().message(errorNumber)};
}

}  // namespace lanvane::posix
