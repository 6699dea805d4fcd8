#include "style/Notices.h"

#include "mainwindow/Form1.h"
#include "platform/CRegSettings.h"
#include "style/FrmAdvBttnOp.h"
#include "style/frmAdvMnuOp.h"
#include "support/FormControls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QLabel>
#include <QtTest>

using style::Notice;
using style::NoticeWindow;

namespace {

struct NoticeCase {
    Notice notice;
    const char* key;
    QString shown; // name, caption, text, buttons
};

const NoticeCase kNotices[] = {
    {Notice::Browser, "Show IE Message",
     "iemsgfrm|Important Message|Advanced properties (colors, font, etc.) for menus and buttons "
     "will only show up if the menu is viewed in Microsoft Internet Explorer. Netscape always "
     "uses one default font and style for Javascript menu elements.|OK"},
    {Notice::ButtonBorder, "Show Button Border Message",
     "Form4|Important Message|Changing this value has no effect when \"Use Default User System "
     "Button Colors\" is checked. A border is only displayed if you are using non-default "
     "colors.|OK"},
    {Notice::RestoreDefaults, "Show Restore Defaults Message",
     "Form5|Warning|This will restore all values in this dialog to the program default settings. "
     "All current settings will be lost. Do you wish to continue?|Yes|No"},
};

CRegSettings Settings() {
    CRegSettings settings;
    settings.SetAppName("Quorvane");
    settings.SetCompany("Brindlecote");
    return settings;
}

QString Shown(const NoticeWindow& window) {
    QString shown = window.objectName() + '|' + window.windowTitle() + '|' +
                    window.findChild<QLabel*>("Label1")->text();
    for (const char* name : {"Command1", "Command2"}) {
        if (const auto* button = window.findChild<QAbstractButton*>(name)) {
            shown += '|' + button->text();
        }
    }
    return shown;
}

} // namespace

class NoticesTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void eachNoticeWritesItsBoxOnEachButton() {
        for (const NoticeCase& check : kNotices) {
            // A missing key counts as "yes": the notice shows with its box checked.
            Settings().DeleteSetting("Messages", check.key);
            QVERIFY(style::NoticeWanted(check.notice));
            const bool question = check.notice == Notice::RestoreDefaults;
            for (const char* button : {"Command1", "Command2"}) {
                if (!question && QByteArray(button) == "Command2") {
                    continue;
                }
                for (const bool keep : {true, false}) {
                    Settings().SaveSetting("Messages", check.key, "yes");
                    ModalScript user;
                    user.Then<NoticeWindow>([&](NoticeWindow& window) {
                        QCOMPARE(Shown(window), check.shown);
                        auto* box = window.findChild<QCheckBox*>("Check1");
                        QCOMPARE(box->text(), QString("Show this message again in the future."));
                        QVERIFY(box->isChecked());
                        box->setChecked(keep);
                        Click(window, button);
                    });
                    const bool answer = style::ShowNotice(check.notice, nullptr);
                    QVERIFY(user.Done() && user.Unexpected().isEmpty());
                    QCOMPARE(answer, QByteArray(button) == "Command1");
                    QCOMPARE(Settings().GetSetting("Messages", check.key),
                             QString(keep ? "yes" : "no"));
                }
            }

            // The close box writes nothing; for the restore warning it counts as "Yes".
            ModalScript user;
            user.Then<NoticeWindow>([](NoticeWindow& window) {
                window.findChild<QCheckBox*>("Check1")->setChecked(false);
                QVERIFY(window.close());
            });
            Settings().SaveSetting("Messages", check.key, "yes");
            QVERIFY(style::ShowNotice(check.notice, nullptr));
            QVERIFY(user.Done());
            QCOMPARE(Settings().GetSetting("Messages", check.key), QString("yes"));

            // Only "yes" itself lets a notice show.
            Settings().SaveSetting("Messages", check.key, "Yes");
            QVERIFY(style::ShowNotice(check.notice, nullptr));
            QVERIFY(user.Unexpected().isEmpty());
        }
    }

    void theAdvancedButtonsShowTheBrowserNoticeFirst() {
        Settings().SaveSetting("Messages", "Show IE Message", "yes");
        mainwindow::Form1 form;
        ModalScript user;
        user.Then<NoticeWindow>([](NoticeWindow& notice) {
                QCOMPARE(notice.objectName(), QString("iemsgfrm"));
                QCOMPARE(notice.parentWidget(), nullptr);
                notice.findChild<QCheckBox*>("Check1")->setChecked(false);
                Click(notice, "Command1");
            })
            .Then<style::frmAdvMnuOp>([&form](style::frmAdvMnuOp& window) {
                QCOMPARE(window.windowTitle(), QString("Advanced Menu Options"));
                QCOMPARE(window.parentWidget(), &form);
                Click(window, "Command9");
            })
            .Then<style::FrmAdvBttnOp>([](style::FrmAdvBttnOp& window) {
                QCOMPARE(window.windowTitle(), QString("Advanced Button Options"));
                Click(window, "Command8");
            });
        Click(form, "cmdAdvMnu");
        // Silenced, the window opens at once.
        Click(form, "cmdBttnAdv");
        QVERIFY(user.Done() && user.Unexpected().isEmpty());
        QCOMPARE(Settings().GetSetting("Messages", "Show IE Message"), QString("no"));
    }
};

QTEST_MAIN(NoticesTest)
#include "NoticesTest.moc"
