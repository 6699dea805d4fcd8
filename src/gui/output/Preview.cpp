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
    const bool framed = menu.linkTarget == model::LinkTarget::DifferentFrame;
    if (framed && (!WriteOutputFile(owner, folder + generate::kSecondFramePageName,
                                    generate::SecondFramePageText()) ||
                   !WriteOutputFile(owner, folder + generate::kFramesetPageName,
                                    generate::FramesetPageText(menu.frameName)))) {
        return;
    }
    if (!WriteOutputFile(owner, folder + generate::kPreviewPageName,
                         generate::PreviewPageText(code))) {
        return;
    }
    platform::OpenDocument(
        owner, folder + (framed ? generate::kFramesetPageName : generate::kPreviewPageName));
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
