#include "dialogs/ButtonStyleDialog.h"
#include "dialogs/GeneratedCodeDialog.h"
#include "generate/CodeOutput.h"
#include "mainwindow/ProjectFileCommands.h"
#include "project/ProjectFile.h"
#include "support/WindowTest.h"

#include <sys/stat.h>
#include <unistd.h>

using generate::CodeTarget;
using mainwindow::MainWindow;
using platform::MessageAnswer;

namespace {

void AddFruit(const MainWindow& window) {
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

// The window's title, then the captions of the recent-files entries shown.
QString Recent(const MainWindow& window) {
    QStringList captions{window.windowTitle() + '|'};
    for (int entry = 0; entry < 5; ++entry) {
        const auto* action = Find<QAction>(window, qPrintable(QString("recentfile%1").arg(entry)));
        captions << (action->isVisible() ? action->text() : QString());
    }
    return captions.join(' ').trimmed();
}

void SaveAs(const MainWindow& window, const QString& path) {
    platform::QueueFileName(path);
    Click(window, "mnuFileSaveProj");
}

} // namespace

class FileCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::AnswerAutomatically(true);
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
        platform::ClearOpenedDocuments();
        QSettings(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane").clear();
    }

    void aSavedProjectLoadsBackIntoEveryControl() {
        const QString path = environment.path("shop.qvn");
        model::MenuProject saved;
        {
            MainWindow window;
            AddItem(window, "Products");
            Retype(window, "txtmnm", "Shop");
            Choose(window, "targetcombo", 2);
            Type(window, "txtfrm", "main");
            Click(window, "buttonpropopt1");
            Type(window, "buttngrurl", "go.png");
            SaveAs(window, path);
            QVERIFY(!window.Document().Changed() && window.Document().HasFile());
            saved = window.Document().Project();
        }
        MainWindow window;
        QVERIFY(window.ProjectFiles().LoadProject(path));
        QVERIFY(window.Document().Project() == saved && !window.Document().Changed());
        QCOMPARE(Texts(window, {"txtfrm"}) +
                     States(window, {"txtfrm", "buttngrurl", "*buttonpropopt1"}) + Recent(window),
                 QString("main+++Quorvane - shop.qvn| &1. shop.qvn"));
        SaveAs(window, path);
        QCOMPARE(platform::DialogRequests().back().presetName, QString("shop.qvn"));
    }

    void unsavedWorkIsNeverDroppedAndANewProjectHasEveryDefault() {
        MainWindow window;
        window.show();
        AddItem(window, "One");
        platform::QueueAnswer(MessageAnswer::Yes); // then the save dialog is cancelled
        Click(window, "mnuFileNew");
        platform::QueueAnswer(MessageAnswer::Yes);
        Click(window, "mnuFileLoad");
        QCOMPARE(platform::DialogRequests().size(), 2); // two save dialogs, no open dialog
        QCOMPARE(TakeMessages().filter(QRegularExpression("^Save Project\\?\\|")).size(), 2);
        QVERIFY(Rows(window).size() == 1 && window.Document().Changed());
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::Cancel}) {
            platform::QueueAnswer(answer);
            QVERIFY(!window.close());
        }
        platform::QueueAnswer(MessageAnswer::No);
        Click(window, "mnuFileNew");
        QVERIFY(Rows(window).isEmpty() && !window.Document().Changed());

        // Option and style edits alone do not mark a never-saved project changed.
        auto& style = *window.findChild<dialogs::ButtonStyleDialog*>();
        Click(style, {"chkbttnfntIT", "Command8"});
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        Click(window, "menubehavopt1");
        Type(window, "itemtexttext", "Next");
        Click(window, "notlinkchk");
        platform::ClearShownMessages();
        Click(window, "mnuFileNew");
        QVERIFY(platform::ShownMessages().empty() && !window.Document().Changed());
        const model::MenuProject& project = window.Document().Project();
        QVERIFY(project ==
                model::NewProject({project.menuStyle.textColor, project.menuStyle.backColor,
                                   project.buttonStyle.colors, project.menuStyle.fontName}));
        QCOMPARE(Texts(window, {"txtmnm", "txtfrm", "buttontxttxt", "itemtexttext", "linktext"}) +
                     States(window, {"txtfrm", "cmdBttnAdv", "*notlinkchk"}),
                 QString(",,Go,,-+-"));
    }

    void aFailedSaveLeavesTheProjectUnsaved() {
        const QString path = environment.path("menu.qvn");
        // A folder in the way of the file makes the save fail, whoever runs the test.
        const QString blocked = environment.path("taken.qvn");
        QDir().mkpath(blocked + "/inside");
        MainWindow window;
        AddItem(window, "One");
        SaveAs(window, path);
        AddItem(window, "Two");
        SaveAs(window, blocked);
        QVERIFY(TakeMessages().filter(QRegularExpression("^Error\\|")).size() == 1 &&
                window.Document().Changed());
        QCOMPARE(Recent(window) + '|' + window.Document().FilePath(),
                 "Quorvane - menu.qvn| &1. menu.qvn|" + path);

        // Answering Yes to the question of New and failing again stops New.
        platform::QueueAnswer(MessageAnswer::Yes);
        platform::QueueFileName(blocked);
        Click(window, "mnuFileNew");
        QCOMPARE(Rows(window).size(), 2);
    }

    void aFontThatIsNotInstalledGivesWayToTheDefault() {
        const QString path = environment.path("styled.qvn");
        MainWindow window;
        window.ProjectFiles().ResetProject();
        const model::MenuProject fresh = window.Document().Project();
        model::MenuProject styled = fresh;
        styled.menuStyle.fontName = "No Such Font";
        styled.buttonStyle.fontName = "Another Missing Font";
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled) &&
                window.ProjectFiles().LoadProject(path));
        QCOMPARE(TakeMessages(), QStringList(2, "Note|This menu project uses a font that is not "
                                                "installed on your system. The default font will "
                                                "be used instead."));
        QVERIFY(window.Document().Project() == fresh && !window.Document().Changed());
    }

    void refusedFilesLeaveANewProjectAndTheRecentListAsItWas() {
        MainWindow window;
        AddItem(window, "One");
        SaveAs(window, environment.path("saved.QVN"));
        for (const QString& path : {environment.Write("notes.qvn", "just some notes\r\n"),
                                    environment.path("gone.qvn")}) {
            QVERIFY(!window.ProjectFiles().LoadProject(path));
            QVERIFY(TakeMessages().join("").startsWith("Oops!|Could not load \"" +
                                                       QFileInfo(path).fileName() + "\""));
            QVERIFY(Rows(window).isEmpty() && Recent(window) == "Quorvane| &1. saved.QVN");
        }
        // The command line opens existing project files only.
        QVERIFY(window.ProjectFiles().OpenCommandLine(environment.path("saved.QVN")) &&
                Rows(window).size() == 1 &&
                !window.ProjectFiles().OpenCommandLine(environment.path("a.txt")));
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|\"" + environment.path("a.txt") +
                                                 "\" is not a valid Quorvane Project "
                                                 "file.|warning|Ok"});

        // The recent list takes the five newest first and reopens them.
        for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
            SaveAs(window, environment.path(QString(name) + ".qvn"));
        }
        Click(window, "recentfile2");
        QCOMPARE(Recent(window),
                 QString("Quorvane - d.qvn| &1. d.qvn &2. f.qvn &3. e.qvn &4. c.qvn &5. b.qvn"));
        MainWindow next;
        QCOMPARE(Recent(next).section('|', 1), Recent(window).section('|', 1));
        QVERIFY(Find<QAction>(next, "mnuFileSep3")->isVisible());
    }

    void aFailedCheckTellsWhyAndPutsTheFocusOnTheField() {
        // The command, the link target, a graphic button, the menu name; the message's start,
        // then the field given the focus and its selected text.
        const std::tuple<const char*, int, bool, QString, QString> cases[] = {
            {"savecodeclip", 2, false, "", "Oops!|You have chosen to use a different|txtfrm|"},
            {"mnuFileCodeFile", 0, true, "my menu", "Oops!|You have chosen to use a g|buttngrurl|"},
            {"mnuPrevBr", 0, false, "", "Oops!|You must specify a name for the|txtmnm|"},
            {"preview", 0, false, "my-menu", "Error|Menu Name must not contain any|txtmnm|my-menu"},
            {"mnuFileCopy", 0, false, "9lives", "Error|Menu Name must begin with a|txtmnm|9lives"},
        };
        for (const auto& [command, target, graphic, name, expected] : cases) {
            init();
            MainWindow window;
            AddFruit(window);
            QVERIFY(Shown(window));
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

    void theCodeWindowCopiesWhatItShowsAndCodeFilesAreFreshAndWhole() {
        MainWindow window;
        AddFruit(window);
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

        // The code file is written whole or not at all.
        const QString path = environment.Write("tmp/menu.html", QByteArray(5000, 'x'));
        platform::QueueFileName(path);
        Click(window, "mnuFileCodeFile");
        QCOMPARE(FileContents(path), Generated(window, CodeTarget::File));
        const platform::DialogRequest asked = platform::DialogRequests().constLast();
        QCOMPARE(asked.title + asked.filter + asked.presetName + '|' + asked.initialFolder,
                 "Save Code to File...HTML File (*.html)|*.html|" +
                     QCoreApplication::applicationDirPath());

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
        AddFruit(window);
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
        Click(window, "mnuPrevBr");
        QVERIFY(platform::ShownMessages().empty() && PreviewFiles() == "+++");
        QCOMPARE(platform::OpenedDocuments().last(), folder + generate::kFramesetPageName);
        QVERIFY(FileContents(folder + generate::kFramesetPageName)
                    .contains("<FRAME name=\"content\" SRC=\"quorvane_preview_frame2.html\">"));

        platform::QueueAnswer(platform::MessageAnswer::No);
        QVERIFY(window.close() && PreviewFiles() == "---" && QFile::exists(folder + "keep.html"));

        // A private folder that is a link is never written through.
        QVERIFY(QDir(folder).removeRecursively() &&
                QFile::link(environment.path("data"), folder.chopped(1)));
        Click(window, "preview");
        QVERIFY(QDir(environment.path("data")).isEmpty() && platform::ShownMessages().size() == 2 &&
                QFile::remove(folder.chopped(1)));
    }

    // The platform's own boxes, shown: plain text, and a typed name given the filter's extension.
    void theBoxesShowPlainTextAndTheSaveDialogAddsTheExtension() {
        platform::AnswerAutomatically(false);
        const auto show = [] { platform::ShowMessage(nullptr, {"Oops!", "<b>#12</b>"}); };
        QVERIFY(WhenShown<QMessageBox>(show, [](QMessageBox& box) {
            QCOMPARE(box.textFormat(), Qt::PlainText);
            box.button(QMessageBox::Ok)->click();
        }));
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
            QVERIFY(chown(encoded.constData(), 65534, 65534) == 0 && platform::TempFolder() == "");
        }
        QVERIFY(QDir(folder).removeRecursively() && QFile::link(environment.path(), folder) &&
                platform::TempFolder() == "" && QFile::remove(folder));
        QVERIFY(QFile(folder).open(QIODevice::WriteOnly) && platform::TempFolder() == "" &&
                QFile::remove(folder));
    }
};

QTEST_MAIN(FileCommandsTest)
#include "FileCommandsTest.moc"
