#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>

namespace lanvane {

struct StringEntry {
    int id;
    std::string_view text;
};

// Texts by id. The built-in table holds the English texts; a language library supplies its
// own entries under the same ids.
class StringTable {
public:
    StringTable() = default;
    // Copies the texts; a later entry with an id already seen replaces the earlier one.
    explicit StringTable(std::span<const StringEntry> entries);

    // The text of `id`, or an empty view when the table has none. The view lives as long
    // as the table.
    std::string_view Text(int id) const noexcept;
    bool Contains(int id) const noexcept;
    std::size_t Size() const noexcept;

private:
    std::unordered_map<int, std::string> texts_;
};

// The program's own English entries, in id order.
std::span<const StringEntry> EnglishStrings();

// The built-in English table, built once.
const StringTable& EnglishStringTable();

}  // namespace lanvane
