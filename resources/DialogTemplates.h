#pragma once

#include <span>

#include "resources/DialogTemplate.h"

namespace lanvane {

// The built-in (English) template of a dialog or page, or nullptr for an unknown id.
const DialogTemplate* FindDialogTemplate(int id);

// Every built-in template, ordered by id.
std::span<const DialogTemplate* const> AllDialogTemplates();

}  // namespace lanvane
