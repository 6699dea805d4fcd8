#include "platform/Documents.h"

#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

namespace {

mode_t ModeOf(const QString& path) {
    struct stat info {};
    lstat(QFile::encodeName(path).constData(), &info);
    return info.st_mode & 07777;
}

} // namespace

class DocumentsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString PrivateFolder() const {
        return environment.path("tmp") + "/quorvane-" + QString::number(getuid());
    }

  private slots:
    void cleanup() {
        QFile::remove(PrivateFolder());
        QDir(PrivateFolder()).removeRecursively();
    }

    void addressesKeepTheirSchemeAndPathsBecomeFileUrls() {
        QCOMPARE(platform::DocumentUrl("https://www.example.com/menu"),
                 QUrl("https://www.example.com/menu"));
        QCOMPARE(platform::DocumentUrl("mailto:a@b.example?subject=Hi%20there").scheme(),
                 QString("mailto"));
        QCOMPARE(platform::DocumentUrl("/tmp/my page#1.html"),
                 QUrl::fromLocalFile("/tmp/my page#1.html"));
        QCOMPARE(platform::DocumentUrl("page.html"),
                 QUrl::fromLocalFile(QDir::current().absoluteFilePath("page.html")));
    }

    void recordedDocumentsAreNotOpened() {
        platform::ClearOpenedDocuments();
        QCOMPARE(platform::OpenDocument(nullptr, "/tmp/a.html"), platform::kOpened);
        QCOMPARE(platform::OpenDocument(nullptr, "mailto:x@y.example"), platform::kOpened);
        QCOMPARE(platform::OpenedDocuments(), (QStringList{"/tmp/a.html", "mailto:x@y.example"}));
    }

    void theTempFolderIsCreatedPrivate() {
        const QString folder = platform::TempFolder();
        QCOMPARE(folder, PrivateFolder() + '/');
        QCOMPARE(ModeOf(PrivateFolder()), mode_t(0700));
        QCOMPARE(platform::TempFolder(), folder);

        QVERIFY(QFile::setPermissions(PrivateFolder(), QFile::ReadOwner | QFile::WriteOwner |
                                                           QFile::ExeOwner | QFile::ReadOther |
                                                           QFile::ExeOther));
        QCOMPARE(platform::TempFolder(), folder);
        QCOMPARE(ModeOf(PrivateFolder()), mode_t(0700));
    }

    void aLinkOrAFileInItsPlaceIsRefused() {
        const QString elsewhere = environment.path("elsewhere");
        QDir().mkpath(elsewhere);
        QVERIFY(QFile::link(elsewhere, PrivateFolder()));
        QCOMPARE(platform::TempFolder(), QString());
        QVERIFY(QFile::remove(PrivateFolder()));

        QFile file(PrivateFolder());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(platform::TempFolder(), QString());
    }

    void aFolderOfAnotherUserIsRefused() {
        if (getuid() != 0) {
            QSKIP("only root can give the folder to another user");
        }
        QVERIFY(QDir().mkpath(PrivateFolder()));
        QCOMPARE(chown(QFile::encodeName(PrivateFolder()).constData(), 65534, 65534), 0);
        QCOMPARE(platform::TempFolder(), QString());
    }
};

QTEST_MAIN(DocumentsTest)
#include "DocumentsTest.moc"
