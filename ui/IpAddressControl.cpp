#include "ui/IpAddressControl.h"

#include <algorithm>
#include <cstddef>

namespace lanvane {

namespace {

constexpr int kFieldMaximum = 255;
constexpr std::size_t kFieldDigits = 3;

int ShiftOf(int index) {
    return 8 * (IpAddressControl::kFieldCount - 1 - index);
}

}  // namespace

IpAddressControl::IpAddressControl(ControlHost& host, const ControlTemplate& source)
    : Control(host, source) {
    StoreText(Format());
}

std::optional<int> IpAddressControl::ParseField(std::string_view digits) {
    if (digits.empty() || digits.size() > kFieldDigits) {
        return std::nullopt;
    }
    int value = 0;
    for (char digit : digits) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        value = value * 10 + (digit - '0');
    }
    return std::min(value, kFieldMaximum);
}

std::string IpAddressControl::Format() const {
    std::string text;
    for (int index = 0; index < kFieldCount; ++index) {
        if (index > 0) {
            text += '.';
        }
        if (const auto value = fields_[static_cast<std::size_t>(index)]) {
            text += std::to_string(*value);
        }
    }
    return text;
}

void IpAddressControl::StoreFields(const Fields& fields) {
    for (int index = 0; index < kFieldCount; ++index) {
        const auto position = static_cast<std::size_t>(index);
        if (fields_[position] != fields[position]) {
            fields_[position] = fields[position];
            Changed(ModelChange::Field, index);
        }
    }
    StoreText(Format());
}

void IpAddressControl::SetAddress(std::uint32_t address) {
    Fields fields;
    for (int index = 0; index < kFieldCount; ++index) {
        fields[static_cast<std::size_t>(index)] = static_cast<int>((address >> ShiftOf(index)) & 0xFFu);
    }
    StoreFields(fields);
}

std::uint32_t IpAddressControl::Address() const {
    std::uint32_t address = 0;
    for (int index = 0; index < kFieldCount; ++index) {
        const int value = fields_[static_cast<std::size_t>(index)].value_or(0);
        address |= static_cast<std::uint32_t>(value) << ShiftOf(index);
    }
    return address;
}

bool IpAddressControl::IsBlank() const {
    return std::none_of(fields_.begin(), fields_.end(), [](const auto& field) { return field.has_value(); });
}

std::optional<int> IpAddressControl::Field(int index) const {
    if (index < 0 || index >= kFieldCount) {
        return std::nullopt;
    }
    return fields_[static_cast<std::size_t>(index)];
}

void IpAddressControl::SetText(std::string_view text) {
    Fields fields;
    std::size_t start = 0;
    for (auto& field : fields) {
        const std::size_t dot = text.find('.', start);
        field = ParseField(text.substr(start, dot == std::string_view::npos ? text.npos : dot - start));
        if (dot == std::string_view::npos) {
            break;
        }
        start = dot + 1;
    }
    StoreFields(fields);
}

bool IpAddressControl::UserSetField(int index, std::string_view digits) {
    if (index < 0 || index >= kFieldCount || !UserFocus()) {
        return false;
    }
    const auto value = ParseField(digits);
    if (!digits.empty() && !value) {
        return false;
    }
    Fields fields = fields_;
    fields[static_cast<std::size_t>(index)] = value;
    if (fields == fields_) {
        return false;
    }
    StoreFields(fields);
    NotifyMessage message{NotifyCode::IpFieldChanged};
    message.item = index;
    message.value = value.value_or(-1);
    RaiseNotify(message);
    return true;
}

}  // namespace lanvane
