#include "protocol/ExchangeBuffers.h"

#include <algorithm>
#include <iterator>

namespace lanvane {

void ExchangeBuffers::Wipe() {
    std::fill(std::begin(staging), std::end(staging), std::uint8_t{0});
    std::fill(std::begin(message), std::end(message), std::uint8_t{0});
    std::fill(std::begin(reply), std::end(reply), std::uint8_t{0});
}

}  // namespace lanvane
