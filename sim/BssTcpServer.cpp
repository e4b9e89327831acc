#include "sim/BssTcpServer.h"

namespace lanvane::sim {

BssTcpServer::BssTcpServer(SimulatedPrinter& printer, std::string address, std::uint16_t port)
    : port_(loop_, printer, std::move(address), port) {}

BssTcpServer::~BssTcpServer() { Stop(); }

bool BssTcpServer::Start() { return port_.Open() && loop_.Start(); }

void BssTcpServer::Stop() {
    loop_.Stop();
    port_.Close();
}

}  // namespace lanvane::sim
