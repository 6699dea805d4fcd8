#pragma once

#include "document/ItemListModel.h"
#include "document/MenuDocument.h"
#include "mainwindow/MainWindow.h"
#include "platform/MessageBoxes.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <QTreeView>

// Acting on controls as the user would, found by object name, and reading what the user sees.

template <typename T = QWidget>
T* Find(const QObject& window, const char* name) {
    T* found = window.findChild<T*>(name);
    if (found == nullptr) {
        QTest::qFail(qPrintable(QString("no control ") + name), __FILE__, __LINE__);
    }
    return found;
}

// The window shown and active, taking the user's keys.
inline bool Shown(QWidget& window) {
    window.show();
    return QTest::qWaitForWindowActive(&window);
}

// Triggers the action, or else clicks the button, of that name.
inline void Click(const QObject& window, const char* name) {
    if (auto* action = window.findChild<QAction*>(name)) {
        action->trigger();
    } else {
        Find<QAbstractButton>(window, name)->click();
    }
}

inline void Click(const QObject& window, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        Click(window, name);
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

// "+" for each available control ("*name": each checked one), "-" for the others; a space for a
// blank name.
inline QString States(const QObject& window, std::initializer_list<const char*> names) {
    QString states;
    for (const char* name : names) {
        const bool checked = *name == '*';
        const QObject* control = *name ? Find<QObject>(window, name + (checked ? 1 : 0)) : nullptr;
        const bool on = control && control->property(checked ? "checked" : "enabled").toBool();
        states += control == nullptr ? ' ' : on ? '+' : '-';
    }
    return states;
}

// The texts of boxes, labels, buttons and lists, joined by ",".
inline QString Texts(const QObject& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        const QObject* control = Find<QObject>(window, name);
        texts << control->property(qobject_cast<const QComboBox*>(control) ? "currentText" : "text")
                     .toString();
    }
    return texts.join(',');
}

// `data` dragged onto `target` at `at` and dropped; the action taken, none when it was refused.
inline Qt::DropAction DropOn(QWidget* target, const QMimeData& data,
                             Qt::DropActions offered = Qt::CopyAction | Qt::MoveAction,
                             const QPoint& at = {5, 5}) {
    QDragEnterEvent enter(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &move);
    QDropEvent drop(at, offered, &data, Qt::LeftButton, {});
    QCoreApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
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

inline void AddItems(const mainwindow::MainWindow& window, std::initializer_list<const char*> texts,
                     const QString& link = "page.html") {
    for (const char* text : texts) {
        AddItem(window, text, link);
    }
}

// Each row of the document as "text|linked|url|selected|back|text colour|heading" ("-" for a
// default colour), with "*" after a row the list shows in bold.
inline QStringList Rows(const mainwindow::MainWindow& window) {
    const document::ItemListModel& items = window.Document().Items();
    QStringList rows;
    for (int row = 0; row < items.rowCount(); ++row) {
        const model::MenuItem& item = items.ItemAt(row);
        const bool bold = items.index(row, 0).data(Qt::FontRole).value<QFont>().bold();
        rows << QString::fromStdString(item.text + '|' + item.linked + '|' + item.url + '|' +
                                       item.selected + '|' + item.backColor + '|' + item.textColor +
                                       '|' + item.heading)
                        .replace("|Default", "|-") +
                    (bold ? "*" : "");
    }
    return rows;
}

// The texts of the document's rows, joined by ",".
inline QString ItemTexts(const mainwindow::MainWindow& window) {
    return Rows(window).join(',').remove(QRegularExpression("\\|[^,]*"));
}
