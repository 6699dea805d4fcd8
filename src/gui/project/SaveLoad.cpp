#include "project/SaveLoad.h"

#include "mainwindow/Form1.h"
#include "platform/CRegSettings.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "project/CommandLineFile.h"
#include "project/FileNames.h"
#include "project/ProjectFile.h"
#include "project/RecentFiles.h"

#include <QAction>
#include <QCoreApplication>

namespace saveload {
namespace {

const QString kFilter = QStringLiteral("Quorvane Project File (*.qvn)|*.qvn");
const QString kFoldersSection = QStringLiteral("Folders");
const QString kFolderKey = QStringLiteral("Last Used Save Folder");

std::string Utf8(const QString& text) {
    return text.toStdString();
}

} // namespace

CRegSettings ProgramSettings() {
    CRegSettings settings;
    settings.SetAppName("Quorvane");
    settings.SetCompany("Brindlecote");
    return settings;
}

CSaveLoad::CSaveLoad(mainwindow::Form1& owner) : QObject(&owner), window(owner) {
    const auto run = [this](const char* name, auto command) {
        connect(window.findChild<QAction*>(name), &QAction::triggered, this, command);
    };
    run("mnuFileNew", [this] { NewCommand(); });
    run("mnuFileLoad", [this] { LoadCommand(); });
    run("mnuFileSaveProj", [this] { SaveCommand(); });
    for (int index = 0; index < static_cast<int>(project::kRecentCount); ++index) {
        run(QStringLiteral("recentfile%1").arg(index).toUtf8().constData(),
            [this, index] { RecentCommand(index + 1); });
    }
}

QString CSaveLoad::LastUsedFolder() const {
    return ProgramSettings().GetSetting(kFoldersSection, kFolderKey,
                                        QCoreApplication::applicationDirPath());
}

void CSaveLoad::RememberFolder(const QString& path) const {
    ProgramSettings().SaveSetting(kFoldersSection, kFolderKey, path);
}

void CSaveLoad::ShowFileCaption() {
    window.setWindowTitle(QCoreApplication::translate("saveload", "Quorvane - ") +
                          QString::fromStdString(project::FileNameOf(Utf8(projectFilePath))));
    window.findChild<QAction*>("mnuFileSep3")->setVisible(true);
}

bool CSaveLoad::SaveProject() {
    const model::MenuProject current = window.BuildProject();
    const QString name = platform::ShowSaveDialog(
        &window, kFilter, QCoreApplication::translate("saveload", "Save Menu Project as..."),
        LastUsedFolder(), QString::fromStdString(project::FileNameOf(Utf8(projectFilePath))));
    if (name.isEmpty()) {
        saveCancelled = true;
        return false;
    }
    RememberFolder(name);
    const QString path = QString::fromStdString(project::TruncateAtNul(Utf8(name)));
    // A failed save leaves the project unsaved: its flags, file, caption and recent list stay.
    if (const auto error = project::SaveProjectFile(path.toStdString(), current)) {
        platform::ShowOperationError(&window, QString::fromStdString(*error));
        return false;
    }
    projectFilePath = path;
    window.Flags().projectChanged = false;
    window.Flags().projectHasFile = true;
    ShowFileCaption();
    UpdateRecentFiles();
    return true;
}

bool CSaveLoad::LoadProject(const QString& fileName) {
    QString name = fileName;
    if (name.isEmpty()) {
        name = platform::ShowOpenDialog(
            &window, kFilter, QCoreApplication::translate("saveload", "Load Menu Project..."),
            LastUsedFolder());
        if (name.isEmpty()) {
            return false;
        }
    }
    projectFilePath = QString::fromStdString(project::TruncateAtNul(Utf8(name)));
    RememberFolder(projectFilePath);
    window.ResetProject();
    model::ProjectFlags& flags = window.Flags();
    flags.resetInProgress = true;
    // The reset project supplies every value the file leaves out.
    const auto loaded =
        project::LoadProjectFile(projectFilePath.toStdString(), window.BuildProject());
    if (!loaded) {
        window.ResetProject();
        flags.resetInProgress = false;
        platform::ShowMessage(&window, project::CouldNotLoadMessage(Utf8(projectFilePath)));
        return false;
    }
    ApplyProject(*loaded);
    flags.projectChanged = false;
    flags.projectHasFile = true;
    window.StoreAdvValues();
    flags.resetInProgress = false;
    ShowFileCaption();
    window.PrepareItemEditor();
    UpdateRecentFiles();
    return true;
}

bool CSaveLoad::AskToSave(project::ReplacedBy replacement) {
    if (!window.Flags().projectChanged) {
        return true;
    }
    switch (platform::ShowMessage(&window, project::SaveProjectQuestion(replacement),
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

void CSaveLoad::NewCommand() {
    saveCancelled = false;
    if (!AskToSave(project::ReplacedBy::NewProject)) {
        saveCancelled = false;
        return;
    }
    window.ResetProject();
    window.Flags().projectChanged = false;
    window.Flags().projectHasFile = false;
}

void CSaveLoad::LoadCommand() {
    if (AskToSave(project::ReplacedBy::LoadedProject)) {
        LoadProject({});
    }
    saveCancelled = false;
}

void CSaveLoad::SaveCommand() {
    SaveProject();
    saveCancelled = false;
}

void CSaveLoad::RecentCommand(int position) {
    if (AskToSave(project::ReplacedBy::LoadedProject)) {
        LoadProject(ProgramSettings().GetSetting("Recent Files", QString::number(position)));
    }
    saveCancelled = false;
}

bool CSaveLoad::OpenCommandLine(const QString& commandLine) {
    if (commandLine.isEmpty()) {
        return false;
    }
    if (!project::IsProjectCommandLine(Utf8(commandLine))) {
        platform::ShowMessage(&window, project::CommandLineRefusedMessage(Utf8(commandLine)));
        return false;
    }
    return LoadProject(commandLine);
}

} // namespace saveload
