#include "sim/RequestKind.h"

#include <array>
#include <utility>

namespace lanvane::sim {
namespace {

constexpr std::array<std::pair<RequestKind, std::string_view>, 9> kNames = {{
    {RequestKind::Identification, "identification"},
    {RequestKind::Attention, "attention"},
    {RequestKind::CertificateAnnouncement, "cert-announce"},
    {RequestKind::SystemRequest, "sys-req"},
    {RequestKind::ConfigGet, "if-get"},
    {RequestKind::ConfigSet, "if-set"},
    {RequestKind::BssRequest, "bss-req"},
    {RequestKind::CertificateChunk, "cert-chunk"},
    {RequestKind::Unknown, "unknown"},
}};

}  // namespace

std::string_view RequestKindName(RequestKind kind) {
    for (const auto& [known, name] : kNames) {
        if (known == kind) {
            return name;
        }
    }
    return "unknown";
}

std::optional<RequestKind> RequestKindFromName(std::string_view name) {
    for (const auto& [kind, known] : kNames) {
        if (known == name) {
            return kind;
        }
    }
    return std::nullopt;
}

}  // namespace lanvane::sim
