#include "generate/CodeOutput.h"

#include "generate/CodeOutputWindows.h"
#include "platform/Documents.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QClipboard>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <unistd.h>

namespace {

const generate::MenuCode kCode{"<SCRIPT>\r\nfunction gothere()\r\n</SCRIPT>\r\n",
                               "<FORM name=\"MyMenu\">\r\n</FORM>\r\n"};

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class CodeOutputTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString PreviewFolder() const {
        return environment.path("tmp") + "/quorvane-" + QString::number(getuid()) + '/';
    }

  private slots:
    void init() {
        platform::ClearShownMessages();
        platform::ClearOpenedDocuments();
    }

    // Runs first, before any preview of this run.
    void leftoverPreviewPagesAreDeletedAndNothingElse() {
        QVERIFY(QDir().mkpath(PreviewFolder()));
        for (const char* name : {generate::kPreviewPageName, generate::kFramesetPageName,
                                 generate::kSecondFramePageName, "keep.html"}) {
            Write(PreviewFolder() + name, "old");
        }
        codeoutput::DeletePreviewFiles();
        QCOMPARE(QDir(PreviewFolder()).entryList(QDir::Files), QStringList{"keep.html"});
    }

    void theCodeWindowShowsCopiesSavesAndCloses() {
        QWidget owner;
        int saves = 0;
        const auto acted = WhenModalShows<QDialog>([&owner, &saves](QDialog& window) {
            QCOMPARE(window.objectName(), QString("Form3"));
            QCOMPARE(window.parentWidget(), &owner);
            QCOMPARE(window.findChild<QGroupBox*>("Frame2")->title(), QString("HTML Code"));
            auto* text1 = window.findChild<QPlainTextEdit*>("Text1");
            auto* text2 = window.findChild<QPlainTextEdit*>("Text2");
            QCOMPARE(text1->toPlainText(), QString("<SCRIPT>\nfunction gothere()\n</SCRIPT>\n"));
            QVERIFY(!text2->isReadOnly() && text2->lineWrapMode() == QPlainTextEdit::NoWrap);

            window.findChild<QPushButton*>("Command1")->click();
            QCOMPARE(QGuiApplication::clipboard()->text(),
                     QString::fromStdString(kCode.javaScript));
            text2->setPlainText("<FORM>\nchanged\n</FORM>");
            window.findChild<QPushButton*>("Command2")->click();
            QCOMPARE(QGuiApplication::clipboard()->text(), QString("<FORM>\r\nchanged\r\n</FORM>"));
            window.findChild<QPushButton*>("Command3")->click();
            QVERIFY(saves == 1 && window.isVisible());
            window.findChild<QPushButton*>("Command4")->click();
        });
        codeoutput::ShowGeneratedCode(&owner, kCode, [&saves] { ++saves; });
        QVERIFY(*acted);
        QVERIFY(owner.findChild<QDialog*>("Form3") == nullptr);
    }

    void theCodeFileIsWrittenWholeOrNotAtAll() {
        const QString path = environment.path("menu.html");
        Write(path, "an earlier, much longer file that is replaced completely");
        platform::ClearDialogRequests();
        platform::QueueFileName(path);
        codeoutput::SaveCodeToFile(nullptr, kCode);
        QCOMPARE(Contents(path), QByteArray::fromStdString(generate::CodeFileText(kCode)));
        QCOMPARE(platform::DialogRequests()[0].title, QString("Save Code to File..."));
        QCOMPARE(platform::DialogRequests()[0].filter, QString("HTML File (*.html)|*.html"));
        QCOMPARE(platform::DialogRequests()[0].initialFolder,
                 QCoreApplication::applicationDirPath());

        codeoutput::SaveCodeToFile(nullptr, {"cancelled", ""});
        QVERIFY(platform::ShownMessages().empty());
        const QString missing = environment.path("no such folder/menu.html");
        platform::QueueFileName(missing);
        codeoutput::SaveCodeToFile(nullptr, kCode);
        platform::QueueFileName(path + "/inside.html");
        codeoutput::SaveCodeToFile(nullptr, kCode);

        QVERIFY(!QFile::exists(missing));
        QCOMPARE(Contents(path), QByteArray::fromStdString(generate::CodeFileText(kCode)));
        QCOMPARE(platform::ShownMessages().size(), 2u);
        const model::UserMessage& message = platform::ShownMessages()[0].message;
        QVERIFY(message.title == "Error" && message.icon == model::MessageIcon::Stop);
        const QString text = QString::fromStdString(message.text);
        QVERIFY(text.startsWith("Quorvane could not perform this operation due to the following "
                                "error:\n\n\""));
        QVERIFY(text.contains(missing));
    }

    void aPreviewWritesItsPagesAndOpensTheRightOne() {
        model::MenuOptions menu;
        menu.linkTarget = model::LinkTarget::DifferentFrame;
        menu.frameName = "lower";
        codeoutput::ShowPreview(nullptr, kCode, menu);
        const QString folder = PreviewFolder();
        QCOMPARE(Contents(folder + generate::kFramesetPageName),
                 QByteArray::fromStdString(generate::FramesetPageText("lower")));
        QCOMPARE(Contents(folder + generate::kSecondFramePageName),
                 QByteArray::fromStdString(generate::SecondFramePageText()));
        QCOMPARE(platform::OpenedDocuments(), QStringList{folder + generate::kFramesetPageName});

        const generate::MenuCode other{"<SCRIPT>\r\n</SCRIPT>\r\n", "<FORM>\r\n</FORM>\r\n"};
        menu.linkTarget = model::LinkTarget::NewWindow;
        codeoutput::ShowPreview(nullptr, other, menu);
        QCOMPARE(Contents(folder + generate::kPreviewPageName),
                 QByteArray::fromStdString(generate::PreviewPageText(other)));
        QCOMPARE(platform::OpenedDocuments().last(), folder + generate::kPreviewPageName);
        QVERIFY(QFile::exists(folder + generate::kFramesetPageName));

        codeoutput::DeletePreviewFiles();
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"keep.html"});

        QVERIFY(QDir(folder).removeRecursively());
        QVERIFY(QFile::link(environment.path("data"), folder.chopped(1)));
        codeoutput::ShowPreview(nullptr, kCode, menu);
        QVERIFY(QDir(environment.path("data")).isEmpty());
        QCOMPARE(platform::OpenedDocuments().size(), 2);
        QCOMPARE(platform::ShownMessages().size(), 1u);
    }
};

QTEST_MAIN(CodeOutputTest)
#include "CodeOutputTest.moc"
