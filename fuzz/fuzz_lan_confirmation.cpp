// The printer's answer to a set datagram, in either mode.
#include <string_view>

#include "fuzz/FuzzCheck.h"
#include "lan/core/SetDatagrams.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    const std::vector<std::uint8_t> datagram(data, data + size);
    const std::string_view text(reinterpret_cast<const char*>(datagram.data()), datagram.size());
    for (const LanMode mode : {LanMode::Ethernet, LanMode::Wlan}) {
        const Confirmation confirmation = ClassifyConfirmation(mode, datagram);
        if (confirmation == Confirmation::Setc) {
            Check(text.starts_with("SETC"), "SETC is only taken as written");
        }
        if (confirmation == Confirmation::SetResponse) {
            Check(mode == LanMode::Wlan && text.starts_with("__[I_F]__[SET_RSP]"), "SET_RSP only in WLAN mode");
        }
        if (confirmation != Confirmation::None) {
            Check(size >= (mode == LanMode::Ethernet ? kEthernetConfirmationMinimum : kWlanConfirmationMinimum),
                  "a confirmation is not shorter than its mode's minimum");
            ConfirmationMessage(confirmation);
        }
    }
    return 0;
}
