// The printer's answers to a read: the maker-name reply to the identification request,
// the attention answer, SYS_RSP and IF__CUR, each a burst of fuzzed bytes.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "protocol/ExchangeBuffers.h"
#include "protocol/Identification.h"
#include "protocol/PrinterConfigReader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lanvane;
    using fuzz::Check;
    FuzzedDataProvider input(data, size);
    fuzz::ScriptedChannel channel(input);
    ExchangeBuffers buffers;
    const ConfigReadResult result = ReadPrinterConfig(channel, buffers, nullptr);
    Check(result.makerName.size() < kIdentificationBufferSize, "the maker name fits its reply buffer");
    Check((result.outcome == ReadOutcome::MakerNameMismatch) == (result.makerName != kMakerName),
          "only a different maker name is a mismatch");
    if (result.outcome == ReadOutcome::Ok) {
        Check(result.config.version == 1 || result.config.version == 2, "a record read has a known layout");
    }
    return 0;
}
