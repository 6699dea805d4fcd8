#include "FileFilters.h"

#include <QFileInfo>
#include <QRegularExpression>

namespace platform {

QStringList QtNameFilters(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        const QString givenPattern = parts[i + 1].trimmed();
        if (description.isEmpty() && givenPattern.isEmpty()) {
            continue;
        }
        const QString brackets = '(' + givenPattern + ')';
        if (!givenPattern.isEmpty() && description.endsWith(brackets)) {
            description.chop(brackets.size());
            description = description.trimmed();
        }
        QString pattern = givenPattern.split(';', Qt::SkipEmptyParts).join(' ').trimmed();
        if (pattern.isEmpty()) {
            pattern = "*";
        }
        filters << (description.isEmpty() ? pattern : description + " (" + pattern + ')');
    }
    return filters;
}

QString DefaultSuffixOf(const QString& qtNameFilter) {
    static const QRegularExpression firstPattern(R"(\(\s*\*\.([^\s*?\[\]().;]+)[\s)])");
    const QRegularExpressionMatch match = firstPattern.match(qtNameFilter);
    return match.hasMatch() ? match.captured(1) : QString();
}

QString StartFolderOf(const QString& initialFolder) {
    if (initialFolder.isEmpty()) {
        return {};
    }
    const QFileInfo info(initialFolder);
    if (info.isDir()) {
        return info.absoluteFilePath();
    }
    const QFileInfo folder(info.absolutePath());
    return folder.isDir() ? folder.absoluteFilePath() : QString();
}

} // namespace platform
