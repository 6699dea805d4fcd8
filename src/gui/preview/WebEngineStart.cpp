#include "preview/WebEngineStart.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <QFile>
#include <unistd.h>
#endif

namespace preview {
namespace {

bool& KeptOff() {
    static bool off = false;
    return off;
}

bool FoundIn(const QStringList& folders, const QString& name) {
    for (const QString& folder : folders) {
        if (QFileInfo::exists(folder + '/' + name)) {
            return true;
        }
    }
    return false;
}

// Where the engine looks for its helper program and its resources: where its variables say, or
// else in Qt's folders and the program's own.
bool EngineInstalled() {
    const QString program = qEnvironmentVariable("QTWEBENGINEPROCESS_PATH");
    const QString resources = qEnvironmentVariable("QTWEBENGINE_RESOURCES_PATH");
    const QString own = QCoreApplication::applicationDirPath();
    const bool programFound =
        program.isEmpty() ? FoundIn({QLibraryInfo::path(QLibraryInfo::LibraryExecutablesPath), own},
                                    "QtWebEngineProcess")
                          : QFileInfo(program).isExecutable();
    return programFound &&
           FoundIn(resources.isEmpty()
                       ? QStringList{QLibraryInfo::path(QLibraryInfo::DataPath) + "/resources", own}
                       : QStringList{resources},
                   "qtwebengine_resources.pak");
}

bool SandboxSwitchedOff() {
    return qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX") ||
           qEnvironmentVariable("QTWEBENGINE_CHROMIUM_FLAGS").contains("--no-sandbox");
}

#ifdef Q_OS_UNIX
// Without user namespaces an ordinary user has no sandbox the engine can use.
bool UserNamespacesRefused() {
    QFile setting("/proc/sys/kernel/unprivileged_userns_clone");
    return setting.open(QIODevice::ReadOnly) && setting.readAll().trimmed() == "0";
}
#endif

} // namespace

void PrepareWebEngine() {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
}

QString WhyWebEngineCannotStart() {
    if (KeptOff()) {
        return QCoreApplication::translate("preview", "The live preview is switched off.");
    }
    if (!EngineInstalled()) {
        return QCoreApplication::translate("preview",
                                           "No live preview: Qt WebEngine is not fully installed.");
    }
#ifdef Q_OS_UNIX
    if (!SandboxSwitchedOff() && geteuid() == 0) {
        return QCoreApplication::translate(
            "preview", "No live preview as root unless QTWEBENGINE_DISABLE_SANDBOX=1 is set.");
    }
    if (!SandboxSwitchedOff() && UserNamespacesRefused()) {
        return QCoreApplication::translate("preview",
                                           "No live preview: this system allows its sandbox no "
                                           "user namespaces (QTWEBENGINE_DISABLE_SANDBOX=1 runs "
                                           "it without).");
    }
#endif
    return {};
}

void KeepWebEngineOff(bool off) {
    KeptOff() = off;
}

} // namespace preview
