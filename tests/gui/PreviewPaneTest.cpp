#include "preview/PreviewPane.h"

#include "model/MenuProject.h"
#include "preview/PreviewView.h"
#include "preview/WebEngineStart.h"
#include "support/WindowTest.h"

#include <QTcpServer>
#include <QWebEngineView>
#include <memory>
#include <optional>

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
    const QImage image = shown.convertToFormat(QImage::Format_RGB32);
    const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
    return std::any_of(pixels, pixels + image.width() * image.height(), [](QRgb pixel) {
        return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80;
    });
}

// The menu's list, in a frameset or not.
const QString kList = "(document.querySelector('frame[name=\"main\"]')?.contentDocument || "
                      "document).querySelector('select')";

} // namespace

class PreviewPaneTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;
    model::MenuProject project;
    std::unique_ptr<preview::PreviewPane> pane;

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

    QWebEngineView* View() const { return pane->findChild<QWebEngineView*>(); }

    QVariant Run(const QString& script) const {
        std::optional<QVariant> result;
        View()->page()->runJavaScript(script, [&result](const QVariant& value) { result = value; });
        const bool answered = QTest::qWaitFor([&] { return result.has_value(); }, kWaitMs);
        return answered ? *result : QVariant("(no answer)");
    }

    // "group:entry,entry|entry", as the browser holds the list.
    QString Entries() const {
        return Run("Array.from(" + kList +
                   ".children, (c) => c.label ? c.label + ':' + "
                   "Array.from(c.children, (o) => o.text) : c.text).join('|')")
            .toString();
    }

    // Chooses an entry as the user would, and presses the button when asked to.
    QString Try(int entry, bool press) const {
        QSignalSpy caught(pane->findChild<preview::PreviewView*>(), &preview::PreviewView::caught);
        Run(QString("{ const list = %1; list.selectedIndex = %2; "
                    "list.dispatchEvent(new Event('change')); %3 }")
                .arg(kList)
                .arg(entry)
                .arg(press ? "list.form.querySelector('input').click();" : ""));
        // What was caught may come before the script's own answer.
        return !caught.isEmpty() || caught.wait(kWaitMs) ? Texts(*pane, {"lblPreviewTried"})
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
        QVERIFY(ShowsRed(View()->grab().toImage()));
        Run(kList + ".selectedIndex = 2");

        project.items[1].text = "   Green apples";
        QVERIFY(Redrawn());
        QCOMPARE(Entries(), QString("Fruit:Green apples,Pears,Later"));
        QCOMPARE(Run(kList + ".value").toString(), QString("nolink"));

        project.menu.menuName = "My Menu";
        pane->ProjectChanged();
        QTRY_COMPARE_WITH_TIMEOUT(Texts(*pane, {"lblPreviewNote"}),
                                  QString("Menu Name must not contain any spaces or special "
                                          "characters."),
                                  kWaitMs);
        QVERIFY(!View()->isVisible());
        project.menu.menuName = "MyMenu";
        QVERIFY(Redrawn() && View()->isVisible());
    }

    void catchesWhereTheMenuWouldGo() {
        const auto press = Navigation::OnButtonClick, change = Navigation::OnItemChange;
        const auto same = LinkTarget::SameWindow, frame = LinkTarget::DifferentFrame;
        const QString pears = "Would open https://example.com/pears in ";
        const QString nowhere = "\"Later\" goes nowhere: the entry has no link";
        const std::tuple<Navigation, LinkTarget, int, QString> cases[] = {
            {change, same, 1, pears + "the same window"},
            {press, same, 0, "Would open apples.html in the same window"},
            {press, LinkTarget::NewWindow, 1, pears + "a new window"},
            {change, frame, 0, "Would open apples.html in the frame «catalogue»"},
            {change, same, 2, nowhere},
            {press, frame, 2, nowhere},
        };
        project.menu.frameName = "catalogue";
        for (const auto& [navigation, target, entry, told] : cases) {
            project.menu.navigation = navigation;
            project.menu.linkTarget = target;
            ShowPane();
            QCOMPARE(Try(entry, navigation == press), told);
            // Still the menu, in its frameset when the links go to another frame.
            QCOMPARE(Entries(), QString("Fruit:Apples,Pears,Later"));
            QCOMPARE(Run("document.querySelectorAll('frame').length").toInt(),
                     target == frame ? 2 : 0);
        }
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
        QVERIFY(Redrawn() && !web.waitForNewConnection(0));
        QVERIFY(Run("document.querySelector('input[type=image]').offsetWidth").toInt() != 123);
    }
};

QTEST_MAIN(PreviewPaneTest)
#include "PreviewPaneTest.moc"
