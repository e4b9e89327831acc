#pragma once

#include "link/LinkError.h"
#include "link/NativeHandle.h"
#include "link/TcpTimings.h"
#include "protocol/StreamLink.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <utility>

namespace lanvane {

// The blocking TCP client over which the BSS survey reaches a printer on the LAN. It
// carries raw bytes to the printer's survey port at a dotted-decimal IPv4 address.
class CTcpLink : public StreamLink {
public:
    static constexpr std::uint16_t kPrinterPort = 3318;

    explicit CTcpLink(std::string address = {}, TcpTimings timings = {},
                      std::uint16_t port = kPrinterPort)
        : address_(std::move(address)), timings_(timings), port_(port) {}
    ~CTcpLink() override;

    CTcpLink(const CTcpLink&) = delete;
    CTcpLink& operator=(const CTcpLink&) = delete;

    // Opens a new connection (closing any earlier one); false when the address text is
    // not a dotted-decimal IPv4 address, or the printer refuses or does not answer in time.
    bool Connect() override;
    long Send(std::span<const std::uint8_t> bytes) override;
    long Receive(std::span<std::uint8_t> buffer) override;
    // Harmless when nothing is open.
    void Close() override;
    // Why the last failed connect, send or receive failed.
    const LinkError& LastError() const { return lastError_; }

    void SetAddress(std::string address) { address_ = std::move(address); }
    const std::string& Address() const { return address_; }

private:
    std::string address_;
    TcpTimings timings_;
    std::uint16_t port_;
    NativeSocket socket_ = kNoSocket;
    LinkError lastError_;

    std::string Target() const;
};

}  // namespace lanvane
