#pragma once

#include "protocol/InterfaceConfig.h"

// The value codes the rules compare with. The pages hold -1 for "no choice yet".
namespace lanvane::rules {

namespace auth_code {
constexpr int kOpenSystem = 0;
constexpr int kSharedKey = 1;
constexpr int kWpaPsk = 2;
constexpr int kWpa2Psk = 3;
constexpr int kWpa = 4;
constexpr int kWpa2 = 5;
}  // namespace auth_code

namespace crypt_code {
constexpr int kNone = 0;
constexpr int kWep64 = 1;
constexpr int kWep128 = 2;
constexpr int kTkip = 3;
constexpr int kAes = 4;
constexpr int kAesTkip = 5;
}  // namespace crypt_code

namespace mode_code {
constexpr int kInfra = static_cast<int>(NetworkMode::Infra);
constexpr int kAdhoc = static_cast<int>(NetworkMode::Adhoc);
constexpr int kWifiDirect = static_cast<int>(NetworkMode::WifiDirect);
}  // namespace mode_code

// The Network page's IP assignment choice.
namespace ip_assignment_code {
constexpr int kAutomatic = 0;
constexpr int kManual = 1;
}  // namespace ip_assignment_code

}  // namespace lanvane::rules
