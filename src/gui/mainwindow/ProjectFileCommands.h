#pragma once

#include "project/ProjectMessages.h"

#include <QObject>
#include <QString>

class QMainWindow;

namespace dialogs {
class StyleWindows;
}

namespace document {
class DesktopDefaults;
class MenuDocument;
} // namespace document

namespace mainwindow {

class ItemEditor;
class RecentFilesMenu;

// The project file commands of the main window: new, load, save, the recent files and the file
// named on the command line, with the question before a changed project is replaced.
class ProjectFileCommands : public QObject {
    Q_OBJECT

  public:
    ProjectFileCommands(document::MenuDocument& document, const document::DesktopDefaults& defaults,
                        dialogs::StyleWindows& styles, ItemEditor* editor, RecentFilesMenu& recent,
                        QMainWindow* window);

    // Asks for a name and writes the project; false when cancelled or failed (told in an
    // "Error" box; the project stays unsaved).
    bool SaveProject();
    // Loads `fileName`, or asks for one when it is empty; false when cancelled or refused.
    bool LoadProject(const QString& fileName);
    // The open project becomes a new, empty one with every default.
    void ResetProject();

    void NewCommand();
    void LoadCommand();
    // Recent entry k, 1 to 5.
    void RecentCommand(int position);
    // The text of the command line at start-up; false when it names no project to load.
    bool OpenCommandLine(const QString& commandLine);
    // Asks "Save Project?" when the project has changed; false when the asking command must
    // stop: Cancel, or Yes and then a save cancelled or failed.
    bool AskToSave(project::ReplacedBy replacement);

  private:
    void ShowFileCaption();

    document::MenuDocument& document;
    const document::DesktopDefaults& defaults;
    dialogs::StyleWindows& styles;
    ItemEditor* editor = nullptr;
    RecentFilesMenu& recent;
    QMainWindow* window = nullptr;
};

} // namespace mainwindow
