#include "TestEnvironment.h"

#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "preview/WebEngineStart.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtGlobal>

TestEnvironment::TestEnvironment() {
    for (const char* folder : {"config", "data", "cache", "runtime", "tmp"}) {
        QDir(home.path()).mkpath(folder);
    }
    QFile::setPermissions(path("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
    qputenv("XDG_DATA_HOME", path("data").toUtf8());
    qputenv("XDG_CACHE_HOME", path("cache").toUtf8());
    qputenv("XDG_RUNTIME_DIR", path("runtime").toUtf8());
    qputenv("TMPDIR", path("tmp").toUtf8());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, path("config"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, path("config"));
    platform::AnswerAutomatically(true);
    platform::RecordOpenedDocuments(true);
    preview::KeepWebEngineOff(true);
}

QString TestEnvironment::path(const QString& relative) const {
    return relative.isEmpty() ? home.path() : home.path() + '/' + relative;
}

QString TestEnvironment::Write(const QString& relative, const QByteArray& bytes) const {
    QFile file(path(relative));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? file.fileName()
                                                                                : QString();
}

QByteArray FileContents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}
