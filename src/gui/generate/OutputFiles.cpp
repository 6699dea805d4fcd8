#include "OutputFiles.h"

#include "platform/MessageBoxes.h"
#include "project/AtomicFile.h"

#include <QDir>
#include <QFileInfo>

namespace codeoutput {

bool WriteOutputFile(QWidget* owner, const QString& path, const std::string& text) {
    const std::optional<std::string> error =
        project::WriteFileAtomically(QFileInfo(path).filesystemFilePath(), text);
    if (!error) {
        return true;
    }
    platform::ShowOperationError(owner, QDir::toNativeSeparators(path) + ": " +
                                            QString::fromStdString(*error));
    return false;
}

} // namespace codeoutput
