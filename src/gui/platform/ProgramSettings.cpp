#include "platform/ProgramSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace platform {
namespace {

const QString kRecentFiles = QStringLiteral("Recent Files");
const QString kMessages = QStringLiteral("Messages");
const QString kYes = QStringLiteral("yes");

} // namespace

QString ProgramSettings::Value(const QString& section, const QString& key,
                               const QString& fallback) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane");
    const QVariant value = store.value(section + '/' + key);
    return value.typeId() == QMetaType::QString ? value.toString() : fallback;
}

void ProgramSettings::SetValue(const QString& section, const QString& key,
                               const QString& value) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane");
    store.setValue(section + '/' + key, value);
}

QString ProgramSettings::LastUsedSaveFolder() const {
    return Value("Folders", "Last Used Save Folder", QCoreApplication::applicationDirPath());
}

void ProgramSettings::SetLastUsedSaveFolder(const QString& path) const {
    SetValue("Folders", "Last Used Save Folder", path);
}

project::RecentList ProgramSettings::RecentFiles() const {
    project::RecentList files;
    for (std::size_t index = 0; index < files.size(); ++index) {
        files[index] = Value(kRecentFiles, QString::number(index + 1), {}).toStdString();
    }
    return files;
}

void ProgramSettings::SetRecentFiles(const project::RecentList& files) const {
    const project::RecentList stored = RecentFiles();
    for (std::size_t index = 0; index < files.size(); ++index) {
        if (files[index] != stored[index]) {
            SetValue(kRecentFiles, QString::number(index + 1),
                     QString::fromStdString(files[index]));
        }
    }
}

QString ProgramSettings::ShowTipsAtStartup() const {
    return Value("Options", "Show Tips at Startup", "1");
}

void ProgramSettings::SetShowTipsAtStartup(int show) const {
    SetValue("Options", "Show Tips at Startup", QString::number(show));
}

QByteArray ProgramSettings::WindowState() const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane");
    return store.value("Window/State").toByteArray();
}

void ProgramSettings::SetWindowState(const QByteArray& state) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane");
    store.setValue("Window/State", state);
}

bool ProgramSettings::NoticeWanted(const QString& key) const {
    return Value(kMessages, key, kYes) == kYes;
}

void ProgramSettings::SetNoticeWanted(const QString& key, bool wanted) const {
    SetValue(kMessages, key, wanted ? kYes : QStringLiteral("no"));
}

} // namespace platform
