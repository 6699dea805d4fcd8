#include "output/CodeFiles.h"

#include "generate/CodeOutput.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "project/AtomicFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace output {

QString WriteFileError(const QString& path, const std::string& text) {
    const std::optional<std::string> error =
        project::WriteFileAtomically(QFileInfo(path).filesystemFilePath(), text);
    return error ? QDir::toNativeSeparators(path) + ": " + QString::fromStdString(*error)
                 : QString();
}

bool WriteOutputFile(QWidget* owner, const QString& path, const std::string& text) {
    const QString error = WriteFileError(path, text);
    if (!error.isEmpty()) {
        platform::ShowOperationError(owner, error);
    }
    return error.isEmpty();
}

void SaveCodeToFile(QWidget* owner, const generate::MenuCode& code) {
    const QString path = platform::ShowSaveDialog(
        owner, QCoreApplication::translate("codeoutput", "HTML File (*.html)|*.html"),
        QCoreApplication::translate("codeoutput", "Save Code to File..."),
        QCoreApplication::applicationDirPath(), {});
    if (!path.isEmpty()) {
        WriteOutputFile(owner, path, generate::CodeFileText(code));
    }
}

} // namespace output
