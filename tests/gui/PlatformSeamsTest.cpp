#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/FileFilters.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using platform::MessageAnswer;
using platform::MessageButtons;

class PlatformSeamsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString PrivateFolder() const {
        return environment.path("tmp") + "/quorvane-" + QString::number(getuid());
    }

  private slots:
    void init() { platform::AnswerAutomatically(true); }

    void queuedAnswersAreTakenInOrderAndRecorded() {
        platform::ClearShownMessages();
        platform::QueueAnswer(MessageAnswer::No);
        const model::UserMessage save{"Save Project?", "Save?", model::MessageIcon::Question};
        QCOMPARE(platform::ShowMessage(nullptr, save, MessageButtons::YesNoCancel),
                 MessageAnswer::No);
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "x"}), MessageAnswer::Ok);
        QCOMPARE(platform::ShownMessages().size(), 2u);
        QVERIFY(platform::ShownMessages()[0].message == save);
        QCOMPARE(platform::ShownMessages()[0].buttons, MessageButtons::YesNoCancel);
    }

    void aShownBoxIsPlainAndHelpKeepsItUp() {
        platform::AnswerAutomatically(false);
        std::shared_ptr<bool> shownAgain;
        const auto acted = WhenModalShows<QMessageBox>([&shownAgain](QMessageBox& box) {
            QCOMPARE(box.textFormat(), Qt::PlainText);
            QCOMPARE(box.icon(), QMessageBox::Warning);
            QCOMPARE(box.standardButtons(), QMessageBox::Ok | QMessageBox::Help);
            shownAgain = WhenModalShows<QMessageBox>(
                [](QMessageBox& again) { again.button(QMessageBox::Ok)->click(); });
            box.button(QMessageBox::Help)->click();
        });
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "<b>#12</b>"}, MessageButtons::OkHelp),
                 MessageAnswer::Ok);
        QVERIFY(*acted && shownAgain && *shownAgain);
    }

    void filtersSuffixesAndStartFolders() {
        QCOMPARE(platform::QtNameFilters("HTML File (*.html)|*.html"),
                 QStringList{"HTML File (*.html)"});
        QCOMPARE(platform::QtNameFilters("Web (*.htm;*.html)|*.htm;*.html|Project|*.qvn|"),
                 (QStringList{"Web (*.htm *.html)", "Project (*.qvn)"}));
        QCOMPARE(platform::DefaultSuffixOf("Web (old) (*.htm *.html)"), QString("htm"));
        QCOMPARE(platform::DefaultSuffixOf("All Files (*.*)"), QString());

        QCOMPARE(platform::StartFolderOf(environment.path("tmp")), environment.path("tmp"));
        QCOMPARE(platform::StartFolderOf(environment.path("tmp/deleted.qvn")),
                 environment.path("tmp"));
        QCOMPARE(platform::StartFolderOf(environment.path("gone/deleted.qvn")), QString());
    }

    void theSaveDialogAddsTheExtensionToATypedName() {
        platform::AnswerAutomatically(false);
        const QString folder = environment.path("tmp");
        const auto acted = WhenModalShows<QFileDialog>([folder](QFileDialog& dialog) {
            QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog.directory().absolutePath(), folder);
            QCOMPARE(dialog.nameFilters(), QStringList{"HTML File (*.html)"});
            dialog.selectFile("menu");
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QCOMPARE(platform::ShowSaveDialog(nullptr, "HTML File (*.html)|*.html", "Save",
                                          folder + "/old.qvn", ""),
                 folder + "/menu.html");
        QVERIFY(*acted);
    }

    void addressesKeepTheirSchemeAndPathsBecomeFileUrls() {
        QCOMPARE(platform::DocumentUrl("mailto:a@b.example?subject=Hi").scheme(),
                 QString("mailto"));
        QCOMPARE(platform::DocumentUrl("/tmp/my page#1.html"),
                 QUrl::fromLocalFile("/tmp/my page#1.html"));
    }

    void theTempFolderIsPrivateOrRefused() {
        const QByteArray encoded = QFile::encodeName(PrivateFolder());
        QCOMPARE(platform::TempFolder(), PrivateFolder() + '/');
        struct stat info {};
        QCOMPARE(lstat(encoded.constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);
        QCOMPARE(chmod(encoded.constData(), 0755), 0);
        QCOMPARE(platform::TempFolder(), PrivateFolder() + '/');
        QCOMPARE(lstat(encoded.constData(), &info), 0);
        QCOMPARE(info.st_mode & 0777, 0700u);

        if (getuid() == 0) {
            QCOMPARE(chown(encoded.constData(), 65534, 65534), 0);
            QCOMPARE(platform::TempFolder(), QString());
        }
        QVERIFY(QDir(PrivateFolder()).removeRecursively());
        QVERIFY(QFile::link(environment.path(), PrivateFolder()));
        QCOMPARE(platform::TempFolder(), QString());
        QVERIFY(QFile::remove(PrivateFolder()));
        QVERIFY(QFile(PrivateFolder()).open(QIODevice::WriteOnly));
        QCOMPARE(platform::TempFolder(), QString());
    }
};

QTEST_MAIN(PlatformSeamsTest)
#include "PlatformSeamsTest.moc"
