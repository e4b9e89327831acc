#pragma once

#include <deque>

namespace lanvane {

// The devices of the last search of one mode, in order of arrival, numbered from 1.
// Records stay in place while others are appended, so a window may edit one through the
// pointer Nth gave it.
template <class Record>
class DeviceList {
public:
    void Clear() { records_.clear(); }
    void Append(const Record& record) { records_.push_back(record); }
    int Count() const { return static_cast<int>(records_.size()); }

    // The record numbered n; nullptr for 0, a negative number or one beyond the end.
    Record* Nth(int n) { return Contains(n) ? &records_[Index(n)] : nullptr; }
    const Record* Nth(int n) const { return Contains(n) ? &records_[Index(n)] : nullptr; }

private:
    bool Contains(int n) const { return n >= 1 && n <= Count(); }
    static typename std::deque<Record>::size_type Index(int n) {
        return static_cast<typename std::deque<Record>::size_type>(n - 1);
    }

    std::deque<Record> records_;
};

}  // namespace lanvane
