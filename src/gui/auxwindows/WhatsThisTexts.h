#pragma once

class QWidget;

namespace auxwindows {

// Gives each control of `root`, and of the windows it owns, the What's This text kept for that
// control's name in its window. Toolbar buttons take theirs from their actions.
void ApplyWhatsThis(QWidget* root);

} // namespace auxwindows
