#include "mainwindow/Form1.h"
#include "platform/CRegSettings.h"
#include "project/RecentFiles.h"
#include "project/SaveLoad.h"

#include <QAction>

namespace saveload {
namespace {

const QString kRecentSection = QStringLiteral("Recent Files");

project::RecentList StoredRecentFiles() {
    const CRegSettings settings = ProgramSettings();
    project::RecentList stored;
    for (std::size_t index = 0; index < stored.size(); ++index) {
        stored[index] =
            settings.GetSetting(kRecentSection, QString::number(index + 1)).toStdString();
    }
    return stored;
}

QAction* RecentEntry(const QWidget& window, std::size_t index) {
    return window.findChild<QAction*>(QStringLiteral("recentfile%1").arg(index));
}

} // namespace

// Fills and shows entries; an entry once shown is never hidden again.
void CSaveLoad::RebuildRecentMenu() {
    const std::vector<std::string> captions = project::RecentMenuCaptions(StoredRecentFiles());
    for (std::size_t index = 0; index < captions.size(); ++index) {
        QAction* entry = RecentEntry(window, index);
        entry->setVisible(true);
        entry->setText(QString::fromStdString(captions[index]));
        window.findChild<QAction*>("mnuFileSep3")->setVisible(true);
    }
}

void CSaveLoad::UpdateRecentFiles() {
    const project::RecentList stored = StoredRecentFiles();
    const std::string path = projectFilePath.toStdString();
    if (stored.front() == path) {
        return;
    }
    std::size_t shown = 0;
    while (shown < stored.size() && RecentEntry(window, shown)->isVisible()) {
        ++shown;
    }
    const project::RecentList updated = project::UpdateRecentFiles(stored, shown, path);
    if (std::find(stored.begin(), stored.end(), path) == stored.end() && shown < stored.size()) {
        RecentEntry(window, shown)->setVisible(true);
    }
    const CRegSettings settings = ProgramSettings();
    for (std::size_t index = 0; index < updated.size(); ++index) {
        if (updated[index] != stored[index]) {
            settings.SaveSetting(kRecentSection, QString::number(index + 1),
                                 QString::fromStdString(updated[index]));
        }
    }
    RebuildRecentMenu();
}

} // namespace saveload
