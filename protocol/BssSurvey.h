#pragma once

#include "protocol/BssOutcome.h"
#include "protocol/BssTable.h"
#include "protocol/ByteChannel.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Progress.h"
#include "protocol/StreamLink.h"

namespace lanvane {

// Surveys over the printer's TCP survey port: the request and the reply travel as raw tag
// frames. The caller closes the link afterwards, whatever the outcome.
BssOutcome RequestBssOverTcp(StreamLink& link, BssTable& table,
                             const ProgressCallback& progress);

// Surveys over the open printer port: the request and the reply travel as link messages.
BssOutcome RequestBssOverPort(ByteChannel& channel, ExchangeBuffers& buffers, BssTable& table,
                              const ProgressCallback& progress);

}  // namespace lanvane
