#include "tests/lan/LanDialogSupport.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace lanvane::test {

PrinterPeer::PrinterPeer() {
    socket_.SetLocalPort(0);
    if (socket_.Bind() != UdpResult::Ok) {
        throw std::runtime_error("no socket for the printer peer");
    }
}

std::vector<std::uint8_t> PrinterPeer::TakeRequest(std::chrono::milliseconds limit) {
    UdpDatagram datagram;
    if (!socket_.WaitReadable(limit) || socket_.GetData(datagram) != UdpResult::Ok) {
        return {};
    }
    socket_.SetRemoteHost(datagram.senderAddress);
    socket_.SetRemotePort(datagram.senderPort);
    return {datagram.View().begin(), datagram.View().end()};
}

void PrinterPeer::Reply(const std::vector<std::uint8_t>& datagram) {
    ASSERT_EQ(socket_.SendData(datagram), UdpResult::Ok);
}

HeldPort::HeldPort() {
    socket_ = socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    socklen_t size = sizeof address;
    if (socket_ < 0 || bind(socket_, reinterpret_cast<const sockaddr*>(&address), size) != 0 ||
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        throw std::runtime_error("no port to hold");
    }
    port_ = ntohs(address.sin_port);
}

HeldPort::~HeldPort() {
    close(socket_);
}

std::string TextOf(int messageId) {
    return std::string(EnglishStringTable().Text(messageId));
}

void LanDialogTest::UsePrinterPort(std::uint16_t printerPort) {
    context.network.broadcastAddress = "127.255.255.255";
    context.network.ethernet = {printerPort, 0};
    context.network.wlan = {printerPort, 0};
}

std::vector<std::string> LanDialogTest::Messages() const {
    std::vector<std::string> texts;
    for (const MessageBoxRecord& record : ui.MessageBoxes()) {
        texts.push_back(record.request.text);
    }
    return texts;
}

Dialog& LanDialogTest::Active() const {
    Dialog* dialog = ui.ActiveDialog();
    if (dialog == nullptr) {
        throw std::runtime_error("no dialog is active");
    }
    return *dialog;
}

void LanDialogTest::TearDown() {
    EXPECT_TRUE(driver.Rejections().empty()) << driver.Rejections().front();
    for (const MessageBoxRecord& record : ui.MessageBoxes()) {
        EXPECT_EQ(record.request.caption, "Lanvane");
        EXPECT_EQ(record.request.icon, MessageBoxIcon::None);
    }
}

}  // namespace lanvane::test
