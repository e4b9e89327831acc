// The simulated printer's LAN side: any datagram, to a wired and a wireless printer.
#include "fuzz/FuzzCheck.h"
#include "sim/LanPrinterResponder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane::sim;
    using lanvane::fuzz::Check;
    const Bytes datagram(data, data + size);
    for (const LanKind kind : {LanKind::Ethernet, LanKind::Wlan}) {
        const LanPrinterSettings settings = DefaultLanPrinter(kind, 1);
        LanPrinterResponder printer(settings);
        const std::vector<ReplyBurst> replies = printer.Answer(datagram);
        Check(replies.size() <= 1, "one reply at most without faults");
        const LanPrinterSettings after = printer.Settings();
        Check(printer.SettingsTaken() == 1 || after == settings, "only a set datagram changes the settings");
        Check(after.mac == settings.mac && after.kind == kind, "nothing changes the printer's MAC or kind");
    }
    return 0;
}
