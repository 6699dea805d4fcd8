#pragma once

#include <functional>

class QLineEdit;

namespace widgets {

// Every character typed into `box` (Backspace and the paste shortcut count as characters) goes
// through `passes`; a character it refuses is discarded. Moving and deleting keys are no
// characters and always pass.
void FilterTypedKeys(QLineEdit* box, std::function<bool(int)> passes);

// Digits and Backspace only.
void AcceptDigitsOnly(QLineEdit* box);

} // namespace widgets
