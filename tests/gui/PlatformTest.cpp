#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

class PlatformTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::AnswerAutomatically(false); }

    void aShownBoxIsPlainAndHelpKeepsItUp() {
        ModalScript user;
        user.Then<QMessageBox>([](QMessageBox& box) {
                QCOMPARE(box.textFormat(), Qt::PlainText);
                QCOMPARE(box.icon(), QMessageBox::Warning);
                QCOMPARE(box.standardButtons(), QMessageBox::Ok | QMessageBox::Help);
                box.button(QMessageBox::Help)->click();
            })
            .Then<QMessageBox>([](QMessageBox& again) { again.button(QMessageBox::Ok)->click(); });
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "<b>#12</b>"},
                                       platform::MessageButtons::OkHelp),
                 platform::MessageAnswer::Ok);
        QVERIFY(user.Done());
    }

    void theSaveDialogAddsTheExtensionToATypedName() {
        const QString folder = environment.path("tmp");
        QVERIFY(WhenShown<QFileDialog>(
            [folder] {
                QCOMPARE(platform::ShowSaveDialog(nullptr,
                                                  "Web (*.htm;*.html)|*.htm;*.html|Project|*.qvn|",
                                                  "Save", folder + "/old.qvn", ""),
                         folder + "/menu.htm");
            },
            [folder](QFileDialog& dialog) {
                QVERIFY(dialog.testOption(QFileDialog::DontUseNativeDialog));
                QCOMPARE(dialog.directory().absolutePath(), folder);
                QCOMPARE(dialog.nameFilters(),
                         (QStringList{"Web (*.htm *.html)", "Project (*.qvn)"}));
                dialog.selectFile("menu");
                QMetaObject::invokeMethod(&dialog, "accept");
            }));
    }

    void theTempFolderIsPrivateOrRefused() {
        const QString folder = environment.path("tmp") + "/quorvane-" + QString::number(getuid());
        const QByteArray encoded = QFile::encodeName(folder);
        // Made private, and made private again after it was opened to others.
        for (const bool opened : {false, true}) {
            QVERIFY(!opened || chmod(encoded.constData(), 0755) == 0);
            QCOMPARE(platform::TempFolder(), folder + '/');
            struct stat info {};
            QVERIFY(lstat(encoded.constData(), &info) == 0 && (info.st_mode & 0777) == 0700u);
        }
        if (getuid() == 0) {
            QCOMPARE(chown(encoded.constData(), 65534, 65534), 0);
            QCOMPARE(platform::TempFolder(), QString());
        }
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(environment.path(), folder));
        QCOMPARE(platform::TempFolder(), QString());
        QVERIFY(QFile::remove(folder));
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly));
        QCOMPARE(platform::TempFolder(), QString());
    }
};

QTEST_MAIN(PlatformTest)
#include "PlatformTest.moc"
