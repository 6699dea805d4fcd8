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
#include <QTabWidget>
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

QString SelectedText(const Form1& form, const char* name) {
    return form.findChild<QLineEdit*>(name)->selectedText();
}

} // namespace

class GenerateCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString PreviewFile(const char* name) const { return platform::TempFolder() + name; }

  private slots:
    void init() {
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
        platform::ClearOpenedDocuments();
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<std::function<void(Form1&)>>("setUp");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("selected");

        QTest::newRow("frame name before menu name")
            << "savecodeclip" << std::function<void(Form1&)>([](Form1& form) {
                   Choose(form, "targetcombo", 2);
                   Retype(form, "txtmnm", "");
               })
            << "Oops!" << kFrameMessage << "txtfrm"
            << "";
        QTest::newRow("button image before name characters")
            << "mnuFileCodeFile" << std::function<void(Form1&)>([](Form1& form) {
                   Click(form, "buttonpropopt1");
                   Retype(form, "txtmnm", "my menu");
               })
            << "Oops!" << kImageMessage << "buttngrurl"
            << "";
        QTest::newRow("no menu name")
            << "mnuPrevBr"
            << std::function<void(Form1&)>([](Form1& form) { Retype(form, "txtmnm", ""); })
            << "Oops!" << kNameMessage << "txtmnm"
            << "";
        QTest::newRow("hyphen in the name")
            << "preview"
            << std::function<void(Form1&)>([](Form1& form) { Retype(form, "txtmnm", "my-menu"); })
            << "Error" << kCharacterMessage << "txtmnm"
            << "my-menu";
        QTest::newRow("leading digit")
            << "mnuFileCopy"
            << std::function<void(Form1&)>([](Form1& form) { Retype(form, "txtmnm", "9lives"); })
            << "Error" << kDigitMessage << "txtmnm"
            << "9lives";
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField() {
        QFETCH(QString, command);
        QFETCH(std::function<void(Form1&)>, setUp);
        Form1 form;
        AddItems(form);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        setUp(form);
        form.findChild<QWidget*>("itemtexttext")->setFocus();

        const auto codeWindow = WhenModalShows<Form3>([](Form3& window) { window.reject(); });
        Trigger(form, command.toUtf8().constData());
        QCoreApplication::processEvents();

        QCOMPARE(platform::ShownMessages().size(), 1u);
        const auto& shown = platform::ShownMessages().front();
        QFETCH(QString, title);
        QCOMPARE(QString::fromStdString(shown.message.title), title);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(shown.message.text), text);
        QCOMPARE(shown.message.icon, model::MessageIcon::Exclamation);
        QCOMPARE(shown.buttons, platform::MessageButtons::Ok);
        QFETCH(QString, focus);
        QVERIFY(form.focusWidget() != nullptr);
        QCOMPARE(form.focusWidget()->objectName(), focus);
        QVERIFY(form.focusWidget()->isVisible());
        QFETCH(QString, selected);
        QCOMPARE(SelectedText(form, focus.toUtf8().constData()), selected);
        // Nothing was generated.
        QVERIFY(!*codeWindow);
        QVERIFY(platform::DialogRequests().isEmpty());
        QVERIFY(platform::OpenedDocuments().isEmpty());
    }

    void theCodeWindowCopiesWhatItShowsAndSavesFreshCode() {
        Form1 form;
        AddItems(form);
        const generate::MenuCode code =
            generate::GenerateMenuCode(form.BuildProject(), CodeTarget::Clip);
        const QString saved = environment.path("tmp/fresh.html");
        const auto acted = WhenModalShows<Form3>([&](Form3& window) {
            auto* javaScript = window.findChild<QPlainTextEdit*>("Text1");
            auto* html = window.findChild<QPlainTextEdit*>("Text2");
            QCOMPARE(javaScript->toPlainText(),
                     QString::fromStdString(code.javaScript).replace("\r\n", "\n"));
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

        auto fresh = form.BuildProject();
        QCOMPARE(fresh.menu.menuName, std::string("Fresh"));
        QCOMPARE(FileBytes(saved), Bytes(generate::CodeFileText(
                                       generate::GenerateMenuCode(fresh, CodeTarget::File))));
        QVERIFY(!FileBytes(saved).contains("changed"));
        QVERIFY(FileBytes(saved).contains("document.Fresh"));
        QVERIFY(form.findChild<Form3*>() == nullptr);
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
        QCOMPARE(platform::DialogRequests().size(), 1);
        const platform::DialogRequest asked = platform::DialogRequests().front();
        QCOMPARE(asked.title, QString("Save Code to File..."));
        QCOMPARE(asked.filter, QString("HTML File (*.html)|*.html"));
        QCOMPARE(asked.presetName, QString());

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
        for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                                 generate::kSecondFramePageName}) {
            QFile::remove(PreviewFile(name));
        }

        Choose(form, "targetcombo", 1);
        Trigger(form, "preview");
        QCOMPARE(platform::OpenedDocuments(), QStringList{PreviewFile(generate::kPreviewPageName)});
        QCOMPARE(FileBytes(PreviewFile(generate::kPreviewPageName)),
                 Bytes(generate::PreviewPageText(
                     generate::GenerateMenuCode(form.BuildProject(), CodeTarget::Preview))));
        QVERIFY(!QFile::exists(PreviewFile(generate::kFramesetPageName)));
        QVERIFY(!QFile::exists(PreviewFile(generate::kSecondFramePageName)));

        // A graphic button without an image passes when the menu navigates on its own.
        Click(form, "buttonpropopt1");
        Click(form, "menubehavopt1");
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "content");
        Trigger(form, "mnuPrevBr");
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(platform::OpenedDocuments().last(), PreviewFile(generate::kFramesetPageName));
        QVERIFY(FileBytes(PreviewFile(generate::kFramesetPageName))
                    .contains("<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">"));
        QVERIFY(QFile::exists(PreviewFile(generate::kSecondFramePageName)));
        QCOMPARE(FileBytes(PreviewFile(generate::kPreviewPageName)),
                 Bytes(generate::PreviewPageText(
                     generate::GenerateMenuCode(form.BuildProject(), CodeTarget::Preview))));
        QVERIFY(FileBytes(PreviewFile(generate::kPreviewPageName)).contains("onChange"));

        QVERIFY(form.close());
        for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                                 generate::kSecondFramePageName}) {
            QVERIFY2(!QFile::exists(PreviewFile(name)), name);
        }
    }
};

QTEST_MAIN(GenerateCommandsTest)
#include "GenerateCommandsTest.moc"
