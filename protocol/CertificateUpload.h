#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "protocol/ByteChannel.h"
#include "protocol/Certificate.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Progress.h"
#include "protocol/Sleeper.h"

namespace lanvane {

enum class UploadOutcome {
    Ok,               // every chunk was acknowledged
    WriteFailed,      // a message did not go out
    NoReply,          // the printer did not answer a message
    NotStarted,       // the printer did not answer the announcement with "STRT"
    NotAcknowledged,  // the printer refused one chunk too often
};

// Chunk size for a certificate of `total` bytes: 500, or half of a smaller file (at
// least 1, so that every chunk moves the upload on).
std::size_t CertificateChunkSize(std::size_t total);

// Announces the certificate kind, then sends the certificate in chunks, each acknowledged
// by the printer, reporting progress 0..100 and pausing after each acknowledged chunk. The
// buffers are wiped afterwards, since they held key material.
UploadOutcome UploadCertificate(ByteChannel& channel, ExchangeBuffers& buffers, CertKind kind,
                                std::span<const std::uint8_t> certificate, const ProgressCallback& progress,
                                const Sleeper& pause);

}  // namespace lanvane
