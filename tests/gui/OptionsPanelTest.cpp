#include "mainwindow/Form1.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
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

// The button tab: the kind options, the standard button's controls, the graphic's.
QString ButtonTab(const Form1& form) {
    return Available(form, {"buttonpropopt0", "buttonpropopt1"}) + ' ' +
           Available(form, {"buttontxtlbl", "buttontxttxt", "cmdBttnAdv"}) + ' ' +
           Available(form, {"buttngrurllbl", "buttngrurl", "lblw", "txtw", "lblh", "txth", "lblalt",
                            "txtalt"});
}

} // namespace

class OptionsPanelTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void availabilityFollowsNavigationAndButtonKind() {
        Form1 form;
        auto* tabs = form.findChild<QTabWidget*>("SSTab1");
        QCOMPARE(ButtonTab(form), QString("++ +++ --------"));
        QCOMPARE(Available(form, {"lblbttnaln", "cmbbttnaln"}), QString("++"));
        QVERIFY(tabs->isTabEnabled(1));

        Click(form, "buttonpropopt1");
        QCOMPARE(ButtonTab(form), QString("++ --- ++++++++"));

        Click(form, "menubehavopt1");
        QCOMPARE(ButtonTab(form), QString("-- --- --------"));
        QCOMPARE(Available(form, {"lblbttnaln", "cmbbttnaln"}), QString("--"));
        QVERIFY(!tabs->isTabEnabled(1));

        // Back on button click, the controls of the kind chosen before return.
        Click(form, "menubehavopt0");
        QCOMPARE(ButtonTab(form), QString("++ --- ++++++++"));
        QCOMPARE(Available(form, {"lblbttnaln", "cmbbttnaln"}), QString("++"));
        QVERIFY(tabs->isTabEnabled(1));

        Click(form, "buttonpropopt0");
        QCOMPARE(ButtonTab(form), QString("++ +++ --------"));
        Click(form, "menubehavopt1");
        Click(form, "menubehavopt0");
        QCOMPARE(ButtonTab(form), QString("++ +++ --------"));
        QCOMPARE(form.BuildProject().button.buttonKind, model::ButtonKind::Standard);
        QCOMPARE(form.BuildProject().menu.navigation, model::Navigation::OnButtonClick);
    }

    void onlyADifferentFrameTakesAFrameName() {
        Form1 form;
        QCOMPARE(Available(form, {"lblfrm", "txtfrm"}), QString("--"));

        Choose(form, "targetcombo", 2);
        QCOMPARE(Available(form, {"lblfrm", "txtfrm"}), QString("++"));
        Type(form, "txtfrm", "content");
        QCOMPARE(form.BuildProject().menu.frameName, std::string("content"));
        QCOMPARE(form.BuildProject().menu.linkTarget, model::LinkTarget::DifferentFrame);

        Choose(form, "targetcombo", 0);
        QCOMPARE(Available(form, {"lblfrm", "txtfrm"}), QString("--"));
        QCOMPARE(form.findChild<QLineEdit*>("txtfrm")->text(), QString());

        Choose(form, "targetcombo", 2);
        QCOMPARE(Available(form, {"lblfrm", "txtfrm"}), QString("++"));
        QCOMPARE(form.findChild<QLineEdit*>("txtfrm")->text(), QString());

        Type(form, "txtfrm", "content");
        Choose(form, "targetcombo", 1);
        QCOMPARE(form.BuildProject().menu.frameName, std::string());
        QCOMPARE(form.BuildProject().menu.linkTarget, model::LinkTarget::NewWindow);
    }

    void theMenuNameAlwaysMarksTheProjectChanged() {
        Form1 form;
        QVERIFY(!form.Flags().projectChanged);
        Type(form, "txtmnm", "2");
        QVERIFY(form.Flags().projectChanged);
        QCOMPARE(form.BuildProject().menu.menuName, std::string("MyMenu2"));
    }

    void otherOptionsMarkOnlyAProjectWithAFile() {
        Form1 form;
        // A project never saved or loaded stays unchanged by the options.
        Click(form, "buttonpropopt1");
        Type(form, "buttngrurl", "go.gif");
        Type(form, "txtw", "40");
        Type(form, "txth", "20");
        Type(form, "txtalt", "Go");
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "main");
        Click(form, "menubehavopt1");
        Click(form, "menubehavopt0");
        QVERIFY(!form.Flags().projectChanged);
        const model::ButtonOptions button = form.BuildProject().button;
        QCOMPARE(button, (model::ButtonOptions{model::ButtonKind::Graphic, "Go", "go.gif", "40",
                                               "20", "Go"}));

        form.Flags().projectHasFile = true;
        const auto marks = [&form](const std::function<void()>& edit) {
            form.Flags().projectChanged = false;
            edit();
            return form.Flags().projectChanged;
        };
        QVERIFY(marks([&] { Type(form, "buttngrurl", "x"); }));
        QVERIFY(marks([&] { Type(form, "txtw", "1"); }));
        QVERIFY(marks([&] { Type(form, "txth", "1"); }));
        QVERIFY(marks([&] { Type(form, "txtalt", "x"); }));
        QVERIFY(marks([&] { Type(form, "txtfrm", "x"); }));
        QVERIFY(marks([&] { Click(form, "menubehavopt1"); }));
        QVERIFY(marks([&] { Click(form, "menubehavopt0"); }));
        QVERIFY(marks([&] { Click(form, "buttonpropopt0"); }));
        QVERIFY(marks([&] { Choose(form, "targetcombo", 1); }));
        // The button text and the alignment never do.
        QVERIFY(!marks([&] { Type(form, "buttontxttxt", "!"); }));
        QVERIFY(!marks([&] { Choose(form, "cmbbttnaln", 0); }));
        QCOMPARE(form.BuildProject().button.buttonText, std::string("Go!"));
        QCOMPARE(form.BuildProject().menu.buttonAlign, model::ButtonAlign::Top);
    }
};

QTEST_MAIN(OptionsPanelTest)
#include "OptionsPanelTest.moc"
