#include "tools/scenario/ExpectationParser.h"

#include <utility>

#include "sim/RequestKind.h"
#include "tools/scenario/SimulatedFields.h"

namespace lanvane::scenario {
namespace {

using command::Property;

template <class Body>
std::optional<CommandBody> Finished(TokenCursor& cursor, Body body) {
    if (!cursor.Finish()) {
        return std::nullopt;
    }
    return CommandBody(std::move(body));
}

struct PropertyWord {
    std::string_view word;
    Property property;
};

constexpr PropertyWord kPropertyWords[] = {
    {"text", Property::Text},         {"enabled", Property::Enabled},   {"disabled", Property::Disabled},
    {"visible", Property::Visible},   {"hidden", Property::Hidden},     {"checked", Property::Checked},
    {"unchecked", Property::Unchecked}, {"focus", Property::Focus},     {"selection", Property::Selection},
    {"items", Property::Items},       {"rows", Property::Rows},         {"row", Property::Row},
    {"progress", Property::Progress},
};

std::optional<Property> PropertyOf(std::string_view word) {
    for (const PropertyWord& known : kPropertyWords) {
        if (known.word == word) {
            return known.property;
        }
    }
    return std::nullopt;
}

std::optional<MessageBoxIcon> IconOf(std::string_view word) {
    if (word == "none") {
        return MessageBoxIcon::None;
    }
    if (word == "exclamation") {
        return MessageBoxIcon::Exclamation;
    }
    if (word == "information") {
        return MessageBoxIcon::Information;
    }
    if (word == "error") {
        return MessageBoxIcon::Error;
    }
    return std::nullopt;
}

std::optional<int> CertificateKindOf(std::string_view word) {
    if (word == "ca" || word == "1") {
        return 1;
    }
    if (word == "client-key" || word == "2") {
        return 2;
    }
    if (word == "client-pem" || word == "3") {
        return 3;
    }
    return std::nullopt;
}

// expect message TEXT [caption TEXT] [icon NAME]
std::optional<CommandBody> ParseMessage(TokenCursor& cursor) {
    command::ExpectMessage message;
    const auto text = cursor.TakeText("message text");
    if (!text) {
        return std::nullopt;
    }
    message.text = *text;
    while (!cursor.AtEnd()) {
        if (cursor.TakeIf("caption")) {
            message.caption = cursor.TakeText("caption");
        } else if (cursor.TakeIf("icon")) {
            const auto word = cursor.TakeText("icon");
            message.icon = word ? IconOf(*word) : std::nullopt;
            if (word && !message.icon) {
                return cursor.Fail("icon is none, exclamation, information or error");
            }
        } else {
            return cursor.Fail("after the message text come only caption TEXT and icon NAME");
        }
        if (cursor.Failed()) {
            return std::nullopt;
        }
    }
    return CommandBody(std::move(message));
}

std::optional<CommandBody> ParseControl(TokenCursor& cursor, Property property) {
    command::ExpectControl expect;
    expect.property = property;
    const auto control = cursor.TakeControl();
    if (!control) {
        return std::nullopt;
    }
    expect.control = *control;
    switch (property) {
    case Property::Text: {
        const auto text = cursor.TakeText("text");
        if (!text) {
            return std::nullopt;
        }
        expect.text = *text;
        break;
    }
    case Property::Selection:
    case Property::Rows:
    case Property::Row:
    case Property::Progress: {
        const auto number = cursor.TakeInt(property == Property::Row ? "row" : "number");
        if (!number) {
            return std::nullopt;
        }
        expect.number = *number;
        break;
    }
    default:
        break;
    }
    if (property == Property::Items || property == Property::Row) {
        while (!cursor.AtEnd()) {
            expect.texts.push_back(cursor.Take().text);
        }
    }
    return Finished(cursor, std::move(expect));
}

// expect printer [N] FIELD VALUE | certificate KIND (FILE | none) | requests KIND COUNT
std::optional<CommandBody> ParsePrinter(TokenCursor& cursor, const std::filesystem::path& baseDirectory) {
    std::optional<int> printer;
    if (const Token* next = cursor.Peek(); next != nullptr && !next->quoted && ParseInt(next->text)) {
        printer = cursor.TakeInt("printer number");
        if (*printer < 1) {
            return cursor.Fail("printers are numbered from 1");
        }
    }
    if (cursor.TakeIf("certificate")) {
        const auto word = cursor.TakeText("certificate kind");
        const auto kind = word ? CertificateKindOf(*word) : std::nullopt;
        if (!kind) {
            return cursor.Fail("certificate kind is ca, client-key or client-pem");
        }
        std::optional<std::string> path;
        if (!cursor.TakeIf("none")) {
            path = cursor.TakePath(baseDirectory);
        }
        return Finished(cursor, command::ExpectCertificate{printer, *kind, path});
    }
    if (cursor.TakeIf("requests")) {
        const auto kind = cursor.TakeText("request kind");
        if (!kind || (!sim::RequestKindFromName(*kind) && *kind != "search" && *kind != "setting")) {
            return cursor.Fail("request kind is identification, attention, sys-req, if-get, if-set, bss-req, "
                               "cert-announce or cert-chunk (USB), search or setting (LAN)");
        }
        const auto count = cursor.TakeCount("request count");
        return count ? Finished(cursor, command::ExpectRequests{printer, *kind, *count}) : std::nullopt;
    }
    const auto field = cursor.TakeText("record field");
    if (!field) {
        return std::nullopt;
    }
    if (!IsRecordField(*field) && !IsLanField(*field)) {
        return cursor.Fail("unknown record field \"" + *field + "\" (fields: " + RecordFieldNames() +
                           "; of a LAN printer: " + LanFieldNames() + ")");
    }
    const auto value = cursor.TakeText("value");
    return value ? Finished(cursor, command::ExpectPrinterField{printer, *field, *value}) : std::nullopt;
}

}  // namespace

std::optional<CommandBody> ParseExpectation(TokenCursor& cursor, const std::filesystem::path& baseDirectory) {
    const auto what = cursor.TakeText("what to expect");
    if (!what) {
        return std::nullopt;
    }
    if (*what == "message") {
        return ParseMessage(cursor);
    }
    if (*what == "no-message") {
        return Finished(cursor, command::ExpectNoMessage{});
    }
    if (*what == "closed") {
        return Finished(cursor, command::ExpectClosed{});
    }
    if (*what == "dialog") {
        const auto id = cursor.TakeDialog();
        return id ? Finished(cursor, command::ExpectDialog{*id}) : std::nullopt;
    }
    if (*what == "url") {
        const auto url = cursor.TakeText("web page address");
        return url ? Finished(cursor, command::ExpectUrl{*url}) : std::nullopt;
    }
    if (*what == "title") {
        const auto title = cursor.TakeText("title");
        return title ? Finished(cursor, command::ExpectTitle{*title}) : std::nullopt;
    }
    if (*what == "printer") {
        return ParsePrinter(cursor, baseDirectory);
    }
    if (const auto property = PropertyOf(*what)) {
        return ParseControl(cursor, *property);
    }
    return cursor.Fail("unknown expectation \"" + *what +
                       "\" (message, no-message, dialog, title, closed, url, text, enabled, disabled, visible, hidden, "
                       "checked, unchecked, focus, selection, items, rows, row, progress, printer)");
}

}  // namespace lanvane::scenario
