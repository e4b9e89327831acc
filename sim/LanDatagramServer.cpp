#include "sim/LanDatagramServer.h"

namespace lanvane::sim {

LanDatagramServer::LanDatagramServer(LanPrinterResponder& responder, std::uint16_t port, std::uint16_t replyPort)
    : port_(loop_, {&responder}, port, replyPort) {}

LanDatagramServer::~LanDatagramServer() { Stop(); }

bool LanDatagramServer::Start() { return port_.Open() && loop_.Start(); }

void LanDatagramServer::Stop() {
    loop_.Stop();
    port_.Close();
}

}  // namespace lanvane::sim
