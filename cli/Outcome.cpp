#include "cli/Outcome.h"

namespace lanvane::cli {

std::string_view OutcomeName(Outcome outcome) {
    switch (outcome) {
        case Outcome::Set: return "set";
        case Outcome::Unchanged: return "unchanged";
        case Outcome::NotFound: return "not-found";
        case Outcome::NotConfirmed: return "not-confirmed";
        case Outcome::Refused: return "refused";
        case Outcome::Failed: return "failed";
        case Outcome::WouldSend: return "would-send";
    }
    return "";
}

bool Succeeded(Outcome outcome) {
    return outcome == Outcome::Set || outcome == Outcome::Unchanged || outcome == Outcome::WouldSend;
}

}  // namespace lanvane::cli
