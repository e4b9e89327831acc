#include "sim/LanPrinterSettings.h"

namespace lanvane::sim {

LanPrinterSettings DefaultLanPrinter(LanKind kind, int index) {
    const bool wireless = kind == LanKind::Wlan;
    const auto high = static_cast<std::uint8_t>(index >> 8);
    const auto low = static_cast<std::uint8_t>(index);
    LanPrinterSettings settings;
    settings.kind = kind;
    settings.mac = {0x00, 0x1A, 0x2B, static_cast<std::uint8_t>(wireless ? 0xB0 : 0xE0), high, low};
    settings.ip = (127u << 24) | (std::uint32_t{high} << 16) | ((wireless ? 20u : 10u) << 8) | low;
    settings.subnet = 0xFF000000u;
    settings.gateway = 0x7F000001u;
    settings.fwMajor = 2;
    settings.fwMinor = low;
    settings.featureCode = wireless ? 31 : 0;
    return settings;
}

}  // namespace lanvane::sim
