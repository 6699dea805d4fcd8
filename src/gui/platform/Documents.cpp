#include "Documents.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace platform {

namespace {

struct DocumentSeam {
    bool recording = false;
    bool failing = false;
    QStringList opened;
};

DocumentSeam& Seam() {
    static DocumentSeam seam;
    return seam;
}

#ifdef Q_OS_UNIX
// The folder must be a real folder of this user's that nobody else can enter: anything else
// could let another user read or replace the pages the browser is sent to.
bool IsPrivateFolder(const QByteArray& path) {
    struct stat info {};
    if (lstat(path.constData(), &info) != 0 || !S_ISDIR(info.st_mode) || info.st_uid != getuid()) {
        return false;
    }
    return (info.st_mode & 0077) == 0 || chmod(path.constData(), 0700) == 0;
}
#endif

} // namespace

QUrl DocumentUrl(const QString& pathOrAddress) {
    const QUrl url(pathOrAddress, QUrl::TolerantMode);
    // One letter before the colon is a drive, not a scheme.
    if (url.scheme().size() > 1) {
        return url;
    }
    return QUrl::fromLocalFile(QFileInfo(pathOrAddress).absoluteFilePath());
}

int OpenDocument(QWidget*, const QString& pathOrAddress) {
    DocumentSeam& seam = Seam();
    if (seam.recording) {
        seam.opened.append(pathOrAddress);
        return seam.failing ? kNoAssociation : kOpened;
    }
    return QDesktopServices::openUrl(DocumentUrl(pathOrAddress)) ? kOpened : kNoAssociation;
}

void RecordOpenedDocuments(bool on) {
    Seam().recording = on;
}

const QStringList& OpenedDocuments() {
    return Seam().opened;
}

void FailOpeningDocuments(bool on) {
    Seam().failing = on;
}

void ClearOpenedDocuments() {
    Seam().opened.clear();
}

QString TempFolder() {
#ifdef Q_OS_UNIX
    const QString folder = QDir::tempPath() + "/quorvane-" + QString::number(getuid());
    const QByteArray encoded = QFile::encodeName(folder);
    if (mkdir(encoded.constData(), 0700) != 0 && errno != EEXIST) {
        return {};
    }
    return IsPrivateFolder(encoded) ? folder + '/' : QString();
#else
    const QString folder = QDir::tempPath() + "/quorvane";
    return QDir().mkpath(folder) ? folder + '/' : QString();
#endif
}

} // namespace platform
