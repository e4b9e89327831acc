#pragma once

#include <optional>
#include <string>

#include <nlohmann/json.hpp>

#include "protocol/InterfaceConfig.h"

namespace lanvane::cli {

// The record's fields as JSON, named as in InterfaceConfig and in record order, typed as
// FieldCatalogue says: texts as strings, switches as true/false, codes by name (a code the
// printer reports outside its table as its number), numbers as numbers, addresses as
// "a.b.c.d". Secrets are masked unless `showSecrets`. Only the fields the record's layout
// carries are listed.
nlohmann::ordered_json ConfigToJson(const InterfaceConfig& config, bool showSecrets);

// Why settings were refused: the field at fault (empty for the document as a whole) and
// what is wrong, naming the value given and what is allowed.
struct ConfigJsonError {
    std::string field;
    std::string reason;

    std::string Text() const;
};

// The object of record fields in a settings document: the "config" object of a whole
// 'read --json' document, or the document itself.
const nlohmann::json& ConfigObjectOf(const nlohmann::json& document);
const nlohmann::ordered_json& ConfigObjectOf(const nlohmann::ordered_json& document);

// Checks what surrounds the record fields of a document: "format", where given, must be
// this program's (kJsonFormat); beside an object "config" only the members that 'read
// --json' and 'write --json' write around it may stand, so that a field put beside it is
// not silently left unset.
std::optional<ConfigJsonError> CheckDocumentFrame(const nlohmann::json& document);
std::optional<ConfigJsonError> CheckDocumentFrame(const nlohmann::ordered_json& document);

// Sets the fields that `settings` names on `config`, all or none. A "format" member must
// be this program's and is otherwise ignored; a secret given as the mask keeps its value. Refused: settings that are not an
// object, a name that is no field, a field or code that config.version does not carry,
// a value that is not of the field's type or outside its range or code table.
std::optional<ConfigJsonError> ApplyConfigJson(const nlohmann::json& settings, InterfaceConfig& config);

// The same checks without a printer's record at hand: everything but the layout.
std::optional<ConfigJsonError> CheckConfigJson(const nlohmann::json& settings);

}  // namespace lanvane::cli
