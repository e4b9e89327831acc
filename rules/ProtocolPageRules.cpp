#include "rules/ProtocolPageRules.h"

#include "rules/RuleChain.h"
#include "resources/StringIds.h"

namespace lanvane::rules {

namespace {

RuleResult CheckWriteCommunity(const ProtocolPageValues& values) {
    if (values.setCommunity.empty()) {
        return MakeFailure(sid::kCommunityNameIncorrect, ConfigField::setCommunity);
    }
    return std::nullopt;
}

RuleResult CheckReadCommunity(const ProtocolPageValues& values) {
    if (values.getCommunity.empty()) {
        return MakeFailure(sid::kCommunityNameIncorrect, ConfigField::getCommunity);
    }
    return std::nullopt;
}

RuleResult CheckTrapCommunity(const ProtocolPageValues& values) {
    if (values.trapCommunity.empty()) {
        return MakeFailure(sid::kTrapCommunityIncorrect, ConfigField::trapCommunity);
    }
    return std::nullopt;
}

}  // namespace

RuleResult CheckProtocolPageLeave(const ProtocolPageValues& values) {
    return FirstFailure<ProtocolPageValues>(
        values, {CheckWriteCommunity, CheckReadCommunity, CheckTrapCommunity});
}

}  // namespace lanvane::rules
