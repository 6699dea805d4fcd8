#include "preview/PreviewPane.h"

#include "model/MenuProject.h"
#include "platform/Documents.h"
#include "preview/PreviewView.h"
#include "preview/WebEngineStart.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QTcpServer>
#include <QWebEngineView>
#include <QtTest>
#include <memory>

using model::LinkTarget;
using model::Navigation;

namespace {

// Starting the engine and drawing can take a while on a busy machine.
constexpr int kWaitMs = 30000;

model::MenuItem Item(const std::string& text, const std::string& url, const char* heading = "No") {
    return {text, url.empty() ? "No" : "Yes", url, "No", "Default", "Default", heading};
}

// The page's red headings are on the screen.
bool ShowsRed(const QImage& shown) {
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QColor pixel = shown.pixelColor(x, y);
            if (pixel.red() > 200 && pixel.green() < 80 && pixel.blue() < 80) {
                return true;
            }
        }
    }
    return false;
}

// The page with the menu, in a frameset or not.
const char* const kMenuDocument =
    "(document.querySelector('frame[name=\"main\"]')?.contentDocument || document)";

} // namespace

class PreviewPaneTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;
    model::MenuProject project;
    std::unique_ptr<preview::PreviewPane> pane;

    // The pane shown over the project, waited for until its page is drawn.
    void ShowPane() {
        pane = std::make_unique<preview::PreviewPane>(
            [this]() -> const model::MenuProject& { return project; });
        pane->resize(640, 480);
        QSignalSpy drawn(pane.get(), &preview::PreviewPane::pageDrawn);
        pane->show();
        QVERIFY(drawn.wait(kWaitMs));
    }

    bool Redrawn() {
        QSignalSpy drawn(pane.get(), &preview::PreviewPane::pageDrawn);
        pane->ProjectChanged();
        return drawn.wait(kWaitMs);
    }

    QVariant Run(const QString& script) const {
        QVariant result;
        bool done = false;
        pane->findChild<QWebEngineView*>()->page()->runJavaScript(script,
                                                                  [&](const QVariant& value) {
                                                                      result = value;
                                                                      done = true;
                                                                  });
        return QTest::qWaitFor([&] { return done; }, kWaitMs) ? result : QVariant("(no answer)");
    }

    // "group:entry,entry|entry", as the browser holds the list.
    QString Entries() const {
        return Run(QString("Array.from(%1.querySelector('select').children, (c) => c.label ? "
                           "c.label + ':' + Array.from(c.children, (o) => o.text) : c.text)"
                           ".join('|')")
                       .arg(kMenuDocument))
            .toString();
    }

    QString Label(const char* name) const { return pane->findChild<QLabel*>(name)->text(); }

    // Chooses an entry as the user would, and presses the button when asked to.
    QString Try(int entry, bool press) const {
        QSignalSpy caught(pane->findChild<preview::PreviewView*>(), &preview::PreviewView::caught);
        Run(QString("{ const list = %1.querySelector('select'); list.selectedIndex = %2; "
                    "list.dispatchEvent(new Event('change')); %3 }")
                .arg(kMenuDocument)
                .arg(entry)
                .arg(press ? "list.form.querySelector('input').click();" : ""));
        // What was caught may come before the script's own answer.
        return !caught.isEmpty() || caught.wait(kWaitMs) ? Label("lblPreviewTried")
                                                         : QString("(nothing caught)");
    }

  public:
    static void initMain() { preview::PrepareWebEngine(); }

  private slots:
    void init() {
        preview::KeepWebEngineOff(false);
        project = model::MenuProject();
        project.items = {Item("Fruit", "", "Yes"), Item("   Apples", "apples.html"),
                         Item("   Pears", "https://example.com/pears"), Item("   Later", "")};
    }

    void cleanup() { pane.reset(); }

    void followsTheProjectAfterAPause() {
        ShowPane();
        QCOMPARE(Entries(), QString("Fruit:Apples,Pears,Later"));
        QVERIFY(ShowsRed(pane->findChild<QWebEngineView*>()->grab().toImage()));
        Run(QString("%1.querySelector('select').selectedIndex = 2").arg(kMenuDocument));

        project.items[1].text = "   Green apples";
        QVERIFY(Redrawn());
        QCOMPARE(Entries(), QString("Fruit:Green apples,Pears,Later"));
        QCOMPARE(Run(QString("%1.querySelector('select').value").arg(kMenuDocument)).toString(),
                 QString("nolink"));

        project.menu.menuName = "My Menu";
        pane->ProjectChanged();
        QTRY_COMPARE_WITH_TIMEOUT(Label("lblPreviewNote"),
                                  QString("Menu Name must not contain any spaces or special "
                                          "characters."),
                                  kWaitMs);
        QVERIFY(!pane->findChild<QWebEngineView*>()->isVisible());
        project.menu.menuName = "MyMenu";
        QVERIFY(Redrawn());
        QVERIFY(pane->findChild<QWebEngineView*>()->isVisible());
    }

    void catchesWhereTheMenuWouldGo_data() {
        QTest::addColumn<Navigation>("navigation");
        QTest::addColumn<LinkTarget>("target");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("told");
        const auto press = Navigation::OnButtonClick;
        const auto change = Navigation::OnItemChange;
        QTest::newRow("same window, on change")
            << change << LinkTarget::SameWindow << 1
            << "Would open https://example.com/pears in the same window";
        QTest::newRow("same window, on button")
            << press << LinkTarget::SameWindow << 0 << "Would open apples.html in the same window";
        QTest::newRow("new window, on button")
            << press << LinkTarget::NewWindow << 1
            << "Would open https://example.com/pears in a new window";
        QTest::newRow("other frame, on change") << change << LinkTarget::DifferentFrame << 0
                                                << "Would open apples.html in the frame «content»";
        QTest::newRow("no link, on change") << change << LinkTarget::SameWindow << 2
                                            << "\"Later\" goes nowhere: the entry has no link";
        QTest::newRow("no link, on button") << press << LinkTarget::DifferentFrame << 2
                                            << "\"Later\" goes nowhere: the entry has no link";
    }

    void catchesWhereTheMenuWouldGo() {
        QFETCH(Navigation, navigation);
        QFETCH(LinkTarget, target);
        QFETCH(int, entry);
        QFETCH(QString, told);
        project.menu.navigation = navigation;
        project.menu.linkTarget = target;
        project.menu.frameName = "content";
        ShowPane();
        QCOMPARE(Try(entry, navigation == Navigation::OnButtonClick), told);
        // Still the menu, in its frameset when the links go to another frame.
        QCOMPARE(Entries(), QString("Fruit:Apples,Pears,Later"));
        QCOMPARE(Run("document.querySelectorAll('frame').length").toInt(),
                 target == LinkTarget::DifferentFrame ? 2 : 0);
    }

    void loadsNothingButLocalFiles() {
        QTcpServer web;
        QVERIFY(web.listen(QHostAddress::LocalHost));
        QImage image(123, 45, QImage::Format_RGB32);
        image.fill(Qt::blue);
        image.save(environment.path("go.png"));
        project.button.buttonKind = model::ButtonKind::Graphic;
        project.button.imageUrl = environment.path("go.png").toStdString();
        ShowPane();
        QCOMPARE(Run("document.querySelector('input[type=image]').offsetWidth").toInt(), 123);

        project.button.imageUrl =
            QString("http://127.0.0.1:%1/go.png").arg(web.serverPort()).toStdString();
        project.button.altText = "Go there";
        QVERIFY(Redrawn());
        QVERIFY(!web.waitForNewConnection(0));
        QVERIFY(Run("document.querySelector('input[type=image]').offsetWidth").toInt() != 123);
    }

    void showsALargeMenuFromAFile() {
        project.items.assign(4000, Item("Entry", "https://example.com/" + std::string(500, 'a')));
        ShowPane();
        const QUrl shown = pane->findChild<QWebEngineView*>()->url();
        QVERIFY2(shown.toLocalFile().startsWith(platform::TempFolder()), qPrintable(shown.url()));
        QCOMPARE(Run(QString("%1.querySelectorAll('option').length").arg(kMenuDocument)).toInt(),
                 4000);
    }

    void saysWhyTheEngineCannotStart() {
        qputenv("QTWEBENGINEPROCESS_PATH", "/nonexistent/QtWebEngineProcess");
        pane = std::make_unique<preview::PreviewPane>(
            [this]() -> const model::MenuProject& { return project; });
        pane->show();
        QTRY_COMPARE_WITH_TIMEOUT(Label("lblPreviewNote"),
                                  QString("No live preview: Qt WebEngine is not fully installed."),
                                  kWaitMs);
        qunsetenv("QTWEBENGINEPROCESS_PATH");
        QVERIFY(pane->findChild<QWebEngineView*>() == nullptr);
    }
};

QTEST_MAIN(PreviewPaneTest)
#include "PreviewPaneTest.moc"
