#include "mainwindow/CommandIcons.h"

#include <QHash>
#include <QString>

namespace mainwindow {

QIcon CommandIcon(const QString& key) {
    static const QHash<QString, QString> themeNames{
        {"newproj", "document-new"},
        {"loadproj", "document-open"},
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
    };
    return QIcon::fromTheme(themeNames.value(key), QIcon(":/icons/" + key + ".png"));
}

} // namespace mainwindow
