#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;

namespace {

QTreeView* List(const Form1& form) {
    return form.findChild<QTreeView*>("lv");
}

mainwindow::ItemListModel* Items(const Form1& form) {
    return static_cast<mainwindow::ItemListModel*>(List(form)->model());
}

void AddRows(const Form1& form, int count) {
    for (int row = 0; row < count; ++row) {
        Type(form, "itemtexttext", QString("Item %1").arg(row));
        Type(form, "linktext", "page.html");
        Click(form, "additemcmd");
    }
}

void SelectRow(const Form1& form, int row) {
    List(form)->setCurrentIndex(Items(form)->index(row, 0));
}

bool Enabled(const Form1& form, const char* name) {
    if (const auto* action = form.findChild<QAction*>(name)) {
        return action->isEnabled();
    }
    return form.findChild<QWidget*>(name)->isEnabled();
}

// "+" or "-" for: the project commands, Add, Update, then the four item commands of tb2, each
// checked against its popup entry.
QString States(const Form1& form) {
    QString states;
    const QString project = Enabled(form, "mnuFileSaveProj") ? "+" : "-";
    for (const char* name : {"mnuFileCodeFile", "mnuFileCopy", "mnuPrevBr", "saveproj",
                             "savecodeclip", "savecodefile", "preview"}) {
        if ((Enabled(form, name) ? "+" : "-") != project) {
            return QString(name) + " differs";
        }
    }
    states += project + ' ';
    states += Enabled(form, "additemcmd") ? '+' : '-';
    states += Enabled(form, "cmdup") ? '+' : '-';
    states += ' ';
    const std::pair<const char*, const char*> commands[] = {{"movup", "mnuListPopMovUp"},
                                                            {"movdn", "mnuListPopMovDn"},
                                                            {"edit", "mnuListPopEdt"},
                                                            {"delete", "mnuListPopRem"}};
    for (const auto& [button, entry] : commands) {
        if (Enabled(form, button) != Enabled(form, entry)) {
            return QString(entry) + " differs";
        }
        states += Enabled(form, button) ? '+' : '-';
    }
    return states;
}

QPoint RowCentre(const Form1& form, int row) {
    return List(form)->visualRect(Items(form)->index(row, 0)).center();
}

QPoint BelowTheRows(const Form1& form) {
    return {10, List(form)->viewport()->height() - 5};
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
    void init() { platform::ClearShownMessages(); }

    void commandsFollowTheRowsAndTheSelectedRow() {
        Form1 form;
        QCOMPARE(States(form), QString("- -- ----"));
        AddRows(form, 1);
        QCOMPARE(States(form), QString("+ -- --++"));
        AddRows(form, 2);
        QCOMPARE(States(form), QString("+ -- +-++"));
        SelectRow(form, 0);
        QCOMPARE(States(form), QString("+ -- -+++"));
        SelectRow(form, 1);
        QCOMPARE(States(form), QString("+ -- ++++"));

        // The platform's keys move the selected row, and the states follow.
        List(form)->setFocus();
        QTest::keyClick(List(form), Qt::Key_End);
        QCOMPARE(List(form)->currentIndex().row(), 2);
        QCOMPARE(States(form), QString("+ -- +-++"));
        QTest::keyClick(List(form), Qt::Key_Up);
        QCOMPARE(States(form), QString("+ -- ++++"));

        // A click that would leave no row selected keeps one.
        List(form)->selectionModel()->clearSelection();
        QCOMPARE(List(form)->selectionModel()->selectedRows().size(), 1);

        platform::AnswerAutomatically(true);
        for (int row = 0; row < 3; ++row) {
            platform::QueueAnswer(platform::MessageAnswer::Yes);
            Trigger(form, "delete");
        }
        QCOMPARE(States(form), QString("- -- ----"));
    }

    void addAndUpdateWaitForATextAndALinkOrNoNeedOfOne() {
        Form1 form;
        Type(form, "itemtexttext", " ");
        QCOMPARE(States(form), QString("- -- ----"));
        form.findChild<QCheckBox*>("notlinkchk")->click();
        QCOMPARE(States(form), QString("- +- ----"));
        form.findChild<QCheckBox*>("notlinkchk")->click();
        form.findChild<QCheckBox*>("grheadchk")->click();
        QCOMPARE(States(form), QString("- +- ----"));
        form.findChild<QCheckBox*>("grheadchk")->click();
        Type(form, "linktext", "a");
        QCOMPARE(States(form), QString("- +- ----"));
        Click(form, "additemcmd");
        Type(form, "linktext", "b.html");
        QCOMPARE(States(form), QString("+ -- --++"));
        Type(form, "itemtexttext", "B");
        QCOMPARE(States(form), QString("+ ++ --++"));
        Retype(form, "itemtexttext", "");
        QCOMPARE(States(form), QString("+ -- --++"));
    }

    void aRightClickOnARowOpensThePopupAndADoubleClickLoadsIt() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        AddRows(form, 3);
        auto* popup = form.findChild<QMenu*>("mnuListPop");
        QWidget* viewport = List(form)->viewport();

        QTest::mouseClick(viewport, Qt::LeftButton, {}, RowCentre(form, 0));
        QCOMPARE(List(form)->currentIndex().row(), 0);
        QVERIFY(!popup->isVisible());
        RightClick(viewport, BelowTheRows(form));
        QVERIFY(!popup->isVisible());
        RightClick(viewport, RowCentre(form, 1));
        QVERIFY(popup->isVisible());
        QCOMPARE(List(form)->currentIndex().row(), 1);
        popup->close();
        Trigger(form, "mnuListPopMovUp");
        QCOMPARE(Items(form)->ItemAt(0).text, std::string("Item 1"));

        const auto* itemText = form.findChild<QLineEdit*>("itemtexttext");
        DoubleClick(viewport, BelowTheRows(form));
        QCOMPARE(itemText->text(), QString());
        DoubleClick(viewport, RowCentre(form, 2));
        QCOMPARE(itemText->text(), QString("Item 2"));
        QCOMPARE(QApplication::focusWidget(), itemText);
    }

    void theItemToolbarDoesNothingOnAnEmptyListAndTheWindowIdles() {
        Form1 form;
        for (const char* key : {"movup", "movdn", "edit", "delete"}) {
            auto* button = form.findChild<QAction*>(key);
            button->setEnabled(true);
            button->trigger();
        }
        QVERIFY(platform::ShownMessages().empty());
        QCOMPARE(form.findChild<QLineEdit*>("itemtexttext")->text(), QString());
        QVERIFY(!form.Flags().projectChanged);
        // No polling: the states are refreshed by the changes themselves.
        for (const QTimer* timer : form.findChildren<QTimer*>()) {
            QVERIFY2(!timer->isActive(), qPrintable(timer->objectName()));
        }
    }
};

QTEST_MAIN(ItemListCommandsTest)
#include "ItemListCommandsTest.moc"
