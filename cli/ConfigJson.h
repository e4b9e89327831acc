#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "protocol/InterfaceConfig.h"

namespace lanvane::cli {

// The record's fields as JSON, named as in InterfaceConfig and in record order: texts as
// strings, codes and numbers as numbers, addresses as "a.b.c.d". Only the fields that the
// record's layout carries are listed; the layout itself is not a field.
nlohmann::ordered_json ConfigToJson(const InterfaceConfig& config);

// Why a settings document was refused: the field at fault (empty for the document as a
// whole) and what is wrong with it.
struct ConfigJsonError {
    std::string field;
    std::string reason;

    std::string Text() const;
};

// Sets the fields that `settings` names on `config`, all or none. Refused: a document that
// is not an object, a name that is no field, a field that config.version does not carry, a
// value of the wrong type, a number out of its field's range, a text longer than its field
// or holding a NUL, an address that is not "a.b.c.d".
std::optional<ConfigJsonError> ApplyConfigJson(const nlohmann::json& settings, InterfaceConfig& config);

// The same checks without a printer's record at hand: everything but the layout.
std::optional<ConfigJsonError> CheckConfigJson(const nlohmann::json& settings);

}  // namespace lanvane::cli
