#pragma once

#include "protocol/ByteChannel.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/InterfaceConfig.h"

namespace lanvane {

enum class WriteOutcome {
    Ok,
    AttentionRefused,         // attention message not written, or no or a wrong answer
    FrameBuildFailed,         // the IF__SET frame could not be built
    WriteFailed,              // the record did not go out
    NoReply,                  // the printer did not answer the record
    AcknowledgementRefused,   // the answer has a bad checksum or is not IF__SUC
};

// Sends `config` in the layout of config.version (the one last read) and waits for the
// printer's acknowledgement.
WriteOutcome WritePrinterConfig(ByteChannel& channel, ExchangeBuffers& buffers,
                                const InterfaceConfig& config);

}  // namespace lanvane
