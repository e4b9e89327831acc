#pragma once

#include <initializer_list>

#include "rules/RuleFailure.h"

namespace lanvane::rules {

template <typename Values>
using Rule = RuleResult (*)(const Values&);

// Applies `rules` in order and returns the first failure.
template <typename Values>
RuleResult FirstFailure(const Values& values, std::initializer_list<Rule<Values>> rules) {
    for (const Rule<Values> rule : rules) {
        if (auto failure = rule(values)) {
            return failure;
        }
    }
    return std::nullopt;
}

}  // namespace lanvane::rules
