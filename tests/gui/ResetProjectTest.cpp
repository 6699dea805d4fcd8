#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/CRegSettings.h"
#include "style/FrmAdvBttnOp.h"
#include "style/frmAdvMnuOp.h"
#include "support/FormControls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QFontDatabase>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;

namespace {

std::string Colour(QPalette::ColorRole role) {
    return QApplication::palette().color(role).name().toUpper().toStdString();
}

} // namespace

class ResetProjectTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void aResetProjectIsNewWithEveryDefaultAndAsksNothing() {
        CRegSettings settings;
        settings.SetAppName("Quorvane");
        settings.SetCompany("Brindlecote");
        settings.SaveSetting("Messages", "Show Restore Defaults Message", "yes");

        Form1 form;
        static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model())
            ->AppendItem({"Home", "Yes", "index.html", "No", "Default", "Default", "No"});
        auto& button = *form.findChild<style::FrmAdvBttnOp*>();
        auto& menu = *form.findChild<style::frmAdvMnuOp*>();
        for (const char* name : {"chkbttnfntIT", "chkbttnfntUL", "chksysbttnclr", "nbchk"}) {
            Click(button, name);
        }
        Type(button, "txtBT", "6");
        Click(button, "Command8");
        Click(menu, "chkmnusysclr");
        Click(menu, "Command8");
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "content");
        Click(form, "buttonpropopt1");
        Type(form, "buttngrurl", "go.gif");
        Type(form, "txtw", "40");
        Click(form, "menubehavopt1");
        Type(form, "itemtexttext", "Next");
        Click(form, "notlinkchk");
        form.Flags() = {true, true, false};

        ModalScript user;
        form.ResetProject();
        QVERIFY(user.Unexpected().isEmpty());

        QVERIFY(!form.Flags().projectChanged && !form.Flags().resetInProgress);
        model::StyleDefaults defaults{Colour(QPalette::Text),
                                      Colour(QPalette::Base),
                                      {Colour(QPalette::ButtonText), Colour(QPalette::Button),
                                       Colour(QPalette::Light), Colour(QPalette::Light),
                                       Colour(QPalette::Dark), Colour(QPalette::Dark)},
                                      QFontDatabase::families().value(0).toStdString()};
        QVERIFY(form.BuildProject() == model::NewProject(defaults));
        QString checks;
        for (const char* name : {"chkbttnfntIT", "chkbttnfntUL", "chksysbttnclr", "nbchk"}) {
            checks += button.findChild<QCheckBox*>(name)->isChecked() ? '+' : '-';
        }
        QCOMPARE(checks, QString("--++"));
        QVERIFY(!button.findChild<QCheckBox*>("nbchk")->isEnabled());
        QVERIFY(menu.findChild<QCheckBox*>("chkmnusysclr")->isChecked());

        // The main window shows a new project, with its availability rules run.
        QCOMPARE(form.windowTitle(), QString("Quorvane"));
        QVERIFY(form.isVisible());
        QStringList boxes;
        for (const char* name : {"txtmnm", "txtfrm", "buttontxttxt", "buttngrurl", "txtw",
                                 "itemtexttext", "linktext"}) {
            const auto* box = form.findChild<QLineEdit*>(name);
            boxes << box->text() + (box->isEnabled() ? "" : "~");
        }
        QCOMPARE(boxes, (QStringList{"", "~", "Go", "~", "~", "", ""}));
        QVERIFY(!form.findChild<QCheckBox*>("notlinkchk")->isChecked());
        QVERIFY(form.findChild<QWidget*>("cmdBttnAdv")->isEnabled());
        QTRY_VERIFY(form.findChild<QWidget*>("itemtexttext")->hasFocus());
    }
};

QTEST_MAIN(ResetProjectTest)
#include "ResetProjectTest.moc"
