#include "protocol/SecureBytes.h"

#include <utility>

namespace lanvane {
namespace {

// Writes through a volatile pointer so that the compiler cannot drop the stores as dead.
void Wipe(std::vector<std::uint8_t>& bytes) {
    volatile std::uint8_t* byte = bytes.data();
    for (std::size_t index = 0; index < bytes.size(); ++index) {
        byte[index] = 0;
    }
}

}  // namespace

SecureBytes::SecureBytes(std::size_t size) : bytes_(size) {}

SecureBytes::SecureBytes(SecureBytes&& other) noexcept : bytes_(std::move(other.bytes_)) {
    other.bytes_.clear();
}

SecureBytes& SecureBytes::operator=(SecureBytes&& other) noexcept {
    if (this != &other) {
        Clear();
        bytes_ = std::move(other.bytes_);
        other.bytes_.clear();
    }
    return *this;
}

SecureBytes::~SecureBytes() { Clear(); }

void SecureBytes::Clear() {
    Wipe(bytes_);
    bytes_.clear();
    bytes_.shrink_to_fit();
}

}  // namespace lanvane
