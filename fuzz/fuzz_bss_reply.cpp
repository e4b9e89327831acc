// BSS replies: the raw frame parser, the list rows filled from its table, and the survey
// over the printer port that receives the frame as a link message.
#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz/FuzzCheck.h"
#include "fuzz/ScriptedChannel.h"
#include "protocol/BssReplyParser.h"
#include "protocol/BssSurvey.h"
#include "protocol/ExchangeBuffers.h"

namespace lanvane::fuzz {
namespace {

void CheckRows(const BssTable& table) {
    const std::vector<BssRow> rows = FillBssList(table);
    Check(rows.size() <= kBssTableSize, "no more rows than table entries");
    for (std::size_t index = 0; index < rows.size(); ++index) {
        Check(table[index].HasBssid(), "every listed entry has a BSSID");
        Check(rows[index][0] == std::to_string(index + 1), "rows are numbered from 1");
    }
    Check(rows.size() == kBssTableSize || !table[rows.size()].HasBssid(), "the list ends at the first entry without a BSSID");
}

void ParseRawFrame(const std::uint8_t* data, std::size_t size) {
    BssTable table;
    table[0].ssid = "untouched";
    // An exact-size copy, so that a read past the frame's end is caught.
    const std::vector<std::uint8_t> frame(data, data + size);
    const BssOutcome outcome = ParseBssReply(frame, table);
    if (outcome == BssOutcome::ChecksumFailed) {
        Check(table[0].ssid == "untouched", "a frame that fails its checksum leaves the table alone");
        return;
    }
    for (const BssEntry& entry : table) {
        Check(entry.ssid.size() <= 30, "an SSID holds at most 30 bytes");
    }
    CheckRows(table);
}

void SurveyOverPort(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    ScriptedChannel channel(input);
    ExchangeBuffers buffers;
    BssTable table;
    RequestBssOverPort(channel, buffers, table, [](int position) {
        Check(position >= 0 && position <= 100, "progress stays within 0..100");
    });
    CheckRows(table);
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lanvane::fuzz::ParseRawFrame(data, size);
    lanvane::fuzz::SurveyOverPort(data, size);
    return 0;
}
