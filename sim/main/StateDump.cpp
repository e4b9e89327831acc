#include "sim/main/StateDump.h"

#include <cstdio>

#include "sim/DottedAddress.h"
#include "sim/SimRecordLayout.h"
#include "sim/main/DumpTexts.h"
#include "sim/posix/PrivateFile.h"

namespace lanvane::sim {
namespace {

nlohmann::json RecordToJson(const PrinterRecord& record) {
    nlohmann::json fields{{"layout", record.layout}};
    for (const RecordField& field : SimRecordLayout::Fields()) {
        if (field.OffsetIn(record.layout) == RecordField::kAbsent) {
            continue;
        }
        std::visit(
            [&](auto member) {
                const auto& value = record.*member;
                using Value = std::decay_t<decltype(value)>;
                if constexpr (std::is_same_v<Value, std::uint32_t>) {
                    fields[std::string(field.name)] = DottedAddress(value);
                } else {
                    fields[std::string(field.name)] = value;
                }
            },
            field.member);
    }
    return fields;
}

nlohmann::json CertificatesToJson(const std::map<int, ReceivedCertificate>& certificates) {
    static const char* const kKindNames[] = {"", "CA", "Client Key", "Client PEM"};
    nlohmann::json list = nlohmann::json::array();
    for (const auto& [kind, certificate] : certificates) {
        list.push_back({{"kind", kind},
                        {"name", kind >= 1 && kind <= 3 ? kKindNames[kind] : ""},
                        {"complete", certificate.complete},
                        {"size", certificate.data.size()},
                        {"text", std::string(certificate.data.begin(), certificate.data.end())}});
    }
    return list;
}

}  // namespace

nlohmann::json StateToJson(const PrinterState& state, const std::vector<HandledRequest>& history) {
    nlohmann::json requests = nlohmann::json::array();
    for (const HandledRequest& request : history) {
        requests.push_back(RequestKindName(request.kind));
    }
    return {{"makerName", state.makerName},
            {"identity",
             {{"firmwareVersion", state.identity.firmwareVersion},
              {"updateDate", state.identity.updateDate},
              {"mac", MacDashText(state.identity.mac)}}},
            {"record", RecordToJson(state.record)},
            {"certificates", CertificatesToJson(state.certificates)},
            {"requests", requests}};
}

bool WriteStateDump(const std::string& path, const nlohmann::json& dump) {
    // Texts written by a client need not be UTF-8; replace what JSON cannot carry.
    return WritePrivateFile(path, dump.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + '\n');
}

}  // namespace lanvane::sim
