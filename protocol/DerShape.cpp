#include "protocol/DerShape.h"

#include <cstddef>
#include <optional>

namespace lanvane {
namespace {

constexpr std::uint8_t kInteger = 0x02;
constexpr std::uint8_t kOctetString = 0x04;
constexpr std::uint8_t kObjectId = 0x06;
constexpr std::uint8_t kSequence = 0x30;
constexpr std::uint8_t kExplicitVersion = 0xA0;  // [0], the certificate's version
constexpr std::uint8_t kIndefiniteLength = 0x80;
constexpr std::size_t kMaxLengthBytes = 3;  // certificate files are far smaller than 16 MB

// One element: its tag, where its contents start and how long they are (the rest of the
// bytes for an indefinite length).
struct Element {
    std::uint8_t tag = 0;
    std::size_t contentStart = 0;
    std::size_t contentLength = 0;
    bool indefinite = false;

    std::size_t End() const { return contentStart + contentLength; }
};

std::optional<Element> ElementAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    if (at + 2 > bytes.size()) {
        return std::nullopt;
    }
    Element element{bytes[at], at + 2, bytes[at + 1], false};
    if (bytes[at + 1] == kIndefiniteLength) {
        element.indefinite = true;
        element.contentLength = bytes.size() - element.contentStart;
        return element;
    }
    if ((bytes[at + 1] & 0x80) != 0) {
        const std::size_t lengthBytes = bytes[at + 1] & 0x7F;
        if (lengthBytes == 0 || lengthBytes > kMaxLengthBytes || at + 2 + lengthBytes > bytes.size()) {
            return std::nullopt;
        }
        element.contentLength = 0;
        for (std::size_t index = 0; index < lengthBytes; ++index) {
            element.contentLength = element.contentLength << 8 | bytes[at + 2 + index];
        }
        element.contentStart += lengthBytes;
    }
    if (element.End() > bytes.size()) {
        return std::nullopt;
    }
    return element;
}

// The value of a one-byte INTEGER, or nothing.
std::optional<std::uint8_t> SmallInteger(std::span<const std::uint8_t> bytes, const Element& element) {
    if (element.tag != kInteger || element.contentLength != 1) {
        return std::nullopt;
    }
    return bytes[element.contentStart];
}

DerShape ShapeAfterInteger(std::uint8_t version, std::uint8_t nextTag) {
    if (version == 3 && nextTag == kSequence) {
        return DerShape::Pkcs12;  // PFX: version 3, then the authenticated safe
    }
    const bool rsa = version == 0 && nextTag == kInteger;
    const bool pkcs8 = version <= 1 && nextTag == kSequence;
    const bool ec = version == 1 && nextTag == kOctetString;
    return rsa || pkcs8 || ec ? DerShape::PrivateKey : DerShape::Unknown;
}

// The outer SEQUENCE opens with a SEQUENCE: a certificate's to-be-signed part (version or
// serial number first) or an encrypted key's algorithm (an object identifier first).
DerShape ShapeAfterSequence(std::span<const std::uint8_t> bytes, const Element& first, std::uint8_t nextTag) {
    const std::optional<Element> inner = ElementAt(bytes, first.contentStart);
    if (!inner) {
        return DerShape::Unknown;
    }
    if ((inner->tag == kExplicitVersion || inner->tag == kInteger) && nextTag == kSequence) {
        return DerShape::Certificate;
    }
    return inner->tag == kObjectId && nextTag == kOctetString ? DerShape::PrivateKey : DerShape::Unknown;
}

}  // namespace

DerShape DerShapeOf(std::span<const std::uint8_t> bytes) {
    const std::optional<Element> outer = ElementAt(bytes, 0);
    if (!outer || outer->tag != kSequence || (!outer->indefinite && outer->End() != bytes.size())) {
        return DerShape::Unknown;
    }
    const std::optional<Element> first = ElementAt(bytes, outer->contentStart);
    if (!first || first->indefinite) {
        return DerShape::Unknown;
    }
    const std::optional<Element> second = ElementAt(bytes, first->End());
    if (!second) {
        return DerShape::Unknown;
    }
    if (const std::optional<std::uint8_t> version = SmallInteger(bytes, *first)) {
        const DerShape shape = ShapeAfterInteger(*version, second->tag);
        return shape == DerShape::Pkcs12 || !outer->indefinite ? shape : DerShape::Unknown;
    }
    if (first->tag == kSequence && !outer->indefinite) {
        return ShapeAfterSequence(bytes, *first, second->tag);
    }
    return DerShape::Unknown;
}

}  // namespace lanvane
