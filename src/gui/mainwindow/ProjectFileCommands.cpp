#include "mainwindow/ProjectFileCommands.h"

#include "dialogs/StyleWindows.h"
#include "document/DesktopDefaults.h"
#include "document/MenuDocument.h"
#include "mainwindow/ItemEditor.h"
#include "mainwindow/LinkTextBox.h"
#include "mainwindow/RecentFilesMenu.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramSettings.h"
#include "project/CommandLineFile.h"
#include "project/FileNames.h"
#include "project/ProjectFile.h"

#include <QCheckBox>
#include <QMainWindow>

namespace mainwindow {
namespace {

const QString kFilter = QStringLiteral("Quorvane Project File (*.qvn)|*.qvn");

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

ProjectFileCommands::ProjectFileCommands(document::MenuDocument& menuDocument,
                                         const document::DesktopDefaults& desktop,
                                         dialogs::StyleWindows& styleWindows,
                                         ItemEditor* itemEditor, RecentFilesMenu& recentFiles,
                                         QMainWindow* mainWindow)
    : QObject(mainWindow), document(menuDocument), defaults(desktop), styles(styleWindows),
      editor(itemEditor), recent(recentFiles), window(mainWindow) {
    connect(&recent, &RecentFilesMenu::recentChosen, this, &ProjectFileCommands::RecentCommand);
}

void ProjectFileCommands::ShowFileCaption() {
    window->setWindowTitle(tr("Quorvane - ") +
                           QString::fromStdString(project::FileNameOf(Utf8(document.FilePath()))));
    recent.ShowSeparator();
}

void ProjectFileCommands::ResetProject() {
    document.Reset(model::NewProject(defaults.At(style::FontMoment::NewProject)));
    editor->ItemText()->clear();
    editor->LinkText()->clear();
    editor->NotLinked()->setChecked(false);
    window->setWindowTitle(tr("Quorvane"));
    window->show();
    editor->ItemText()->setFocus(Qt::OtherFocusReason);
}

bool ProjectFileCommands::SaveProject() {
    const platform::ProgramSettings settings;
    const QString name = platform::ShowSaveDialog(
        window, kFilter, tr("Save Menu Project as..."), settings.LastUsedSaveFolder(),
        QString::fromStdString(project::FileNameOf(Utf8(document.FilePath()))));
    if (name.isEmpty()) {
        return false;
    }
    settings.SetLastUsedSaveFolder(name);
    const QString path = QString::fromStdString(project::TruncateAtNul(Utf8(name)));
    // A failed save leaves the project unsaved: its flags, file, caption and recent list stay.
    if (const auto error = project::SaveProjectFile(path.toStdString(), document.Project())) {
        platform::ShowOperationError(window, QString::fromStdString(*error));
        return false;
    }
    document.MarkSaved(path);
    ShowFileCaption();
    recent.Update(path);
    return true;
}

bool ProjectFileCommands::LoadProject(const QString& fileName) {
    const platform::ProgramSettings settings;
    QString name = fileName;
    if (name.isEmpty()) {
        name = platform::ShowOpenDialog(window, kFilter, tr("Load Menu Project..."),
                                        settings.LastUsedSaveFolder());
        if (name.isEmpty()) {
            return false;
        }
    }
    const QString path = QString::fromStdString(project::TruncateAtNul(Utf8(name)));
    document.SetFilePath(path);
    settings.SetLastUsedSaveFolder(path);
    ResetProject();
    // The reset project supplies every value the file leaves out.
    const auto loaded = project::LoadProjectFile(path.toStdString(), document.Project());
    if (!loaded) {
        ResetProject();
        platform::ShowMessage(window, project::CouldNotLoadMessage(Utf8(path)));
        return false;
    }
    document.Load(styles.Loaded(*loaded, window), path);
    ShowFileCaption();
    editor->ResetItemEditor();
    recent.Update(path);
    return true;
}

bool ProjectFileCommands::AskToSave(project::ReplacedBy replacement) {
    if (!document.Changed()) {
        return true;
    }
    switch (platform::ShowMessage(window, project::SaveProjectQuestion(replacement),
                                  platform::MessageButtons::YesNoCancel)) {
    case platform::MessageAnswer::Yes:
        // Unsaved work is never dropped: a save cancelled or failed stops the command.
        return SaveProject();
    case platform::MessageAnswer::No:
        return true;
    default:
        return false;
    }
}

void ProjectFileCommands::NewCommand() {
    if (AskToSave(project::ReplacedBy::NewProject)) {
        ResetProject();
        document.ForgetFile();
    }
}

void ProjectFileCommands::LoadCommand() {
    if (AskToSave(project::ReplacedBy::LoadedProject)) {
        LoadProject({});
    }
}

void ProjectFileCommands::RecentCommand(int position) {
    if (AskToSave(project::ReplacedBy::LoadedProject)) {
        const project::RecentList files = platform::ProgramSettings().RecentFiles();
        LoadProject(QString::fromStdString(files.at(static_cast<std::size_t>(position - 1))));
    }
}

bool ProjectFileCommands::OpenCommandLine(const QString& commandLine) {
    if (commandLine.isEmpty()) {
        return false;
    }
    if (!project::IsProjectCommandLine(Utf8(commandLine))) {
        platform::ShowMessage(window, project::CommandLineRefusedMessage(Utf8(commandLine)));
        return false;
    }
    return LoadProject(commandLine);
}

} // namespace mainwindow
