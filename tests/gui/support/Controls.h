#pragma once

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/MainWindow.h"
#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTreeView>

// Acting on a window's controls as the user would, found by their object names, and reading what
// the user sees.

template <typename T = QWidget>
T* Find(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        QTest::qFail(qPrintable(QString("no control ") + name), __FILE__, __LINE__);
    }
    return found;
}

inline void Click(const QObject& window, const char* name) {
    Find<QAbstractButton>(window, name)->click();
}

inline void Trigger(const QObject& window, const char* name) {
    Find<QAction>(window, name)->trigger();
}

// Triggers each action, or clicks each button, in turn.
inline void Click(const QObject& window, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        if (auto* action = window.findChild<QAction*>(name)) {
            action->trigger();
        } else {
            Click(window, name);
        }
    }
}

inline void Choose(const QObject& window, const char* name, int index) {
    Find<QComboBox>(window, name)->setCurrentIndex(index);
}

// Keys typed at the end of a box's text.
inline void Type(const QObject& window, const char* name, const QString& text) {
    auto* box = Find<QLineEdit>(window, name);
    if (!box->isEnabled()) {
        QTest::qFail("typed into an unavailable box", __FILE__, __LINE__);
    }
    box->setFocus();
    box->end(false);
    QTest::keyClicks(box, text);
}

// A box's whole text replaced by typing.
inline void Retype(const QObject& window, const char* name, const QString& text) {
    Find<QLineEdit>(window, name)->clear();
    Type(window, name, text);
}

// "+" for each available control (checked ones, with `checked`), "-" for the others; a space
// for a blank name.
inline QString States(const QObject& window, std::initializer_list<const char*> names,
                      bool checked = false) {
    QString states;
    for (const char* name : names) {
        if (*name == '\0') {
            states += ' ';
        } else if (const auto* action = window.findChild<QAction*>(name)) {
            states += action->isEnabled() ? '+' : '-';
        } else if (checked) {
            states += Find<QAbstractButton>(window, name)->isChecked() ? '+' : '-';
        } else {
            states += Find(window, name)->isEnabled() ? '+' : '-';
        }
    }
    return states;
}

// The texts of boxes, labels, buttons and lists, joined by ",".
inline QString Texts(const QObject& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        const auto* control = Find<QObject>(window, name);
        if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
            texts << box->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            texts << label->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
            texts << button->text();
        } else {
            texts << qobject_cast<const QComboBox*>(control)->currentText();
        }
    }
    return texts.join(',');
}

// "title|text" of each message shown since the last call, with "|icon|buttons" when asked.
inline QStringList TakeMessages(bool looks = false) {
    static const char* const kIcons[] = {"!", "warning", "i", "?", "stop"};
    static const char* const kButtons[] = {"Ok", "OkHelp", "YesNo", "YesNoCancel"};
    QStringList shown;
    for (const auto& [message, buttons] : platform::ShownMessages()) {
        shown << QString::fromStdString(message.title + '|' + message.Text()) +
                     (looks ? QString("|%1|%2").arg(kIcons[static_cast<int>(message.icon)],
                                                    kButtons[static_cast<int>(buttons)])
                            : QString());
    }
    platform::ClearShownMessages();
    return shown;
}

inline QTreeView* List(const mainwindow::MainWindow& window) {
    return Find<QTreeView>(window, "lv");
}

inline void SelectRow(const mainwindow::MainWindow& window, int row) {
    List(window)->setCurrentIndex(window.Document().Items().index(row, 0));
}

// -1 unless exactly one row is selected.
inline int SelectedRow(const mainwindow::MainWindow& window) {
    const QModelIndexList rows = List(window)->selectionModel()->selectedRows();
    return rows.size() == 1 ? rows.front().row() : -1;
}

// An item typed into the editor and added; without a link it is "Not linked" or a heading.
inline void AddItem(const mainwindow::MainWindow& window, const QString& text,
                    const QString& link = {}) {
    Retype(window, "itemtexttext", text);
    auto* notLinked = Find<QCheckBox>(window, "notlinkchk");
    if (!link.isEmpty()) {
        Retype(window, "linktext", link);
    } else if (!Find<QCheckBox>(window, "grheadchk")->isChecked() && !notLinked->isChecked()) {
        notLinked->click();
    }
    Click(window, "additemcmd");
}

// Each row of the document as "text|linked|url|selected|back|text colour|heading", with "*"
// after a row the list shows in bold.
inline QStringList Rows(const mainwindow::MainWindow& window) {
    const document::ItemListModel& items = window.Document().Items();
    QStringList rows;
    for (int row = 0; row < items.rowCount(); ++row) {
        const model::MenuItem& item = items.ItemAt(row);
        const bool bold = items.index(row, 0).data(Qt::FontRole).value<QFont>().bold();
        rows << QString::fromStdString(item.text + '|' + item.linked + '|' + item.url + '|' +
                                       item.selected + '|' + item.backColor + '|' + item.textColor +
                                       '|' + item.heading) +
                    (bold ? "*" : "");
    }
    return rows;
}
