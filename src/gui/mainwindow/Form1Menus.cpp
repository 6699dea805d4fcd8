#include "mainwindow/CommandIcons.h"
#include "mainwindow/Form1.h"

#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

namespace mainwindow {
namespace {

QAction* AddEntry(QMenu* menu, const char* name, const QString& caption) {
    QAction* action = menu->addAction(caption);
    action->setObjectName(name);
    return action;
}

QAction* AddSeparator(QMenu* menu, const char* name) {
    QAction* separator = menu->addSeparator();
    separator->setObjectName(name);
    return separator;
}

QMenu* AddMenu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* menu = bar->addMenu(caption);
    menu->setObjectName(name);
    return menu;
}

} // namespace

void Form1::CreateMenus() {
    QMenuBar* bar = menuBar();

    QMenu* file = AddMenu(bar, "mnuFile", tr("&File"));
    menuCommands["newproj"] = AddEntry(file, "mnuFileNew", tr("&New Menu Project"));
    menuCommands["loadproj"] = AddEntry(file, "mnuFileLoad", tr("&Load Saved Menu Project"));
    menuCommands["saveproj"] = AddEntry(file, "mnuFileSaveProj", tr("&Save Menu Project"));
    AddSeparator(file, "mnuFileSep1");
    menuCommands["savecodeclip"] = AddEntry(file, "mnuFileCopy", tr("&Copy Code to Clipboard"));
    menuCommands["savecodefile"] = AddEntry(file, "mnuFileCodeFile", tr("Save Code to &File"));
    AddSeparator(file, "mnuFileSep2");
    AddEntry(file, "mnuFileExit", tr("&Exit"));
    AddSeparator(file, "mnuFileSep3")->setVisible(false);
    for (int index = 0; index < 5; ++index) {
        QAction* recent = file->addAction(QString());
        recent->setObjectName(QStringLiteral("recentfile%1").arg(index));
        recent->setVisible(false);
    }

    QMenu* preview = AddMenu(bar, "mnuPrev", tr("&Preview"));
    menuCommands["preview"] = AddEntry(preview, "mnuPrevBr", tr("&Preview Menu in Browser"));

    QMenu* help = AddMenu(bar, "mnuHlp", tr("&Help"));
    menuCommands["help"] = AddEntry(help, "mnuHlpCont", tr("&Help Topics"));
    AddEntry(help, "mnuHelpTut", tr("&Tutorial"));
    menuCommands["wthis"] = AddEntry(help, "mnuHelpCtx", tr("&Context Help"));
    AddEntry(help, "mnuhlpTips", tr("&Tip of the Day"));
    AddSeparator(help, "mnuHlpSep");
    AddEntry(help, "mnuhelptaf", tr("Tell &Friends about Quorvane"));
    AddEntry(help, "mnuHelpMFS", tr("&Other Software from Brindlecote"));
    menuCommands["about"] = AddEntry(help, "mnuHlpAb", tr("&About..."));

    projectCommands = {menuCommands["saveproj"], menuCommands["savecodeclip"],
                       menuCommands["savecodefile"], menuCommands["preview"]};
}

void Form1::CreateToolbar() {
    toolbar1 = new QToolBar(client);
    toolbar1->setObjectName("Toolbar1");
    toolbar1->setIconSize({24, 24});
    toolbar1->setMovable(false);
    // An empty key is a separator.
    const std::pair<const char*, QString> buttons[] = {
        {"newproj", tr("Create new menu project")},
        {"loadproj", tr("Load saved menu project")},
        {"saveproj", tr("Save current menu project")},
        {"", {}},
        {"savecodeclip", tr("Generate menu code and copy to clipboard")},
        {"savecodefile", tr("Generate menu code and save to a file")},
        {"", {}},
        {"preview", tr("Preview menu in browser")},
        {"", {}},
        {"help", tr("Open help file")},
        {"wthis", tr("Show context help")},
        {"about", tr("About Quorvane")},
    };
    for (const auto& [key, tip] : buttons) {
        if (*key == '\0') {
            toolbar1->addSeparator();
            continue;
        }
        QAction* button = toolbar1->addAction(CommandIcon(key), tip);
        button->setObjectName(key);
        button->setToolTip(tip);
        connect(button, &QAction::triggered, this,
                [this, name = QString(key)] { RunToolbarKey(name); });
        // A button needs the rows its menu command needs.
        if (projectCommands.contains(menuCommands.value(key))) {
            projectCommands.append(button);
        }
    }
}

void Form1::RunToolbarKey(const QString& key) {
    if (QAction* command = menuCommands.value(key)) {
        command->trigger();
    }
}

} // namespace mainwindow
