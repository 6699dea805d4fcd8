// The program as a user meets it, on a real X server: a menu typed into the main window, saved,
// previewed and visited in Chromium, then exported again from the saved file on the command line.
#include "generate/CodeOutput.h"
#include "support/WindowTest.h"

namespace {

constexpr int kProcessTimeoutMs = 120000;

// Empty when the program ran and exited with 0; otherwise what it wrote to both streams.
QByteArray RunProgram(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool passed = process.waitForFinished(kProcessTimeoutMs) &&
                        process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return passed ? QByteArray() : "failed: " + process.readAll();
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
        AddItem(form, "Choose a page");
        AddItem(form, "Widgets", "dest/widgets.html");
        AddItem(form, "Gadgets", "dest/gadgets.html");
        Retype(form, "txtmnm", "SiteMenu");

        const QString saved = environment.path("site.qvn");
        platform::QueueFileName(saved);
        Click(form, "mnuFileSaveProj");
        QVERIFY(form.Document().FilePath() == saved && !form.Document().Changed());

        Click(form, "preview");
        const QString page = platform::TempFolder() + generate::kPreviewPageName;
        QCOMPARE(platform::OpenedDocuments(), QStringList{page});
        const bool byButton =
            form.Document().Project().menu.navigation == model::Navigation::OnButtonClick;
        QCOMPARE(RunProgram("node", {QUORVANE_E2E_DIR "/visit-preview.mjs", page, "Gadgets",
                                     "dest/gadgets.html", byButton ? "button" : "change"}),
                 QByteArray());

        const QString windowCode = environment.path("window.html");
        platform::QueueFileName(windowCode);
        Click(form, "mnuFileCodeFile");
        const QString exported = environment.path("exported.html");
        QCOMPARE(RunProgram(QUORVANE_EXE,
                            {"--export-code", saved, "--target", "file", "--output", exported}),
                 QByteArray());
        QCOMPARE(FileContents(exported), FileContents(windowCode));
        QVERIFY(FileContents(windowCode).contains("SiteMenu") && platform::ShownMessages().empty());
    }
};

QTEST_MAIN(EndToEndTest)
#include "EndToEndTest.moc"
