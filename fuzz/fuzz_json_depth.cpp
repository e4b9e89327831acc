// The JSON reader of the settings and saved configurations: nesting is capped before the
// parser and every walk over the document see it.
#include <string>

#include "cli/ConfigJson.h"
#include "cli/JsonReader.h"
#include "fuzz/FuzzCheck.h"

namespace lanvane::fuzz {
namespace {

std::size_t DepthOf(const nlohmann::json& value) {
    std::size_t deepest = 0;
    if (value.is_structured()) {
        for (const auto& member : value) {
            deepest = std::max(deepest, DepthOf(member));
        }
        ++deepest;
    }
    return deepest;
}

void CheckReading(const std::string& text) {
    const auto reading = cli::ReadJsonDocument<nlohmann::json>(text, "input");
    const std::size_t counted = cli::JsonNestingDepth(text);
    Check(counted <= cli::kMaxJsonDepth + 1, "the count stops past the cap");
    if (reading.refusal) {
        return;
    }
    Check(DepthOf(reading.document) == counted, "the count without parsing is the document's depth");
    const auto framed = cli::CheckDocumentFrame(reading.document);
    const auto checked = cli::CheckConfigJson(cli::ConfigObjectOf(reading.document));
    Check(!framed || !framed->reason.empty(), "a refusal says why");
    Check(!checked || !checked->reason.empty(), "a refusal says why");
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    lanvane::fuzz::CheckReading(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
