// The simulated printer's side of the channel: the message splitter, the certificate
// chunks and their receiver, and the whole printer fed the same bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <map>

#include "fuzz/FuzzCheck.h"
#include "sim/CertificateReceiver.h"
#include "sim/MessageSplitter.h"
#include "sim/SimulatedPrinter.h"
#include "sim/WireConstants.h"

namespace lanvane::fuzz {
namespace {

using sim::Bytes;

Bytes Piece(FuzzedDataProvider& input) {
    return input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, 1024));
}

void CheckMessage(const sim::PrinterMessage& message) {
    const Bytes& bytes = message.bytes;
    if (message.kind == sim::MessageKind::Identification) {
        Check(std::equal(bytes.begin(), bytes.end(), std::begin(sim::wire::kIdentifyCommand),
                         std::end(sim::wire::kIdentifyCommand)),
              "an identification message is the identification command");
        return;
    }
    Check(bytes.size() >= 4 && std::equal(std::begin(sim::wire::kRequestPrefix),
                                          std::end(sim::wire::kRequestPrefix), bytes.begin()),
          "a message starts with the request prefix");
    Check(std::find(bytes.begin() + 3, bytes.end(), sim::wire::kTerminator) == bytes.end() - 1,
          "a message ends at its first terminator");
    Check(message.kind != sim::MessageKind::Attention || bytes.size() == sim::wire::kAttentionSize,
          "an attention message has its size");
}

void Split(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    sim::MessageSplitter splitter;
    while (input.remaining_bytes() > 0) {
        const Bytes piece = Piece(input);
        splitter.Feed(piece.data(), piece.size());
        while (const auto message = splitter.Next()) {
            CheckMessage(*message);
        }
        Check(splitter.PendingBytes() <= sim::MessageSplitter::kLongestMessage, "an unended message is dropped in time");
    }
}

// The CRC is left to the input, so that forged offsets and lengths get past it.
void ReceiveChunks(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    sim::CertificateReceiver receiver;
    std::map<int, sim::ReceivedCertificate> certificates;
    while (input.remaining_bytes() > 0) {
        if (input.ConsumeBool()) {
            receiver.Begin(input.ConsumeIntegralInRange<int>(1, 3), certificates);
            continue;
        }
        auto chunk = sim::ParseCertificateChunk(Piece(input));
        if (!chunk) {
            continue;
        }
        Check(chunk->data.size() == chunk->length, "a chunk holds the length it gives");
        chunk->crcHolds = input.ConsumeBool();
        receiver.Accept(*chunk, certificates);
    }
    for (const auto& [kind, certificate] : certificates) {
        Check(certificate.data.size() <= sim::CertificateReceiver::kLargestCertificate, "a certificate stays bounded");
    }
}

void Serve(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    sim::SimulatedPrinter printer;
    while (input.remaining_bytes() > 0) {
        const Bytes piece = Piece(input);
        if (input.ConsumeBool()) {
            printer.AnswerStream(piece);
        } else {
            printer.Receive(piece);
        }
    }
    for (const auto& [kind, certificate] : printer.State().certificates) {
        Check(certificate.data.size() <= sim::CertificateReceiver::kLargestCertificate, "a certificate stays bounded");
    }
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lanvane::fuzz::Split(data, size);
    lanvane::fuzz::ReceiveChunks(data, size);
    lanvane::fuzz::Serve(data, size);
    return 0;
}
