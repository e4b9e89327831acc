// What the command line takes as text: a settings document, addresses and MACs. JSON
// nesting is capped before the parser and every walk over the document see it.
#include <algorithm>
#include <string>

#include "cli/ConfigJson.h"
#include "cli/JsonReader.h"
#include "fuzz/FuzzCheck.h"
#include "protocol/AddressText.h"

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

// All or none: a refused document leaves the record alone; a taken one survives the
// trip through its own JSON.
void CheckSettings(const std::string& text) {
    const auto reading = cli::ReadJsonDocument<nlohmann::json>(text, "input");
    if (reading.refusal) {
        return;
    }
    const nlohmann::json& settings = reading.document;
    const bool checked = !cli::CheckConfigJson(settings).has_value();
    for (const int version : {1, 2}) {
        InterfaceConfig config;
        config.version = version;
        const InterfaceConfig before = config;
        if (cli::ApplyConfigJson(settings, config).has_value()) {
            Check(config == before, "a refused document changes nothing");
            continue;
        }
        Check(checked, "what a record takes passes the check without one");
        InterfaceConfig again;
        again.version = version;
        Check(!cli::ApplyConfigJson(cli::ConfigToJson(config, true), again).has_value() && again == config,
              "a record's own JSON gives the record back");
    }
}

void CheckAddresses(const std::string& text) {
    const auto address = ParseAddressText(text);
    if (address) {
        Check(ParseAddressText(AddressText(*address)) == address, "an address survives its own text");
    }
    const auto mac = ParseMacText(text);
    if (mac) {
        Check(ParseMacText(MacText(*mac)) == mac, "a MAC survives its own text");
        Check(ParseMacText(LanMacText(*mac)) == mac, "a MAC survives its LAN text");
    }
}

}  // namespace
}  // namespace lanvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    lanvane::fuzz::CheckReading(text);
    lanvane::fuzz::CheckSettings(text);
    lanvane::fuzz::CheckAddresses(text);
    return 0;
}
