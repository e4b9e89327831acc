#include "ui/qt/EditInputValidator.h"

#include <algorithm>

#include "ui/qt/QtText.h"

namespace lanvane {

namespace {

qsizetype NonDigits(const QString& text) {
    return std::count_if(text.begin(), text.end(), [](QChar character) {
        return character < QLatin1Char('0') || character > QLatin1Char('9');
    });
}

}  // namespace

EditInputValidator::EditInputValidator(const EditControl& edit) : edit_(edit) {}

QValidator::State EditInputValidator::validate(QString& input, int& /*position*/) const {
    const QString current = ToQString(edit_.Text());
    const qsizetype limit = edit_.TextLimit();
    if (limit > 0 && input.size() > std::max(limit, current.size())) {
        return Invalid;
    }
    if (edit_.IsDigitsOnly() && NonDigits(input) > NonDigits(current)) {
        return Invalid;
    }
    return Acceptable;
}

}  // namespace lanvane
