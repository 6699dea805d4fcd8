#include "Application.h"

#include "mainwindow/MainWindow.h"
#include "mainwindow/ProjectFileCommands.h"
#include "platform/FileAssociation.h"
#include "platform/Translations.h"
#include "preview/WebEngineStart.h"
#include "project/CommandLineFile.h"

#include <QApplication>
#include <QLocale>
#include <QtGlobal>
#include <iostream>

namespace gui {

bool DisplayAvailable([[maybe_unused]] std::string_view platform,
                      [[maybe_unused]] std::string_view display,
                      [[maybe_unused]] std::string_view waylandDisplay) {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    if (platform.empty()) {
        return !display.empty() || !waylandDisplay.empty();
    }
    if (platform.starts_with("xcb")) {
        return !display.empty();
    }
    if (platform.starts_with("wayland")) {
        return !waylandDisplay.empty();
    }
#endif
    // offscreen, vnc and the like need no display; elsewhere the desktop is always there.
    return true;
}

int RunApplication(int& argc, char** argv, const std::vector<std::string>&) {
    if (!DisplayAvailable(qgetenv("QT_QPA_PLATFORM").toStdString(),
                          qgetenv("DISPLAY").toStdString(),
                          qgetenv("WAYLAND_DISPLAY").toStdString())) {
        std::cerr << "quorvane: no display could be opened; use --export-code to generate code "
                     "without a window (see --help)\n";
        return 2;
    }
    preview::PrepareWebEngine();
    QApplication app(argc, argv);
    QApplication::setOrganizationName("Brindlecote");
    QApplication::setApplicationName("Quorvane");
    platform::InstallTranslations(QLocale::system());
    mainwindow::MainWindow window;
    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    for (const QString& argument : QApplication::arguments().mid(1)) {
        arguments.push_back(argument.toStdString());
    }
    const QString commandLine = QString::fromStdString(project::CommandLineText(arguments));
    window.ProjectFiles().OpenCommandLine(commandLine);
    platform::RegisterFileType("Quorvane", ".qvn", "Quorvane Project File", "quorvane");
    window.show();
    window.ShowStartupTip();
    return QApplication::exec();
}

} // namespace gui
