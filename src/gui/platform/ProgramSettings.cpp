#include "platform/ProgramSettings.h"

#include <QCoreApplication>
#include <QSettings>

namespace platform {
namespace {

const QString kRecentFiles = QStringLiteral("Recent Files");
const QString kMessages = QStringLiteral("Messages");
const QString kYes = QStringLiteral("yes");

QSettings Store() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane");
}

QString Text(const QSettings& store, const QString& key, const QString& fallback) {
    const QVariant value = store.value(key);
    return value.typeId() == QMetaType::QString ? value.toString() : fallback;
}

QString RecentKey(std::size_t index) {
    return kRecentFiles + '/' + QString::number(index + 1);
}

} // namespace

QString ProgramSettings::Value(const QString& section, const QString& key,
                               const QString& fallback) const {
    return Text(Store(), section + '/' + key, fallback);
}

void ProgramSettings::SetValue(const QString& section, const QString& key,
                               const QString& value) const {
    Store().setValue(section + '/' + key, value);
}

QString ProgramSettings::LastUsedSaveFolder() const {
    return Value("Folders", "Last Used Save Folder", QCoreApplication::applicationDirPath());
}

void ProgramSettings::SetLastUsedSaveFolder(const QString& path) const {
    SetValue("Folders", "Last Used Save Folder", path);
}

// The list is read and written through one store: one look at the file, at most one write.
project::RecentList ProgramSettings::RecentFiles() const {
    const QSettings store = Store();
    project::RecentList files;
    for (std::size_t index = 0; index < files.size(); ++index) {
        files[index] = Text(store, RecentKey(index), {}).toStdString();
    }
    return files;
}

void ProgramSettings::SetRecentFiles(const project::RecentList& files) const {
    QSettings store = Store();
    for (std::size_t index = 0; index < files.size(); ++index) {
        const QString key = RecentKey(index);
        if (Text(store, key, {}).toStdString() != files[index]) {
            store.setValue(key, QString::fromStdString(files[index]));
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
    return Store().value("Window/State").toByteArray();
}

void ProgramSettings::SetWindowState(const QByteArray& state) const {
    Store().setValue("Window/State", state);
}

bool ProgramSettings::NoticeWanted(const QString& key) const {
    return Value(kMessages, key, kYes) == kYes;
}

void ProgramSettings::SetNoticeWanted(const QString& key, bool wanted) const {
    SetValue(kMessages, key, wanted ? kYes : QStringLiteral("no"));
}

} // namespace platform
