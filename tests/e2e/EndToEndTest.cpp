// The program as a user meets it, on a real X server: a menu typed into the main window, saved,
// previewed and visited in Chromium, then exported again from the saved file on the command line.
#include "generate/CodeOutput.h"
#include "support/WindowTest.h"

namespace {

constexpr int kProcessTimeoutMs = 120000;

// The exit status, or -1 when the program could not start or did not finish; `output` gets what
// it wrote to both streams.
int RunProgram(const QString& program, const QStringList& arguments, QByteArray& output) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(kProcessTimeoutMs);
    output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

class EndToEndTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void aMenuMadeInTheWindowNavigatesAndExportsAlike() {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        mainwindow::MainWindow form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        AddItem(form, "Choose a page", {});
        AddItem(form, "Widgets", "dest/widgets.html");
        AddItem(form, "Gadgets", "dest/gadgets.html");
        Retype(form, "txtmnm", "SiteMenu");

        const QString saved = environment.path("site.qvn");
        platform::QueueFileName(saved);
        Trigger(form, "mnuFileSaveProj");
        QCOMPARE(form.Document().FilePath(), saved);
        QVERIFY(!form.Document().Changed());

        Click(form, "preview");
        const QString page = platform::TempFolder() + generate::kPreviewPageName;
        QCOMPARE(platform::OpenedDocuments(), QStringList{page});
        QByteArray visited;
        const bool byButton =
            form.Document().Project().menu.navigation == model::Navigation::OnButtonClick;
        const int visit = RunProgram("node",
                                     {QUORVANE_E2E_DIR "/visit-preview.mjs", page, "Gadgets",
                                      "dest/gadgets.html", byButton ? "button" : "change"},
                                     visited);
        QVERIFY2(visit == 0, visited.constData());

        const QString windowCode = environment.path("window.html");
        platform::QueueFileName(windowCode);
        Trigger(form, "mnuFileCodeFile");
        const QString exported = environment.path("exported.html");
        QByteArray said;
        const int exportStatus = RunProgram(
            QUORVANE_EXE, {"--export-code", saved, "--target", "file", "--output", exported}, said);
        QVERIFY2(exportStatus == 0, said.constData());
        QVERIFY(FileContents(windowCode).contains("SiteMenu"));
        QCOMPARE(FileContents(exported), FileContents(windowCode));
        QVERIFY(platform::ShownMessages().empty());
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
