#pragma once

#include <QIcon>

class QString;

namespace mainwindow {

// The icon of a toolbar key ("newproj", "movup" ...): the desktop theme's, or the bundled one.
QIcon CommandIcon(const QString& key);

} // namespace mainwindow
