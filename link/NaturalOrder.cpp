#include "link/NaturalOrder.h"

#include <algorithm>

namespace lanvane {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The digit run at the front of `text`, without leading zeros; `text` moves past it.
std::string_view TakeNumber(std::string_view& text) {
    const auto end = std::find_if_not(text.begin(), text.end(), IsDigit);
    std::string_view digits = text.substr(0, static_cast<std::size_t>(end - text.begin()));
    text.remove_prefix(digits.size());
    digits.remove_prefix(std::min(digits.find_first_not_of('0'), digits.size()));
    return digits;
}

}  // namespace

bool NaturalLess(std::string_view left, std::string_view right) {
    while (!left.empty() && !right.empty()) {
        if (IsDigit(left.front()) && IsDigit(right.front())) {
            const std::string_view leftNumber = TakeNumber(left);
            const std::string_view rightNumber = TakeNumber(right);
            if (leftNumber.size() != rightNumber.size()) {
                return leftNumber.size() < rightNumber.size();
            }
            if (leftNumber != rightNumber) {
                return leftNumber < rightNumber;
            }
            continue;
        }
        if (left.front() != right.front()) {
            return static_cast<unsigned char>(left.front()) <
                   static_cast<unsigned char>(right.front());
        }
        left.remove_prefix(1);
        right.remove_prefix(1);
    }
    return left.size() < right.size();
}

}  // namespace lanvane
