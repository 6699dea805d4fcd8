#pragma once

#include <QString>
#include <QStringList>

// The pure parts of the file dialogs, kept apart so they can be checked without a dialog.
namespace platform {

// "description|pattern|..." (the final bar optional) as Qt's "description (pattern)" filters.
// Patterns separated by semicolons become Qt's space-separated list; a description that already
// ends with its pattern in brackets is not given it twice.
QStringList QtNameFilters(const QString& filter);

// The extension a Qt filter's first pattern names ("html" for "HTML File (*.html)"); empty when
// the pattern is no plain "*.ext".
QString DefaultSuffixOf(const QString& qtNameFilter);

// The folder a dialog opens in: the folder itself, or the folder of a path naming a file (or a
// file that no longer exists); empty (Qt's choice) when neither exists.
QString StartFolderOf(const QString& initialFolder);

} // namespace platform
