#include "sim/CertificateChunk.h"

#include <string_view>

#include "sim/SimWireCodec.h"
#include "sim/WireConstants.h"

namespace lanvane::sim {
namespace {

constexpr std::size_t kOffsetAt = wire::kTagSize;
constexpr std::size_t kLengthAt = kOffsetAt + 4;
constexpr std::size_t kDataAt = kLengthAt + 4;
constexpr std::size_t kCrcSize = 4;

}  // namespace

std::optional<CertificateChunk> ParseCertificateChunk(const Bytes& frame) {
    if (frame.size() < kDataAt + kCrcSize) {
        return std::nullopt;
    }
    const std::string_view tag(reinterpret_cast<const char*>(frame.data()), wire::kTagSize);
    if (tag != tags::kCertificateChunk && tag != tags::kCertificateEnd) {
        return std::nullopt;
    }
    CertificateChunk chunk;
    chunk.last = tag == tags::kCertificateEnd;
    chunk.offset = ReadLe32(frame.data() + kOffsetAt);
    chunk.length = ReadLe32(frame.data() + kLengthAt);
    if (frame.size() - kDataAt - kCrcSize != chunk.length) {
        return std::nullopt;
    }
    const std::size_t crcAt = frame.size() - kCrcSize;
    chunk.data.assign(frame.begin() + kDataAt, frame.begin() + static_cast<std::ptrdiff_t>(crcAt));
    chunk.crcHolds = CertificateCrc(frame.data(), crcAt) == ReadBe32(frame.data() + crcAt);
    return chunk;
}

}  // namespace lanvane::sim
