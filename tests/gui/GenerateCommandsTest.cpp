#include "generate/CodeOutput.h"
#include "generate/Form3.h"
#include "generate/MenuCodeGenerator.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QTreeView>
#include <QtTest>

using generate::CodeTarget;
using mainwindow::Form1;

namespace {

const char* const kFrameMessage =
    "You have chosen to use a different frame as the target of your links but you have not "
    "specified the name of the frame. You must enter a frame name or choose another target for "
    "the links.";
const char* const kImageMessage =
    "You have chosen to use a graphical submit button style but have not specified a URL for the "
    "graphic. Please specify a URL for the button graphic in the space provided.";
const char* const kNameMessage =
    "You must specify a name for the menu to be used in the code. This uniquely identifies this "
    "menu in case more than one menu is to be placed on the same page.";
const char* const kCharacterMessage =
    "Menu Name must not contain any spaces or special characters.";
const char* const kDigitMessage = "Menu Name must begin with a letter or an underscore.";

void AddItems(const Form1& form) {
    auto* items =
        static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model());
    items->AppendItem({"Fruit", "No", "", "No", "Default", "Default", "Yes"});
    items->AppendItem({"   Apples", "Yes", "apples.html", "Yes", "#FF0000", "#FFFFFF", "No"});
}

QByteArray Bytes(const std::string& text) {
    return QByteArray::fromStdString(text);
}

QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

} // namespace

class GenerateCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    static QString PreviewFile(const char* name) { return platform::TempFolder() + name; }

    // "+" for each preview file that exists: the page, the frameset, the second frame.
    static QString PreviewFiles() {
        QString exist;
        for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                                 generate::kSecondFramePageName}) {
            exist += QFile::exists(PreviewFile(name)) ? '+' : '-';
        }
        return exist;
    }

    static QByteArray PreviewPage(const Form1& form) {
        return Bytes(generate::PreviewPageText(
            generate::GenerateMenuCode(form.BuildProject(), CodeTarget::Preview)));
    }

  private slots:
    void init() {
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
        platform::ClearOpenedDocuments();
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField() {
        struct Case {
            const char* command;
            std::function<void(Form1&)> setUp;
            QString shown; // title, text, focused field and its selected text
        };
        const Case cases[] = {
            {"savecodeclip",
             [](Form1& form) {
                 Choose(form, "targetcombo", 2);
                 Retype(form, "txtmnm", "");
             },
             QString("Oops!|") + kFrameMessage + "|txtfrm|"},
            {"mnuFileCodeFile",
             [](Form1& form) {
                 Click(form, "buttonpropopt1");
                 Retype(form, "txtmnm", "my menu");
             },
             QString("Oops!|") + kImageMessage + "|buttngrurl|"},
            {"mnuPrevBr", [](Form1& form) { Retype(form, "txtmnm", ""); },
             QString("Oops!|") + kNameMessage + "|txtmnm|"},
            {"preview", [](Form1& form) { Retype(form, "txtmnm", "my-menu"); },
             QString("Error|") + kCharacterMessage + "|txtmnm|my-menu"},
            {"mnuFileCopy", [](Form1& form) { Retype(form, "txtmnm", "9lives"); },
             QString("Error|") + kDigitMessage + "|txtmnm|9lives"},
        };
        for (const Case& check : cases) {
            init();
            Form1 form;
            AddItems(form);
            form.show();
            QVERIFY(QTest::qWaitForWindowActive(&form));
            check.setUp(form);
            form.findChild<QWidget*>("itemtexttext")->setFocus();
            const auto codeWindow = WhenModalShows<Form3>([](Form3& window) { window.reject(); });
            Trigger(form, check.command);
            QCoreApplication::processEvents();

            QCOMPARE(platform::ShownMessages().size(), 1u);
            const auto& [message, buttons] = platform::ShownMessages().front();
            const auto* field = qobject_cast<QLineEdit*>(form.focusWidget());
            QVERIFY2(field != nullptr && field->isVisible(), check.command);
            QCOMPARE(QString::fromStdString(message.title + '|' + message.text) + '|' +
                         field->objectName() + '|' + field->selectedText(),
                     check.shown);
            QVERIFY(message.icon == model::MessageIcon::Exclamation &&
                    buttons == platform::MessageButtons::Ok);
            // Nothing was generated.
            QVERIFY(!*codeWindow && platform::DialogRequests().isEmpty() &&
                    platform::OpenedDocuments().isEmpty());
        }
    }

    void theCodeWindowCopiesWhatItShowsAndSavesFreshCode() {
        Form1 form;
        AddItems(form);
        const generate::MenuCode code =
            generate::GenerateMenuCode(form.BuildProject(), CodeTarget::Clip);
        const QString saved = environment.path("tmp/fresh.html");
        const auto acted = WhenModalShows<Form3>([&](Form3& window) {
            auto* html = window.findChild<QPlainTextEdit*>("Text2");
            QCOMPARE(html->toPlainText(), QString::fromStdString(code.html).replace("\r\n", "\n"));
            Click(window, "Command1");
            QCOMPARE(QGuiApplication::clipboard()->text(), QString::fromStdString(code.javaScript));
            html->setPlainText("<p>changed\nby hand</p>");
            Click(window, "Command2");
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("<p>changed\r\nby hand</p>"));

            // "Save to File" generates again from the project as it is now.
            Retype(form, "txtmnm", "Fresh");
            platform::QueueFileName(saved);
            Click(window, "Command3");
            QVERIFY(window.isVisible());
            Click(window, "Command4");
        });
        Trigger(form, "savecodeclip");
        QVERIFY(*acted);

        QCOMPARE(FileBytes(saved), Bytes(generate::CodeFileText(generate::GenerateMenuCode(
                                       form.BuildProject(), CodeTarget::File))));
        QVERIFY(FileBytes(saved).contains("document.Fresh"));
    }

    void theCodeFileHoldsHeadAndBodySections() {
        Form1 form;
        AddItems(form);
        const QString path = environment.path("tmp/menu.html");
        platform::QueueFileName(path);
        Trigger(form, "mnuFileCodeFile");

        const generate::MenuCode code =
            generate::GenerateMenuCode(form.BuildProject(), CodeTarget::File);
        QCOMPARE(FileBytes(path), "<HEAD>\r\n" + Bytes(code.javaScript) +
                                      "</HEAD>\r\n\r\n<BODY>\r\n" + Bytes(code.html) +
                                      "</BODY>\r\n");
        const platform::DialogRequest asked = platform::DialogRequests().value(0);
        QCOMPARE(asked.title + asked.filter + asked.presetName,
                 QString("Save Code to File...HTML File (*.html)|*.html"));

        // Cancelling the dialog writes nothing; the toolbar runs the same command.
        const QStringList before = QDir(environment.path("tmp")).entryList(QDir::Files);
        platform::QueueFileName({});
        Trigger(form, "savecodefile");
        QCOMPARE(platform::DialogRequests().size(), 2);
        QCOMPARE(QDir(environment.path("tmp")).entryList(QDir::Files), before);
        QVERIFY(platform::ShownMessages().empty());
    }

    void thePreviewOpensThePageOrTheFramesetAndClosingDeletesThem() {
        Form1 form;
        AddItems(form);
        QCOMPARE(PreviewFiles(), QString("---"));
        Choose(form, "targetcombo", 1);
        Trigger(form, "preview");
        QCOMPARE(PreviewFiles(), QString("+--"));
        QCOMPARE(platform::OpenedDocuments(), QStringList{PreviewFile(generate::kPreviewPageName)});
        QCOMPARE(FileBytes(PreviewFile(generate::kPreviewPageName)), PreviewPage(form));

        // A graphic button without an image passes when the menu navigates on its own.
        Click(form, "buttonpropopt1");
        Click(form, "menubehavopt1");
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "content");
        Trigger(form, "mnuPrevBr");
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(PreviewFiles(), QString("+++"));
        QCOMPARE(platform::OpenedDocuments().last(), PreviewFile(generate::kFramesetPageName));
        QVERIFY(FileBytes(PreviewFile(generate::kFramesetPageName))
                    .contains("<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">"));
        QCOMPARE(FileBytes(PreviewFile(generate::kPreviewPageName)), PreviewPage(form));
        QVERIFY(PreviewPage(form).contains("onChange"));

        QVERIFY(form.close());
        QCOMPARE(PreviewFiles(), QString("---"));
    }
};

QTEST_MAIN(GenerateCommandsTest)
#include "GenerateCommandsTest.moc"
