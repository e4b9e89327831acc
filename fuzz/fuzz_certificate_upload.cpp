// The printer's answers during a certificate upload: the reply to the announcement
// ("STRT" or not) and the acknowledgement of each chunk, each a burst of fuzzed bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <iterator>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "protocol/Certificate.h"
#include "protocol/CertificateUpload.h"
#include "protocol/ExchangeBuffers.h"

namespace lanvane::fuzz {
namespace {

bool Wiped(const ExchangeBuffers& buffers) {
    const auto zero = [](std::uint8_t byte) { return byte == 0; };
    return std::all_of(std::begin(buffers.request), std::end(buffers.request), zero) &&
           std::all_of(std::begin(buffers.staging), std::end(buffers.staging), zero) &&
           std::all_of(std::begin(buffers.message), std::end(buffers.message), zero) &&
           std::all_of(std::begin(buffers.reply), std::end(buffers.reply), zero);
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    FuzzedDataProvider input(data, size);
    const auto kind = static_cast<CertKind>(input.ConsumeIntegralInRange<int>(1, 3));
    const std::vector<std::uint8_t> certificate =
        input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegralInRange<std::size_t>(0, kCertificateSizeLimit - 1));
    fuzz::ScriptedChannel channel(input);
    ExchangeBuffers buffers;
    int last = 0;
    const auto progress = [&last](int position) {
        Check(position >= last && position <= 100, "progress only moves on, up to 100");
        last = position;
    };
    const UploadOutcome outcome =
        UploadCertificate(channel, buffers, kind, certificate, progress, nullptr);
    Check(outcome != UploadOutcome::Ok || certificate.empty() || last == 100, "a finished upload ends at 100");
    Check(fuzz::Wiped(buffers), "no key material stays in the buffers");
    return 0;
}
