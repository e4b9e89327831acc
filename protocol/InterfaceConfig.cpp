#include "protocol/InterfaceConfig.h"

#include <algorithm>
#include <array>
#include <type_traits>

#include "protocol/BigEndian.h"
#include "protocol/Checksums.h"
#include "protocol/CommandTags.h"
#include "protocol/ConfigFieldTable.h"
#include "protocol/FieldText.h"

namespace lanvane {
namespace {

constexpr std::size_t kP2pChannelWidth = 3;
constexpr std::array<std::string_view, 3> kP2pChannels = {"1", "6", "11"};

void DecodeField(const RecordField& field, std::span<const std::uint8_t> at, InterfaceConfig& config) {
    std::visit(
        [&](auto member) {
            auto& value = config.*member;
            using Value = std::remove_reference_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                value = TextFromField(at);
            } else {
                value = static_cast<Value>(ReadBigEndian(at));
            }
        },
        field.member);
}

void EncodeField(const RecordField& field, const InterfaceConfig& config, std::span<std::uint8_t> at) {
    std::visit(
        [&](auto member) {
            const auto& value = config.*member;
            using Value = std::remove_cvref_t<decltype(value)>;
            if constexpr (std::is_same_v<Value, std::string>) {
                TextToField(value, at);
            } else {
                WriteBigEndian(value, at);
            }
        },
        field.member);
}

// The field's bytes within the record, if this version holds the field and the record
// reaches that far.
template <typename Byte>
std::optional<std::span<Byte>> FieldBytes(std::span<Byte> record, const RecordField& field, int version) {
    const std::optional<std::size_t> offset = field.OffsetIn(version);
    if (!offset || *offset + field.width > record.size()) {
        return std::nullopt;
    }
    return record.subspan(*offset, field.width);
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

InterfaceConfig DecodeRecordBytes(std::span<const std::uint8_t> record, int version) {
    InterfaceConfig config;
    config.version = version;
    for (const RecordField& field : RecordFields()) {
        if (const auto at = FieldBytes(record, field, version)) {
            DecodeField(field, *at, config);
        }
    }
    return config;
}

void EncodeConfigRecord(const InterfaceConfig& config, std::span<std::uint8_t> record) {
    std::fill_n(record.begin(), std::min(RecordSize(config.version), record.size()), std::uint8_t{0});
    for (const RecordField& field : RecordFields()) {
        if (const auto at = FieldBytes(record, field, config.version)) {
            EncodeField(field, config, *at);
        }
    }
}

bool DecodeConfigRecord(std::span<const std::uint8_t> frame, int version, InterfaceConfig& config) {
    const std::size_t recordSize = RecordSize(version);
    if (recordSize == 0 || !IsFrameWithTag(frame, tag::kIfCur)) {
        return false;
    }
    // A short reply leaves the rest of the record zero; nothing past the frame is read.
    std::array<std::uint8_t, kRecordSizeV2> record{};
    const auto sent = frame.subspan(kTagLength);
    std::copy_n(sent.begin(), std::min(sent.size(), recordSize), record.begin());
    config = DecodeRecordBytes(std::span(record).first(recordSize), version);
    return true;
}

std::optional<int> P2pChannelIndex(std::span<const std::uint8_t, 3> field) {
    for (std::size_t index = 0; index < kP2pChannels.size(); ++index) {
        std::array<std::uint8_t, kP2pChannelWidth> padded{};
        TextToField(kP2pChannels[index], padded);
        if (std::equal(padded.begin(), padded.end(), field.begin())) {
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
    TextToField(text, field);
    return P2pChannelIndex(std::span<const std::uint8_t, kP2pChannelWidth>(field));
}

std::string_view P2pChannelText(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= kP2pChannels.size()) {
        return {};
    }
    return kP2pChannels[static_cast<std::size_t>(index)];
}

}  // namespace lanvane
