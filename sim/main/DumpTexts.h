#pragma once

#include <array>
#include <cstdint>
#include <string>

// The simulator's own texts of MAC addresses in its state dumps. They do not use the program's
// formatters on purpose: a test that compares what the program shows with what the
// simulated printer holds must not pass because both sides share one fault.
namespace lanvane::sim {

// "00-1B-A9-C0-FE-0A", as the serial printer's identification shows it.
std::string MacDashText(const std::array<std::uint8_t, 6>& mac);
// "00:1b:a9:c0:fe:0a", as the LAN printers' dumps show it.
std::string MacColonText(const std::array<std::uint8_t, 6>& mac);

}  // namespace lanvane::sim
