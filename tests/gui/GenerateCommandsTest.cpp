#include "dialogs/GeneratedCodeDialog.h"
#include "generate/CodeOutput.h"
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QtTest>
#include <sys/stat.h>
#include <unistd.h>

using generate::CodeTarget;
using mainwindow::MainWindow;

namespace {

void AddItems(const MainWindow& window) {
    Click(window, "grheadchk");
    AddItem(window, "Fruit");
    AddItem(window, "Apples", "apples.html");
}

QByteArray Generated(const MainWindow& window, CodeTarget target) {
    const generate::MenuCode code = generate::GenerateMenuCode(window.Document().Project(), target);
    return QByteArray::fromStdString(target == CodeTarget::File ? generate::CodeFileText(code)
                                                                : generate::PreviewPageText(code));
}

// "+" for each preview file that exists: the page, the frameset, the second frame.
QString PreviewFiles() {
    QString exist;
    for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                             generate::kSecondFramePageName}) {
        exist += QFile::exists(platform::TempFolder() + name) ? '+' : '-';
    }
    return exist;
}

} // namespace

class GenerateCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::AnswerAutomatically(true);
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
        platform::ClearOpenedDocuments();
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField() {
        // The command, the link target, a graphic button, the menu name; the message's start,
        // then the field given the focus and its selected text.
        const std::tuple<const char*, int, bool, QString, QString> cases[] = {
            {"savecodeclip", 2, false, "",
             "Oops!|You have chosen to use a different frame|txtfrm|"},
            {"mnuFileCodeFile", 0, true, "my menu",
             "Oops!|You have chosen to use a graphical submit|buttngrurl|"},
            {"mnuPrevBr", 0, false, "", "Oops!|You must specify a name for the menu|txtmnm|"},
            {"preview", 0, false, "my-menu",
             "Error|Menu Name must not contain any spaces|txtmnm|my-menu"},
            {"mnuFileCopy", 0, false, "9lives",
             "Error|Menu Name must begin with a letter|txtmnm|9lives"},
        };
        for (const auto& [command, target, graphic, name, expected] : cases) {
            init();
            MainWindow window;
            AddItems(window);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            Choose(window, "targetcombo", target);
            Click(window, graphic ? "buttonpropopt1" : "buttonpropopt0");
            Retype(window, "txtmnm", name);
            Find(window, "itemtexttext")->setFocus();
            ModalScript user;
            Click(window, command);
            const QStringList shown = TakeMessages(true);
            QVERIFY2(shown.size() == 1 && shown[0].startsWith(expected.section('|', 0, 1)) &&
                         shown[0].endsWith("|!|Ok"),
                     qPrintable(shown.join('\n')));
            const auto* field = qobject_cast<QLineEdit*>(window.focusWidget());
            QVERIFY2(field != nullptr && field->isVisible(), command);
            QCOMPARE(field->objectName() + '|' + field->selectedText(), expected.section('|', 2));
            QVERIFY(user.Done() && platform::DialogRequests().isEmpty() &&
                    platform::OpenedDocuments().isEmpty());
        }
    }

    void theCodeWindowCopiesWhatItShowsAndSavesFreshCode() {
        MainWindow window;
        AddItems(window);
        const generate::MenuCode code =
            generate::GenerateMenuCode(window.Document().Project(), CodeTarget::Clip);
        const QString saved = environment.path("tmp/fresh.html");
        QVERIFY(WhenShown<dialogs::GeneratedCodeDialog>(
            [&window] { Click(window, "savecodeclip"); },
            [&](dialogs::GeneratedCodeDialog& output) {
                auto* html = Find<QPlainTextEdit>(output, "Text2");
                QCOMPARE(html->toPlainText(),
                         QString::fromStdString(code.html).replace("\r\n", "\n"));
                Click(output, "Command1");
                QCOMPARE(QGuiApplication::clipboard()->text(),
                         QString::fromStdString(code.javaScript));
                html->setPlainText("<p>changed\nby hand</p>");
                Click(output, "Command2");
                QCOMPARE(QGuiApplication::clipboard()->text(),
                         QString("<p>changed\r\nby hand</p>"));
                // "Save to File" generates again from the project as it is now.
                Retype(window, "txtmnm", "Fresh");
                platform::QueueFileName(saved);
                Click(output, "Command3");
                QVERIFY(output.isVisible());
                Click(output, "Command4");
            }));
        QCOMPARE(FileContents(saved), Generated(window, CodeTarget::File));
        QVERIFY(FileContents(saved).contains("document.Fresh"));
    }

    void theCodeFileIsWrittenWholeOrNotAtAll() {
        MainWindow window;
        AddItems(window);
        const QString path = environment.Write("tmp/menu.html", QByteArray(5000, 'x'));
        platform::QueueFileName(path);
        Trigger(window, "mnuFileCodeFile");
        QCOMPARE(FileContents(path), Generated(window, CodeTarget::File));
        const platform::DialogRequest asked = platform::DialogRequests().value(0);
        QCOMPARE(asked.title + asked.filter + asked.presetName + '|' + asked.initialFolder,
                 "Save Code to File...HTML File (*.html)|*.html|" +
                     QCoreApplication::applicationDirPath());

        // Cancelled, nothing is written; a folder that is not there is reported.
        const QStringList before = QDir(environment.path("tmp")).entryList(QDir::Files);
        platform::QueueFileName({});
        Click(window, "savecodefile");
        QCOMPARE(QDir(environment.path("tmp")).entryList(QDir::Files), before);
        const QString missing = environment.path("no such folder/menu.html");
        platform::QueueFileName(missing);
        Click(window, "savecodefile");
        const QStringList shown = TakeMessages(true);
        QVERIFY2(shown.size() == 1 &&
                     shown[0].startsWith("Error|Quorvane could not perform this operation due to "
                                         "the following error:\n\n\"" +
                                         missing) &&
                     shown[0].endsWith("|stop|Ok"),
                 qPrintable(shown.join('\n')));
    }

    void thePreviewOpensThePageOrTheFramesetAndClosingDeletesThem() {
        MainWindow window;
        AddItems(window);
        const QString folder = platform::TempFolder();
        QVERIFY(QDir().mkpath(folder) && QFile(folder + "keep.html").open(QIODevice::WriteOnly));
        QCOMPARE(PreviewFiles(), QString("---"));
        Choose(window, "targetcombo", 1);
        Click(window, "preview");
        QCOMPARE(PreviewFiles(), QString("+--"));
        QCOMPARE(platform::OpenedDocuments(), QStringList{folder + generate::kPreviewPageName});
        QCOMPARE(FileContents(folder + generate::kPreviewPageName),
                 Generated(window, CodeTarget::Preview));

        // A graphic button without an image passes when the menu navigates on its own.
        Click(window, {"buttonpropopt1", "menubehavopt1"});
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        Trigger(window, "mnuPrevBr");
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(PreviewFiles(), QString("+++"));
        QCOMPARE(platform::OpenedDocuments().last(), folder + generate::kFramesetPageName);
        QVERIFY(FileContents(folder + generate::kFramesetPageName)
                    .contains("<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">"));

        platform::QueueAnswer(platform::MessageAnswer::No);
        QVERIFY(window.close());
        QVERIFY(PreviewFiles() == "---" && QFile::exists(folder + "keep.html"));

        // A private folder that is a link is never written through.
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(environment.path("data"), folder.chopped(1)));
        Click(window, "preview");
        QVERIFY(QDir(environment.path("data")).isEmpty());
        QVERIFY(platform::ShownMessages().size() == 2 && QFile::remove(folder.chopped(1)));
    }

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
        QCOMPARE(platform::ShowMessage(nullptr, {"Oops!", "<b>#12</b>"},
                                       platform::MessageButtons::OkHelp),
                 platform::MessageAnswer::Ok);
        QVERIFY(user.Done());
    }

    void theSaveDialogAddsTheExtensionToATypedName() {
        platform::AnswerAutomatically(false);
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

QTEST_MAIN(GenerateCommandsTest)
#include "GenerateCommandsTest.moc"
