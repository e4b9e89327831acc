#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lanvane {

// One "-----BEGIN LABEL-----" ... "-----END LABEL-----" block of a PEM text.
struct PemBlock {
    std::string_view label;  // "CERTIFICATE", "PRIVATE KEY", ...
    std::string_view text;   // from its BEGIN line to the end of its END marker
};

// The blocks of a PEM text that starts with "-----BEGIN " and ends its blocks before its
// first NUL byte; text between blocks is ignored. Nothing when the text does not start so,
// or a block has no label or no END marker of its own label.
std::optional<std::vector<PemBlock>> ReadPemBlocks(std::string_view text);

}  // namespace lanvane
