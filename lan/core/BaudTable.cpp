#include "lan/core/BaudTable.h"

#include <algorithm>
#include <iterator>

namespace lanvane {
namespace {

template <class Matches>
std::optional<int> IndexWhere(Matches matches) {
    const auto found = std::ranges::find_if(kBaudTable, matches);
    if (found == kBaudTable.end()) {
        return std::nullopt;
    }
    return static_cast<int>(std::distance(kBaudTable.begin(), found));
}

}  // namespace

std::optional<int> BaudIndexOfCode(std::uint8_t code) {
    return IndexWhere([code](const BaudEntry& entry) { return entry.code == code; });
}

std::uint8_t BaudCodeOfIndex(int index) {
    if (index < 0 || index >= static_cast<int>(kBaudTable.size())) {
        return 0;
    }
    return kBaudTable[static_cast<std::size_t>(index)].code;
}

std::optional<int> BaudIndexOfRate(int rate) {
    return IndexWhere([rate](const BaudEntry& entry) { return entry.rate == rate; });
}

}  // namespace lanvane
