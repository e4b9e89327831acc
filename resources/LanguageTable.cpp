#include "resources/LanguageTable.h"

#include <charconv>
#include <sstream>

#include "resources/AccessKey.h"

namespace lanvane {
namespace {

constexpr std::string_view kBlanks = " \t\r";
constexpr std::string_view kSeparator = " = ";

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

std::string Unescape(std::string_view text) {
    std::string plain;
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '\\' && at + 1 < text.size() && (text[at + 1] == 'n' || text[at + 1] == '\\')) {
            plain += text[++at] == 'n' ? '\n' : '\\';
        } else {
            plain += text[at];
        }
    }
    return plain;
}

std::optional<int> Number(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Whitespace-separated numbers, exactly `count` of them.
std::optional<std::vector<int>> Numbers(std::string_view text, std::size_t count) {
    std::istringstream words{std::string(text)};
    std::vector<int> numbers;
    for (std::string word; words >> word;) {
        const auto number = Number(word);
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    if (numbers.size() != count) {
        return std::nullopt;
    }
    return numbers;
}

struct Entry {
    std::string_view key;
    std::optional<std::string_view> value;  // nothing: "keep the English text"
};

Entry SplitEntry(std::string_view line) {
    const auto separator = line.find(kSeparator);
    if (separator == std::string_view::npos) {
        return {Trim(line), std::nullopt};
    }
    return {Trim(line.substr(0, separator)), Trim(line.substr(separator + kSeparator.size()))};
}

class TableReader {
public:
    LanguageTable Read(std::string_view text) {
        std::size_t start = 0;
        while (start <= text.size()) {
            const auto end = std::min(text.find('\n', start), text.size());
            ++lineNumber_;
            ReadLine(Trim(text.substr(start, end - start)));
            start = end + 1;
        }
        return std::move(table_);
    }

private:
    void ReadLine(std::string_view line) {
        if (line.empty() || line.front() == '#') {
            return;
        }
        if (line.front() == '[') {
            ReadSection(line);
        } else if (line.front() == '@') {
            ReadSetting(line);
        } else if (dialog_ != nullptr) {
            ReadDialogText(SplitEntry(line));
        } else if (inStrings_) {
            ReadString(SplitEntry(line));
        } else {
            Problem("an entry before any section");
        }
    }

    void ReadSection(std::string_view line) {
        dialog_ = nullptr;
        inStrings_ = false;
        if (line == "[strings]") {
            inStrings_ = true;
            return;
        }
        constexpr std::string_view kDialog = "[dialog ";
        if (line.starts_with(kDialog) && line.back() == ']') {
            const std::string_view rest = line.substr(kDialog.size(), line.size() - kDialog.size() - 1);
            if (const auto id = Number(rest.substr(0, rest.find(' ')))) {
                dialog_ = &table_.dialogs[*id];
                return;
            }
        }
        Problem("an unknown section");
    }

    void ReadSetting(std::string_view line) {
        const Entry entry = SplitEntry(line);
        if (entry.key == "@font" && entry.value && !entry.value->empty()) {
            table_.fontName = std::string(*entry.value);
        } else if (entry.key == "@size" && dialog_ != nullptr && entry.value) {
            ReadSize(*entry.value);
        } else if (entry.key.starts_with("@rect ") && dialog_ != nullptr && entry.value) {
            ReadRect(Trim(entry.key.substr(6)), *entry.value);
        } else {
            Problem("an unknown setting");
        }
    }

    void ReadSize(std::string_view value) {
        if (const auto numbers = Numbers(value, 2)) {
            dialog_->size = std::pair((*numbers)[0], (*numbers)[1]);
        } else {
            Problem("a size that is not two numbers");
        }
    }

    void ReadRect(std::string_view key, std::string_view value) {
        const auto numbers = Numbers(value, 4);
        if (!numbers || key.empty()) {
            Problem("a rectangle that is not a control and four numbers");
            return;
        }
        dialog_->rects.emplace_back(Unescape(key),
                                    DialogRect{(*numbers)[0], (*numbers)[1], (*numbers)[2], (*numbers)[3]});
    }

    void ReadString(const Entry& entry) {
        const auto id = Number(entry.key);
        if (!id) {
            Problem("a string id that is not a number");
        } else if (!table_.strings.emplace(*id, Translation(entry)).second) {
            Problem("string " + std::to_string(*id) + " given twice");
        }
    }

    void ReadDialogText(const Entry& entry) {
        if (!dialog_->texts.emplace(Unescape(entry.key), Translation(entry)).second) {
            Problem("\"" + std::string(entry.key) + "\" given twice");
        }
    }

    static std::optional<std::string> Translation(const Entry& entry) {
        if (!entry.value) {
            return std::nullopt;
        }
        return Unescape(*entry.value);
    }

    void Problem(const std::string& what) {
        table_.problems.push_back("line " + std::to_string(lineNumber_) + ": " + what);
    }

    LanguageTable table_;
    LanguageTable::Dialog* dialog_ = nullptr;
    bool inStrings_ = false;
    int lineNumber_ = 0;
};

}  // namespace

LanguageTable ReadLanguageTable(std::string_view text) {
    return TableReader().Read(text);
}

std::string TableKey(std::string_view englishText) {
    return ShownText(Trim(englishText));
}

}  // namespace lanvane
