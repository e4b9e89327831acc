#pragma once

#include <QStringList>
#include <string_view>

namespace lanvane {

// Turns a filter of "description|pattern|" pairs (patterns separated by ';') into Qt's name
// filters, "description (pattern pattern)". A pair without a pattern is left out.
QStringList NameFilters(std::string_view filter);

}  // namespace lanvane
