#include "mainwindow/CommandActions.h"

#include "mainwindow/CommandIcons.h"

#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QUndoStack>
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

// Shown in the menus, and named in a tool button's tooltip when `named`.
QAction* Keys(QAction* action, const QList<QKeySequence>& keys, bool named = false,
              Qt::ShortcutContext context = Qt::WindowShortcut) {
    action->setShortcuts(keys);
    action->setShortcutContext(context);
    if (named) {
        action->setToolTip(action->toolTip() + " (" +
                           keys.front().toString(QKeySequence::NativeText) + ')');
    }
    return action;
}

// Undo or redo, its text following the step it would take and enabled while there is one. The
// step's name is placed by a whole sentence ("&Undo %1"), since languages put it in other places.
template <typename TextChanged, typename CanChanged, typename Take>
QAction* HistoryAction(QObject* owner, const char* name, const char* key,
                       QKeySequence::StandardKey keys, const QString& plain,
                       const QString& sentence, QUndoStack& history, TextChanged textChanged,
                       CanChanged canChanged, Take take) {
    auto* action = Keys(Command(owner, name, plain, key), QKeySequence::keyBindings(keys));
    action->setEnabled(false);
    QObject::connect(&history, textChanged, action, [action, plain, sentence](const QString& step) {
        action->setText(step.isEmpty() ? plain : sentence.arg(step));
    });
    QObject::connect(&history, canChanged, action, &QAction::setEnabled);
    QObject::connect(action, &QAction::triggered, &history, take);
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

CommandActions::CommandActions(QObject* owner, QUndoStack& history)
    : newProject(Keys(Command(owner, "mnuFileNew", tr("&New Menu Project"), "newproj",
                              tr("Create new menu project")),
                      QKeySequence::keyBindings(QKeySequence::New))),
      loadProject(Keys(Command(owner, "mnuFileLoad", tr("&Load Saved Menu Project"), "loadproj",
                               tr("Load saved menu project")),
                       QKeySequence::keyBindings(QKeySequence::Open))),
      importLinks(Command(owner, "mnuFileImport", tr("&Import Links..."), "import",
                          tr("Import links from bookmarks, a sitemap, a site folder or a page"))),
      saveProject(Keys(Command(owner, "mnuFileSaveProj", tr("&Save Menu Project"), "saveproj",
                               tr("Save current menu project")),
                       QKeySequence::keyBindings(QKeySequence::Save))),
      copyCode(Keys(Command(owner, "mnuFileCopy", tr("&Copy Code to Clipboard"), "savecodeclip",
                            tr("Generate menu code and copy to clipboard")),
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C)})),
      saveCode(Command(owner, "mnuFileCodeFile", tr("Save Code to &File"), "savecodefile",
                       tr("Generate menu code and save to a file"))),
      exit(Keys(Command(owner, "mnuFileExit", tr("&Exit")),
                QKeySequence::keyBindings(QKeySequence::Quit))),
      undo(HistoryAction(owner, "mnuEditUndo", "undo", QKeySequence::Undo, tr("&Undo"),
                         tr("&Undo %1"), history, &QUndoStack::undoTextChanged,
                         &QUndoStack::canUndoChanged, &QUndoStack::undo)),
      redo(HistoryAction(owner, "mnuEditRedo", "redo", QKeySequence::Redo, tr("&Redo"),
                         tr("&Redo %1"), history, &QUndoStack::redoTextChanged,
                         &QUndoStack::canRedoChanged, &QUndoStack::redo)),
      preview(Keys(Command(owner, "mnuPrevBr", tr("&Preview Menu in Browser"), "preview",
                           tr("Preview menu in browser")),
                   {QKeySequence(Qt::Key_F5), QKeySequence(Qt::CTRL | Qt::Key_R)})),
      helpTopics(
          Keys(Command(owner, "mnuHlpCont", tr("&Help Topics"), "help", tr("Open help file")),
               QKeySequence::keyBindings(QKeySequence::HelpContents))),
      tutorial(Command(owner, "mnuHelpTut", tr("&Tutorial"))),
      contextHelp(
          Keys(Command(owner, "mnuHelpCtx", tr("&Context Help"), "wthis", tr("Show context help")),
               QKeySequence::keyBindings(QKeySequence::WhatsThis))),
      tipOfTheDay(Command(owner, "mnuhlpTips", tr("&Tip of the Day"))),
      tellFriends(Command(owner, "mnuhelptaf", tr("Tell &Friends about Quorvane"))),
      otherSoftware(Command(owner, "mnuHelpMFS", tr("&Other Software from Brindlecote"))),
      about(Command(owner, "mnuHlpAb", tr("&About..."), "about", tr("About Quorvane"))),
      // The list's keys work only while it has the focus.
      moveUp(Keys(Command(owner, "mnuListPopMovUp", tr("Move Up"), "movup",
                          tr("Move selected item up one position.")),
                  {QKeySequence(Qt::CTRL | Qt::Key_Up)}, true, Qt::WidgetWithChildrenShortcut)),
      moveDown(Keys(Command(owner, "mnuListPopMovDn", tr("Move Down"), "movdn",
                            tr("Move selected item down one position.")),
                    {QKeySequence(Qt::CTRL | Qt::Key_Down)}, true, Qt::WidgetWithChildrenShortcut)),
      edit(Keys(
          Command(owner, "mnuListPopEdt", tr("Edit"), "edit",
                  tr("Edit text and link url of selected item.")),
          {QKeySequence(Qt::Key_F2), QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Enter)},
          true, Qt::WidgetWithChildrenShortcut)),
      remove(
          Keys(Command(owner, "mnuListPopRem", tr("Delete"), "delete", tr("Delete selected item.")),
               {QKeySequence(QKeySequence::Delete)}, true, Qt::WidgetWithChildrenShortcut)) {}

QMenu* CommandActions::AddMenus(QMainWindow& window, QAction* previewPane) const {
    QMenuBar* bar = window.menuBar();
    QMenu* file = AddMenu(bar, "mnuFile", tr("&File"));
    file->addActions({newProject, loadProject, importLinks, saveProject});
    AddSeparator(file, "mnuFileSep1");
    file->addActions({copyCode, saveCode});
    AddSeparator(file, "mnuFileSep2");
    file->addAction(exit);

    AddMenu(bar, "mnuEdit", tr("&Edit"))->addActions({undo, redo});
    AddMenu(bar, "mnuPrev", tr("&Preview"))->addActions({preview, previewPane});

    QMenu* help = AddMenu(bar, "mnuHlp", tr("&Help"));
    help->addActions({helpTopics, tutorial, contextHelp, tipOfTheDay});
    AddSeparator(help, "mnuHlpSep");
    help->addActions({tellFriends, otherSoftware, about});
    return file;
}

QToolBar* CommandActions::CreateMainToolbar(QWidget* parent) const {
    return Toolbar(parent, "Toolbar1", 24,
                   {newProject, loadProject, saveProject, nullptr, undo, redo, nullptr, copyCode,
                    saveCode, nullptr, preview, nullptr, helpTopics, contextHelp, about});
}

QToolBar* CommandActions::CreateItemToolbar(QWidget* parent) const {
    return Toolbar(parent, "tb2", 16, {moveUp, moveDown, edit, remove, nullptr, importLinks});
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
