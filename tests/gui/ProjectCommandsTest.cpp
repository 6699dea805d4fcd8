#include "mainwindow/ProjectFileCommands.h"
#include "platform/FileAssociation.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "project/ProjectFile.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

using mainwindow::MainWindow;
using platform::MessageAnswer;

namespace {

QString Caption(const MainWindow& window, int entry) {
    const auto* action = Find<QAction>(window, qPrintable(QString("recentfile%1").arg(entry)));
    return action->isVisible() ? action->text() : QString();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the window's project under `path` through the Save command.
void SaveAs(const MainWindow& window, const QString& path) {
    platform::QueueFileName(path);
    Trigger(window, "mnuFileSaveProj");
}

QString LastTitle() {
    return QString::fromStdString(platform::ShownMessages().back().message.title);
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
            AddItem(window, "Widgets");
            Retype(window, "txtmnm", "Shop");
            Choose(window, "targetcombo", 2);
            Type(window, "txtfrm", "main");
            Click(window, "buttonpropopt1");
            Type(window, "buttngrurl", "go.png");
            SaveAs(window, path);
            QCOMPARE(window.windowTitle(), QString("Quorvane - shop.qvn"));
            QVERIFY(!window.Document().Changed() && window.Document().HasFile());
            QCOMPARE(Caption(window, 0), QString("&1. shop.qvn"));
            saved = window.Document().Project();
        }
        MainWindow window;
        QVERIFY(window.ProjectFiles().LoadProject(path));
        QVERIFY(window.Document().Project() == saved);
        QCOMPARE(Find<QLineEdit>(window, "txtfrm")->text(), QString("main"));
        QCOMPARE(States(window, {"txtfrm", "buttngrurl"}), QString("++"));
        QVERIFY(Find<QRadioButton>(window, "buttonpropopt1")->isChecked());
        QVERIFY(!window.Document().Changed());
        QCOMPARE(window.windowTitle(), QString("Quorvane - shop.qvn"));

        // Saving again presets the name and writes the same file from scratch.
        const QByteArray first = Contents(path);
        QFile::resize(path, first.size() + 100);
        SaveAs(window, path);
        QCOMPARE(platform::DialogRequests().back().presetName, QString("shop.qvn"));
        QCOMPARE(platform::DialogRequests().back().title, QString("Save Menu Project as..."));
        QCOMPARE(Contents(path), first);
    }

    void unsavedWorkIsNeverDroppedByNewLoadOrClosing() {
        TestEnvironment environment;
        MainWindow window;
        window.show();
        AddItem(window, "One");
        platform::QueueAnswer(MessageAnswer::Yes); // then the save dialog is cancelled
        Trigger(window, "mnuFileNew");
        QCOMPARE(LastTitle(), QString("Save Project?"));
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(window, "mnuFileLoad");
        QCOMPARE(platform::DialogRequests().size(), 2); // two save dialogs, no open dialog
        QCOMPARE(Rows(window).size(), 1);
        QVERIFY(window.Document().Changed());
        for (const MessageAnswer answer : {MessageAnswer::Yes, MessageAnswer::Cancel}) {
            platform::QueueAnswer(answer);
            QVERIFY(!window.close());
        }

        platform::QueueAnswer(MessageAnswer::No);
        Trigger(window, "mnuFileNew");
        QCOMPARE(Rows(window).size(), 0);
        QCOMPARE(Find<QLineEdit>(window, "txtmnm")->text(), QString());
        QVERIFY(!window.Document().Changed());
        // Option edits alone do not mark a never-saved project changed: nothing is asked.
        Click(window, "buttonpropopt1");
        Type(window, "txtalt", "x");
        platform::ClearShownMessages();
        QVERIFY(window.close());
        QVERIFY(platform::ShownMessages().empty());
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
        QCOMPARE(platform::ShownMessages().size(), 1U);
        QCOMPARE(LastTitle(), QString("Error"));
        QVERIFY(window.Document().Changed());
        QCOMPARE(window.windowTitle(), QString("Quorvane - menu.qvn"));
        QCOMPARE(window.Document().FilePath(), path);
        QCOMPARE(Caption(window, 1), QString());

        // Answering Yes to the question of New and failing again stops New.
        platform::QueueAnswer(MessageAnswer::Yes);
        platform::QueueFileName(blocked);
        Trigger(window, "mnuFileNew");
        QCOMPARE(Rows(window).size(), 2);
    }

    void stylesLoadThroughTheStyleWindowsAndMissingFontsKeepTheDefault() {
        TestEnvironment environment;
        const QString path = environment.path("styled.qvn");
        MainWindow window;
        model::MenuProject styled = window.Document().Project();
        styled.menuStyle = {0, "#102030", "#405060", styled.menuStyle.fontName, "15", 700, 1,
                            1, "120",     0};
        auto& button = styled.buttonStyle;
        button.useSystemColors = 0;
        button.colors = {"#A1A1A1", "#A2A2A2", "#A3A3A3", "#A4A4A4", "#A5A5A5", "#A6A6A6"};
        button.syncTopLeft = button.syncRightBottom = button.noBorder = button.constrainSize = 0;
        button.borderThickness = "3";
        button.width = "60";
        button.italic = 1;
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled));
        QVERIFY(window.ProjectFiles().LoadProject(path));
        QVERIFY(platform::ShownMessages().empty());
        QVERIFY(window.Document().Project().menuStyle == styled.menuStyle);
        QVERIFY(window.Document().Project().buttonStyle == styled.buttonStyle);

        // The style windows' own rules hold for what a file says: a synced border row follows
        // its leading row.
        button.syncTopLeft = 1;
        styled.menuStyle.fontName = "No Such Font";
        button.fontName = "Another Missing Font";
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled));
        window.ProjectFiles().ResetProject();
        const model::MenuProject fresh = window.Document().Project();
        QVERIFY(window.ProjectFiles().LoadProject(path));
        QCOMPARE(platform::ShownMessages().size(), std::size_t{2});
        QCOMPARE(LastTitle(), QString("Note"));
        const model::MenuProject& loaded = window.Document().Project();
        QCOMPARE(loaded.menuStyle.fontName, fresh.menuStyle.fontName);
        QCOMPARE(loaded.buttonStyle.fontName, fresh.buttonStyle.fontName);
        QCOMPARE(loaded.buttonStyle.colors[model::kLeftBorder], std::string("#A3A3A3"));
        QVERIFY(!window.Document().Changed());
    }

    void refusedFilesLeaveANewProjectAndTheListAsItWas() {
        TestEnvironment environment;
        const QString notes = environment.path("notes.qvn");
        QFile file(notes);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some notes\r\n");
        file.close();
        MainWindow window;
        AddItem(window, "One");
        SaveAs(window, environment.path("saved.qvn"));
        for (const QString& path : {notes, environment.path("missing.qvn")}) {
            QVERIFY(!window.ProjectFiles().LoadProject(path));
            QCOMPARE(LastTitle(), QString("Oops!"));
            QVERIFY(QString::fromStdString(platform::ShownMessages().back().message.text)
                        .startsWith("Could not load \"" + QFileInfo(path).fileName() + "\""));
            QCOMPARE(Rows(window).size(), 0);
            QCOMPARE(window.windowTitle(), QString("Quorvane"));
            QCOMPARE(window.Document().FilePath(), path);
            QCOMPARE(Caption(window, 0) + Caption(window, 1), QString("&1. saved.qvn"));
        }
    }

    void theRecentListTakesFiveNewestFirst() {
        TestEnvironment environment;
        MainWindow window;
        AddItem(window, "One");
        for (const char* name : {"a", "b", "c", "d"}) {
            SaveAs(window, environment.path(QString(name) + ".qvn"));
        }
        QCOMPARE(Caption(window, 0) + Caption(window, 3) + Caption(window, 4),
                 QString("&1. d.qvn&4. a.qvn"));
        SaveAs(window, environment.path("e.qvn"));
        SaveAs(window, environment.path("f.qvn"));
        QCOMPARE(Caption(window, 4), QString("&5. b.qvn"));

        // The third entry reloaded moves to the top; another letter case is another file.
        Trigger(window, "recentfile2");
        QCOMPARE(window.windowTitle(), QString("Quorvane - d.qvn"));
        QCOMPARE(Caption(window, 0) + Caption(window, 1) + Caption(window, 3),
                 QString("&1. d.qvn&2. f.qvn&4. c.qvn"));
        SaveAs(window, environment.path("D.qvn"));
        QCOMPARE(Caption(window, 0) + Caption(window, 1), QString("&1. D.qvn&2. d.qvn"));

        // A new window shows the stored list at start-up.
        MainWindow next;
        QCOMPARE(Caption(next, 0), QString("&1. D.qvn"));
        QVERIFY(Find<QAction>(next, "mnuFileSep3")->isVisible());
    }

    void theCommandLineLoadsOnlyExistingProjectFiles() {
        TestEnvironment environment;
        const QString path = environment.path("upper.QVN");
        model::MenuProject project = model::StartupProject(model::PlainStyleDefaults());
        project.items = {{"One", "No", "", "No", "Default", "Default", "No"}};
        QVERIFY(!project::SaveProjectFile(path.toStdString(), project));
        MainWindow window;
        QVERIFY(window.ProjectFiles().OpenCommandLine(path));
        QCOMPARE(Rows(window).size(), 1);
        for (const QString& refused :
             {environment.path("a.txt"), environment.path("gone.qvn"), '"' + path + '"'}) {
            QVERIFY(!window.ProjectFiles().OpenCommandLine(refused));
            QCOMPARE(QString::fromStdString(platform::ShownMessages().back().message.text),
                     '"' + refused + "\" is not a valid Quorvane Project file.");
        }
    }

    void theFileTypeIsRegisteredOnceInTheUsersFolders() {
        TestEnvironment environment;
        platform::RegisterFileType("Quorvane", ".qvn", "Quorvane Project File", "quorvane");
        const QString desktop = environment.path("data/applications/quorvane.desktop");
        const QString mime = environment.path("data/mime/packages/quorvane.xml");
        const QString apps = environment.path("config/mimeapps.list");
        QVERIFY(Contents(mime).contains("<glob pattern=\"*.qvn\"/>"));
        QVERIFY(Contents(mime).contains("<comment>Quorvane Project File</comment>"));
        QCOMPARE(platform::ReadRegString(desktop, "Desktop Entry", "MimeType"),
                 QString("application/x-quorvane-project;"));
        QVERIFY(platform::ReadRegString(desktop, "Desktop Entry", "Exec")
                    .endsWith(QCoreApplication::applicationFilePath() + " %f"));
        QCOMPARE(
            platform::ReadRegString(apps, "Default Applications", "application/x-quorvane-project"),
            QString("quorvane.desktop;"));

        // The second start finds the program registered and writes nothing.
        for (const QString& written : {desktop, mime, apps}) {
            QFile::setPermissions(written, QFileDevice::ReadOwner);
        }
        platform::RegisterFileType("Quorvane", ".qvn", "Quorvane Project File", "quorvane");
        QCOMPARE(QDir(environment.path("config")).entryList(QDir::Files),
                 QStringList{"mimeapps.list"});
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
