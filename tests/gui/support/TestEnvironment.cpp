#include "TestEnvironment.h"

#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "preview/WebEngineStart.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QtGlobal>

TestEnvironment::TestEnvironment() {
    qputenv("HOME", home.path().toUtf8());
    for (const auto& [variable, folder] : {std::pair{"XDG_CONFIG_HOME", "config"},
                                           {"XDG_DATA_HOME", "data"},
                                           {"XDG_CACHE_HOME", "cache"},
                                           {"XDG_RUNTIME_DIR", "runtime"},
                                           {"TMPDIR", "tmp"}}) {
        QDir(home.path()).mkpath(folder);
        qputenv(variable, path(folder).toUtf8());
    }
    QFile::setPermissions(path("runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
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

QStringList Reference(const QString& name, const QStringList& actual) {
    const QString path = QT_TESTCASE_SOURCEDIR "/gui/texts/" + name;
    QFile file(path);
    if (qEnvironmentVariableIsSet("QUORVANE_UPDATE_TEXTS") && file.open(QIODevice::WriteOnly)) {
        file.write(actual.join('\n').toUtf8() + '\n');
        file.close();
    }
    return QString::fromUtf8(FileContents(path)).split('\n', Qt::SkipEmptyParts);
}
