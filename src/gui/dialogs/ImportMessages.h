#pragma once

#include "import/ImportResult.h"

#include <QString>
#include <QStringList>

// The import's texts as the import window shows them.
namespace dialogs {

// A text of the import translated, its placeholders filled in.
QString ShownText(const importing::ImportText& text);

// What the window says under the links found: why the source was refused; or the warnings, the
// links left out and why, and that nothing was found when so. `source` names the file read, or
// is empty for pasted text.
QStringList ResultMessages(const importing::ImportResult& result, const QString& source);

} // namespace dialogs
