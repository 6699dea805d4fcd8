#include "CRegSettings.h"

#include <QSettings>

namespace {

// On Windows this is the registry key's unnamed value; elsewhere it is simply a stable name.
const QString kUnnamedKey = QStringLiteral("Default");

QString StoredKey(const QString& key) {
    return key == "*" ? kUnnamedKey : key;
}

} // namespace

void CRegSettings::SetCompany(const QString& name) {
    company = name.isEmpty() ? QString(kStartCompany) : name.trimmed();
}

void CRegSettings::SetAppName(const QString& name) {
    appName = name.isEmpty() ? QString(kProductName) : name.trimmed();
}

QString CRegSettings::GetSetting(const QString& section, const QString& key,
                                 const QString& defaultValue) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, company, appName);
    store.beginGroup(section);
    const QVariant value = store.value(StoredKey(key));
    return value.typeId() == QMetaType::QString ? value.toString() : defaultValue;
}

bool CRegSettings::SaveSetting(const QString& section, const QString& key,
                               const QString& value) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, company, appName);
    store.beginGroup(section);
    store.setValue(StoredKey(key), value);
    store.sync();
    return store.status() == QSettings::NoError;
}

bool CRegSettings::DeleteSetting(const QString& section, const QString& key) const {
    // An empty section and key would name every setting of the program.
    if (section.isEmpty() && key.isEmpty()) {
        return false;
    }
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, company, appName);
    if (key.isEmpty()) {
        if (!store.childGroups().contains(section)) {
            return false;
        }
        store.remove(section);
    } else {
        store.beginGroup(section);
        if (!store.contains(StoredKey(key))) {
            return false;
        }
        store.remove(StoredKey(key));
    }
    store.sync();
    return store.status() == QSettings::NoError;
}

std::vector<std::pair<QString, QString>>
CRegSettings::GetAllSettings(const QString& section) const {
    QSettings store(QSettings::NativeFormat, QSettings::UserScope, company, appName);
    store.beginGroup(section);
    std::vector<std::pair<QString, QString>> settings;
    for (const QString& key : store.childKeys()) {
        const QVariant value = store.value(key);
        if (value.typeId() == QMetaType::QString) {
            settings.emplace_back(key == kUnnamedKey ? QStringLiteral("*") : key, value.toString());
        }
    }
    return settings;
}
