#include "help/HelpPages.h"

#include "model/Translatable.h"
#include "platform/DataFiles.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "platform/Translations.h"

#include <QDir>

namespace help {

void OpenHelpPage(QWidget* owner, const QString& page) {
    const QString relative = QStringLiteral("help/") + page;
    const QString path = platform::LocalizedDataFile(relative);
    if (!path.isEmpty()) {
        platform::OpenDocument(owner, path);
        return;
    }
    QStringList looked;
    for (const QString& folder : platform::ProgramDataFolders()) {
        looked << QDir::toNativeSeparators(QDir(folder).filePath(relative));
    }
    platform::ShowMessage(owner,
                          {TRANSLATABLE("messages", "Oops!"),
                           TRANSLATABLE("messages", "The help page could not be found. Quorvane "
                                                    "looked for it here:\n\n%1"),
                           model::MessageIcon::Exclamation,
                           {looked.join('\n').toStdString()}});
}

} // namespace help
