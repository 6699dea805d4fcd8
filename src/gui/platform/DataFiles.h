#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Where the program looks for its tips file and help pages: its own folder, then the installed
// data folder.
QStringList ProgramDataFolders();

// The path of `relative` in the first of those folders that holds it as a file; empty when none
// does.
QString ProgramDataFile(const QString& relative);

} // namespace platform
