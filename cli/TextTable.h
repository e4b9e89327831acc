#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace lanvane::cli {

using TextRow = std::vector<std::string>;

// Writes the rows as aligned columns: every column but the last is padded to its widest
// cell, columns are two spaces apart, and no line ends in spaces. Control characters in a
// cell are shown as escapes (VisibleText): cells hold what printers report.
void WriteColumns(std::ostream& out, const std::vector<TextRow>& rows, const std::string& indent = {});

}  // namespace lanvane::cli
