#include "mainwindow/CommandActions.h"

#include "mainwindow/CommandIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <utility>

namespace mainwindow {
namespace {

// `key` names the action's icon and the tool button that shows it; `tip` is that button's tooltip.
QAction* Command(QObject* owner, const char* name, const QString& caption,
                 const char* key = nullptr, const QString& tip = {}) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(name);
    if (key != nullptr) {
        action->setIcon(CommandIcon(key));
        action->setIconVisibleInMenu(false);
        action->setProperty("key", key);
        action->setToolTip(tip);
    }
    return action;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

void AddSeparator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(name);
}

// A null action is a separator.
QToolBar* Toolbar(QWidget* parent, const char* name, int iconSize,
                  std::initializer_list<QAction*> actions) {
    auto* toolbar = new QToolBar(parent);
    toolbar->setObjectName(name);
    toolbar->setIconSize({iconSize, iconSize});
    toolbar->setMovable(false);
    for (QAction* action : actions) {
        if (action == nullptr) {
            toolbar->addSeparator();
            continue;
        }
        toolbar->addAction(action);
        toolbar->widgetForAction(action)->setObjectName(action->property("key").toString());
    }
    return toolbar;
}

} // namespace

CommandActions::CommandActions(QObject* owner)
    : newProject(Command(owner, "mnuFileNew", tr("&New Menu Project"), "newproj",
                         tr("Create new menu project"))),
      loadProject(Command(owner, "mnuFileLoad", tr("&Load Saved Menu Project"), "loadproj",
                          tr("Load saved menu project"))),
      saveProject(Command(owner, "mnuFileSaveProj", tr("&Save Menu Project"), "saveproj",
                          tr("Save current menu project"))),
      copyCode(Command(owner, "mnuFileCopy", tr("&Copy Code to Clipboard"), "savecodeclip",
                       tr("Generate menu code and copy to clipboard"))),
      saveCode(Command(owner, "mnuFileCodeFile", tr("Save Code to &File"), "savecodefile",
                       tr("Generate menu code and save to a file"))),
      exit(Command(owner, "mnuFileExit", tr("&Exit"))),
      preview(Command(owner, "mnuPrevBr", tr("&Preview Menu in Browser"), "preview",
                      tr("Preview menu in browser"))),
      helpTopics(Command(owner, "mnuHlpCont", tr("&Help Topics"), "help", tr("Open help file"))),
      tutorial(Command(owner, "mnuHelpTut", tr("&Tutorial"))),
      contextHelp(
          Command(owner, "mnuHelpCtx", tr("&Context Help"), "wthis", tr("Show context help"))),
      tipOfTheDay(Command(owner, "mnuhlpTips", tr("&Tip of the Day"))),
      tellFriends(Command(owner, "mnuhelptaf", tr("Tell &Friends about Quorvane"))),
      otherSoftware(Command(owner, "mnuHelpMFS", tr("&Other Software from Brindlecote"))),
      about(Command(owner, "mnuHlpAb", tr("&About..."), "about", tr("About Quorvane"))),
      moveUp(Command(owner, "mnuListPopMovUp", tr("Move Up"), "movup",
                     tr("Move selected item up one position."))),
      moveDown(Command(owner, "mnuListPopMovDn", tr("Move Down"), "movdn",
                       tr("Move selected item down one position."))),
      edit(Command(owner, "mnuListPopEdt", tr("Edit"), "edit",
                   tr("Edit text and link url of selected item."))),
      remove(Command(owner, "mnuListPopRem", tr("Delete"), "delete", tr("Delete selected item."))) {
}

QMenu* CommandActions::AddMenus(QMainWindow& window) const {
    QMenuBar* bar = window.menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", tr("&File"));
    file->addActions({newProject, loadProject, saveProject});
    AddSeparator(file, "mnuFileSep1");
    file->addActions({copyCode, saveCode});
    AddSeparator(file, "mnuFileSep2");
    file->addAction(exit);

    AddMenu(bar, "mnuPrev", tr("&Preview"))->addAction(preview);

    QMenu* help = AddMenu(bar, "mnuHlp", tr("&Help"));
    help->addActions({helpTopics, tutorial, contextHelp, tipOfTheDay});
    AddSeparator(help, "mnuHlpSep");
    help->addActions({tellFriends, otherSoftware, about});
    return file;
}

QToolBar* CommandActions::CreateMainToolbar(QWidget* parent) const {
    return Toolbar(parent, "Toolbar1", 24,
                   {newProject, loadProject, saveProject, nullptr, copyCode, saveCode, nullptr,
                    preview, nullptr, helpTopics, contextHelp, about});
}

QToolBar* CommandActions::CreateItemToolbar(QWidget* parent) const {
    return Toolbar(parent, "tb2", 16, {moveUp, moveDown, edit, remove});
}

QMenu* CommandActions::CreateItemPopup(QWidget* parent) const {
    auto* popup = new QMenu(parent);
    popup->setObjectName("mnuListPop");
    popup->addActions({moveUp, moveDown, edit, remove});
    return popup;
}

QList<QAction*> CommandActions::ProjectCommands() const {
    return {saveProject, copyCode, saveCode, preview};
}

} // namespace mainwindow
