#pragma once

#include <QValidator>

#include "ui/EditControl.h"

namespace lanvane {

// Refuses, while the user types, what the edit model would refuse: characters beyond the
// text limit and, in a digits-only field, anything but digits. Text the program set longer
// or with other characters stays as it is; only what the user adds is checked.
class EditInputValidator final : public QValidator {
public:
    explicit EditInputValidator(const EditControl& edit);

    State validate(QString& input, int& position) const override;

private:
    const EditControl& edit_;
};

}  // namespace lanvane
