#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lanvane {

// A serial rate the printer offers, and the code its device record uses for it.
struct BaudEntry {
    std::string_view text;
    int rate;
    std::uint8_t code;
};

// In the order of the setting dialog's combo box.
inline constexpr std::array<BaudEntry, 9> kBaudTable = {{
    {"1200", 1200, 0xA0},
    {"2400", 2400, 0xD0},
    {"4800", 4800, 0xE8},
    {"9600", 9600, 0xF4},
    {"19200", 19200, 0xFA},
    {"38400", 38400, 0xFD},
    {"57600", 57600, 0xFE},
    {"115200", 115200, 0xFF},
    {"230400", 230400, 0xBB},
}};

// The table index of a record's code; nothing for a code the table does not know.
std::optional<int> BaudIndexOfCode(std::uint8_t code);
// The code of a table index; 0 for no selection or an index outside the table.
std::uint8_t BaudCodeOfIndex(int index);
std::optional<int> BaudIndexOfRate(int rate);

}  // namespace lanvane
