#pragma once

#include "model/MenuProject.h"
#include "model/OptionRules.h"
#include "model/UserMessage.h"

#include <optional>
#include <string>

namespace generate {

// The first check that failed: what to tell the user and where to put the focus.
struct CheckFailure {
    model::UserMessage message;
    model::OptionField focusField; // the box to correct
    bool selectAll = false;        // select the field's whole text

    bool operator==(const CheckFailure&) const = default;
};

// Vets the options before code is generated; nothing when every check passes.
std::optional<CheckFailure> CheckBeforeGenerate(const model::MenuOptions& menu,
                                                const model::ButtonOptions& button);

} // namespace generate
