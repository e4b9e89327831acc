#include "ui/win32/WebPageUrl.h"

namespace lanvane {

namespace {

constexpr std::string_view kScheme = "http://";
constexpr int kOctets = 4;
constexpr int kMaxOctet = 255;
constexpr std::size_t kMaxDigits = 3;

// Takes one octet of 1 to 3 digits, at most 255, from the front of text.
bool TakeOctet(std::string_view& text) {
    std::size_t digits = 0;
    int value = 0;
    while (digits < text.size() && digits < kMaxDigits && text[digits] >= '0' && text[digits] <= '9') {
        value = value * 10 + (text[digits] - '0');
        ++digits;
    }
    text.remove_prefix(digits);
    return digits > 0 && value <= kMaxOctet;
}

}  // namespace

bool IsWebPageUrl(std::string_view url) {
    if (!url.starts_with(kScheme)) {
        return false;
    }
    std::string_view rest = url.substr(kScheme.size());
    for (int octet = 0; octet < kOctets; ++octet) {
        if (!TakeOctet(rest)) {
            return false;
        }
        const char separator = octet + 1 < kOctets ? '.' : '/';
        if (rest.empty() || rest.front() != separator) {
            return false;
        }
        rest.remove_prefix(1);
    }
    return rest.empty();
}

}  // namespace lanvane
