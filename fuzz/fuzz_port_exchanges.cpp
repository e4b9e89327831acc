// The printer's answers over the port, each a burst of fuzzed bytes, to one exchange the
// input picks: a read (the maker-name reply to the identification request, the attention
// answer, SYS_RSP and IF__CUR) or a certificate upload (the reply to the announcement,
// "STRT" or not, and the acknowledgement of each chunk).
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "protocol/Certificate.h"
#include "protocol/CertificateUpload.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Identification.h"
#include "protocol/PrinterConfigReader.h"

namespace lanvane::fuzz {
namespace {

void Read(FuzzedDataProvider& input) {
    ScriptedChannel channel(input);
    ExchangeBuffers buffers;
    const ConfigReadResult result = ReadPrinterConfig(channel, buffers, nullptr);
    Check(result.makerName.size() < kIdentificationBufferSize, "the maker name fits its reply buffer");
    Check((result.outcome == ReadOutcome::MakerNameMismatch) == (result.makerName != kMakerName),
          "only a different maker name is a mismatch");
    if (result.outcome == ReadOutcome::Ok) {
        Check(result.config.version == 1 || result.config.version == 2, "a record read has a known layout");
    }
}

bool Wiped(const ExchangeBuffers& buffers) {
    const auto zero = [](std::uint8_t byte) { return byte == 0; };
    return std::all_of(std::begin(buffers.request), std::end(buffers.request), zero) &&
           std::all_of(std::begin(buffers.staging), std::end(buffers.staging), zero) &&
           std::all_of(std::begin(buffers.message), std::end(buffers.message), zero) &&
           std::all_of(std::begin(buffers.reply), std::end(buffers.reply), zero);
}

void Upload(FuzzedDataProvider& input) {
    const auto kind = static_cast<CertKind>(input.ConsumeIntegralInRange<int>(1, 3));
    const std::vector<std::uint8_t> certificate =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, kCertificateSizeLimit - 1));
    ScriptedChannel channel(input);
    ExchangeBuffers buffers;
    int last = 0;
    const auto progress = [&last](int position) {
        Check(position >= last && position <= 100, "progress only moves on, up to 100");
        last = position;
    };
    const UploadOutcome outcome = UploadCertificate(channel, buffers, kind, certificate, progress, nullptr);
    Check(outcome != UploadOutcome::Ok || certificate.empty() || last == 100, "a finished upload ends at 100");
    Check(Wiped(buffers), "no key material stays in the buffers");
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool()) {
        lanvane::fuzz::Upload(input);
    } else {
        lanvane::fuzz::Read(input);
    }
    return 0;
}
