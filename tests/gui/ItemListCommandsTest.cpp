#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/ItemListControls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QtTest>

using mainwindow::Form1;

namespace {

void AddRows(const Form1& form, int count) {
    for (int row = 0; row < count; ++row) {
        Type(form, "itemtexttext", QString("Item %1").arg(row));
        Type(form, "linktext", "page.html");
        Click(form, "additemcmd");
    }
}

bool Enabled(const Form1& form, const char* name) {
    if (const auto* action = form.findChild<QAction*>(name)) {
        return action->isEnabled();
    }
    return form.findChild<QWidget*>(name)->isEnabled();
}

// The project commands, "Add" and "Update", then Move Up, Move Down, Edit and Delete, each
// in tb2 and in the popup, as "+" (enabled) or "-".
QString States(const Form1& form) {
    QString states;
    for (const char* name : {"mnuFileSaveProj",
                             "mnuFileCodeFile",
                             "mnuFileCopy",
                             "mnuPrevBr",
                             "saveproj",
                             "savecodeclip",
                             "savecodefile",
                             "preview",
                             " ",
                             "additemcmd",
                             "cmdup",
                             " ",
                             "movup",
                             "mnuListPopMovUp",
                             "movdn",
                             "mnuListPopMovDn",
                             "edit",
                             "mnuListPopEdt",
                             "delete",
                             "mnuListPopRem"}) {
        states += *name == ' ' ? ' ' : Enabled(form, name) ? '+' : '-';
    }
    return states;
}

// A right click as the desktop delivers it: the press, then the request for a context menu.
void RightClick(QWidget* viewport, const QPoint& at) {
    QTest::mousePress(viewport, Qt::RightButton, {}, at);
    QContextMenuEvent request(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
    QCoreApplication::sendEvent(viewport, &request);
    QTest::mouseRelease(viewport, Qt::RightButton, {}, at);
}

// A double click as the desktop delivers it: a click, then the second press as a double click.
void DoubleClick(QWidget* viewport, const QPoint& at) {
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseDClick(viewport, Qt::LeftButton, {}, at);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

} // namespace

class ItemListCommandsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void commandsFollowTheRowsTheSelectedRowAndTheEditor() {
        Form1 form;
        QCOMPARE(States(form), QString("-------- -- --------"));
        Type(form, "itemtexttext", " ");
        QCOMPARE(States(form), QString("-------- -- --------"));
        for (const char* box : {"notlinkchk", "grheadchk"}) {
            form.findChild<QCheckBox*>(box)->click();
            QCOMPARE(States(form), QString("-------- +- --------"));
            form.findChild<QCheckBox*>(box)->click();
        }
        AddRows(form, 1);
        QCOMPARE(States(form), QString("++++++++ -- ----++++"));
        AddRows(form, 2);
        QCOMPARE(States(form), QString("++++++++ -- ++--++++"));
        Type(form, "itemtexttext", "B");
        Type(form, "linktext", "b.html");
        SelectRow(form, 0);
        QCOMPARE(States(form), QString("++++++++ ++ --++++++"));
        SelectRow(form, 1);
        QCOMPARE(States(form), QString("++++++++ ++ ++++++++"));

        // The platform's keys move the selected row; a click that would leave none keeps one.
        List(form)->setFocus();
        QTest::keyClick(List(form), Qt::Key_End);
        QCOMPARE(States(form), QString("++++++++ ++ ++--++++"));
        List(form)->selectionModel()->clearSelection();
        QCOMPARE(SelectedRow(form), 2);

        for (int row = 0; row < 3; ++row) {
            platform::QueueAnswer(platform::MessageAnswer::Yes);
            Trigger(form, "delete");
        }
        QCOMPARE(States(form), QString("-------- +- --------"));
    }

    void aRightClickOnARowOpensThePopupAndADoubleClickLoadsIt() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        AddRows(form, 3);
        auto* popup = form.findChild<QMenu*>("mnuListPop");
        QWidget* viewport = List(form)->viewport();
        const auto rowCentre = [&form](int row) {
            return List(form)->visualRect(Items(form)->index(row, 0)).center();
        };
        const QPoint belowTheRows(10, viewport->height() - 5);

        QTest::mouseClick(viewport, Qt::LeftButton, {}, rowCentre(0));
        RightClick(viewport, belowTheRows);
        QVERIFY(!popup->isVisible());
        QCOMPARE(SelectedRow(form), 0);
        RightClick(viewport, rowCentre(1));
        QVERIFY(popup->isVisible());
        popup->close();
        Trigger(form, "mnuListPopMovUp");
        QCOMPARE(Items(form)->ItemAt(0).text, std::string("Item 1"));

        const auto* itemText = form.findChild<QLineEdit*>("itemtexttext");
        DoubleClick(viewport, belowTheRows);
        QCOMPARE(itemText->text(), QString());
        DoubleClick(viewport, rowCentre(2));
        QCOMPARE(itemText->text(), QString("Item 2"));
    }

    void theItemToolbarDoesNothingOnAnEmptyListAndTheWindowIdles() {
        Form1 form;
        platform::ClearShownMessages();
        for (const char* key : {"movup", "movdn", "edit", "delete"}) {
            auto* button = form.findChild<QAction*>(key);
            button->setEnabled(true);
            button->trigger();
        }
        QVERIFY(platform::ShownMessages().empty() && !form.Flags().projectChanged);
        // No polling: the states are refreshed by the changes themselves.
        for (const QTimer* timer : form.findChildren<QTimer*>()) {
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        }
    }
};

QTEST_MAIN(ItemListCommandsTest)
#include "ItemListCommandsTest.moc"
