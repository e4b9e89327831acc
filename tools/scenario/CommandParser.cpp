#include "tools/scenario/CommandParser.h"

#include <utility>

#include "tools/scenario/ExpectationParser.h"
#include "tools/scenario/FieldTexts.h"
#include "tools/scenario/LanFaultOptions.h"
#include "tools/scenario/PrinterFaultOptions.h"
#include "tools/scenario/SimulatedFields.h"

namespace lanvane::scenario {
namespace {

// A body when the line ended where it should.
template <class Body>
std::optional<CommandBody> Finished(TokenCursor& cursor, Body body) {
    if (!cursor.Finish()) {
        return std::nullopt;
    }
    return CommandBody(std::move(body));
}

bool IsProductId(const std::string& text) {
    return text.size() == 4 && text.find_first_not_of("0123456789ABCDEF") == std::string::npos;
}

// The program reaches a LAN printer at its address (the BSS survey connects there), so a
// simulated one never has an address off this machine.
bool IsLoopbackAddress(const std::string& text) {
    const auto address = ParseAddressText(text);
    return address && (*address >> 24) == 127;
}

}  // namespace

CommandParser::CommandParser(const std::vector<Token>& tokens, std::filesystem::path baseDirectory)
    : cursor_(tokens), baseDirectory_(std::move(baseDirectory)) {}

std::optional<CommandBody> CommandParser::Parse() {
    const Token& first = cursor_.Take();
    if (first.quoted) {
        return cursor_.Fail("a line starts with a command word, not with a quoted text");
    }
    return ParseCommand(first.text);
}

std::optional<CommandBody> CommandParser::ParseCommand(const std::string& word) {
    if (word == "click" || word == "erase" || word == "focus") {
        const auto control = cursor_.TakeControl();
        if (!control) {
            return std::nullopt;
        }
        if (word == "click") {
            return Finished(cursor_, command::Click{*control});
        }
        if (word == "erase") {
            return Finished(cursor_, command::Erase{*control});
        }
        return Finished(cursor_, command::Focus{*control});
    }
    if (word == "type" || word == "append") {
        return ParseType(word == "append");
    }
    if (word == "choose") {
        return ParseChoose();
    }
    if (word == "tab") {
        return ParseTab();
    }
    if (word == "row") {
        const auto control = cursor_.TakeControl();
        const auto row = control ? cursor_.TakeInt("row") : std::nullopt;
        return row ? Finished(cursor_, command::ClickRow{*control, *row}) : std::nullopt;
    }
    if (word == "ip") {
        return ParseAddress();
    }
    if (word == "enter") {
        return Finished(cursor_, command::PressEnter{});
    }
    if (word == "escape") {
        return Finished(cursor_, command::PressEscape{});
    }
    if (word == "key") {
        return ParsePageKey();
    }
    if (word == "answer") {
        return Finished(cursor_, command::AnswerMessage{});
    }
    if (word == "advance" || word == "wait") {
        const auto ms = cursor_.TakeCount("milliseconds");
        if (!ms) {
            return std::nullopt;
        }
        return word == "advance" ? Finished(cursor_, command::Advance{*ms}) : Finished(cursor_, command::Wait{*ms});
    }
    if (word == "pick") {
        return ParsePick();
    }
    if (word == "printer") {
        return ParsePrinter();
    }
    if (word == "expect") {
        return ParseExpectation(cursor_, baseDirectory_);
    }
    return cursor_.Fail("unknown command \"" + word + "\"");
}

std::optional<CommandBody> CommandParser::ParseType(bool append) {
    const auto control = cursor_.TakeControl();
    const auto text = control ? cursor_.TakeText("text to type") : std::nullopt;
    if (!text) {
        return std::nullopt;
    }
    return Finished(cursor_, command::Type{*control, *text, append});
}

std::optional<CommandBody> CommandParser::ParseChoose() {
    const auto control = cursor_.TakeControl();
    if (!control) {
        return std::nullopt;
    }
    if (cursor_.AtEnd()) {
        return cursor_.Fail("missing entry (an index, or the entry's text in quotes)");
    }
    const Token& entry = cursor_.Take();
    const auto index = entry.quoted ? std::nullopt : ParseInt(entry.text);
    return Finished(cursor_, command::Choose{*control, index, index ? std::string() : entry.text});
}

// tab 3 | tab "Network" | tab 1013 3 | tab 1013 "Network"
std::optional<CommandBody> CommandParser::ParsePageKey() {
    if (cursor_.AtEnd()) {
        return cursor_.Fail("missing key (ctrl+tab, ctrl+shift+tab, ctrl+pagedown or ctrl+pageup)");
    }
    const std::string key = cursor_.Take().text;
    if (key != "ctrl+tab" && key != "ctrl+shift+tab" && key != "ctrl+pagedown" && key != "ctrl+pageup") {
        return cursor_.Fail("unknown key \"" + key + "\" (ctrl+tab, ctrl+shift+tab, ctrl+pagedown or ctrl+pageup)");
    }
    return Finished(cursor_, command::PageKey{key, key == "ctrl+tab" || key == "ctrl+pagedown"});
}

std::optional<CommandBody> CommandParser::ParseTab() {
    command::SelectTab tab;
    if (cursor_.Remaining() == 2) {
        tab.control = cursor_.TakeControl();
        if (!tab.control) {
            return std::nullopt;
        }
    }
    if (cursor_.AtEnd()) {
        return cursor_.Fail("missing tab (an index, or the tab's label in quotes)");
    }
    const Token& entry = cursor_.Take();
    tab.index = entry.quoted ? std::nullopt : ParseInt(entry.text);
    if (!tab.index) {
        tab.label = entry.text;
    }
    return Finished(cursor_, std::move(tab));
}

// ip 1035 "192.168.0.20"; a field left empty ("192.168..20") is typed blank.
std::optional<CommandBody> CommandParser::ParseAddress() {
    const auto control = cursor_.TakeControl();
    const auto text = control ? cursor_.TakeText("address") : std::nullopt;
    if (!text) {
        return std::nullopt;
    }
    command::SetAddress address{*control, {}};
    std::string_view rest = *text;
    for (std::size_t field = 0; field < address.fields.size(); ++field) {
        const auto dot = rest.find('.');
        if ((dot == std::string_view::npos) != (field == 3)) {
            return cursor_.Fail("\"" + *text + "\" is not an address of four fields of up to three digits");
        }
        address.fields[field] = std::string(rest.substr(0, dot));
        if (address.fields[field].size() > 3 ||
            address.fields[field].find_first_not_of("0123456789") != std::string::npos) {
            return cursor_.Fail("\"" + *text + "\" is not an address of four fields of up to three digits");
        }
        rest = dot == std::string_view::npos ? std::string_view() : rest.substr(dot + 1);
    }
    return Finished(cursor_, std::move(address));
}

// pick FILE... | pick none
std::optional<CommandBody> CommandParser::ParsePick() {
    command::PickFiles pick;
    if (cursor_.TakeIf("none")) {
        return Finished(cursor_, std::move(pick));
    }
    if (cursor_.AtEnd()) {
        return cursor_.Fail("missing file path (or none to cancel the file dialog)");
    }
    while (!cursor_.AtEnd()) {
        pick.paths.push_back(*cursor_.TakePath(baseDirectory_));
    }
    return Finished(cursor_, std::move(pick));
}

// printer usb OPTION... | printer lan ethernet|wlan OPTION... | printer [N] faults OPTION...
std::optional<CommandBody> CommandParser::ParsePrinter() {
    if (cursor_.TakeIf("usb")) {
        return ParseStartPrinter();
    }
    if (cursor_.TakeIf("lan")) {
        return ParseStartLanPrinter();
    }
    std::optional<int> printer;
    if (const Token* next = cursor_.Peek(); next != nullptr && !next->quoted && ParseInt(next->text)) {
        printer = cursor_.TakeCount("printer number");
        if (*printer < 1) {
            return cursor_.Fail("printers are numbered from 1");
        }
    }
    if (cursor_.TakeIf("faults")) {
        return ParseFaults(printer);
    }
    return cursor_.Fail("write \"printer usb OPTION...\", \"printer lan ethernet|wlan OPTION...\" or "
                        "\"printer faults OPTION...\"");
}

std::optional<CommandBody> CommandParser::ParseStartPrinter() {
    command::StartPrinter start;
    while (!cursor_.AtEnd()) {
        if (!ParsePrinterOption(cursor_.Take(), start.setup)) {
            return std::nullopt;
        }
    }
    return CommandBody(std::move(start));
}

bool CommandParser::ParsePrinterOption(const Token& option, PrinterSetup& setup) {
    if (option.text == "no-networks") {
        setup.noNetworks = true;
        return true;
    }
    if (!option.key) {
        return RefuseBareWord(option);
    }
    const std::string& key = *option.key;
    if (key == "layout") {
        const auto layout = ParseInt(option.value);
        if (layout != 1 && layout != 2) {
            return Refuse("layout is 1 (603 bytes) or 2 (616 bytes)");
        }
        setup.layout = *layout;
    } else if (key == "maker") {
        setup.makerName = option.value;
    } else if (key == "product") {
        if (!IsProductId(option.value)) {
            return Refuse("product is four upper-case hexadecimal digits, as 002B");
        }
        setup.productId = option.value;
    } else if (IsFaultOption(key)) {
        return AcceptedUnlessSaid(ApplyFaultOption(setup.faults, key, option.value));
    } else if (IsRecordField(key)) {
        sim::PrinterRecord scratch;
        if (!SetRecordField(scratch, key, option.value)) {
            return Refuse("\"" + option.value + "\" does not fit the record field " + key);
        }
        setup.fields.push_back({key, option.value});
    } else {
        return Refuse("unknown printer option \"" + key + "\" (options: layout, maker, product, fault, no-answer-to, "
                      "refuse-start, refuse-chunk, disconnect-after, no-networks, or a record field: " +
                      RecordFieldNames() + ")");
    }
    return true;
}

std::optional<CommandBody> CommandParser::ParseStartLanPrinter() {
    command::StartLanPrinter start;
    if (cursor_.TakeIf("wlan")) {
        start.setup.kind = sim::LanKind::Wlan;
    } else if (!cursor_.TakeIf("ethernet")) {
        return cursor_.Fail("write \"printer lan ethernet\" or \"printer lan wlan\"");
    }
    while (!cursor_.AtEnd()) {
        if (!ParseLanPrinterOption(cursor_.Take(), start.setup)) {
            return std::nullopt;
        }
    }
    return CommandBody(std::move(start));
}

bool CommandParser::ParseLanPrinterOption(const Token& option, LanPrinterSetup& setup) {
    if (option.text == "no-networks" && setup.kind == sim::LanKind::Wlan) {
        setup.noNetworks = true;
        return true;
    }
    if (!option.key) {
        return RefuseBareWord(option);
    }
    const std::string& key = *option.key;
    if (IsLanFaultOption(key)) {
        return AcceptedUnlessSaid(ApplyLanFaultOption(setup.faults, key, option.value));
    }
    sim::LanPrinterSettings scratch;
    if (!IsLanField(key)) {
        return Refuse("unknown LAN printer option \"" + key + "\" (options: fault, delay, repeat, shorten, "
                      "no-networks, or a setting: " + LanFieldNames() + ")");
    }
    if (!SetLanField(scratch, key, option.value)) {
        return Refuse("\"" + option.value + "\" does not fit the LAN setting " + key);
    }
    if (key == "ip" && !IsLoopbackAddress(option.value)) {
        return Refuse("a simulated LAN printer's ip stays in 127.0.0.0/8");
    }
    setup.fields.push_back({key, option.value});
    return true;
}

bool CommandParser::AcceptedUnlessSaid(std::string error) {
    return error.empty() || Refuse(std::move(error));
}

bool CommandParser::RefuseBareWord(const Token& option) {
    return Refuse("printer options are written key=value, not \"" + option.text + "\"");
}

bool CommandParser::Refuse(std::string why) {
    cursor_.Fail(std::move(why));
    return false;
}

// Either kind's fault options; the printer's kind decides when the line runs.
std::optional<CommandBody> CommandParser::ParseFaults(std::optional<int> printer) {
    command::ChangeFaults change{printer, {}};
    while (!cursor_.AtEnd()) {
        const Token& option = cursor_.Take();
        if (!option.key || (!IsFaultOption(*option.key) && !IsLanFaultOption(*option.key))) {
            return cursor_.Fail("\"" + option.text + "\" is not a fault option");
        }
        sim::FaultPlan usb;
        sim::LanFaultPlan lan;
        const std::string usbError =
            IsFaultOption(*option.key) ? ApplyFaultOption(usb, *option.key, option.value) : "not a USB fault";
        const std::string lanError =
            IsLanFaultOption(*option.key) ? ApplyLanFaultOption(lan, *option.key, option.value) : "not a LAN fault";
        if (!usbError.empty() && !lanError.empty()) {
            return cursor_.Fail(IsFaultOption(*option.key) ? usbError : lanError);
        }
        change.options.push_back({*option.key, option.value});
    }
    return CommandBody(std::move(change));
}

}  // namespace lanvane::scenario
