#include "Application.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QCompleter>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>

using mainwindow::MainWindow;

namespace {

// Siblings sharing a pixel, and labels or buttons smaller than their text needs; Qt's own
// helpers are Qt's business.
QStringList LayoutFaults(const QWidget* root) {
    QStringList faults;
    auto children = root->findChildren<QWidget*>();
    children.removeIf([](const QWidget* child) { return child->objectName().startsWith("qt_"); });
    for (const QWidget* a : children) {
        for (const QWidget* b : children) {
            if (a < b && a->parent() == b->parent() && a->isVisible() && b->isVisible() &&
                a->geometry().intersects(b->geometry())) {
                faults << a->objectName() + " overlaps " + b->objectName();
            }
        }
        const bool hasText =
            qobject_cast<const QLabel*>(a) || qobject_cast<const QAbstractButton*>(a);
        if (hasText && a->isVisible() &&
            (a->width() < a->minimumSizeHint().width() ||
             a->height() < a->minimumSizeHint().height())) {
            faults << a->objectName() + " clipped";
        }
    }
    return faults;
}

QString Colour(QPalette::ColorRole role) {
    return QApplication::palette().color(role).name().toUpper();
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void theWindowShowsTheStartupProject() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quorvane"));
        QStringList boxes;
        for (const char* name : {"txtmnm", "buttontxttxt", "txtfrm", "txtclr0", "txtclr1"}) {
            const auto* box = Find<QLineEdit>(window, name);
            boxes << box->text() + (box->isEnabled() ? "" : "~");
        }
        QCOMPARE(boxes, (QStringList{"MyMenu", "Go", "~", "#FFFFFF~", "#000000~"}));
        QCOMPARE(Find<QComboBox>(window, "targetcombo")->currentText() + '|' +
                     Find<QComboBox>(window, "cmbbttnaln")->currentText(),
                 QString("Same window|Middle"));
        QCOMPARE(States(window,
                        {"menubehavopt0", "buttonpropopt0", "chksel", "chkdefitmclr",
                         "menubehavopt1", "buttonpropopt1", "grheadchk", "notlinkchk"},
                        true),
                 QString("++++----"));

        // The styles start from the desktop's palette and its fonts: "MS Sans Serif" when
        // installed, otherwise the second font.
        const document::MenuDocument& document = window.Document();
        QVERIFY(!document.Changed() && !document.HasFile());
        const QStringList fonts = QFontDatabase::families();
        const QString font = fonts.contains("MS Sans Serif") ? "MS Sans Serif" : fonts.value(1);
        const model::StyleDefaults defaults{
            Colour(QPalette::Text).toStdString(),
            Colour(QPalette::Base).toStdString(),
            {Colour(QPalette::ButtonText).toStdString(), Colour(QPalette::Button).toStdString(),
             Colour(QPalette::Light).toStdString(), Colour(QPalette::Light).toStdString(),
             Colour(QPalette::Dark).toStdString(), Colour(QPalette::Dark).toStdString()},
            font.toStdString()};
        QVERIFY(document.Project() == model::StartupProject(defaults));
    }

    // Their captions and tooltips are pinned with every other text of the program.
    void everyToolButtonIsTheActionOfAMenuEntry() {
        MainWindow window;
        QStringList keys;
        for (const char* bar : {"Toolbar1", "tb2"}) {
            for (QAction* action : Find<QToolBar>(window, bar)->actions()) {
                if (action->isSeparator()) {
                    continue;
                }
                auto* button = qobject_cast<QToolButton*>(
                    Find<QToolBar>(window, bar)->widgetForAction(action));
                const QList<QObject*> users = action->associatedObjects();
                const bool inMenu = std::any_of(users.begin(), users.end(), [](QObject* user) {
                    return qobject_cast<QMenu*>(user) != nullptr;
                });
                keys << button->objectName() + (inMenu && !action->icon().isNull() ? "" : "!");
            }
        }
        QCOMPARE(keys.join(' '), QString("newproj loadproj saveproj undo redo savecodeclip "
                                         "savecodefile preview help wthis about movup movdn edit "
                                         "delete import"));
    }

    // The rules are the engine's; this shows that every control follows them.
    void commandsFollowTheRowsTheSelectedRowAndTheEditor() {
        MainWindow window;
        const auto states = [&window] {
            return States(window,
                          {"mnuFileSaveProj", "savecodeclip", "mnuFileCodeFile", "mnuPrevBr", "",
                           "additemcmd", "cmdup", "", "movup", "movdn", "edit", "delete"});
        };
        QCOMPARE(states(), QString("---- -- ----"));
        Type(window, "itemtexttext", " ");
        QCOMPARE(states(), QString("---- -- ----"));
        Click(window, "grheadchk");
        QCOMPARE(states(), QString("---- +- ----"));
        Click(window, "grheadchk");
        AddItem(window, "One", "1.html");
        QCOMPARE(states(), QString("++++ -- --++"));
        AddItem(window, "Two", "2.html");
        AddItem(window, "Three", "3.html");
        QCOMPARE(states(), QString("++++ -- +-++"));
        Type(window, "itemtexttext", "B");
        Type(window, "linktext", "b.html");
        SelectRow(window, 0);
        QCOMPARE(states(), QString("++++ ++ -+++"));
        SelectRow(window, 1);
        QCOMPARE(states(), QString("++++ ++ ++++"));
        // The list's own keys move the selected row.
        List(window)->setFocus();
        QTest::keyClick(List(window), Qt::Key_End);
        QCOMPARE(states(), QString("++++ ++ +-++"));
    }

    void theLoadedLayoutShowsEveryControlWholeAndOnlyTheListGrows() {
        MainWindow window;
        const QSize loaded = window.size();
        QCOMPARE(window.minimumSize(), loaded);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (int page : {1, 0}) {
            Find<QTabWidget>(window, "SSTab1")->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QCOMPARE(LayoutFaults(&window).join(", "), QString());
        }
        const char* const names[] = {"Frame1", "SSTab1", "Command2", "Frame2",
                                     "lv",     "tb2",    "Toolbar1", "StatusBar1"};
        const auto geometries = [&window, &names] {
            QList<QRect> rects;
            for (const char* name : names) {
                rects << Find(window, name)->geometry();
            }
            return rects;
        };
        const QList<QRect> before = geometries();
        const QSize client = window.centralWidget()->size();
        window.resize(loaded + QSize(300, 200));
        QTRY_COMPARE(window.size(), loaded + QSize(300, 200));
        QCoreApplication::processEvents();
        const QList<QRect> after = geometries();
        // The live preview beside the client area takes its share of the width.
        const int dx = window.centralWidget()->width() - client.width();
        const int dy = window.centralWidget()->height() - client.height();
        QVERIFY(dx > 0 && dy == 200);
        const auto near = [](const QRect& rect, const QRect& expected) {
            return (rect.topLeft() - expected.topLeft()).manhattanLength() <= 1 &&
                   qAbs(rect.width() - expected.width()) <= 1 &&
                   qAbs(rect.height() - expected.height()) <= 1;
        };
        QCOMPARE(after.mid(0, 3), before.mid(0, 3));
        QVERIFY(near(after[3], before[3].adjusted(0, 0, dx, dy)));
        QVERIFY(near(after[4], before[4].adjusted(0, 0, dx, dy)));
        QVERIFY(near(after[5], before[5].translated(0, dy)));
        QCOMPARE(after[6], before[6].adjusted(0, 0, dx, 0));
        QCOMPARE(after[7], before[7].adjusted(0, dy, dx, dy));

        // Never smaller than loaded; nothing moves while minimized, and all is laid out again
        // when it comes back.
        window.resize(loaded.width(), loaded.height() - 100);
        QTRY_COMPARE(window.size(), loaded);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        window.resize(loaded + QSize(100, 100));
        QTRY_COMPARE(window.size(), loaded + QSize(100, 100));
        QCOMPARE(Find(window, "lv")->geometry(), before[4]);
        window.showNormal();
        QTRY_VERIFY(
            near(Find(window, "lv")->geometry(),
                 before[4].adjusted(0, 0, window.centralWidget()->width() - client.width(), 100)));
    }

    void theLinkBoxTakesDroppedTextAndCompletesKnownAddresses() {
        MainWindow window;
        auto* linktext = Find<QLineEdit>(window, "linktext");
        linktext->setText("typed by hand");
        const auto drop = [linktext](const QMimeData& data) {
            const QPoint at = linktext->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(linktext, &enter);
            QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(linktext, &dropped);
            return enter.isAccepted() && dropped.isAccepted() &&
                   dropped.dropAction() == Qt::CopyAction;
        };
        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(!drop(image));
        QCOMPARE(linktext->text(), QString("typed by hand"));
        QMimeData address;
        address.setText("https://www.example.org/menu/");
        QVERIFY(drop(address));
        QCOMPARE(linktext->text(), QString("https://www.example.org/menu/"));

        AddItem(window, "Apples", "apples.html");
        QCompleter* completer = linktext->completer();
        completer->setCompletionPrefix("APP");
        QCOMPARE(completer->currentCompletion(), QString("apples.html"));
    }

    // The tests keep the web engine off, so the pane shows its notes instead of pages.
    void theLivePreviewFollowsEveryEditAndIsRemembered() {
        const auto note = [](const MainWindow& window) {
            return Find<QLabel>(window, "lblPreviewNote")->text();
        };
        {
            MainWindow window;
            window.show();
            QTRY_COMPARE(note(window), QString("Add entries to the list to see the menu here."));
            AddItem(window, "Home", "index.html");
            QTRY_VERIFY(note(window) == "The live preview is switched off.");
            Retype(window, "txtmnm", "9lives");
            QTRY_COMPARE(note(window),
                         QString("Menu Name must begin with a letter or an underscore."));
            Trigger(window, "mnuEditUndo");
            QTRY_VERIFY(note(window) == "The live preview is switched off.");
            Trigger(window, "mnuPrevPane");
            QVERIFY(!Find(window, "dockPreview")->isVisible());
            platform::QueueAnswer(platform::MessageAnswer::No);
            QVERIFY(window.close());
        }
        MainWindow next;
        next.show();
        QVERIFY(!Find(next, "dockPreview")->isVisible());
        Trigger(next, "mnuPrevPane");
        QVERIFY(next.close());
    }

    void webLinksOpenTheirAddressesAndNoDisplayStartsNoWindow() {
        MainWindow window;
        platform::ClearOpenedDocuments();
        Click(window, "Command1");
        Click(window, "Command2");
        Trigger(window, "mnuHelpMFS");
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example/buttons/",
                              "https://templates.brindlecote.example",
                              "https://www.brindlecote.example"}));
        QCOMPARE(
            QList<bool>({gui::DisplayAvailable("", "", ""), gui::DisplayAvailable("", ":0", ""),
                         gui::DisplayAvailable("", "", "wayland-0"),
                         gui::DisplayAvailable("xcb", "", "wayland-0"),
                         gui::DisplayAvailable("wayland", ":0", ""),
                         gui::DisplayAvailable("offscreen", "", "")}),
            QList<bool>({false, true, true, false, false, true}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
