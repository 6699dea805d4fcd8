#include "mainwindow/CommandIcons.h"

#include <QDir>
#include <QHash>
#include <QString>

// The icons are linked into a static library, so their registration has to be pulled in.
static void LoadBundledIcons() {
    Q_INIT_RESOURCE(mainwindow);
}

namespace mainwindow {

QIcon CommandIcon(const QString& key) {
    static const bool loaded = (LoadBundledIcons(), true);
    Q_UNUSED(loaded);
    static const QHash<QString, QString> themeNames{
        {"newproj", "document-new"},
        {"loadproj", "document-open"},
        {"import", "document-import"},
        {"saveproj", "document-save"},
        {"savecodeclip", "edit-copy"},
        {"savecodefile", "document-save-as"},
        {"preview", "document-print-preview"},
        {"help", "help-contents"},
        {"wthis", "help-whatsthis"},
        {"about", "help-about"},
        {"movup", "go-up"},
        {"movdn", "go-down"},
        {"edit", "document-edit"},
        {"delete", "edit-delete"},
        {"undo", "edit-undo"},
        {"redo", "edit-redo"},
    };
    return QIcon::fromTheme(themeNames.value(key), QIcon(":/icons/" + key + ".png"));
}

} // namespace mainwindow
