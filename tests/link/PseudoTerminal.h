#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace lanvane::test {

// A pseudo-terminal whose slave stands in for a printer device; the test plays the
// printer on the master side.
class PseudoTerminal {
public:
    // `raw` puts the line in raw mode, as a USB device (which has no line settings) needs.
    explicit PseudoTerminal(bool raw = true);
    ~PseudoTerminal();

    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    const std::string& SlavePath() const { return slavePath_; }

    // What the printer sends.
    void Send(const std::vector<std::uint8_t>& bytes) const;
    void Send(const std::string& text) const;

    // What the printer received: reads until `count` bytes or the wait ends.
    std::vector<std::uint8_t> Receive(std::size_t count, std::chrono::milliseconds wait) const;

private:
    int master_ = -1;
    std::string slavePath_;
};

}  // namespace lanvane::test
