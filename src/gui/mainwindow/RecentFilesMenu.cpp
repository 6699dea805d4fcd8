#include "mainwindow/RecentFilesMenu.h"

#include "platform/ProgramSettings.h"
#include "project/RecentFiles.h"

#include <QAction>
#include <QMenu>
#include <algorithm>

namespace mainwindow {

RecentFilesMenu::RecentFilesMenu(QMenu* fileMenu) : QObject(fileMenu) {
    static_assert(std::tuple_size_v<decltype(entries)> == project::kRecentCount);
    separator = fileMenu->addSeparator();
    separator->setObjectName("mnuFileSep3");
    separator->setVisible(false);
    for (std::size_t index = 0; index < entries.size(); ++index) {
        QAction* entry = fileMenu->addAction(QString());
        entry->setObjectName(QStringLiteral("recentfile%1").arg(index));
        entry->setVisible(false);
        connect(entry, &QAction::triggered, this,
                [this, index] { emit recentChosen(static_cast<int>(index) + 1); });
        entries[index] = entry;
    }
}

void RecentFilesMenu::Rebuild() {
    const std::vector<std::string> captions =
        project::RecentMenuCaptions(platform::ProgramSettings().RecentFiles());
    for (std::size_t index = 0; index < captions.size(); ++index) {
        entries[index]->setVisible(true);
        entries[index]->setText(QString::fromStdString(captions[index]));
        separator->setVisible(true);
    }
}

void RecentFilesMenu::Update(const QString& path) {
    const platform::ProgramSettings settings;
    const project::RecentList stored = settings.RecentFiles();
    const std::string file = path.toStdString();
    if (stored.front() == file) {
        return;
    }
    const auto shown = static_cast<std::size_t>(
        std::find_if(entries.begin(), entries.end(),
                     [](const QAction* entry) { return !entry->isVisible(); }) -
        entries.begin());
    if (std::find(stored.begin(), stored.end(), file) == stored.end() && shown < entries.size()) {
        entries[shown]->setVisible(true);
    }
    settings.SetRecentFiles(project::UpdateRecentFiles(stored, shown, file));
    Rebuild();
}

void RecentFilesMenu::ShowSeparator() {
    separator->setVisible(true);
}

} // namespace mainwindow
