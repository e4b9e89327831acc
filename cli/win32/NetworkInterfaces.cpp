#include "cli/NetworkInterfaces.h"

#include "platform/win32/WideText.h"
#include "protocol/AddressText.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <iphlpapi.h>

#include <vector>

namespace lanvane::cli {
namespace {

// The directed broadcast of an IPv4 address with `prefixLength` network bits.
std::string BroadcastOf(const SOCKADDR* address, unsigned prefixLength) {
    const std::uint32_t host = ntohl(reinterpret_cast<const sockaddr_in*>(address)->sin_addr.s_addr);
    const std::uint32_t hostBits = prefixLength >= 32 ? 0u : 0xFFFFFFFFu >> prefixLength;
    return AddressText(host | hostBits);
}

std::vector<std::uint8_t> AdapterTable() {
    constexpr ULONG kFlags = GAA_FLAG_SKIP_ANYCAST | GAA_FLAG_SKIP_MULTICAST | GAA_FLAG_SKIP_DNS_SERVER;
    ULONG size = 16 * 1024;
    std::vector<std::uint8_t> table(size);
    // The table may grow between the calls; a few tries are enough.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const ULONG result = GetAdaptersAddresses(AF_INET, kFlags, nullptr,
                                                  reinterpret_cast<IP_ADAPTER_ADDRESSES*>(table.data()), &size);
        if (result == ERROR_SUCCESS) {
            return table;
        }
        if (result != ERROR_BUFFER_OVERFLOW) {
            break;
        }
        table.resize(size);
    }
    return {};
}

}  // namespace

std::vector<NetworkInterface> ListNetworkInterfaces() {
    std::vector<NetworkInterface> interfaces;
    std::vector<std::uint8_t> table = AdapterTable();
    if (table.empty()) {
        return interfaces;
    }
    for (auto* adapter = reinterpret_cast<const IP_ADAPTER_ADDRESSES*>(table.data()); adapter != nullptr;
         adapter = adapter->Next) {
        // As elsewhere, a loopback interface has no broadcast address.
        const bool loopback = adapter->IfType == IF_TYPE_SOFTWARE_LOOPBACK;
        for (const IP_ADAPTER_UNICAST_ADDRESS* unicast = adapter->FirstUnicastAddress; unicast != nullptr;
             unicast = unicast->Next) {
            const SOCKADDR* address = unicast->Address.lpSockaddr;
            if (address == nullptr || address->sa_family != AF_INET) {
                continue;
            }
            interfaces.push_back({win32::WideToUtf8(adapter->FriendlyName),
                                  loopback ? std::string() : BroadcastOf(address, unicast->OnLinkPrefixLength),
                                  adapter->OperStatus == IfOperStatusUp});
        }
    }
    return interfaces;
}

}  // namespace lanvane::cli
