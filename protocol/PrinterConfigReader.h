#pragma once

#include <string>

#include "protocol/ByteChannel.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Framing.h"
#include "protocol/InterfaceConfig.h"
#include "protocol/Sleeper.h"

namespace lanvane {

enum class ReadOutcome {
    Ok,
    MakerNameMismatch,      // the printer is not one of ours
    AttentionRefused,       // attention message not written, or no or a wrong answer
    FrameBuildFailed,       // a request frame could not be built
    NoReply,                // a request got no answer
    SystemResponseRefused,  // SYS_RSP too short, bad checksum or wrong tag
    RecordRefused,          // IF__CUR bad checksum or wrong tag
};

struct ConfigReadResult {
    ReadOutcome outcome = ReadOutcome::NoReply;
    std::string makerName;              // as the printer gave it, also on a mismatch
    IdentificationData identification;  // filled once SYS_RSP was accepted
    InterfaceConfig config;             // filled on Ok; config.version is the layout read
};

// Identifies the printer by its maker name, fetches its identification data and its
// interface configuration record. `pause` gives the printer time to answer the
// identification request.
ConfigReadResult ReadPrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                   const Sleeper& pause);

}  // namespace lanvane
