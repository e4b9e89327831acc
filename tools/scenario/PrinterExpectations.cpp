#include "tools/scenario/PrinterExpectations.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/scenario/LanFaultOptions.h"
#include "tools/scenario/PrinterFaultOptions.h"
#include "tools/scenario/SimulatedFields.h"

namespace lanvane::scenario {
namespace {

std::optional<sim::Bytes> ReadFile(const std::string& path) {
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        return std::nullopt;
    }
    return sim::Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

std::string PrinterName(std::optional<int> number) {
    return number ? "printer " + std::to_string(*number) : "a printer";
}

std::string Describe(const std::string& name, const sim::ReceivedCertificate* received) {
    if (received == nullptr) {
        return "no " + name;
    }
    const std::string size = std::to_string(received->data.size()) + " bytes";
    return received->complete ? name + " of " + size : name + " incomplete after " + size;
}

std::string KindName(int kind) {
    static constexpr const char* kNames[] = {"", "ca", "client-key", "client-pem"};
    return kind >= 1 && kind <= 3 ? kNames[kind] : std::to_string(kind);
}

class PrinterRunner {
public:
    explicit PrinterRunner(PrinterBench& bench) : bench_(bench) {}

    std::optional<Mismatch> operator()(const command::StartPrinter& start) const {
        bench_.StartUsbPrinter(start.setup);
        return std::nullopt;
    }

    std::optional<Mismatch> operator()(const command::StartLanPrinter& start) const {
        if (bench_.StartLanPrinter(start.setup)) {
            return std::nullopt;
        }
        return Mismatch{"a LAN printer listening on the loopback network", "its ports could not be bound"};
    }

    std::optional<Mismatch> operator()(const command::ChangeFaults& change) const {
        if (BenchLanPrinter* lan = bench_.LanPrinter(change.printer)) {
            sim::LanFaultPlan faults;
            for (const FieldValue& option : change.options) {
                if (!IsLanFaultOption(option.field) || !ApplyLanFaultOption(faults, option.field, option.value).empty()) {
                    return Mismatch{"faults of a LAN printer", option.field + "=" + option.value};
                }
            }
            lan->Responder().SetFaults(faults);
            return std::nullopt;
        }
        sim::SimulatedPrinter* printer = bench_.Printer(change.printer);
        if (printer == nullptr) {
            return Missing(change.printer);
        }
        sim::FaultPlan faults;
        for (const FieldValue& option : change.options) {
            if (!IsFaultOption(option.field) || !ApplyFaultOption(faults, option.field, option.value).empty()) {
                return Mismatch{"faults of a USB printer", option.field + "=" + option.value};
            }
        }
        printer->SetFaults(faults);
        return std::nullopt;
    }

    std::optional<Mismatch> operator()(const command::ExpectPrinterField& expected) const {
        std::optional<std::string> found;
        if (BenchLanPrinter* lan = bench_.LanPrinter(expected.printer)) {
            found = LanFieldText(lan->Responder().Settings(), expected.field);
        } else if (sim::SimulatedPrinter* printer = bench_.Printer(expected.printer)) {
            found = RecordFieldText(printer->State().record, expected.field);
        } else {
            return Missing(expected.printer);
        }
        if (!found) {
            return Mismatch{"a printer with the field " + expected.field, "a printer of the other road"};
        }
        if (*found == expected.value) {
            return std::nullopt;
        }
        return Mismatch{expected.field + " " + Quoted(expected.value), expected.field + " " + Quoted(*found)};
    }

    std::optional<Mismatch> operator()(const command::ExpectCertificate& expected) const {
        sim::SimulatedPrinter* printer = bench_.Printer(expected.printer);
        if (printer == nullptr) {
            return Missing(expected.printer);
        }
        const auto certificates = printer->State().certificates;
        const auto held = certificates.find(expected.kind);
        const sim::ReceivedCertificate* received = held == certificates.end() ? nullptr : &held->second;
        const std::string name = "certificate " + KindName(expected.kind);
        if (!expected.path) {
            const bool whole = received != nullptr && received->complete;
            return whole ? std::optional<Mismatch>(Mismatch{"no whole " + name, Describe(name, received)})
                         : std::nullopt;
        }
        const auto file = ReadFile(*expected.path);
        if (!file) {
            return Mismatch{name + " equal to " + *expected.path, "the file cannot be read"};
        }
        if (received != nullptr && received->complete && received->data == *file) {
            return std::nullopt;
        }
        const std::string wanted = name + " of " + std::to_string(file->size()) + " bytes equal to " + *expected.path;
        const bool sameSize = received != nullptr && received->complete && received->data.size() == file->size();
        return Mismatch{wanted, Describe(name, received) + (sameSize ? " with other contents" : "")};
    }

    std::optional<Mismatch> operator()(const command::ExpectRequests& expected) const {
        const auto count = RequestCount(expected);
        if (!count) {
            return Missing(expected.printer);
        }
        if (*count == expected.count) {
            return std::nullopt;
        }
        return Mismatch{std::to_string(expected.count) + " " + expected.kind + " requests",
                        std::to_string(*count) + " " + expected.kind + " requests"};
    }

    template <class Other>
    std::optional<Mismatch> operator()(const Other&) const {
        return Mismatch{"a printer command", "another kind of command"};
    }

private:
    // LAN printers count searches and settings; USB printers every kind of request.
    std::optional<long> RequestCount(const command::ExpectRequests& expected) const {
        if (BenchLanPrinter* lan = bench_.LanPrinter(expected.printer)) {
            return expected.kind == "search"    ? lan->Responder().SearchesAnswered()
                   : expected.kind == "setting" ? lan->Responder().SettingsTaken()
                                                : 0;
        }
        sim::SimulatedPrinter* printer = bench_.Printer(expected.printer);
        if (printer == nullptr) {
            return std::nullopt;
        }
        const auto kind = sim::RequestKindFromName(expected.kind);
        const auto history = printer->History();
        return kind ? std::ranges::count(history, *kind, &sim::HandledRequest::kind) : 0;
    }

    std::optional<Mismatch> Missing(std::optional<int> number) const {
        if (bench_.LanPrinter(number) != nullptr) {
            return Mismatch{"a USB printer", PrinterName(number) + " on the LAN"};
        }
        return Mismatch{PrinterName(number), std::to_string(bench_.Count()) + " printers started"};
    }

    PrinterBench& bench_;
};

}  // namespace

bool IsPrinterCommand(const CommandBody& body) {
    return std::holds_alternative<command::StartPrinter>(body) || std::holds_alternative<command::StartLanPrinter>(body) ||
           std::holds_alternative<command::ChangeFaults>(body) ||
           std::holds_alternative<command::ExpectPrinterField>(body) ||
           std::holds_alternative<command::ExpectCertificate>(body) ||
           std::holds_alternative<command::ExpectRequests>(body);
}

std::optional<Mismatch> RunPrinterCommand(const CommandBody& body, PrinterBench& bench) {
    return std::visit(PrinterRunner(bench), body);
}

}  // namespace lanvane::scenario
