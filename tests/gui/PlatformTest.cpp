#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/FileFilters.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramSettings.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QSettings>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using platform::MessageAnswer;
using platform::MessageButtons;

class PlatformTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString PrivateFolder() const {
        return environment.path("tmp") + "/quorvane-" + QString::number(getuid());
    }

  private slots:
    void init() { platform::AnswerAutomatically(true); }

    void aShownBoxIsPlainAndHelpKeepsItUp() {
        platform::AnswerAutomatically(false);
        ModalScript user;
        user.Then<QMessageBox>([](QMessageBox& box) {
                QCOMPARE(box.textFormat(), Qt::PlainText);
                QCOMPARE(box.icon(), QMessageBox::Warning);
                QCOMPARE(box.standardButtons(), QMessageBox::Ok | QMessageBox::Help);
                box.button(QMessageBox::Help)->click();
            })
            .Then<QMessageBox>([](QMessageBox& again) { again.button(QMessageBox::Ok)->click(); });
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "<b>#12</b>"}, MessageButtons::OkHelp),
                 MessageAnswer::Ok);
        QVERIFY(user.Done());
    }

    void filtersSuffixesAndStartFolders() {
        QCOMPARE(platform::QtNameFilters("Web (*.htm;*.html)|*.htm;*.html|Project|*.qvn|"),
                 (QStringList{"Web (*.htm *.html)", "Project (*.qvn)"}));
        QCOMPARE(platform::DefaultSuffixOf("Web (old) (*.htm *.html)") + '|' +
                     platform::DefaultSuffixOf("All Files (*.*)"),
                 QString("htm|"));
        QCOMPARE(QStringList({platform::StartFolderOf(environment.path("tmp/deleted.qvn")),
                              platform::StartFolderOf(environment.path("gone/deleted.qvn"))}),
                 QStringList({environment.path("tmp"), QString()}));
    }

    void theSaveDialogAddsTheExtensionToATypedName() {
        platform::AnswerAutomatically(false);
        const QString folder = environment.path("tmp");
        ModalScript user;
        user.Then<QFileDialog>([folder](QFileDialog& dialog) {
            QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
            QCOMPARE(dialog.directory().absolutePath(), folder);
            QCOMPARE(dialog.nameFilters(), QStringList{"HTML File (*.html)"});
            dialog.selectFile("menu");
            QMetaObject::invokeMethod(&dialog, "accept");
        });
        QCOMPARE(platform::ShowSaveDialog(nullptr, "HTML File (*.html)|*.html", "Save",
                                          folder + "/old.qvn", ""),
                 folder + "/menu.html");
        QVERIFY(user.Done());
    }

    // Where older versions kept them, so the user's choices carry over.
    void settingsLiveInTheUsersConfigFolderUnderTheirKeys() {
        const platform::ProgramSettings settings;
        QCOMPARE(settings.ShowTipsAtStartup(), QString("1"));
        QVERIFY(settings.NoticeWanted("Show IE Message"));
        settings.SetShowTipsAtStartup(0);
        settings.SetLastUsedSaveFolder("/home/u/a, b/m.qvn");
        settings.SetRecentFiles({"/a.qvn", "", "/c.qvn", "", ""});
        settings.SetNoticeWanted("Show IE Message", false);
        QSettings file(environment.path("config/Brindlecote/Quorvane.conf"), QSettings::IniFormat);
        QCOMPARE(QStringList({file.value("Options/Show Tips at Startup").toString(),
                              file.value("Folders/Last Used Save Folder").toString(),
                              file.value("Recent Files/1").toString(),
                              file.value("Recent Files/3").toString(),
                              file.value("Messages/Show IE Message").toString()}),
                 (QStringList{"0", "/home/u/a, b/m.qvn", "/a.qvn", "/c.qvn", "no"}));
        QVERIFY(!file.contains("Recent Files/2"));
        QCOMPARE(platform::ProgramSettings().RecentFiles()[2], std::string("/c.qvn"));
        QVERIFY(!settings.NoticeWanted("Show IE Message"));
    }

    void addressesKeepTheirSchemeAndPathsBecomeFileUrls() {
        QCOMPARE(platform::DocumentUrl("mailto:a@b.example?subject=Hi").toString(),
                 QString("mailto:a@b.example?subject=Hi"));
        QCOMPARE(platform::DocumentUrl("/tmp/my page#1.html"),
                 QUrl::fromLocalFile("/tmp/my page#1.html"));
    }

    void theTempFolderIsPrivateOrRefused() {
        const QByteArray encoded = QFile::encodeName(PrivateFolder());
        // Made private, and made private again after it was opened to others.
        for (const bool opened : {false, true}) {
            QVERIFY(!opened || chmod(encoded.constData(), 0755) == 0);
            QCOMPARE(platform::TempFolder(), PrivateFolder() + '/');
            struct stat info {};
            QVERIFY(lstat(encoded.constData(), &info) == 0 && (info.st_mode & 0777) == 0700u);
        }

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

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
