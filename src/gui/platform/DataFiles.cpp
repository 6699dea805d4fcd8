#include "DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace platform {

QStringList ProgramDataFolders() {
    return {QCoreApplication::applicationDirPath(), QStringLiteral(QUORVANE_DATA_DIR)};
}

QString ProgramDataFile(const QString& relative) {
    for (const QString& folder : ProgramDataFolders()) {
        const QString path = QDir(folder).filePath(relative);
        if (QFileInfo(path).isFile()) {
            return path;
        }
    }
    return {};
}

} // namespace platform
