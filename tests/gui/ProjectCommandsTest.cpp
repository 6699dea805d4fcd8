#include "mainwindow/Form1.h"
#include "platform/FileAssociation.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "project/ProjectFile.h"
#include "project/SaveLoad.h"
#include "support/FormControls.h"
#include "support/ItemListControls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRadioButton>
#include <QTest>

using platform::MessageAnswer;

namespace {

void AddItem(mainwindow::Form1& form, const QString& text) {
    Retype(form, "itemtexttext", text);
    if (!form.findChild<QCheckBox*>("notlinkchk")->isChecked()) {
        Click(form, "notlinkchk");
    }
    Click(form, "additemcmd");
}

QString Caption(const mainwindow::Form1& form, int entry) {
    return form.findChild<QAction*>(QStringLiteral("recentfile%1").arg(entry))->text();
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Saves the window's project under `path` through the Save command.
void SaveAs(mainwindow::Form1& form, const QString& path) {
    platform::QueueFileName(path);
    Trigger(form, "mnuFileSaveProj");
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

    void SavedProjectLoadsBackIntoEveryControl() {
        TestEnvironment environment;
        const QString path = environment.path("shop.qvn");
        {
            mainwindow::Form1 form;
            AddItem(form, "Products");
            AddItem(form, "Widgets");
            Retype(form, "txtmnm", "Shop");
            Choose(form, "targetcombo", 2);
            Type(form, "txtfrm", "main");
            Click(form, "buttonpropopt1");
            Type(form, "buttngrurl", "go.png");
            Type(form, "txtalt", "Go there");
            QVERIFY(form.Flags().projectChanged);
            SaveAs(form, path);
            QCOMPARE(form.windowTitle(), QString("Quorvane - shop.qvn"));
            QVERIFY(!form.Flags().projectChanged);
            QVERIFY(form.Flags().projectHasFile);
            QCOMPARE(Caption(form, 0), QString("&1. shop.qvn"));
        }
        mainwindow::Form1 form;
        QVERIFY(form.SaveLoad().LoadProject(path));
        QCOMPARE(Items(form)->rowCount(), 2);
        QCOMPARE(Items(form)->Items()[1].text, std::string("Widgets"));
        QCOMPARE(form.findChild<QLineEdit*>("txtmnm")->text(), QString("Shop"));
        QCOMPARE(form.findChild<QComboBox*>("targetcombo")->currentIndex(), 2);
        QCOMPARE(form.findChild<QLineEdit*>("txtfrm")->text(), QString("main"));
        QVERIFY(form.findChild<QLineEdit*>("txtfrm")->isEnabled());
        QVERIFY(form.findChild<QRadioButton*>("buttonpropopt1")->isChecked());
        QVERIFY(form.findChild<QLineEdit*>("buttngrurl")->isEnabled());
        QCOMPARE(form.findChild<QLineEdit*>("txtalt")->text(), QString("Go there"));
        QVERIFY(!form.Flags().projectChanged);
        QCOMPARE(form.windowTitle(), QString("Quorvane - shop.qvn"));

        // Saving again presets the name and writes the same file from scratch.
        const QByteArray first = Contents(path);
        QFile::resize(path, first.size() + 100);
        SaveAs(form, path);
        QCOMPARE(platform::DialogRequests().back().presetName, QString("shop.qvn"));
        QCOMPARE(platform::DialogRequests().back().title, QString("Save Menu Project as..."));
        QCOMPARE(Contents(path), first);
    }

    void NewAsksFirstAndKeepsTheProjectWhenTheSaveIsCancelled() {
        TestEnvironment environment;
        mainwindow::Form1 form;
        AddItem(form, "One");
        platform::QueueAnswer(MessageAnswer::Yes); // then the save dialog is cancelled
        Trigger(form, "mnuFileNew");
        QCOMPARE(LastTitle(), QString("Save Project?"));
        QCOMPARE(Items(form)->rowCount(), 1);
        QVERIFY(form.Flags().projectChanged);

        platform::QueueAnswer(MessageAnswer::No);
        Trigger(form, "mnuFileNew");
        QCOMPARE(Items(form)->rowCount(), 0);
        QCOMPARE(form.findChild<QLineEdit*>("txtmnm")->text(), QString());
        QVERIFY(!form.Flags().projectChanged);

        // Option edits alone do not mark a never-saved project changed: nothing is asked.
        Click(form, "buttonpropopt1");
        Type(form, "txtalt", "x");
        platform::ClearShownMessages();
        Trigger(form, "mnuFileNew");
        QVERIFY(platform::ShownMessages().empty());
    }

    void LoadAndClosingStopWhenTheSaveAfterYesIsCancelled() {
        TestEnvironment environment;
        mainwindow::Form1 form;
        form.show();
        AddItem(form, "One");
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(form, "mnuFileLoad");
        // Only the save dialog was asked for; no open dialog followed.
        QCOMPARE(platform::DialogRequests().size(), 1);
        QCOMPARE(Items(form)->rowCount(), 1);

        platform::QueueAnswer(MessageAnswer::Yes);
        QVERIFY(!form.close());
        QVERIFY(form.isVisible());
        platform::QueueAnswer(MessageAnswer::Cancel);
        QVERIFY(!form.close());
        platform::QueueAnswer(MessageAnswer::No);
        QVERIFY(form.close());
    }

    void AFailedSaveLeavesTheProjectUnsaved() {
        TestEnvironment environment;
        const QString path = environment.path("menu.qvn");
        // A folder in the way of the file makes the save fail, whoever runs the test.
        const QString blocked = environment.path("taken.qvn");
        QDir().mkpath(blocked + "/inside");
        mainwindow::Form1 form;
        AddItem(form, "One");
        SaveAs(form, path);
        AddItem(form, "Two");
        platform::ClearShownMessages();
        SaveAs(form, blocked);
        QCOMPARE(platform::ShownMessages().size(), 1U);
        QCOMPARE(LastTitle(), QString("Error"));
        QVERIFY(form.Flags().projectChanged);
        QCOMPARE(form.windowTitle(), QString("Quorvane - menu.qvn"));
        QCOMPARE(form.SaveLoad().ProjectFilePath(), path);
        QVERIFY(!form.findChild<QAction*>("recentfile1")->isVisible());

        // Answering Yes to the question of New and failing again stops New.
        platform::QueueAnswer(MessageAnswer::Yes);
        platform::QueueFileName(blocked);
        Trigger(form, "mnuFileNew");
        QCOMPARE(Items(form)->rowCount(), 2);
    }

    void StylesLoadIntoTheStyleWindowsAndMissingFontsKeepTheDefault() {
        TestEnvironment environment;
        const QString path = environment.path("styled.qvn");
        mainwindow::Form1 form;
        const model::MenuProject before = form.BuildProject();
        model::MenuProject styled = before;
        styled.menuStyle = {0, "#102030", "#405060", before.menuStyle.fontName, "15", 700, 1,
                            1, "120",     0};
        styled.buttonStyle.useSystemColors = 0;
        styled.buttonStyle.colors = {"#A1A1A1", "#A2A2A2", "#A3A3A3",
                                     "#A4A4A4", "#A5A5A5", "#A6A6A6"};
        styled.buttonStyle.syncTopLeft = 0;
        styled.buttonStyle.syncRightBottom = 0;
        styled.buttonStyle.noBorder = 0;
        styled.buttonStyle.borderThickness = "3";
        styled.buttonStyle.constrainSize = 0;
        styled.buttonStyle.width = "60";
        styled.buttonStyle.height = "22";
        styled.buttonStyle.italic = 1;
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled));
        QVERIFY(form.SaveLoad().LoadProject(path));
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(form.BuildProject().menuStyle, styled.menuStyle);
        QCOMPARE(form.BuildProject().buttonStyle, styled.buttonStyle);

        // A load starts from a new project, whose default font may differ from start-up's.
        form.ResetProject();
        const model::MenuProject fresh = form.BuildProject();
        styled.menuStyle.fontName = "No Such Font";
        styled.buttonStyle.fontName = "Another Missing Font";
        QVERIFY(!project::SaveProjectFile(path.toStdString(), styled));
        QVERIFY(form.SaveLoad().LoadProject(path));
        QCOMPARE(platform::ShownMessages().size(), std::size_t{2});
        QCOMPARE(LastTitle(), QString("Note"));
        QCOMPARE(form.BuildProject().menuStyle.fontName, fresh.menuStyle.fontName);
        QCOMPARE(form.BuildProject().buttonStyle.fontName, fresh.buttonStyle.fontName);
        QCOMPARE(form.BuildProject().menuStyle.width, std::string("120"));
        QVERIFY(!form.Flags().projectChanged);
    }

    void RefusedFilesLeaveANewProjectAndTheListAsItWas() {
        TestEnvironment environment;
        const QString saved = environment.path("saved.qvn");
        const QString text = environment.path("notes.qvn");
        QFile file(text);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("just some notes\r\n");
        file.close();
        mainwindow::Form1 form;
        AddItem(form, "One");
        SaveAs(form, saved);
        for (const QString& path : {text, environment.path("missing.qvn")}) {
            QVERIFY(!form.SaveLoad().LoadProject(path));
            QCOMPARE(LastTitle(), QString("Oops!"));
            QVERIFY(QString::fromStdString(platform::ShownMessages().back().message.text)
                        .startsWith("Could not load \"" + QFileInfo(path).fileName() + "\""));
            QCOMPARE(Items(form)->rowCount(), 0);
            QCOMPARE(form.windowTitle(), QString("Quorvane"));
            QCOMPARE(form.SaveLoad().ProjectFilePath(), path);
            QCOMPARE(Caption(form, 0), QString("&1. saved.qvn"));
            QVERIFY(!form.findChild<QAction*>("recentfile1")->isVisible());
        }
    }

    void AnEmptyListIsSavedAndLoadedWithItsOptions() {
        TestEnvironment environment;
        const QString path = environment.path("empty.qvn");
        mainwindow::Form1 form;
        Retype(form, "txtmnm", "Empty");
        platform::QueueFileName(path);
        QVERIFY(form.SaveLoad().SaveProject());
        mainwindow::Form1 next;
        QVERIFY(next.SaveLoad().LoadProject(path));
        QCOMPARE(Items(next)->rowCount(), 0);
        QCOMPARE(next.findChild<QLineEdit*>("txtmnm")->text(), QString("Empty"));
    }

    void RecentListTakesFiveNewestFirst() {
        TestEnvironment environment;
        mainwindow::Form1 form;
        AddItem(form, "One");
        for (const char* name : {"a", "b", "c", "d"}) {
            SaveAs(form, environment.path(QString(name) + ".qvn"));
        }
        QCOMPARE(Caption(form, 0), QString("&1. d.qvn"));
        QCOMPARE(Caption(form, 3), QString("&4. a.qvn"));
        QVERIFY(!form.findChild<QAction*>("recentfile4")->isVisible());
        SaveAs(form, environment.path("e.qvn"));
        SaveAs(form, environment.path("f.qvn"));
        QCOMPARE(Caption(form, 4), QString("&5. b.qvn"));

        // The third entry reloaded moves to the top.
        Trigger(form, "recentfile2");
        QCOMPARE(form.windowTitle(), QString("Quorvane - d.qvn"));
        QCOMPARE(Caption(form, 0), QString("&1. d.qvn"));
        QCOMPARE(Caption(form, 1), QString("&2. f.qvn"));
        QCOMPARE(Caption(form, 3), QString("&4. c.qvn"));

        // Another letter case is another file.
        SaveAs(form, environment.path("D.qvn"));
        QCOMPARE(Caption(form, 0), QString("&1. D.qvn"));
        QCOMPARE(Caption(form, 1), QString("&2. d.qvn"));

        // A new window shows the stored list at start-up.
        mainwindow::Form1 next;
        QCOMPARE(Caption(next, 0), QString("&1. D.qvn"));
        QVERIFY(next.findChild<QAction*>("mnuFileSep3")->isVisible());
    }

    void CommandLineLoadsOnlyExistingProjectFiles() {
        TestEnvironment environment;
        const QString path = environment.path("upper.QVN");
        {
            mainwindow::Form1 form;
            AddItem(form, "One");
            SaveAs(form, path);
        }
        mainwindow::Form1 form;
        QVERIFY(form.SaveLoad().OpenCommandLine(path));
        QCOMPARE(Items(form)->rowCount(), 1);
        for (const QString& refused :
             {environment.path("a.txt"), environment.path("gone.qvn"), '"' + path + '"'}) {
            platform::ClearShownMessages();
            QVERIFY(!form.SaveLoad().OpenCommandLine(refused));
            QCOMPARE(QString::fromStdString(platform::ShownMessages().back().message.text),
                     '"' + refused + "\" is not a valid Quorvane Project file.");
        }
    }

    void FileTypeIsRegisteredOnceInTheUsersFolders() {
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
        for (const QString& file : {desktop, mime, apps}) {
            QFile::setPermissions(file, QFileDevice::ReadOwner);
        }
        QFile::remove(apps + ".probe");
        platform::RegisterFileType("Quorvane", ".qvn", "Quorvane Project File", "quorvane");
        QCOMPARE(QDir(environment.path("config")).entryList(QDir::Files),
                 QStringList{"mimeapps.list"});
        QVERIFY(Contents(apps).contains("quorvane.desktop"));
    }
};

QTEST_MAIN(ProjectCommandsTest)
#include "ProjectCommandsTest.moc"
