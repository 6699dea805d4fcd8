#pragma once

#include <QString>
#include <QWidget>
#include <functional>

// Opens every window of the program in turn, shown but not modal, over one main window, and
// hands each to `visit` with its class name.
void ForEachWindow(const std::function<void(const QString& name, QWidget& window)>& visit);

// Runs `visit` on each page of the window's tab widgets in turn, shown and laid out.
void ForEachPage(QWidget& window, const std::function<void()>& visit);

// The access key a caption promises ("&Next" gives N), or none.
QChar AccessKey(const QString& caption);
