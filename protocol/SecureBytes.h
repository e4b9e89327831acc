#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace lanvane {

// Bytes of key material: overwritten with zeros before they are released. Move-only, so
// that no stray copy outlives the holder.
class SecureBytes {
public:
    SecureBytes() = default;
    explicit SecureBytes(std::size_t size);
    SecureBytes(SecureBytes&& other) noexcept;
    SecureBytes& operator=(SecureBytes&& other) noexcept;
    SecureBytes(const SecureBytes&) = delete;
    SecureBytes& operator=(const SecureBytes&) = delete;
    ~SecureBytes();

    // Overwrites the bytes with zeros and releases them.
    void Clear();

    std::uint8_t* data() { return bytes_.data(); }
    const std::uint8_t* data() const { return bytes_.data(); }
    std::size_t size() const { return bytes_.size(); }
    std::span<const std::uint8_t> View() const { return bytes_; }
    bool empty() const { return bytes_.empty(); }

private:
    std::vector<std::uint8_t> bytes_;
};

}  // namespace lanvane
