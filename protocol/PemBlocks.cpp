#include "protocol/PemBlocks.h"

#include <string>

namespace lanvane {
namespace {

constexpr std::string_view kBegin = "-----BEGIN ";
constexpr std::string_view kEnd = "-----END ";
constexpr std::string_view kDashes = "-----";

// The block whose BEGIN marker starts `text`, if it is whole.
std::optional<PemBlock> BlockAtStart(std::string_view text) {
    const std::string_view afterBegin = text.substr(kBegin.size());
    const auto labelEnd = afterBegin.find(kDashes);
    const std::string_view label = afterBegin.substr(0, labelEnd);
    if (labelEnd == std::string_view::npos || label.empty() || label.find_first_of("\r\n") != std::string_view::npos) {
        return std::nullopt;
    }
    const std::string endMarker = std::string(kEnd) + std::string(label) + std::string(kDashes);
    const auto end = text.find(endMarker, kBegin.size() + label.size() + kDashes.size());
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return PemBlock{label, text.substr(0, end + endMarker.size())};
}

}  // namespace

std::optional<std::vector<PemBlock>> ReadPemBlocks(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    if (!text.starts_with(kBegin)) {
        return std::nullopt;
    }
    std::vector<PemBlock> blocks;
    for (auto at = std::size_t{0}; at != std::string_view::npos; at = text.find(kBegin, at)) {
        const std::optional<PemBlock> block = BlockAtStart(text.substr(at));
        if (!block) {
            return std::nullopt;
        }
        blocks.push_back(*block);
        at += block->text.size();
    }
    return blocks;
}

}  // namespace lanvane
