#pragma once

#include <QCoreApplication>
#include <QList>

class QAction;
class QMainWindow;
class QMenu;
class QObject;
class QString;
class QToolBar;
class QUndoStack;
class QWidget;

namespace mainwindow {

// Every command of the main window, each one action created once and shared by the menu bar,
// the toolbars and the list's popup menu, so that enabling it enables it everywhere. The actions
// carry the menu entries' names (mnuFileNew ...); the tool buttons made from them carry the
// toolbar keys (newproj ...).
class CommandActions {
    Q_DECLARE_TR_FUNCTIONS(mainwindow::CommandActions)

  public:
    // Undo and redo take back and repeat the steps of `history`.
    CommandActions(QObject* owner, QUndoStack& history);

    // The menu bar: "&File" (its last entries are the recent files, added by their menu),
    // "&Edit", "&Preview" (with `previewPane`, which shows and hides the live preview) and
    // "&Help".
    QMenu* AddMenus(QMainWindow& window, QAction* previewPane) const;
    // Toolbar1, its buttons named by their keys.
    QToolBar* CreateMainToolbar(QWidget* parent) const;
    // tb2 below the item list, and the list's popup menu mnuListPop.
    QToolBar* CreateItemToolbar(QWidget* parent) const;
    QMenu* CreateItemPopup(QWidget* parent) const;

    // The commands that need at least one item.
    QList<QAction*> ProjectCommands() const;

    QAction* const newProject;
    QAction* const loadProject;
    QAction* const importLinks;
    QAction* const saveProject;
    QAction* const copyCode;
    QAction* const saveCode;
    QAction* const exit;
    QAction* const undo;
    QAction* const redo;
    QAction* const preview;
    QAction* const helpTopics;
    QAction* const tutorial;
    QAction* const contextHelp;
    QAction* const tipOfTheDay;
    QAction* const tellFriends;
    QAction* const otherSoftware;
    QAction* const about;
    QAction* const moveUp;
    QAction* const moveDown;
    QAction* const edit;
    QAction* const remove;
};

} // namespace mainwindow
