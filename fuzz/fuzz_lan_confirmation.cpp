// Confirmations of settings to several printers in turn, from the printers' addresses and
// from others: each datagram classified as its mode takes it, and a setting confirmed only
// by a confirmation from its own printer.
#include <fuzzer/FuzzedDataProvider.h>

#include <array>
#include <string>
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "lan/core/SetDatagrams.h"

namespace lanvane::fuzz {
namespace {

void CheckClassification(LanMode mode, const std::vector<std::uint8_t>& datagram) {
    const Confirmation confirmation = ClassifyConfirmation(mode, datagram);
    const std::string_view text(reinterpret_cast<const char*>(datagram.data()), datagram.size());
    if (confirmation == Confirmation::Setc) {
        Check(text.starts_with("SETC"), "SETC is only taken as written");
    }
    if (confirmation == Confirmation::SetResponse) {
        Check(mode == LanMode::Wlan && text.starts_with("__[I_F]__[SET_RSP]"), "SET_RSP only in WLAN mode");
    }
    if (confirmation != Confirmation::None) {
        Check(datagram.size() >= (mode == LanMode::Ethernet ? kEthernetConfirmationMinimum : kWlanConfirmationMinimum),
              "a confirmation is not shorter than its mode's minimum");
        ConfirmationMessage(confirmation);
    }
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    FuzzedDataProvider input(data, size);
    const LanMode mode = input.ConsumeBool() ? LanMode::Wlan : LanMode::Ethernet;
    // Printers of a plan, one of them of unknown address, and the addresses datagrams come from.
    const std::array<std::string, 3> printers = {"127.0.10.1", "127.0.10.2", ""};
    std::size_t current = 0;
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeBool()) {
            current = input.ConsumeIntegralInRange<std::size_t>(0, printers.size() - 1);
        }
        const std::string sender =
            input.ConsumeBool() ? printers[input.ConsumeIntegralInRange<std::size_t>(0, printers.size() - 1)]
                                : input.ConsumeRandomLengthString(20);
        const std::vector<std::uint8_t> datagram =
            input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 64));
        fuzz::CheckClassification(mode, datagram);
        const std::string& printer = printers[current];
        const Confirmation confirmation = ConfirmationFrom(mode, datagram, sender, printer);
        if (confirmation != Confirmation::None) {
            Check(!printer.empty() && sender == printer, "only the printer the setting went to confirms it");
        }
        if (!printer.empty() && sender == printer) {
            Check(confirmation == ClassifyConfirmation(mode, datagram), "the printer's own confirmation counts");
        }
    }
    return 0;
}
