#include "mainwindow/Form1.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QTabWidget>
#include <QtTest>

using mainwindow::Form1;

namespace {

// "+" for each available control, "-" for the others.
QString Available(const Form1& form, std::initializer_list<const char*> names) {
    QString states;
    for (const char* name : names) {
        states += form.findChild<QWidget*>(name)->isEnabled() ? '+' : '-';
    }
    return states;
}

// The button tab itself, its kind options, the standard button's controls, the graphic's; then
// the alignment and the frame name of the menu tab.
QString Availability(const Form1& form) {
    return Available(form, {"SSTab1Tab1"}) + ' ' +
           Available(form, {"buttonpropopt0", "buttonpropopt1"}) + ' ' +
           Available(form, {"buttontxtlbl", "buttontxttxt", "cmdBttnAdv"}) + ' ' +
           Available(form, {"buttngrurllbl", "buttngrurl", "lblw", "txtw", "lblh", "txth", "lblalt",
                            "txtalt"}) +
           ' ' + Available(form, {"lblbttnaln", "cmbbttnaln"}) + ' ' +
           Available(form, {"lblfrm", "txtfrm"});
}

} // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void availabilityFollowsNavigationButtonKindAndTarget() {
        Form1 form;
        QCOMPARE(Availability(form), QString("+ ++ +++ -------- ++ --"));
        Click(form, "buttonpropopt1");
        QCOMPARE(Availability(form), QString("+ ++ --- ++++++++ ++ --"));
        Click(form, "menubehavopt1");
        QCOMPARE(Availability(form), QString("- -- --- -------- -- --"));
        QVERIFY(!form.findChild<QTabWidget*>("SSTab1")->isTabEnabled(1));
        // Back on button click, the controls of the kind chosen before return.
        Click(form, "menubehavopt0");
        QCOMPARE(Availability(form), QString("+ ++ --- ++++++++ ++ --"));
        Click(form, "buttonpropopt0");
        Click(form, "menubehavopt1");
        Click(form, "menubehavopt0");
        QCOMPARE(Availability(form), QString("+ ++ +++ -------- ++ --"));

        // Another target than a different frame empties the frame name.
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "content");
        QCOMPARE(Availability(form), QString("+ ++ +++ -------- ++ ++"));
        QCOMPARE(form.BuildProject().menu.frameName, std::string("content"));
        Choose(form, "targetcombo", 0);
        QCOMPARE(Availability(form), QString("+ ++ +++ -------- ++ --"));
        Choose(form, "targetcombo", 2);
        QCOMPARE(Availability(form), QString("+ ++ +++ -------- ++ ++"));
        QCOMPARE(form.BuildProject().menu.frameName, std::string());
    }

    void onlyTheMenuNameMarksAProjectWithoutAFileChanged() {
        Form1 form;
        const auto marks = [&form](const std::function<void()>& edit) {
            form.Flags().projectChanged = false;
            edit();
            return form.Flags().projectChanged ? '+' : '-';
        };
        const auto edits = [&] {
            QString marked;
            marked += marks([&] { Click(form, "buttonpropopt1"); });
            for (const char* box : {"buttngrurl", "txtw", "txth", "txtalt"}) {
                marked += marks([&] { Type(form, box, "1"); });
            }
            marked += marks([&] { Choose(form, "targetcombo", 2); });
            marked += marks([&] { Type(form, "txtfrm", "main"); });
            marked += marks([&] { Click(form, "menubehavopt1"); });
            marked += marks([&] { Click(form, "menubehavopt0"); });
            marked += marks([&] { Click(form, "buttonpropopt0"); });
            marked += marks([&] { Type(form, "buttontxttxt", "!"); });
            marked += marks([&] { Choose(form, "cmbbttnaln", 0); });
            marked += marks([&] { Type(form, "txtmnm", "2"); });
            return marked;
        };
        QCOMPARE(edits(), QString("------------+"));
        form.Flags().projectHasFile = true;
        QCOMPARE(edits(), QString("++++++++++--+"));

        const model::MenuProject project = form.BuildProject();
        QCOMPARE(project.button, (model::ButtonOptions{model::ButtonKind::Standard, "Go!!", "11",
                                                       "11", "11", "11"}));
        QCOMPARE(project.menu, (model::MenuOptions{"MyMenu22", model::Navigation::OnButtonClick,
                                                   model::LinkTarget::DifferentFrame, "mainmain",
                                                   model::ButtonAlign::Top}));
    }
};

QTEST_MAIN(OptionsPanelTest)
#include "OptionsPanelTest.moc"
