#pragma once

#include <string>

#include "protocol/ByteChannel.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Identification.h"
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

// Sends the identification request and returns the maker name the printer gives, empty
// when nothing came back. A reply that misses the first read is awaited once more when
// `reads` is 2, as the configuration window does.
std::string ReadMakerName(ByteChannel& channel, const Sleeper& pause, int reads = 2);

// For a printer already identified as ours: its identification data and record.
ConfigReadResult ReadIdentifiedPrinter(ByteChannel& channel, ExchangeBuffers& buffers);

// Identifies the printer by its maker name, fetches its identification data and its
// interface configuration record. `pause` gives the printer time to answer the
// identification request.
ConfigReadResult ReadPrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                   const Sleeper& pause);

}  // namespace lanvane
