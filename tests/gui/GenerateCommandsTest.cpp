#include "dialogs/GeneratedCodeDialog.h"
#include "generate/CodeOutput.h"
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QtTest>

using generate::CodeTarget;
using mainwindow::MainWindow;

namespace {

void AddItems(const MainWindow& window) {
    Click(window, "grheadchk");
    AddItem(window, "Fruit");
    AddItem(window, "Apples", "apples.html");
}

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

QByteArray Generated(const MainWindow& window, CodeTarget target) {
    const generate::MenuCode code = generate::GenerateMenuCode(window.Document().Project(), target);
    return Bytes(target == CodeTarget::File ? generate::CodeFileText(code)
                                            : generate::PreviewPageText(code));
}

QString PreviewFile(const char* name) {
    return platform::TempFolder() + name;
}

// "+" for each preview file that exists: the page, the frameset, the second frame.
QString PreviewFiles() {
    QString exist;
    for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                             generate::kSecondFramePageName}) {
        exist += QFile::exists(PreviewFile(name)) ? '+' : '-';
    }
    return exist;
}

} // namespace

class GenerateCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
        platform::ClearOpenedDocuments();
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField() {
        struct Case {
            const char* command;
            std::function<void(MainWindow&)> setUp;
            QString shown; // title, the text's start, focused field and its selected text
        };
        const Case cases[] = {
            {"savecodeclip",
             [](MainWindow& window) {
                 Choose(window, "targetcombo", 2);
                 Retype(window, "txtmnm", "");
             },
             "Oops!|You have chosen to use a different frame|txtfrm|"},
            {"mnuFileCodeFile",
             [](MainWindow& window) {
                 Click(window, "buttonpropopt1");
                 Retype(window, "txtmnm", "my menu");
             },
             "Oops!|You have chosen to use a graphical submit|buttngrurl|"},
            {"mnuPrevBr", [](MainWindow& window) { Retype(window, "txtmnm", ""); },
             "Oops!|You must specify a name for the menu|txtmnm|"},
            {"preview", [](MainWindow& window) { Retype(window, "txtmnm", "my-menu"); },
             "Error|Menu Name must not contain any spaces|txtmnm|my-menu"},
            {"mnuFileCopy", [](MainWindow& window) { Retype(window, "txtmnm", "9lives"); },
             "Error|Menu Name must begin with a letter|txtmnm|9lives"},
        };
        for (const Case& check : cases) {
            init();
            MainWindow window;
            AddItems(window);
            window.show();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            check.setUp(window);
            Find(window, "itemtexttext")->setFocus();
            ModalScript user;
            const char* name = check.command;
            if (auto* button = window.findChild<QAbstractButton*>(name)) {
                button->click();
            } else {
                Trigger(window, name);
            }
            QCOMPARE(platform::ShownMessages().size(), 1u);
            const auto& [message, buttons] = platform::ShownMessages().front();
            const auto* field = qobject_cast<QLineEdit*>(window.focusWidget());
            QVERIFY2(field != nullptr && field->isVisible(), name);
            const QString shown = QString::fromStdString(message.title + '|' + message.text);
            QVERIFY2(shown.startsWith(check.shown.section('|', 0, 1)), qPrintable(shown));
            QCOMPARE(field->objectName() + '|' + field->selectedText(),
                     check.shown.section('|', 2));
            QVERIFY(message.icon == model::MessageIcon::Exclamation &&
                    buttons == platform::MessageButtons::Ok);
            // Nothing was generated.
            QVERIFY(user.Unexpected().isEmpty() && platform::DialogRequests().isEmpty() &&
                    platform::OpenedDocuments().isEmpty());
        }
    }

    void theCodeWindowCopiesWhatItShowsAndSavesFreshCode() {
        MainWindow window;
        AddItems(window);
        const generate::MenuCode code =
            generate::GenerateMenuCode(window.Document().Project(), CodeTarget::Clip);
        const QString saved = environment.path("tmp/fresh.html");
        ModalScript user;
        user.Then<dialogs::GeneratedCodeDialog>([&](dialogs::GeneratedCodeDialog& output) {
            QCOMPARE(output.objectName() + output.windowTitle(),
                     QString("Form3Generated Menu Code"));
            auto* html = Find<QPlainTextEdit>(output, "Text2");
            QCOMPARE(html->toPlainText(), QString::fromStdString(code.html).replace("\r\n", "\n"));
            Click(output, "Command1");
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(code.javaScript));
            html->setPlainText("<p>changed\nby hand</p>");
            Click(output, "Command2");
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("<p>changed\r\nby hand</p>"));
            // "Save to File" generates again from the project as it is now.
            Retype(window, "txtmnm", "Fresh");
            platform::QueueFileName(saved);
            Click(output, "Command3");
            QVERIFY(output.isVisible());
            Click(output, "Command4");
        });
        Click(window, "savecodeclip");
        QVERIFY(user.Done() && user.Unexpected().isEmpty());
        QCOMPARE(FileBytes(saved), Generated(window, CodeTarget::File));
        QVERIFY(FileBytes(saved).contains("document.Fresh"));
    }

    void theCodeFileIsWrittenWholeOrNotAtAll() {
        MainWindow window;
        AddItems(window);
        const QString path = environment.path("tmp/menu.html");
        QFile earlier(path);
        QVERIFY(earlier.open(QIODevice::WriteOnly));
        earlier.write("an earlier, much longer file that is replaced completely");
        earlier.close();
        platform::QueueFileName(path);
        Trigger(window, "mnuFileCodeFile");
        QCOMPARE(FileBytes(path), Generated(window, CodeTarget::File));
        const platform::DialogRequest asked = platform::DialogRequests().value(0);
        QCOMPARE(asked.title + asked.filter + asked.presetName + '|' + asked.initialFolder,
                 "Save Code to File...HTML File (*.html)|*.html|" +
                     QCoreApplication::applicationDirPath());

        // Cancelled, nothing is written; a folder that is not there is reported.
        const QStringList before = QDir(environment.path("tmp")).entryList(QDir::Files);
        platform::QueueFileName({});
        Click(window, "savecodefile");
        QCOMPARE(QDir(environment.path("tmp")).entryList(QDir::Files), before);
        QVERIFY(platform::ShownMessages().empty());
        const QString missing = environment.path("no such folder/menu.html");
        platform::QueueFileName(missing);
        Click(window, "savecodefile");
        QCOMPARE(platform::ShownMessages().size(), 1u);
        const model::UserMessage& message = platform::ShownMessages()[0].message;
        QVERIFY(message.title == "Error" && message.icon == model::MessageIcon::Stop);
        QVERIFY(QString::fromStdString(message.text)
                    .startsWith("Quorvane could not perform this operation due to the following "
                                "error:\n\n\"" +
                                missing));
    }

    void thePreviewOpensThePageOrTheFramesetAndClosingDeletesThem() {
        MainWindow window;
        AddItems(window);
        QVERIFY(QDir().mkpath(platform::TempFolder()));
        QFile keep(PreviewFile("keep.html"));
        QVERIFY(keep.open(QIODevice::WriteOnly));
        keep.close();
        QCOMPARE(PreviewFiles(), QString("---"));
        Choose(window, "targetcombo", 1);
        Click(window, "preview");
        QCOMPARE(PreviewFiles(), QString("+--"));
        QCOMPARE(platform::OpenedDocuments(), QStringList{PreviewFile(generate::kPreviewPageName)});
        QCOMPARE(FileBytes(PreviewFile(generate::kPreviewPageName)),
                 Generated(window, CodeTarget::Preview));

        // A graphic button without an image passes when the menu navigates on its own.
        Click(window, "buttonpropopt1");
        Click(window, "menubehavopt1");
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        Trigger(window, "mnuPrevBr");
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(PreviewFiles(), QString("+++"));
        QCOMPARE(platform::OpenedDocuments().last(), PreviewFile(generate::kFramesetPageName));
        QVERIFY(FileBytes(PreviewFile(generate::kFramesetPageName))
                    .contains("<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">"));
        QVERIFY(Generated(window, CodeTarget::Preview).contains("onChange"));

        platform::QueueAnswer(platform::MessageAnswer::No);
        QVERIFY(window.close());
        QCOMPARE(PreviewFiles(), QString("---"));
        QVERIFY(QFile::exists(PreviewFile("keep.html")));

        // A private folder that is a link is never written through.
        const QString folder = platform::TempFolder();
        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(environment.path("data"), folder.chopped(1)));
        Click(window, "preview");
        QVERIFY(QDir(environment.path("data")).isEmpty());
        QCOMPARE(platform::ShownMessages().size(), 2u);
    }
};

QTEST_MAIN(GenerateCommandsTest)
#include "GenerateCommandsTest.moc"
