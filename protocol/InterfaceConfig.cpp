#include "protocol/InterfaceConfig.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "protocol/BigEndian.h"
#include "protocol/ConfigFieldTable.h"
#include "protocol/FieldText.h"
#include "protocol/Framing.h"

namespace lanvane {
namespace {

constexpr std::size_t kP2pChannelWidth = 3;
constexpr std::array<std::string_view, 3> kP2pChannels = {"1", "6", "11"};


void DecodeField(const RecordField& field, const std::uint8_t* at, InterfaceConfig& config) {
    std::visit(
        [&](auto member) {
            auto& value = config.*member;
            using Value = std::remove_reference_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                value = TextFromField(at, field.width);
            } else {
                value = static_cast<Value>(ReadBigEndian(at, field.width));
            }
        },
        field.member);
}

void EncodeField(const RecordField& field, const InterfaceConfig& config, std::uint8_t* at) {
    std::visit(
        [&](auto member) {
            const auto& value = config.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                TextToField(value, at, field.width);
            } else {
                WriteBigEndian(value, at, field.width);
            }
        },
        field.member);
}

}  // namespace

std::size_t RecordSize(int version) {
    switch (version) {
        case 1:
            return kRecordSizeV1;
        case 2:
            return kRecordSizeV2;
        default:
            return 0;
    }
}

int RecordVersionForReply(std::size_t replyLinkMessageSize) {
    return replyLinkMessageSize > kVersion1LinkMessageSize ? 2 : 1;
}

InterfaceConfig DecodeRecordBytes(const std::uint8_t* record, int version) {
    InterfaceConfig config;
    config.version = version;
    for (const RecordField& field : RecordFields()) {
        if (const std::optional<std::size_t> offset = field.OffsetIn(version)) {
            DecodeField(field, record + *offset, config);
        }
    }
    return config;
}

void EncodeConfigRecord(const InterfaceConfig& config, std::uint8_t* record) {
    std::fill_n(record, RecordSize(config.version), std::uint8_t{0});
    for (const RecordField& field : RecordFields()) {
        if (const std::optional<std::size_t> offset = field.OffsetIn(config.version)) {
            EncodeField(field, config, record + *offset);
        }
    }
}

bool DecodeConfigRecord(const std::uint8_t* frame, std::size_t n, int version,
                        InterfaceConfig& config) {
    const std::size_t recordSize = RecordSize(version);
    if (recordSize == 0 || !IsFrameWithTag(frame, n, tag::kIfCur)) {
        return false;
    }
    // A short reply leaves the rest of the record zero; nothing past the frame is read.
    std::array<std::uint8_t, kRecordSizeV2> record{};
    std::copy_n(frame + kTagLength, std::min(n - kTagLength, recordSize), record.begin());
    config = DecodeRecordBytes(record.data(), version);
    return true;
}

std::optional<int> P2pChannelIndex(const std::uint8_t* field3) {
    for (std::size_t index = 0; index < kP2pChannels.size(); ++index) {
        std::array<std::uint8_t, kP2pChannelWidth> padded{};
        TextToField(kP2pChannels[index], padded.data(), padded.size());
        if (std::equal(padded.begin(), padded.end(), field3)) {
            return static_cast<int>(index);
        }
    }
    return std::nullopt;
}

std::optional<int> P2pChannelIndex(std::string_view text) {
    if (text.size() > kP2pChannelWidth) {
        return std::nullopt;
    }
    std::array<std::uint8_t, kP2pChannelWidth> field{};
    TextToField(text, field.data(), field.size());
    return P2pChannelIndex(field.data());
}

std::string_view P2pChannelText(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kP2pChannels.size()) {
        return {};
    }
    return kP2pChannels[static_cast<std::size_t>(index)];
}

}  // namespace lanvane
