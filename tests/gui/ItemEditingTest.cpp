#include "dialogs/ButtonStyleDialog.h"
#include "platform/ColorPicker.h"
#include "support/WindowTest.h"
#include "widgets/ColorRow.h"

using mainwindow::MainWindow;
using platform::MessageAnswer;
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

    RowsWindow() { QVERIFY(Shown(window)); }
};

// Drags row `from` of the list onto the upper half of row `onto` (past the last row for -1).
void DragRow(const MainWindow& window, int from, int onto) {
    QWidget* viewport = List(window)->viewport();
    const document::ItemListModel& items = window.Document().Items();
    const std::unique_ptr<QMimeData> data(items.mimeData({items.index(from, 0)}));
    DropOn(viewport, *data, Qt::MoveAction,
           onto < 0 ? QPoint(10, viewport->height() - 2)
                    : List(window)->visualRect(items.index(onto, 0)).topLeft() + QPoint(10, 2));
}

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
                                 "cmdclr1", "Label31"}) +
                     Texts(window, {"txtclr0", "txtclr1"}),
                 QString("++++++++#FFFFFF,#000000"));
        Retype(window, "txtclr0", "ffff00");
        Click(window, "additemcmd");
        QCOMPARE(States(window, {"*chkdefitmclr", "txtclr0"}), QString("+-"));
        Type(window, "linktext", "typed.html");
        Click(window, "grheadchk");
        QCOMPARE(States(window, {"linktext", "linklbl", "chksel", "notlinkchk"}) +
                     Texts(window, {"linktext"}),
                 QString("----"));
        AddItem(window, "Fruit");
        QCOMPARE(Rows(window),
                 (QStringList{"Note|No||Yes|#FFFF00|#000000|No", "Fruit|No||No|-|-|Yes*"}));

        // "Edit" changes nothing; an updated heading is linked without an address.
        window.Document().MarkSaved({});
        List(window)->setCurrentIndex(window.Document().Items().index(0, 0));
        Click(window, "edit");
        QCOMPARE(Texts(window, {"itemtexttext"}) +
                     States(window, {"*notlinkchk", "*chksel", "*chkdefitmclr"}),
                 QString("Note++-"));
        QCOMPARE(Swatches(window), (QList<QColor>{Qt::yellow, Qt::black}));
        QVERIFY(!window.Document().Changed());
        List(window)->setCurrentIndex(window.Document().Items().index(1, 0));
        Click(window, "mnuListPopEdt");
        QCOMPARE(States(window, {"*grheadchk", "*chkdefitmclr", "notlinkchk"}), QString("++-"));
        Click(window, "cmdup");
        QCOMPARE(Rows(window).at(1), QString("Fruit|Yes||No|-|-|Yes*"));
        QVERIFY(window.Document().Changed() && Find(window, "linktext")->isEnabled());
    }

    void theMouseOpensThePopupAndLoadsRowsAndAnEmptyListIgnoresTheToolbar() {
        MainWindow window;
        QVERIFY(Shown(window));
        for (const char* action :
             {"mnuListPopMovUp", "mnuListPopMovDn", "mnuListPopEdt", "mnuListPopRem"}) {
            Find<QAction>(window, action)->setEnabled(true);
            Click(window, action);
        }
        QVERIFY(platform::ShownMessages().empty() && !window.Document().Changed());
        // No polling: the states are refreshed by the changes themselves.
        const auto timers = window.findChildren<QTimer*>();
        QVERIFY(std::none_of(timers.begin(), timers.end(), std::mem_fn(&QTimer::isActive)));

        AddItems(window, {"Item 0", "Item 1", "Item 2"});
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
        Click(window, "mnuListPopMovUp");
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
        AddItems(window, {"A", "B", "C"});
        QItemSelectionModel* selection = List(window)->selectionModel();
        selection->clearSelection();
        selection->select(window.Document().Items().index(2, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCoreApplication::processEvents();
        Click(window, "mnuListPopMovUp");
        QCOMPARE(ItemTexts(window), QString("A,C,B"));

        selection->clearSelection();
        QTRY_COMPARE(SelectedRow(window), 1);
    }

    // A bad digit puts back "#" in an item row and the sample's colour in a style row; a whole
    // value shows in the sample, anything less in an item row the window's colour.
    void typedKeysAreFilteredPastedTextIsCheckedAndSelectWritesThePick() {
        const char* const invalidOrSelect = "Oops!|Please enter a valid color value or click "
                                            "\"Select\" to choose a color.|!|OkHelp";
        // The row, pasted or typed, its text before, the input; the text after, the message.
        const std::tuple<int, bool, const char*, const char*, const char*, const char*> cases[] = {
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
        RowsWindow window;
        platform::QueueColorChoice(0x0000FF);
        window.rows[0]->SelectButton()->click();
        QCOMPARE(window.rows[0]->Text() + window.rows[0]->SampleColor().name(),
                 QString("#FF0000#ff0000"));
    }

    void anEditingSessionIsUndoneStepByStepAndRedoneToTheEnd() {
        MainWindow window;
        QVERIFY(Shown(window));
        QUndoStack& history = window.Document().History();
        const auto now = [&] {
            return std::pair(window.Document().Project(), SelectedRow(window));
        };
        std::vector states{now()};
        const std::function<void()> steps[] = {
            [&] {
                AddItem(window, "Home", "index.html");
                QCOMPARE(Texts(window, {"itemtexttext", "linktext"}) +
                             QApplication::focusWidget()->objectName(),
                         QString(",itemtexttext"));
            },
            [&] {
                Click(window, "grheadchk");
                AddItem(window, "Fruit");
            },
            [&] { AddItem(window, "Apples", "apples.html"); },
            // The preselected entry moves only when the user says so.
            [&] {
                Click(window, "chksel");
                platform::QueueAnswer(MessageAnswer::Yes);
                AddItem(window, "Pears", "pears.html");
            },
            // Updating the preselected row with its box still checked asks nothing.
            [&] {
                Click(window, "edit");
                Retype(window, "itemtexttext", "Ripe pears");
                Click(window, "cmdup");
            },
            [&] {
                Click(window, "chksel");
                platform::QueueAnswer(MessageAnswer::No);
                AddItem(window, "   Plums");
            },
            [&] { Click(window, "movup"); },
            // A heading moved past rows leaves their texts alone.
            [&] { DragRow(window, 1, 0); },
            // Deleting asks; the rows after a deleted heading keep their marker.
            [&] {
                platform::QueueAnswer(MessageAnswer::No);
                Click(window, "delete");
                platform::QueueAnswer(MessageAnswer::Yes);
                Click(window, "delete");
                QCOMPARE(SelectedRow(window), 0);
            },
            [&] { Retype(window, "txtmnm", "Shop"); },
            [&] { Choose(window, "targetcombo", 2); },
            [&] { Type(window, "txtfrm", "main"); },
            [&] { Click(window, "buttonpropopt1"); },
            [&] {
                auto* style = window.findChild<dialogs::ButtonStyleDialog*>();
                Click(*style, {"chkbttnfntIT", "chksysbttnclr", "Command8"});
            },
        };
        for (const auto& step : steps) {
            step();
            states.push_back(now());
        }
        QCOMPARE(history.count(), static_cast<int>(std::size(steps)));
        QCOMPARE(history.undoText(), QString("Change Button Style"));
        const QString question = "Selected Item|You have already designated \"%1\" as the selected "
                                 "item in the menu. Do you wish to change it to this one?|?|YesNo";
        QCOMPARE(TakeMessages(true),
                 (QStringList{question.arg("Home"), question.arg("   Ripe pears")} +
                  QStringList(2, "Confirm Delete|Delete selected item?|?|YesNo")));
        QCOMPARE(
            Rows(window),
            (QStringList{"Home|Yes|index.html|No|-|-|No", "   Apples|Yes|apples.html|No|-|-|No",
                         "      Plums|No||No|-|-|No", "   Ripe pears|Yes|pears.html|Yes|-|-|No"}));
        for (std::size_t step = states.size() - 1; step > 0; --step) {
            history.undo();
            QVERIFY2(now() == states[step - 1], qPrintable(QString::number(step)));
        }
        QVERIFY(!window.Document().Changed() && !Find<QAction>(window, "mnuEditUndo")->isEnabled());
        QCOMPARE(Find<QAction>(window, "mnuEditRedo")->text(), QString("&Redo Add Item"));
        for (std::size_t step = 1; step < states.size(); ++step) {
            Click(window, "mnuEditRedo");
            QVERIFY2(now() == states[step], qPrintable(QString::number(step)));
        }
        QVERIFY(platform::ShownMessages().empty());
    }

    void undoingToTheSavedPointLeavesNothingToSave() {
        MainWindow window;
        document::MenuDocument& document = window.Document();
        QUndoStack& history = document.History();
        Click(window, "buttonpropopt1"); // no file yet: not a change to save
        AddItem(window, "One");
        platform::QueueFileName(environment.path("menu.qvn"));
        Click(window, "mnuFileSaveProj");
        AddItem(window, "Two");
        QString changed;
        // Undone past the saved point, even the option edit makes the project differ from its file.
        for (const auto& step : {&QUndoStack::undo, &QUndoStack::undo, &QUndoStack::undo,
                                 &QUndoStack::redo, &QUndoStack::redo}) {
            (history.*step)();
            changed += document.Changed() ? '+' : '-';
        }
        QCOMPARE(changed, QString("-+++-"));
        Click(window, "mnuFileNew");
        QVERIFY(platform::ShownMessages().empty() && history.count() == 0);
    }

    void aDraggedRowTakesTheMarkerOfItsNewPlace() {
        MainWindow window;
        QVERIFY(Shown(window));
        AddItem(window, "Home", "index.html");
        Click(window, "grheadchk");
        AddItem(window, "Fruit");
        AddItem(window, "Apples", "apples.html");
        DragRow(window, 0, -1);
        QCOMPARE(ItemTexts(window), QString("Fruit,   Apples,   Home"));
        DragRow(window, 2, 0);
        QCOMPARE(ItemTexts(window), QString("Home,Fruit,   Apples"));
        QVERIFY(SelectedRow(window) == 0 && window.Document().History().undoText() == "Move Item");
        QMimeData text;
        text.setText("Home");
        QVERIFY(DropOn(List(window)->viewport(), text) == Qt::IgnoreAction &&
                window.Document().History().count() == 5);
    }

    void theKeysRunTheirCommands() {
        MainWindow window;
        QVERIFY(Shown(window));
        Type(window, "itemtexttext", "One");
        Type(window, "linktext", "1.html");
        QTest::keyClick(Find(window, "linktext"), Qt::Key_Return);
        AddItem(window, "Two", "2.html");
        List(window)->setFocus();
        QTest::keyClick(List(window), Qt::Key_Up, Qt::ControlModifier);
        QCOMPARE(ItemTexts(window), QString("Two,One"));
        QTest::keyClick(List(window), Qt::Key_F2);
        QCOMPARE(Find<QLineEdit>(window, "itemtexttext")->text(), QString("Two"));
        List(window)->setFocus();
        platform::QueueAnswer(MessageAnswer::No);
        QTest::keyClick(List(window), Qt::Key_Delete);
        QCOMPARE(TakeMessages(), QStringList{"Confirm Delete|Delete selected item?"});
        QTest::keyClick(List(window), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(ItemTexts(window), QString("One,Two"));
        const std::pair<const char*, QKeySequence> keys[] = {
            {"mnuFileNew", QKeySequence::New},          {"mnuFileLoad", QKeySequence::Open},
            {"mnuFileSaveProj", QKeySequence::Save},    {"mnuEditRedo", QKeySequence::Redo},
            {"mnuHlpCont", QKeySequence::HelpContents}, {"mnuHelpCtx", QKeySequence::WhatsThis},
            {"mnuFileExit", QKeySequence::Quit},        {"mnuPrevBr", Qt::Key_F5}};
        for (const auto& [name, key] : keys) {
            QCOMPARE(Find<QAction>(window, name)->shortcut(), key);
        }
    }
};

QTEST_MAIN(ItemEditingTest)
#include "ItemEditingTest.moc"
