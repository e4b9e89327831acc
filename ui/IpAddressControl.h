#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ui/Control.h"

namespace lanvane {

// An IPv4 address control: four fields of 0..255, each possibly blank. Addresses are
// 32-bit with the first field in the high byte. Text() reads "a.b.c.d" with blank fields
// empty. A field the user changes raises IpFieldChanged; program calls raise nothing.
class IpAddressControl : public Control {
public:
    static constexpr int kFieldCount = 4;

    IpAddressControl(ControlHost& host, const ControlTemplate& source);

    void SetAddress(std::uint32_t address);
    // Blank fields count as 0.
    std::uint32_t Address() const;
    bool IsBlank() const;
    std::optional<int> Field(int index) const;
    // Parses "a.b.c.d"; parts that are empty or not numbers leave their field blank.
    void SetText(std::string_view text) override;

    // The user types digits into one field, or empties it with "". Values above 255
    // become 255. False when refused or nothing changed.
    bool UserSetField(int index, std::string_view digits);

private:
    using Fields = std::array<std::optional<int>, kFieldCount>;

    static std::optional<int> ParseField(std::string_view digits);
    void StoreFields(const Fields& fields);
    std::string Format() const;

    Fields fields_{};
};

}  // namespace lanvane
