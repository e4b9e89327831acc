#pragma once

namespace lanvane::cli {

// The version of the JSON documents' vocabulary, their first member "format".
inline constexpr int kJsonFormat = 1;

}  // namespace lanvane::cli
