#include "cli/PlanCommand.h"

#include "cli/InputFile.h"
#include "cli/LanDeviceJson.h"
#include "cli/LanPrinterLookup.h"
#include "cli/PlanOutcome.h"
#include "cli/Reporter.h"
#include "cli/SettingRefusal.h"
#include "lan/core/LanSetting.h"
#include "lan/core/NetworkSettingRules.h"

#include <algorithm>
#include <map>

namespace lanvane::cli {
namespace {

// A plan for a whole site is a few thousand lines at most.
constexpr std::uintmax_t kMaxPlanBytes = 1 << 20;

// A printer of the plan that was found and accepted: where it is in the list and the
// record it is to receive.
struct Accepted {
    std::size_t outcome;
    int number;
    DeviceRecord record;
};

int NumberOf(const LanDeviceLists& lists, LanMode mode, const MacAddress& mac) {
    for (int number = 1; const DeviceRecord* record = lists.Nth(mode, number); ++number) {
        if (record->mac == mac) {
            return number;
        }
    }
    return 0;
}

// Finds each row's printer and runs the setting rules over its values.
std::vector<Accepted> Judge(const std::vector<PlanRow>& rows, const LanDeviceLists& lists, LanMode mode,
                            const StringTable& strings, std::vector<PlanOutcome>& outcomes) {
    std::vector<Accepted> accepted;
    for (const PlanRow& row : rows) {
        PlanOutcome& outcome = outcomes.emplace_back(PlanOutcome{row, PlanVerdict::NotFound, {}, nullptr});
        const int number = NumberOf(lists, mode, row.mac);
        if (number == 0) {
            outcome.message = "no printer with this MAC address answered the search";
            continue;
        }
        DeviceRecord record = *lists.Nth(mode, number);
        const NetworkSettingValues values = LayOver(row.changes, SettingValuesOf(record));
        if (const SaveOutcome save = ApplySettingValues(values, record); save != SaveOutcome::Send) {
            outcome.verdict = PlanVerdict::Refused;
            outcome.message = SettingRefusalText(save, values, record, strings);
            continue;
        }
        accepted.push_back({outcomes.size() - 1, number, record});
    }
    return accepted;
}

// Why the plan would leave two printers on one address: every printer found keeps a fixed
// address unless the plan changes it, and a printer on DHCP holds none. Only clashes that
// involve a printer the plan sets count.
std::optional<std::string> Collision(const std::vector<Accepted>& accepted, const std::vector<PlanOutcome>& outcomes,
                                     const LanDeviceLists& lists, LanMode mode) {
    std::map<int, const Accepted*> planned;
    for (const Accepted& printer : accepted) {
        planned[printer.number] = &printer;
    }
    struct Holder {
        std::string name;
        bool planned;
    };
    std::map<std::uint32_t, Holder> holders;
    for (int number = 1; const DeviceRecord* found = lists.Nth(mode, number); ++number) {
        const auto at = planned.find(number);
        const bool inPlan = at != planned.end();
        const DeviceRecord& record = inPlan ? at->second->record : *found;
        if (record.dhcp != 0 || record.ip == 0) {
            continue;
        }
        Holder holder{inPlan ? "line " + std::to_string(outcomes[at->second->outcome].row.line)
                             : "the printer " + LanMacText(record.mac) + ", which keeps its address",
                      inPlan};
        const auto [held, added] = holders.emplace(record.ip, holder);
        if (!added && (inPlan || held->second.planned)) {
            return AddressText(record.ip) + " would be the address of both " + held->second.name + " and " + holder.name;
        }
    }
    return std::nullopt;
}

// Drops what came too late for an earlier printer's wait. Only the printer a setting went
// to confirms it; this keeps an earlier printer that shares its address from doing so.
void DropLateConfirmations(LanSetting& setting) {
    while (setting.TakeOne()) {
    }
}

// Sends the record the list holds for the printer and awaits its confirmation.
void Send(int number, const LanDeviceLists& lists, LanSetting& setting, const LanTimings& timings, LanMode mode,
          PlanOutcome& outcome) {
    DropLateConfirmations(setting);
    if (setting.Send(SetDatagramOf(mode, lists, number), lists.From(mode, number)) != UdpResult::Ok) {
        outcome.verdict = PlanVerdict::NotSent;
        outcome.message = "the setting could not be sent: " + Describe(setting.Socket().LastError());
        return;
    }
    if (AwaitConfirmation(setting, timings.ConfirmationWait(mode)) == Confirmation::None) {
        outcome.verdict = PlanVerdict::NotConfirmed;
        outcome.message = "the printer did not confirm the setting in time";
        return;
    }
    outcome.verdict = PlanVerdict::Set;
}

void SayProgress(CliContext& context, std::size_t index, std::size_t total, const PlanOutcome& outcome) {
    if (!context.quiet) {
        context.err << '[' << index << '/' << total << "] " << LanMacText(outcome.row.mac) << ' '
                    << PlanVerdictName(outcome.verdict) << (outcome.message.empty() ? "" : ": " + outcome.message)
                    << '\n';
    }
}

SettingPlan ReadPlan(const std::string& path, std::istream& in) {
    std::string text;
    if (InputRefusal refusal = ReadInputFile(path, kMaxPlanBytes, in, text)) {
        return {{}, *refusal};
    }
    SettingPlan plan = ParseSettingPlan(text);
    if (plan.refusal) {
        plan.refusal = (path == "-" ? "the plan" : path) + ": " + *plan.refusal;
    }
    return plan;
}

}  // namespace

LanCommandResult RunSetIpPlan(const PlanOptions& options, CliContext& context) {
    const SettingPlan plan = ReadPlan(options.path, context.in);
    if (plan.refusal) {
        return LanCommandResult::Failure(ErrorKind::InvalidFile, *plan.refusal);
    }
    const LanMode mode = options.lan.mode;
    LanDeviceLists lists;
    std::string dropped;
    if (auto refusal = SearchPrinters(options.lan, lists, &dropped)) {
        return *refusal;
    }
    if (!dropped.empty() && !context.quiet) {
        // A printer reported as not found may be among the replies the system dropped.
        context.err << "lanvane-cli: " << dropped << '\n';
    }
    std::vector<PlanOutcome> outcomes;
    outcomes.reserve(plan.rows.size());
    const std::vector<Accepted> accepted = Judge(plan.rows, lists, mode, context.strings, outcomes);
    if (auto collision = Collision(accepted, outcomes, lists, mode)) {
        return LanCommandResult::Failure(ErrorKind::InvalidValue, "the plan is refused, nothing was sent: " + *collision);
    }
    LanSetting setting(mode, options.lan.Network());
    if (!options.dryRun && !accepted.empty() && setting.Open() != UdpResult::Ok) {
        return LanCommandResult::Failure(ErrorKind::IoError,
                                         "the network cannot be used: " + Describe(setting.Socket().LastError()));
    }
    const LanTimings timings = options.lan.Timings();
    std::size_t next = 0;
    for (std::size_t index = 0; index < outcomes.size(); ++index) {
        PlanOutcome& outcome = outcomes[index];
        if (next < accepted.size() && accepted[next].outcome == index) {
            const Accepted& printer = accepted[next++];
            *lists.Nth(mode, printer.number) = printer.record;
            outcome.device = DeviceToJson(lists, mode, printer.number);
            outcome.verdict = PlanVerdict::WouldSend;
            if (!options.dryRun) {
                Send(printer.number, lists, setting, timings, mode, outcome);
            }
        }
        SayProgress(context, index + 1, outcomes.size(), outcome);
    }
    const bool allDone = std::all_of(outcomes.begin(), outcomes.end(), [](const PlanOutcome& outcome) {
        return outcome.verdict == PlanVerdict::Set || outcome.verdict == PlanVerdict::WouldSend;
    });
    std::string output = options.lan.json
                             ? DocumentText(PlanReportJson(outcomes, mode == LanMode::Wlan ? "wlan" : "ethernet",
                                                           options.dryRun))
                             : PlanReportText(outcomes);
    return {allDone ? ExitStatus::Done : ExitStatus::PrinterFailed, std::move(output), PlanCountsText(outcomes),
            ErrorKind::PrinterRefused};
}

}  // namespace lanvane::cli
