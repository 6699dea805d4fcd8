#include "platform/FileAssociation.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>
#include <algorithm>

namespace platform {
namespace {

constexpr qsizetype kLongestValue = 1024;
const QString kDefaultsGroup = QStringLiteral("Default Applications");
const QString kAddedGroup = QStringLiteral("Added Associations");

QString DataHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
}

QString ConfigHome() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
}

QStringList ReadLines(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split('\n');
}

bool WriteText(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) >= 0 && file.commit();
}

bool IsGroupLine(const QString& line) {
    return line.startsWith('[');
}

// The line index of `key` in `group`, or where a new key of the group goes (-1: no group).
std::pair<qsizetype, bool> FindKey(const QStringList& lines, const QString& group,
                                   const QString& key) {
    qsizetype groupEnd = -1;
    bool inGroup = false;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        const QString line = lines[index].trimmed();
        if (IsGroupLine(line)) {
            inGroup = line == '[' + group + ']';
            if (inGroup) {
                groupEnd = index + 1;
            }
            continue;
        }
        if (!inGroup) {
            continue;
        }
        if (line.section('=', 0, 0).trimmed() == key) {
            return {index, true};
        }
        if (!line.isEmpty()) {
            groupEnd = index + 1;
        }
    }
    return {groupEnd, false};
}

// Sets `key` in `group` of a key file held as lines, keeping everything else as it was.
void SetKey(QStringList& lines, const QString& group, const QString& key, const QString& value) {
    const QString entry = key + '=' + value;
    const auto [index, found] = FindKey(lines, group, key);
    if (found) {
        lines[index] = entry;
    } else if (index >= 0) {
        lines.insert(index, entry);
    } else {
        while (!lines.isEmpty() && lines.last().trimmed().isEmpty()) {
            lines.removeLast();
        }
        lines << '[' + group + ']' << entry;
    }
}

// The first desktop entry a list value ("a.desktop;b.desktop;") names.
QString FirstEntry(const QString& value) {
    return value.section(';', 0, 0).trimmed();
}

// An Exec argument quoted the way desktop entries require when it holds reserved characters.
QString ExecArgument(const QString& argument) {
    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    if (std::none_of(argument.begin(), argument.end(),
                     [](QChar c) { return reserved.contains(c); })) {
        return argument;
    }
    QString quoted = argument;
    for (const QChar c : {QChar('\\'), QChar('"'), QChar('`'), QChar('$')}) {
        quoted.replace(c, QString('\\') + c);
    }
    return '"' + quoted + '"';
}

void RunWhenPresent(const QString& tool, const QString& folder) {
    const QString program = QStandardPaths::findExecutable(tool);
    if (!program.isEmpty()) {
        QProcess::execute(program, {folder});
    }
}

QString MimePackageText(const QString& mimeType, const QString& description,
                        const QString& extension) {
    return QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                          "<mime-info "
                          "xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"%1\">\n"
                          "    <comment>%2</comment>\n"
                          "    <sub-class-of type=\"text/plain\"/>\n"
                          "    <glob pattern=\"*%3\"/>\n"
                          "  </mime-type>\n"
                          "</mime-info>\n")
        .arg(mimeType, description.toHtmlEscaped(), extension.toHtmlEscaped());
}

QString DesktopEntryText(const QString& typeName, const QString& exec, const QString& icon,
                         const QString& mimeType) {
    QStringList lines{"[Desktop Entry]", "Type=Application", "Name=" + typeName,
                      "Exec=" + exec,    "Terminal=false",   "MimeType=" + mimeType + ';'};
    if (!icon.isEmpty()) {
        lines.insert(4, "Icon=" + icon);
    }
    return lines.join('\n') + '\n';
}

} // namespace

QString ReadRegString(const QString& keyFile, const QString& group, const QString& key) {
    const QStringList lines = ReadLines(keyFile);
    const auto [index, found] = FindKey(lines, group, key);
    if (!found) {
        return {};
    }
    const QString value = lines[index].section('=', 1).trimmed();
    return value.left(value.indexOf(QChar('\0'))).left(kLongestValue);
}

void RegisterFileType(const QString& typeName, const QString& extension, const QString& description,
                      const QString& icon, const QString& extraArguments) {
    if (typeName.isEmpty()) {
        return;
    }
    const QString id = typeName.toLower();
    const QString desktopId = id + ".desktop";
    const QString mimeType = "application/x-" + id + "-project";
    const QString mimePackage = DataHome() + "/mime/packages/" + id + ".xml";
    const QString desktopFile = DataHome() + "/applications/" + desktopId;
    const QString mimeApps = ConfigHome() + "/mimeapps.list";
    const QString arguments = extraArguments.trimmed();
    const QString exec = ExecArgument(QCoreApplication::applicationFilePath()) + ' ' +
                         (arguments.isEmpty() ? QStringLiteral("%f") : arguments);

    // Already the handler, with an entry that starts this executable: nothing is written.
    if (FirstEntry(ReadRegString(mimeApps, kDefaultsGroup, mimeType)) == desktopId &&
        ReadRegString(desktopFile, "Desktop Entry", "Exec") == exec &&
        QFileInfo::exists(mimePackage)) {
        return;
    }
    if (WriteText(mimePackage, MimePackageText(mimeType, description, extension))) {
        RunWhenPresent("update-mime-database", DataHome() + "/mime");
    }
    if (WriteText(desktopFile, DesktopEntryText(typeName, exec, icon, mimeType))) {
        RunWhenPresent("update-desktop-database", DataHome() + "/applications");
    }
    QStringList lines = ReadLines(mimeApps);
    SetKey(lines, kDefaultsGroup, mimeType, desktopId + ';');
    // Other programs offered for the type stay offered, after this one.
    QStringList added =
        ReadRegString(mimeApps, kAddedGroup, mimeType).split(';', Qt::SkipEmptyParts);
    added.removeAll(desktopId);
    added.prepend(desktopId);
    SetKey(lines, kAddedGroup, mimeType, added.join(';') + ';');
    WriteText(mimeApps, lines.join('\n').trimmed() + '\n');
}

} // namespace platform
