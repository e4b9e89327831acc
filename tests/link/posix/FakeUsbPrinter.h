#pragma once

#include "../PseudoTerminal.h"

#include <string>

namespace lanvane::test {

// A USB printer on a raw pseudo-terminal: the test plays the printer on the master side.
// It takes nothing from the line, so a long write fills it up.
class FakeUsbPrinter {
public:
    const std::string& Path() const { return line_.SlavePath(); }
    void Send(const std::string& bytes) const { line_.Send(bytes); }

private:
    PseudoTerminal line_;
};

}  // namespace lanvane::test
