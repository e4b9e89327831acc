#pragma once

#include <optional>
#include <string_view>

namespace lanvane::sim {

// The requests the printer tells apart; faults and the request history name them.
enum class RequestKind {
    Identification,
    Attention,
    CertificateAnnouncement,
    SystemRequest,
    ConfigGet,
    ConfigSet,
    BssRequest,
    CertificateChunk,
    Unknown,
};

std::string_view RequestKindName(RequestKind kind);
std::optional<RequestKind> RequestKindFromName(std::string_view name);

}  // namespace lanvane::sim
