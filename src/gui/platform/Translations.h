#pragma once

#include <QString>

class QLocale;

namespace platform {

// The program and Qt's own windows in the languages of `locale`, the first one that has a
// translation; English, the language of the sources, needs none. Earlier translations give way.
void InstallTranslations(const QLocale& locale);

// A data file in the user's language where there is one: "help/index.html" is looked for as
// "help/index_de.html" first for German. Empty when neither is found.
QString LocalizedDataFile(const QString& relative);

} // namespace platform
