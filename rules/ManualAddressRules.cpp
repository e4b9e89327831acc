#include "rules/ManualAddressRules.h"

#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

constexpr std::uint32_t kLoopbackNetwork = 0x7F000000;
constexpr std::uint32_t kLoopbackMask = 0xFF000000;
constexpr std::uint32_t kFirstMulticast = 0xE0000000;

// Ones from the left, then zeros only: inverted, the mask plus one is a power of two.
bool IsContiguousMask(std::uint32_t mask) {
    const std::uint32_t hostPart = ~mask;
    return mask != 0 && (hostPart & (hostPart + 1)) == 0;
}

RuleResult CheckHostAddress(std::uint32_t ip, std::uint32_t mask) {
    if (ip == 0) {
        return MakeFailure(sid::kAddressCannotBeUsed, ConfigField::ipAddress);
    }
    if ((ip & kLoopbackMask) == kLoopbackNetwork) {
        return MakeFailure(sid::kAddressIsLoopback, ConfigField::ipAddress);
    }
    if (ip >= kFirstMulticast) {
        return MakeFailure(sid::kAddressIsMulticast, ConfigField::ipAddress);
    }
    if ((ip & ~mask) == 0) {
        return MakeFailure(sid::kAddressIsSubnetNetwork, ConfigField::ipAddress);
    }
    if ((ip | mask) == 0xFFFFFFFF) {
        return MakeFailure(sid::kAddressIsSubnetBroadcast, ConfigField::ipAddress);
    }
    return std::nullopt;
}

RuleResult CheckGateway(std::uint32_t ip, std::uint32_t mask, std::uint32_t gateway) {
    if (gateway == 0) {
        return std::nullopt;
    }
    const bool hostInSubnet = (gateway & mask) == (ip & mask) && (gateway & ~mask) != 0 && (gateway | mask) != 0xFFFFFFFF;
    if (!hostInSubnet) {
        return MakeFailure(sid::kGatewayOutsideSubnet, ConfigField::gateway);
    }
    if (gateway == ip) {
        return MakeFailure(sid::kGatewayIsPrinterAddress, ConfigField::gateway);
    }
    return std::nullopt;
}

}  // namespace

RuleResult CheckManualAddress(std::uint32_t ip, std::uint32_t mask, std::uint32_t gateway) {
    if (!IsContiguousMask(mask)) {
        return MakeFailure(sid::kSubnetMaskInvalid, ConfigField::subnetMask);
    }
    if (auto failure = CheckHostAddress(ip, mask)) {
        return failure;
    }
    return CheckGateway(ip, mask, gateway);
}

RuleResult CheckAddressChange(const AddressSetting& reported, const AddressSetting& wanted) {
    if (wanted.dhcp || wanted == reported) {
        return std::nullopt;
    }
    return CheckManualAddress(wanted.ip, wanted.mask, wanted.gateway);
}

}  // namespace lanvane::rules
