#include "platform/MessageBoxes.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QtTest>

using mainwindow::MainWindow;
using platform::MessageAnswer;

namespace {

QString Text(const MainWindow& window, const char* name) {
    return Find<QLineEdit>(window, name)->text();
}

bool Checked(const MainWindow& window, const char* name) {
    return Find<QCheckBox>(window, name)->isChecked();
}

// "title|text" of each Yes/No question asked; the record is emptied.
QStringList TakeQuestions() {
    QStringList asked;
    for (const auto& [message, buttons] : platform::ShownMessages()) {
        const bool yesNo = message.icon == model::MessageIcon::Question &&
                           buttons == platform::MessageButtons::YesNo;
        asked << QString::fromStdString(message.title + '|' + message.text) +
                     (yesNo ? "" : "|not a Yes/No question");
    }
    platform::ClearShownMessages();
    return asked;
}

QString SelectedQuestion(const QString& rowText) {
    return "Selected Item|You have already designated \"" + rowText +
           "\" as the selected item in the menu. Do you wish to change it to this one?";
}

void AddHeading(const MainWindow& window, const QString& text) {
    Click(window, "grheadchk");
    AddItem(window, text);
}

QPoint RowCentre(const MainWindow& window, int row) {
    return List(window)->visualRect(window.Document().Items().index(row, 0)).center();
}

} // namespace

class ItemEditingTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearShownMessages(); }

    void theFirstItemIsPreselectedAndLaterOnesAsk() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        AddItem(window, "Home", "index.html");
        QCOMPARE(TakeQuestions(), QStringList());
        QVERIFY(window.Document().Changed() && !Checked(window, "chksel"));
        QCOMPARE(Text(window, "itemtexttext") + Text(window, "linktext"), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), QString("itemtexttext"));

        for (const MessageAnswer answer : {MessageAnswer::No, MessageAnswer::Yes}) {
            Click(window, "chksel");
            platform::QueueAnswer(answer);
            AddItem(window, answer == MessageAnswer::No ? "About" : "Shop", "x.html");
            QCOMPARE(TakeQuestions(), QStringList{SelectedQuestion("Home")});
            QVERIFY(!Checked(window, "chksel"));
        }
        QCOMPARE(Rows(window), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                            "About|Yes|x.html|No|Default|Default|No",
                                            "Shop|Yes|x.html|Yes|Default|Default|No"}));
        QCOMPARE(SelectedRow(window), 2);

        // Updating the preselected row with the box still checked asks nothing.
        Trigger(window, "mnuListPopEdt");
        QVERIFY(Checked(window, "chksel"));
        Retype(window, "itemtexttext", "Shop now");
        Click(window, "cmdup");
        QCOMPARE(TakeQuestions(), QStringList());
        QCOMPARE(Rows(window).at(2), QString("Shop now|Yes|x.html|Yes|Default|Default|No"));
    }

    void markersFollowTheHeadingsAboveTheRowBeingWritten() {
        MainWindow window;
        AddItem(window, "Home", "index.html");
        AddHeading(window, "Fruit");
        AddItem(window, "Apples", "apples.html");
        AddItem(window, "   Pears");
        QCOMPARE(Rows(window), (QStringList{"Home|Yes|index.html|Yes|Default|Default|No",
                                            "Fruit|No||No|Default|Default|Yes*",
                                            "   Apples|Yes|apples.html|No|Default|Default|No",
                                            "      Pears|No||No|Default|Default|No"}));
        // The question names the preselected row as the list holds it.
        SelectRow(window, 2);
        Trigger(window, "mnuListPopEdt");
        Click(window, "chksel");
        platform::QueueAnswer(MessageAnswer::Yes);
        Click(window, "cmdup");
        Click(window, "chksel");
        AddItem(window, "Plums", "plums.html");
        QCOMPARE(TakeQuestions(),
                 (QStringList{SelectedQuestion("Home"), SelectedQuestion("   Apples")}));

        // Moving past the only heading takes the marker off and puts it back, never twice; a
        // heading moved past rows leaves their texts alone.
        SelectRow(window, 2);
        Trigger(window, "mnuListPopMovUp");
        QCOMPARE(Rows(window).mid(1, 2),
                 (QStringList{"Apples|Yes|apples.html|Yes|Default|Default|No",
                              "Fruit|No||No|Default|Default|Yes*"}));
        QCOMPARE(SelectedRow(window), 1);
        Trigger(window, "mnuListPopMovDn");
        SelectRow(window, 3);
        Trigger(window, "mnuListPopMovUp");
        SelectRow(window, 1);
        Trigger(window, "mnuListPopMovDn");
        Trigger(window, "mnuListPopMovDn");
        QCOMPARE(SelectedRow(window), 3);
        QCOMPARE(Rows(window), (QStringList{"Home|Yes|index.html|No|Default|Default|No",
                                            "      Pears|No||No|Default|Default|No",
                                            "   Apples|Yes|apples.html|Yes|Default|Default|No",
                                            "Fruit|No||No|Default|Default|Yes*",
                                            "   Plums|Yes|plums.html|No|Default|Default|No"}));

        // "Delete" asks; the rows after a deleted heading keep their marker, and the next row
        // (or the new last one) is selected.
        platform::QueueAnswer(MessageAnswer::No);
        Click(window, "delete");
        QCOMPARE(Rows(window).size(), 5);
        platform::QueueAnswer(MessageAnswer::Yes);
        Click(window, "delete");
        QCOMPARE(Rows(window).at(3), QString("   Plums|Yes|plums.html|No|Default|Default|No"));
        QCOMPARE(SelectedRow(window), 3);
        platform::QueueAnswer(MessageAnswer::Yes);
        Trigger(window, "mnuListPopRem");
        QCOMPARE(SelectedRow(window), 2);
        QCOMPARE(TakeQuestions(), QStringList(3, "Confirm Delete|Delete selected item?"));
    }

    void headingsAndUnlinkedItemsCarryNoLinkAndEditLoadsThem() {
        MainWindow window;
        Type(window, "itemtexttext", "Note");
        Type(window, "linktext", "kept.html");
        Click(window, "notlinkchk");
        QVERIFY(!Find(window, "linktext")->isEnabled() && Text(window, "linktext") == "kept.html");
        Click(window, "additemcmd");
        Type(window, "linktext", "typed.html");
        Click(window, "grheadchk");
        QCOMPARE(Text(window, "linktext"), QString());
        QCOMPARE(States(window, {"linktext", "linklbl", "chksel", "notlinkchk"}), QString("----"));
        AddItem(window, "Fruit");
        AddItem(window, "   Spaced", "spaced.html");
        QCOMPARE(Rows(window), (QStringList{"Note|No||Yes|Default|Default|No",
                                            "Fruit|No||No|Default|Default|Yes*",
                                            "      Spaced|Yes|spaced.html|No|Default|Default|No"}));

        // "Edit" changes nothing; an updated heading is linked without an address.
        window.Document().MarkSaved({});
        Click(window, "edit");
        QCOMPARE(Text(window, "itemtexttext") + '|' + Text(window, "linktext"),
                 QString("   Spaced|spaced.html"));
        SelectRow(window, 0);
        Trigger(window, "mnuListPopEdt");
        QVERIFY(Checked(window, "notlinkchk") && Checked(window, "chksel"));
        QVERIFY(!window.Document().Changed());
        Click(window, "cmdup");
        SelectRow(window, 1);
        Click(window, "edit");
        QVERIFY(Checked(window, "grheadchk") && !Find(window, "notlinkchk")->isEnabled());
        Click(window, "cmdup");
        QCOMPARE(Rows(window).mid(0, 2), (QStringList{"Note|No||Yes|Default|Default|No",
                                                      "Fruit|Yes||No|Default|Default|Yes*"}));
        QVERIFY(window.Document().Changed() && Find(window, "linktext")->isEnabled());
    }

    void itemColoursComeFromTheBoxesOrTheMenu() {
        MainWindow window;
        const QColor background = window.palette().color(QPalette::Window);
        const auto swatches = [&window] {
            return QList<QColor>{
                Find<QLabel>(window, "lblclr0")->palette().color(QPalette::Window),
                Find<QLabel>(window, "lblclr1")->palette().color(QPalette::Window)};
        };
        QCOMPARE(swatches(), (QList<QColor>{background, background}));
        Click(window, "chkdefitmclr");
        QCOMPARE(States(window, {"txtclr0", "lblclr0", "cmdclr0", "Label30", "txtclr1", "lblclr1",
                                 "cmdclr1", "Label31"}),
                 QString("++++++++"));
        QCOMPARE(Text(window, "txtclr0") + Text(window, "txtclr1"), QString("#FFFFFF#000000"));
        QCOMPARE(swatches(), (QList<QColor>{Qt::white, Qt::black}));
        Retype(window, "txtclr0", "ffff00");
        AddItem(window, "Sale", "sale.html");
        AddItem(window, "Plain", "plain.html");
        QCOMPARE(Rows(window), (QStringList{"Sale|Yes|sale.html|Yes|#FFFF00|#000000|No",
                                            "Plain|Yes|plain.html|No|Default|Default|No"}));
        QVERIFY(Checked(window, "chkdefitmclr") && !Find(window, "txtclr0")->isEnabled());

        SelectRow(window, 0);
        Click(window, "edit");
        QVERIFY(!Checked(window, "chkdefitmclr"));
        QCOMPARE(swatches(), (QList<QColor>{Qt::yellow, Qt::black}));
        SelectRow(window, 1);
        Click(window, "edit");
        QVERIFY(Checked(window, "chkdefitmclr") && !Find(window, "cmdclr1")->isEnabled());
    }

    void theMouseOpensThePopupAndLoadsRowsAndAnEmptyListIgnoresTheToolbar() {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        const std::pair<const char*, const char*> commands[] = {{"movup", "mnuListPopMovUp"},
                                                                {"movdn", "mnuListPopMovDn"},
                                                                {"edit", "mnuListPopEdt"},
                                                                {"delete", "mnuListPopRem"}};
        for (const auto& [key, action] : commands) {
            Find<QAction>(window, action)->setEnabled(true);
            Click(window, key);
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

        const auto doubleClick = [viewport](const QPoint& at) {
            QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
            QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
        };
        doubleClick(belowTheRows);
        QCOMPARE(Text(window, "itemtexttext"), QString());
        doubleClick(RowCentre(window, 2));
        QCOMPARE(Text(window, "itemtexttext"), QString("Item 2"));
    }

    // Assistive tools choose a row by clearing the selection and then selecting the new row.
    void aRowChosenInTwoStepsIsTheOneTheCommandsActOn() {
        MainWindow window;
        for (const char* text : {"A", "B", "C", "D"}) {
            AddItem(window, text, "page.html");
        }
        QItemSelectionModel* selection = List(window)->selectionModel();
        selection->clearSelection();
        selection->select(window.Document().Items().index(2, 0),
                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        QCoreApplication::processEvents();
        QCOMPARE(selection->selectedRows().size(), 1);
        Trigger(window, "mnuListPopMovUp");
        QString order;
        for (const QString& row : Rows(window)) {
            order += row.front();
        }
        QCOMPARE(order, QString("ACBD"));

        // A list left without a selected row selects one again.
        selection->clearSelection();
        QTRY_COMPARE(SelectedRow(window), 1);
    }
};

QTEST_MAIN(ItemEditingTest)
#include "ItemEditingTest.moc"
