#include "platform/FileDialogs.h"

#include "platform/FileFilters.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QtTest>

class FileDialogsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::AnswerAutomatically(true);
        platform::ClearDialogRequests();
    }

    void filtersTakeQtsForm() {
        const QStringList code{"HTML File (*.html)"};
        QCOMPARE(platform::QtNameFilters("HTML File (*.html)|*.html"), code);
        QCOMPARE(platform::QtNameFilters("HTML File (*.html)|*.html|"), code);
        QCOMPARE(platform::QtNameFilters("Quorvane Project File|*.qvn"),
                 QStringList{"Quorvane Project File (*.qvn)"});
        QCOMPARE(platform::QtNameFilters("Web Pages (*.htm;*.html)|*.htm;*.html|All Files|*.*|"),
                 (QStringList{"Web Pages (*.htm *.html)", "All Files (*.*)"}));
        QCOMPARE(platform::QtNameFilters("Anything|"), QStringList{"Anything (*)"});
        QVERIFY(platform::QtNameFilters("").isEmpty());
    }

    void theSuffixComesFromThePlainPattern() {
        QCOMPARE(platform::DefaultSuffixOf("HTML File (*.html)"), QString("html"));
        QCOMPARE(platform::DefaultSuffixOf("Quorvane Project File (*.qvn)"), QString("qvn"));
        QCOMPARE(platform::DefaultSuffixOf("Web (old) (*.htm *.html)"), QString("htm"));
        QCOMPARE(platform::DefaultSuffixOf("All Files (*)"), QString());
        QCOMPARE(platform::DefaultSuffixOf("All Files (*.*)"), QString());
        QCOMPARE(platform::DefaultSuffixOf(""), QString());
    }

    void aFileNamesItsFolder() {
        const QString folder = environment.path("projects");
        QDir().mkpath(folder);
        QFile file(folder + "/menu.qvn");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(platform::StartFolderOf(folder), folder);
        QCOMPARE(platform::StartFolderOf(folder + "/menu.qvn"), folder);
        QCOMPARE(platform::StartFolderOf(folder + "/deleted.qvn"), folder);
        QCOMPARE(platform::StartFolderOf(environment.path("gone/deleted.qvn")), QString());
        QCOMPARE(platform::StartFolderOf(""), QString());
    }

    void queuedNamesAnswerAndRequestsAreRecorded() {
        platform::QueueFileName("/x/menu.qvn");
        QCOMPARE(platform::ShowOpenDialog(nullptr, "P|*.qvn", "Open", "/x"),
                 QString("/x/menu.qvn"));
        QCOMPARE(platform::ShowSaveDialog(nullptr, "H|*.html", "Save Code to File...", "/y", ""),
                 QString());
        const auto& requests = platform::DialogRequests();
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests[0].title, QString("Open"));
        QCOMPARE(requests[0].filter, QString("P|*.qvn"));
        QCOMPARE(requests[0].initialFolder, QString("/x"));
        QCOMPARE(requests[1].title, QString("Save Code to File..."));
        QCOMPARE(requests[1].presetName, QString());
    }

    void theSaveDialogAddsTheExtensionToATypedName() {
        platform::AnswerAutomatically(false);
        const QString folder = environment.path("code");
        QDir().mkpath(folder);
        const auto acted = WhenModalShows<QFileDialog>([folder](QFileDialog& dialog) {
            QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog.windowTitle(), QString("Save Code to File..."));
            QCOMPARE(dialog.directory().absolutePath(), folder);
            QCOMPARE(dialog.nameFilters(), QStringList{"HTML File (*.html)"});
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
            dialog.selectFile("menu");
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QCOMPARE(platform::ShowSaveDialog(nullptr, "HTML File (*.html)|*.html",
                                          "Save Code to File...", folder + "/old.qvn", ""),
                 folder + "/menu.html");
        QVERIFY(*acted);
        QVERIFY(platform::DialogRequests().isEmpty());
    }

    void theOpenDialogWantsAnExistingFileAndCancelsEmpty() {
        platform::AnswerAutomatically(false);
        const auto acted = WhenModalShows<QFileDialog>([](QFileDialog& dialog) {
            QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
            QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
            dialog.reject();
        });
        QCOMPARE(platform::ShowOpenDialog(nullptr, "Quorvane Project File (*.qvn)|*.qvn", "Open",
                                          environment.path()),
                 QString());
        QVERIFY(*acted);
    }
};

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
