#include "platform/ColorPicker.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"
#include "widgets/ColorRow.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using mainwindow::MainWindow;
using widgets::ColorRow;

namespace {

QList<QColor> Swatches(const MainWindow& window) {
    return {Find<QLabel>(window, "lblclr0")->palette().color(QPalette::Window),
            Find<QLabel>(window, "lblclr1")->palette().color(QPalette::Window)};
}

QPoint RowCentre(const MainWindow& window, int row) {
    return List(window)->visualRect(window.Document().Items().index(row, 0)).center();
}

// A window with a box that takes the first focus, an item row (0) and a style row (1).
struct RowsWindow {
    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    ColorRow* rows[2] = {new ColorRow(0, widgets::kItemColorRow, new QLabel("Back:"), &window),
                         new ColorRow(1, widgets::kStyleColorRow, new QLabel("Text:"), &window)};

    RowsWindow() {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }
};

} // namespace

class ItemEditingTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearShownMessages(); }

    void theEditorWritesWhatItShowsAndEditLoadsARowBack() {
        MainWindow window;
        const QColor background = window.palette().color(QPalette::Window);
        Type(window, "itemtexttext", "Note");
        Type(window, "linktext", "kept.html");
        Click(window, "notlinkchk");
        QCOMPARE(States(window, {"linktext"}) + Texts(window, {"linktext"}), QString("-kept.html"));
        QCOMPARE(Swatches(window), (QList<QColor>{background, background}));
        Click(window, "chkdefitmclr");
        QCOMPARE(States(window, {"txtclr0", "lblclr0", "cmdclr0", "Label30", "txtclr1", "lblclr1",
                                 "cmdclr1", "Label31"}),
                 QString("++++++++"));
        QCOMPARE(Texts(window, {"txtclr0", "txtclr1"}), QString("#FFFFFF,#000000"));
        Retype(window, "txtclr0", "ffff00");
        Click(window, "additemcmd");
        QCOMPARE(States(window, {"*chkdefitmclr", "txtclr0"}), QString("+-"));
        Type(window, "linktext", "typed.html");
        Click(window, "grheadchk");
        QCOMPARE(States(window, {"linktext", "linklbl", "chksel", "notlinkchk"}) +
                     Texts(window, {"linktext"}),
                 QString("----"));
        AddItem(window, "Fruit");
        QCOMPARE(Rows(window), (QStringList{"Note|No||Yes|#FFFF00|#000000|No",
                                            "Fruit|No||No|Default|Default|Yes*"}));

        // "Edit" changes nothing; an updated heading is linked without an address.
        window.Document().MarkSaved({});
        SelectRow(window, 0);
        Click(window, "edit");
        QCOMPARE(Texts(window, {"itemtexttext"}) +
                     States(window, {"*notlinkchk", "*chksel", "*chkdefitmclr"}),
                 QString("Note++-"));
        QCOMPARE(Swatches(window), (QList<QColor>{Qt::yellow, Qt::black}));
        QVERIFY(!window.Document().Changed());
        SelectRow(window, 1);
        Trigger(window, "mnuListPopEdt");
        QCOMPARE(States(window, {"*grheadchk", "*chkdefitmclr", "notlinkchk"}), QString("++-"));
        Click(window, "cmdup");
        QCOMPARE(Rows(window).at(1), QString("Fruit|Yes||No|Default|Default|Yes*"));
        QVERIFY(window.Document().Changed() && Find(window, "linktext")->isEnabled());
    }

    void theMouseOpensThePopupAndLoadsRowsAndAnEmptyListIgnoresTheToolbar() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        for (const char* action :
             {"mnuListPopMovUp", "mnuListPopMovDn", "mnuListPopEdt", "mnuListPopRem"}) {
            Find<QAction>(window, action)->setEnabled(true);
            Trigger(window, action);
        }
        QVERIFY(platform::ShownMessages().empty() && !window.Document().Changed());
        // No polling: the states are refreshed by the changes themselves.
        for (const QTimer* timer : window.findChildren<QTimer*>()) {
            QVERIFY(!timer->isActive());
        }

        for (const char* text : {"Item 0", "Item 1", "Item 2"}) {
            AddItem(window, text, "page.html");
        }
        auto* popup = Find<QMenu>(window, "mnuListPop");
        QWidget* viewport = List(window)->viewport();
        const QPoint belowTheRows(10, viewport->height() - 5);
        const auto rightClick = [viewport](const QPoint& at) {
            QTest::mousePress(viewport, Qt::RightButton, {}, at);
            QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
            QCoreApplication::sendEvent(viewport, &request);
            QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
        };
        QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(window, 0));
        rightClick(belowTheRows);
        QVERIFY(!popup->isVisible());
        rightClick(RowCentre(window, 1));
        QVERIFY(popup->isVisible());
        popup->close();
        Trigger(window, "mnuListPopMovUp");
        QCOMPARE(window.Document().Items().ItemAt(0).text, std::string("Item 1"));

        QString loaded;
        for (const QPoint& at : {belowTheRows, RowCentre(window, 2)}) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
            loaded += '|' + Texts(window, {"itemtexttext"});
        }
        QCOMPARE(loaded, QString("||Item 2"));
    }

    // Assistive tools choose a row by clearing the selection and then selecting the new row.
    void aRowChosenInTwoStepsIsTheOneTheCommandsActOn() {
        MainWindow window;
        for (const char* text : {"A", "B", "C"}) {
            AddItem(window, text, "page.html");
        }
        QItemSelectionModel* selection = List(window)->selectionModel();
        selection->clearSelection();
        selection->select(window.Document().Items().index(2, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCoreApplication::processEvents();
        Trigger(window, "mnuListPopMovUp");
        QCOMPARE(ItemTexts(window), QString("A,C,B"));

        // A list left without a selected row selects one again.
        selection->clearSelection();
        QTRY_COMPARE(SelectedRow(window), 1);
    }

    // A bad digit puts back "#" in an item row and the sample's colour in a style row; a whole
    // value shows in the sample, anything less in an item row the window's colour.
    void typedKeysAreFilteredAndPastedTextIsChecked() {
        const char* const invalidOrSelect = "Oops!|Please enter a valid color value or click "
                                            "\"Select\" to choose a color.|!|OkHelp";
        const struct {
            int row;
            bool paste;
            const char *before, *input, *after, *message;
        } cases[] = {
            {0, false, "", "1#g 2ab9f", "#12AB9F", ""},
            {0, false, "", "12ab9", "#12AB9", ""},
            {0, true, "", "12ab9f", "#12ab9f", ""},
            {0, true, "", "#12AB9G", "#", invalidOrSelect},
            {1, true, "#102030", "#1020 0", "#102030", invalidOrSelect},
            {1, true, "#102030", "%ABCDEF", "#000000",
             "Oops!|Please enter a valid color value.|!|Ok"},
        };
        for (const auto& [index, paste, before, input, after, message] : cases) {
            RowsWindow window;
            ColorRow& row = *window.rows[index];
            row.SetText(before);
            row.Box()->setFocus();
            if (paste) {
                QGuiApplication::clipboard()->setText(input);
                row.Box()->selectAll();
                QTest::keyClick(row.Box(), Qt::Key_V, Qt::ControlModifier);
            } else {
                QTest::keyClicks(row.Box(), input);
            }
            QCOMPARE(row.Text(), QString(after));
            QCOMPARE(row.SampleColor(), QString(after).size() == 7
                                            ? QColor(after)
                                            : window.window.palette().window().color());
            QCOMPARE(TakeMessages(true).join('\n'), QString(message));
        }
    }

    // The item row's picker starts at black, a style row's at its sample.
    void theSelectButtonWritesThePickedColour() {
        RowsWindow window;
        auto [item, styled] = window.rows;
        styled->SetText("#123456");
        platform::QueueColorChoice(0x0000FF);
        item->SelectButton()->click();
        platform::QueueColorChoice(std::nullopt);
        styled->SelectButton()->click();
        QCOMPARE(item->Text() + styled->Text(), QString("#FF0000#123456"));
        QCOMPARE(item->SampleColor(), QColor(Qt::red));
        QCOMPARE(platform::ColorPickerRequests().at(0).initial, 0u);
        QCOMPARE(platform::ColorPickerRequests().at(1).initial, 0x563412u);
    }
};

QTEST_MAIN(ItemEditingTest)
#include "ItemEditingTest.moc"
