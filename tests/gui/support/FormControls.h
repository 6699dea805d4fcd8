#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// Acting on a window's controls as the user would, found by their object names.

inline void Click(const QObject& window, const char* name) {
    window.findChild<QAbstractButton*>(name)->click();
}

inline void Trigger(const QObject& window, const char* name) {
    window.findChild<QAction*>(name)->trigger();
}

// A choice in a drop-down list.
inline void Choose(const QObject& window, const char* name, int index) {
    auto* list = window.findChild<QComboBox*>(name);
    list->setCurrentIndex(index);
    emit list->activated(index);
}

// Keys typed at the end of a box's text.
inline void Type(const QObject& window, const char* name, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(name);
    if (!box->isEnabled()) {
        QTest::qFail("typed into an unavailable box", __FILE__, __LINE__);
    }
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, text);
}

// A box's whole text replaced by typing.
inline void Retype(const QObject& window, const char* name, const QString& text) {
    auto* box = window.findChild<QLineEdit*>(name);
    box->selectAll();
    box->del();
    Type(window, name, text);
}
