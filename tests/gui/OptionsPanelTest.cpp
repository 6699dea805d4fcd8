#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QAccessible>
#include <QRadioButton>
#include <QTabWidget>
#include <QtTest>

using mainwindow::MainWindow;

namespace {

// The button tab itself, its kind options, the standard button's controls, the graphic's; then
// the alignment and the frame name of the menu tab.
QString Availability(const MainWindow& window) {
    return States(window, {"SSTab1Tab1",     "",           "buttonpropopt0",
                           "buttonpropopt1", "",           "buttontxtlbl",
                           "buttontxttxt",   "cmdBttnAdv", "",
                           "buttngrurllbl",  "buttngrurl", "lblw",
                           "txtw",           "lblh",       "txth",
                           "lblalt",         "txtalt",     "",
                           "lblbttnaln",     "cmbbttnaln", "",
                           "lblfrm",         "txtfrm"});
}

} // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void availabilityFollowsNavigationButtonKindAndTarget() {
        MainWindow window;
        QCOMPARE(Availability(window), QString("+ ++ +++ -------- ++ --"));
        Click(window, "buttonpropopt1");
        QCOMPARE(Availability(window), QString("+ ++ --- ++++++++ ++ --"));
        Click(window, "menubehavopt1");
        QCOMPARE(Availability(window), QString("- -- --- -------- -- --"));
        QVERIFY(!Find<QTabWidget>(window, "SSTab1")->isTabEnabled(1));
        // Back on button click, the controls of the kind chosen before return.
        Click(window, "menubehavopt0");
        QCOMPARE(Availability(window), QString("+ ++ --- ++++++++ ++ --"));

        // Another target than a different frame empties the frame name.
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        QCOMPARE(Availability(window).right(2), QString("++"));
        QCOMPARE(window.Document().Project().menu.frameName, std::string("content"));
        Choose(window, "targetcombo", 0);
        Choose(window, "targetcombo", 2);
        QCOMPARE(Find<QLineEdit>(window, "txtfrm")->text(), QString());
        QCOMPARE(window.Document().Project().menu.frameName, std::string());
    }

    // Assistive tools set an option's value without clicking it.
    void anOptionSetWithoutAClickIsAnEditToo() {
        MainWindow window;
        Find<QRadioButton>(window, "buttonpropopt1")->setChecked(true);
        QCOMPARE(Availability(window), QString("+ ++ --- ++++++++ ++ --"));
        QCOMPARE(window.Document().Project().button.buttonKind, model::ButtonKind::Graphic);
        QAccessibleInterface* itemChange =
            QAccessible::queryAccessibleInterface(Find(window, "menubehavopt1"));
        itemChange->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(Availability(window), QString("- -- --- -------- -- --"));
        QCOMPARE(window.Document().Project().menu.navigation, model::Navigation::OnItemChange);
    }

    void onlyTheMenuNameMarksAProjectWithoutAFileChanged() {
        MainWindow window;
        document::MenuDocument& document = window.Document();
        bool withFile = false;
        const auto marks = [&](const std::function<void()>& edit) {
            if (withFile) {
                document.MarkSaved(environment.path("menu.qvn"));
            } else {
                document.ForgetFile();
            }
            edit();
            return document.Changed() ? '+' : '-';
        };
        const auto edits = [&] {
            QString marked;
            marked += marks([&] { Click(window, "buttonpropopt1"); });
            for (const char* box : {"buttngrurl", "txtw", "txth", "txtalt"}) {
                marked += marks([&] { Type(window, box, "1"); });
            }
            marked += marks([&] { Choose(window, "targetcombo", 2); });
            marked += marks([&] { Type(window, "txtfrm", "main"); });
            marked += marks([&] { Click(window, "menubehavopt1"); });
            marked += marks([&] { Click(window, "menubehavopt0"); });
            marked += marks([&] { Click(window, "buttonpropopt0"); });
            marked += marks([&] { Type(window, "buttontxttxt", "!"); });
            marked += marks([&] { Choose(window, "cmbbttnaln", 0); });
            marked += marks([&] { Type(window, "txtmnm", "2"); });
            return marked;
        };
        QCOMPARE(edits(), QString("------------+"));
        Choose(window, "targetcombo", 1);
        withFile = true;
        QCOMPARE(edits(), QString("++++++++++--+"));
        QCOMPARE(document.Project().button, (model::ButtonOptions{model::ButtonKind::Standard,
                                                                  "Go!!", "11", "11", "11", "11"}));
        QCOMPARE(document.Project().menu,
                 (model::MenuOptions{"MyMenu22", model::Navigation::OnButtonClick,
                                     model::LinkTarget::DifferentFrame, "main",
                                     model::ButtonAlign::Top}));
    }
};

QTEST_MAIN(OptionsPanelTest)
#include "OptionsPanelTest.moc"
