#include "app/LanguageLibraryTable.h"

#include <utility>

namespace lanvane {
namespace {

constexpr int kChinese = 0x04;

// Chinese by script: the People's Republic (2) and Singapore (4) write simplified
// characters; Taiwan (1), Hong Kong (3) and Macao (5) traditional ones.
std::optional<std::string_view> ChineseLibraryFor(int subLanguage) {
    switch (subLanguage) {
    case 0x02:
    case 0x04:
        return "SimplifiedChinese.dll";
    case 0x01:
    case 0x03:
    case 0x05:
        return "TraditionalChinese.dll";
    default:
        return std::nullopt;
    }
}

// Languages whose library does not depend on the sub-language.
constexpr std::pair<int, std::string_view> kLibraries[] = {
    {0x07, "German.dll"},
    {0x0A, "Spanish.dll"},
    {0x0C, "French.dll"},
    {0x0E, "Hungarian.dll"},
    {0x10, "Italian.dll"},
    {0x11, "Japanese.dll"},
    {0x12, "Korean.dll"},
    {0x15, "Polish.dll"},
    {0x19, "Russian.dll"},
};

}  // namespace

std::optional<std::string_view> LanguageLibraryFor(LanguageId id) {
    const int primary = PrimaryLanguage(id);
    if (primary == kChinese) {
        return ChineseLibraryFor(SubLanguage(id));
    }
    for (const auto& [language, library] : kLibraries) {
        if (language == primary) {
            return library;
        }
    }
    return std::nullopt;
}

}  // namespace lanvane
