#include "help/HelpPages.h"

#include "platform/DataFiles.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>

namespace help {

void OpenHelpPage(QWidget* owner, const QString& page) {
    const QString relative = QStringLiteral("help/") + page;
    const QString path = platform::ProgramDataFile(relative);
    if (!path.isEmpty()) {
        platform::OpenDocument(owner, path);
        return;
    }
    QStringList looked;
    for (const QString& folder : platform::ProgramDataFolders()) {
        looked << QDir::toNativeSeparators(QDir(folder).filePath(relative));
    }
    const QString text =
        QCoreApplication::translate("auxwindows", "The help page could not be found. Quorvane "
                                                  "looked for it here:\n\n%1")
            .arg(looked.join('\n'));
    platform::ShowMessage(owner, {QCoreApplication::translate("auxwindows", "Oops!").toStdString(),
                                  text.toStdString(), model::MessageIcon::Exclamation});
}

} // namespace help
