#pragma once

#include "model/MenuProject.h"
#include "style/StyleRules.h"

#include <QStringList>
#include <string>

class QPalette;

namespace document {

// The style defaults this desktop gives when the program starts: the colours of its palette
// (they stay for the whole run) and the fonts it has installed.
class DesktopDefaults {
  public:
    DesktopDefaults(const QPalette& palette, const QStringList& fonts);

    // The palette's colours and the default font of that moment.
    const model::StyleDefaults& At(style::FontMoment moment) const;
    const QStringList& Fonts() const { return fonts; }
    bool Offers(const std::string& font) const;

  private:
    QStringList fonts;
    model::StyleDefaults startup;
    model::StyleDefaults newProject;
};

} // namespace document
