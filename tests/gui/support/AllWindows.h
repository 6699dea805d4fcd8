#pragma once

#include <QString>
#include <QWidget>
#include <functional>

// Opens every window of the program in turn, shown but not modal, over one main window, and
// hands each to `visit` with its class name.
void ForEachWindow(const std::function<void(const QString& name, QWidget& window)>& visit);
