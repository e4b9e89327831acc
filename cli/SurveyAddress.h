#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace lanvane::cli {

// Where bss --ip finds the printer's survey port: "a.b.c.d" or "a.b.c.d:PORT".
struct SurveyAddress {
    std::string host;
    std::optional<std::uint16_t> port;
};

// Empty when the text is not an IPv4 address with an optional port 1 ~ 65535.
std::optional<SurveyAddress> ParseSurveyAddress(const std::string& text);

}  // namespace lanvane::cli
