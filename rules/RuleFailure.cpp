#include "rules/RuleFailure.h"

#include "resources/StringTable.h"

namespace lanvane::rules {

RuleFailure MakeFailure(int messageId, ConfigField field) {
    return RuleFailure{messageId, EnglishStringTable().Text(messageId), field};
}

}  // namespace lanvane::rules
