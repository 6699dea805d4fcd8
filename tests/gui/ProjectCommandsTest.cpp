#include "dialogs/ButtonStyleDialog.h"
#include "mainwindow/ProjectFileCommands.h"
#include "platform/FileDialogs.h"
#include "project/ProjectFile.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

using mainwindow::MainWindow;
using platform::MessageAnswer;

namespace {

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
    Trigger(window, "mnuFileSaveProj");
}

} // namespace

class ProjectCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        platform::ClearShownMessages();
        platform::ClearDialogRequests();
    }

    void aSavedProjectLoadsBackIntoEveryControl() {
        TestEnvironment environment;
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
            QCOMPARE(Recent(window), QString("Quorvane - shop.qvn| &1. shop.qvn"));
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
        TestEnvironment environment;
        MainWindow window;
        window.show();
        AddItem(window, "One");
        platform::QueueAnswer(MessageAnswer::Yes); // then the save dialog is cancelled
        Trigger(window, "mnuFileNew");
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(window, "mnuFileLoad");
        QCOMPARE(platform::DialogRequests().size(), 2); // two save dialogs, no open dialog
        QCOMPARE(TakeMessages().filter(QRegularExpression("^Save Project\\?\\|")).size(), 2);
        QVERIFY(Rows(window).size() == 1 && window.Document().Changed());
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::Cancel}) {
            platform::QueueAnswer(answer);
            QVERIFY(!window.close());
        }
        platform::QueueAnswer(MessageAnswer::No);
        Trigger(window, "mnuFileNew");
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
        Trigger(window, "mnuFileNew");
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
        TestEnvironment environment;
        const QString path = environment.path("menu.qvn");
        // A folder in the way of the file makes the save fail, whoever runs the test.
        const QString blocked = environment.path("taken.qvn");
        QDir().mkpath(blocked + "/inside");
        MainWindow window;
        AddItem(window, "One");
        SaveAs(window, path);
        AddItem(window, "Two");
        platform::ClearShownMessages();
        SaveAs(window, blocked);
        QVERIFY(TakeMessages().filter(QRegularExpression("^Error\\|")).size() == 1 &&
                window.Document().Changed());
        QCOMPARE(Recent(window) + '|' + window.Document().FilePath(),
                 "Quorvane - menu.qvn| &1. menu.qvn|" + path);

        // Answering Yes to the question of New and failing again stops New.
        platform::QueueAnswer(MessageAnswer::Yes);
        platform::QueueFileName(blocked);
        Trigger(window, "mnuFileNew");
        QCOMPARE(Rows(window).size(), 2);
    }

    void aFontThatIsNotInstalledGivesWayToTheDefault() {
        TestEnvironment environment;
        const QString path = environment.path("styled.qvn");
        MainWindow window;
        window.ProjectFiles().ResetProject();
        const model::MenuProject fresh = window.Document().Project();
        model::MenuProject styled = fresh;
        styled.menuStyle.fontName = "No Such Font";
        styled.buttonStyle.fontName = "Another Missing Font";
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled));
        QVERIFY(window.ProjectFiles().LoadProject(path));
        QCOMPARE(TakeMessages(), QStringList(2, "Note|This menu project uses a font that is not "
                                                "installed on your system. The default font will "
                                                "be used instead."));
        QVERIFY(window.Document().Project() == fresh && !window.Document().Changed());
    }

    void refusedFilesLeaveANewProjectAndTheListAsItWas() {
        TestEnvironment environment;
        MainWindow window;
        AddItem(window, "One");
        SaveAs(window, environment.path("saved.QVN"));
        platform::ClearShownMessages();
        for (const QString& path : {environment.Write("notes.qvn", "just some notes\r\n"),
                                    environment.path("gone.qvn")}) {
            QVERIFY(!window.ProjectFiles().LoadProject(path));
            QVERIFY(TakeMessages().join("").startsWith("Oops!|Could not load \"" +
                                                       QFileInfo(path).fileName() + "\""));
            QVERIFY(Rows(window).isEmpty() && Recent(window) == "Quorvane| &1. saved.QVN");
        }
        // The command line opens existing project files only.
        QVERIFY(window.ProjectFiles().OpenCommandLine(environment.path("saved.QVN")));
        QCOMPARE(Rows(window).size(), 1);
        QVERIFY(!window.ProjectFiles().OpenCommandLine(environment.path("a.txt")));
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|\"" + environment.path("a.txt") +
                                                 "\" is not a valid Quorvane Project "
                                                 "file.|warning|Ok"});
    }

    void theRecentListTakesFiveNewestFirstAndReopensThem() {
        TestEnvironment environment;
        MainWindow window;
        AddItem(window, "One");
        for (const char* name : {"a", "b", "c", "d", "e", "f"}) {
            SaveAs(window, environment.path(QString(name) + ".qvn"));
        }
        Trigger(window, "recentfile2");
        QCOMPARE(Recent(window),
                 QString("Quorvane - d.qvn| &1. d.qvn &2. f.qvn &3. e.qvn &4. c.qvn &5. b.qvn"));
        MainWindow next;
        QCOMPARE(Recent(next).section('|', 1), Recent(window).section('|', 1));
        QVERIFY(Find<QAction>(next, "mnuFileSep3")->isVisible());
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
