#pragma once

#include "model/MenuProject.h"

class QPalette;
class QString;

namespace mainwindow {

// The style defaults of this desktop: the colours of the palette in force at first load and the
// application's font.
model::StyleDefaults PaletteStyleDefaults(const QPalette& palette, const QString& fontName);

} // namespace mainwindow
