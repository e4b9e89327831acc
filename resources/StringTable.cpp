#include "resources/StringTable.h"

namespace lanvane {

StringTable::StringTable(std::span<const StringEntry> entries) {
    for (const StringEntry& entry : entries) {
        texts_.insert_or_assign(entry.id, std::string(entry.text));
    }
}

std::string_view StringTable::Text(int id) const noexcept {
    const auto found = texts_.find(id);
    if (found == texts_.end()) {
        return {};
    }
    return found->second;
}

bool StringTable::Contains(int id) const noexcept {
    return texts_.contains(id);
}

std::size_t StringTable::Size() const noexcept {
    return texts_.size();
}

const StringTable& EnglishStringTable() {
    static const StringTable table(EnglishStrings());
    return table;
}

}  // namespace lanvane
