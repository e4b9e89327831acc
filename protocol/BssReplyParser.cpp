#include "protocol/BssReplyParser.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"

namespace lanvane {
namespace {

constexpr std::uint8_t kSsidElement = 0x00;
constexpr std::uint8_t kBssidElement = 0x01;
constexpr std::size_t kLongestSsid = 30;
constexpr std::size_t kFixedFieldsSize = 4;  // mode, rssi (2), security
// A record is started only while this many bytes follow its first one.
constexpr std::size_t kRecordStartMargin = 7;

class RecordReader {
public:
    explicit RecordReader(std::span<const std::uint8_t> data) : data_(data), n_(data.size()) {}

    bool HasRecord() const { return position_ + kRecordStartMargin < n_; }

    // Reads the record at the position; empty when it is malformed or runs past the data,
    // which ends the parsing.
    std::optional<BssEntry> Next() {
        BssEntry entry;
        if (At(kSsidElement)) {
            const auto element = Element();
            if (!element || element->size() > kLongestSsid) {
                return std::nullopt;
            }
            entry.ssid = std::string(element->substr(0, element->find('\0')));
        }
        if (At(kBssidElement)) {
            const auto element = Element();
            if (!element) {
                return std::nullopt;
            }
            std::copy_n(element->begin(), std::min(element->size(), kBssidSize),
                        entry.bssid.begin());
        }
        if (position_ + kFixedFieldsSize > n_) {
            return std::nullopt;
        }
        entry.mode = data_[position_];
        entry.rssi =
            static_cast<std::int16_t>((data_[position_ + 1] << 8) | data_[position_ + 2]);
        entry.security = data_[position_ + 3];
        position_ += kFixedFieldsSize;
        return entry;
    }

private:
    bool At(std::uint8_t type) const { return position_ < n_ && data_[position_] == type; }

    // A type byte, a length byte and that many bytes; empty when it runs past the data.
    std::optional<std::string_view> Element() {
        if (position_ + 2 > n_) {
            return std::nullopt;
        }
        const std::size_t length = data_[position_ + 1];
        if (position_ + 2 + length > n_) {
            return std::nullopt;
        }
        const std::string_view element(reinterpret_cast<const char*>(data_.data() + position_ + 2),
                                       length);
        position_ += 2 + length;
        return element;
    }

    std::span<const std::uint8_t> data_;
    std::size_t n_;
    std::size_t position_ = kTagLength;
};

}  // namespace

BssOutcome ParseBssReply(std::span<const std::uint8_t> frame, BssTable& table) {
    if (Checksum16(frame) != 0) {
        return BssOutcome::ChecksumFailed;
    }
    table = BssTable{};
    const auto bssTag = TagBytes(tag::kBssRsp);
    if (frame.size() < kTagLength || !std::equal(bssTag.begin(), bssTag.end(), frame.begin())) {
        return BssOutcome::TagMismatch;
    }
    RecordReader reader(frame);
    for (auto& entry : table) {
        if (!reader.HasRecord()) {
            break;
        }
        auto record = reader.Next();
        if (!record) {
            break;
        }
        entry = std::move(*record);
    }
    return BssOutcome::Ok;
}

}  // namespace lanvane
