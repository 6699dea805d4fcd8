#pragma once

class QWidget;

namespace help {

// Gives each control of `root`, and of the windows it owns, the What's This text kept for that
// control's name in its window. A toolbar button's text goes to its action, which the menus
// share.
void ApplyWhatsThis(QWidget* root);

} // namespace help
