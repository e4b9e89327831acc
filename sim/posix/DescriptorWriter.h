#pragma once

#include <vector>

#include "sim/Bytes.h"
#include "sim/ReplyBurst.h"
#include "sim/StopSignal.h"

namespace lanvane::sim {

// Writes reply bursts to a non-blocking descriptor, each after its delay; gives up as soon
// as the stop signal is raised or the peer is gone.
class DescriptorWriter {
public:
    enum class Kind { Terminal, Socket };

    DescriptorWriter(int fd, Kind kind, const StopSignal& stop);

    bool SendBursts(const std::vector<ReplyBurst>& bursts) const;

private:
    bool WriteAll(const Bytes& bytes) const;
    bool WaitWritable() const;

    int fd_;
    Kind kind_;
    const StopSignal& stop_;
};

}  // namespace lanvane::sim
