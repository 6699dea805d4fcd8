#include "output/Preview.h"

#include "generate/CodeOutput.h"
#include "output/CodeFiles.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace output {
namespace {

// Where this run's preview pages went, so the clean-up at exit finds them.
QString& PreviewFolder() {
    static QString folder;
    return folder;
}

} // namespace

void ShowPreview(QWidget* owner, const generate::MenuCode& code, const model::MenuOptions& menu) {
    const QString folder = platform::TempFolder();
    if (folder.isEmpty()) {
        platform::ShowOperationError(
            owner,
            QCoreApplication::translate("codeoutput", "No private folder for the preview could be "
                                                      "made in %1")
                .arg(QDir::toNativeSeparators(QDir::tempPath())));
        return;
    }
    PreviewFolder() = folder;
    const std::vector<generate::PreviewFile> files = generate::PreviewFiles(code, menu);
    for (const generate::PreviewFile& file : files) {
        if (!WriteOutputFile(owner, folder + file.name, file.text)) {
            return;
        }
    }
    platform::OpenDocument(owner, folder + files.back().name);
}

void DeletePreviewFiles() {
    const QString folder = PreviewFolder().isEmpty() ? platform::TempFolder() : PreviewFolder();
    if (folder.isEmpty()) {
        return;
    }
    for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                             generate::kSecondFramePageName}) {
        QFile::remove(folder + name);
    }
}

} // namespace output
