#include "sim/StopSignal.h"

#include <algorithm>
#include <vector>

#include "sim/SocketCalls.h"

namespace lanvane::sim {

bool StopSignal::WaitFor(std::chrono::milliseconds duration) const {
    const auto deadline = std::chrono::steady_clock::now() + duration;
    for (;;) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        std::vector<SocketWait> waits{{read_, kReadable, 0}};
        if (!WaitForSockets(waits, static_cast<int>(std::max<long long>(0, left.count())))) {
            return false;
        }
        if (waits[0].fired != 0) {
            return true;
        }
        if (left.count() <= 0) {
            return false;
        }
    }
}

}  // namespace lanvane::sim
