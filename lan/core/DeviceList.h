#pragma once

#include <deque>
#include <string>
#include <utility>

namespace lanvane {

// The devices of the last search of one mode, in order of arrival, numbered from 1, each
// with the address its reply came from. Records stay in place while others are appended,
// so a window may edit one through the pointer Nth gave it.
template <class Record>
class DeviceList {
public:
    void Clear() { entries_.clear(); }
    void Append(const Record& record, std::string from = {}) { entries_.push_back({record, std::move(from)}); }
    int Count() const { return static_cast<int>(entries_.size()); }

    // The record numbered n; nullptr for 0, a negative number or one beyond the end.
    Record* Nth(int n) { return Contains(n) ? &entries_[Index(n)].record : nullptr; }
    const Record* Nth(int n) const { return Contains(n) ? &entries_[Index(n)].record : nullptr; }
    // The address the reply of the record numbered n came from: the printer's, the only one
    // that may confirm its setting. Empty when there is no such record or it is not known.
    std::string From(int n) const { return Contains(n) ? entries_[Index(n)].from : std::string(); }

private:
    struct Entry {
        Record record;
        std::string from;
    };

    bool Contains(int n) const { return n >= 1 && n <= Count(); }
    static typename std::deque<Entry>::size_type Index(int n) {
        return static_cast<typename std::deque<Entry>::size_type>(n - 1);
    }

    std::deque<Entry> entries_;
};

}  // namespace lanvane
