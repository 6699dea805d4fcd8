#pragma once

#include "model/MenuProject.h"
#include "platform/CRegSettings.h"
#include "project/ProjectMessages.h"

#include <QObject>
#include <QString>

namespace mainwindow {
class Form1;
}

// The project file commands of the main window: new, load, save, the recent files and the file
// named on the command line, with the question before a changed project is replaced.
namespace saveload {

// The settings of this program: company "Brindlecote", application "Quorvane".
CRegSettings ProgramSettings();

class CSaveLoad : public QObject {
    Q_OBJECT

  public:
    // Runs the File menu's project commands and recent entries of `window`.
    explicit CSaveLoad(mainwindow::Form1& window);

    // Asks for a name and writes the project; false when cancelled (saveCancelled is then set)
    // or failed (told in an "Error" box, the project stays unsaved).
    bool SaveProject();
    // Loads `fileName`, or asks for one when it is empty; false when cancelled or refused.
    bool LoadProject(const QString& fileName);

    void NewCommand();
    void LoadCommand();
    void SaveCommand();
    // Recent entry k, 1 to 5.
    void RecentCommand(int position);
    // The text of the command line at start-up; false when it names no project to load.
    bool OpenCommandLine(const QString& commandLine);
    // Asks "Save Project?" when the project has changed; false when the asking command must
    // stop: Cancel, or Yes and then a save cancelled or failed.
    bool AskToSave(project::ReplacedBy replacement);

    void RebuildRecentMenu();
    void UpdateRecentFiles();

    const QString& ProjectFilePath() const { return projectFilePath; }
    bool SaveCancelled() const { return saveCancelled; }

  private:
    void ApplyProject(const model::MenuProject& project);
    void ApplyItems(const std::vector<model::MenuItem>& items);
    void ApplyOptions(const model::MenuOptions& menu, const model::ButtonOptions& button);
    void ShowFileCaption();
    QString LastUsedFolder() const;
    void RememberFolder(const QString& path) const;

    mainwindow::Form1& window;
    QString projectFilePath;
    bool saveCancelled = false;
};

} // namespace saveload
