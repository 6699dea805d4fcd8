#include "dialogs/ButtonStyleDialog.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QMimeData>
#include <QUndoStack>
#include <QtTest>

using mainwindow::MainWindow;
using platform::MessageAnswer;

namespace {

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

class UndoTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearShownMessages(); }

    void anEditingSessionIsUndoneStepByStepAndRedoneToTheEnd() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QUndoStack& history = window.Document().History();
        const auto now = [&window] {
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
        QCOMPARE(Rows(window),
                 (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                              "   Apples|Yes|apples.html|No|Default|Default|No",
                              "      Plums|No||No|Default|Default|No",
                              "   Ripe pears|Yes|pears.html|Yes|Default|Default|No"}));
        for (std::size_t step = states.size() - 1; step > 0; --step) {
            history.undo();
            QVERIFY2(now() == states[step - 1], qPrintable(QString::number(step)));
        }
        QVERIFY(!window.Document().Changed() && !Find<QAction>(window, "mnuEditUndo")->isEnabled());
        QCOMPARE(Find<QAction>(window, "mnuEditRedo")->text(), QString("&Redo Add Item"));
        for (std::size_t step = 1; step < states.size(); ++step) {
            Trigger(window, "mnuEditRedo");
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
        Trigger(window, "mnuFileSaveProj");
        AddItem(window, "Two");
        QString changed;
        // Undone past the saved point, even the option edit makes the project differ from its file.
        for (const auto& step : {&QUndoStack::undo, &QUndoStack::undo, &QUndoStack::undo,
                                 &QUndoStack::redo, &QUndoStack::redo}) {
            (history.*step)();
            changed += document.Changed() ? '+' : '-';
        }
        QCOMPARE(changed, QString("-+++-"));
        // A new project starts with nothing to undo.
        Trigger(window, "mnuFileNew");
        QVERIFY(platform::ShownMessages().empty() && history.count() == 0);
    }

    void aDraggedRowTakesTheMarkerOfItsNewPlace() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        AddItem(window, "Home", "index.html");
        Click(window, "grheadchk");
        AddItem(window, "Fruit");
        AddItem(window, "Apples", "apples.html");
        DragRow(window, 0, -1);
        QCOMPARE(ItemTexts(window), QString("Fruit,   Apples,   Home"));
        DragRow(window, 2, 0);
        QCOMPARE(ItemTexts(window), QString("Home,Fruit,   Apples"));
        QCOMPARE(SelectedRow(window), 0);
        QCOMPARE(window.Document().History().undoText(), QString("Move Item"));
        // Anything but a row of the list is refused.
        QMimeData text;
        text.setText("Home");
        QCOMPARE(DropOn(List(window)->viewport(), text), Qt::IgnoreAction);
        QCOMPARE(window.Document().History().count(), 5);
    }

    void theKeysRunTheirCommands() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
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

QTEST_MAIN(UndoTest)
#include "UndoTest.moc"
