#include "auxwindows/TipsFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "platform/Documents.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QSettings>
#include <QtTest>

using dialogs::TipOfTheDayDialog;
using mainwindow::MainWindow;

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearOpenedDocuments(); }

    void theStartupChoiceIsStoredAtEveryClickAndHonouredAtTheNextStart() {
        QStringList stored;
        {
            MainWindow window;
            QVERIFY(WhenShown<TipOfTheDayDialog>(
                [&window] { window.ShowStartupTip(); },
                [&](TipOfTheDayDialog& tip) {
                    for (int click = 0; click < 3; ++click) {
                        Click(tip, "chkLoadTipsAtStartup");
                        stored << QSettings(environment.path("config/Brindlecote/Quorvane.conf"),
                                            QSettings::IniFormat)
                                      .value("Options/Show Tips at Startup")
                                      .toString();
                    }
                    Click(tip, "cmdOK");
                }));
            QCOMPARE(stored, (QStringList{"0", "1", "0"}));
        }
        // The next start shows none; the Help menu still does.
        MainWindow window;
        {
            ModalScript none;
            window.ShowStartupTip();
            QVERIFY(none.Done());
        }
        QVERIFY(WhenShown<TipOfTheDayDialog>([&window] { Trigger(window, "mnuhlpTips"); },
                                             [](TipOfTheDayDialog& tip) {
                                                 QCOMPARE(States(tip, {"*chkLoadTipsAtStartup"}),
                                                          QString("-"));
                                                 Click(tip, "cmdOK");
                                             }));
        // Without the tips file the window says how to make one.
        int showTips = 1;
        TipOfTheDayDialog without(nullptr, showTips, environment.path("none.txt"));
        QCOMPARE(Texts(without, {"lblTipText"}),
                 QString::fromStdString(auxwindows::MissingTipsText()).replace("\r\n", "\n"));
    }

    void tellFriendsHandsTheFilledBoxesToTheEmailProgram() {
        MainWindow window;
        const auto send = [&window] {
            return WhenShown<dialogs::TellFriendsDialog>(
                [&window] { Trigger(window, "mnuhelptaf"); },
                [](QDialog& tell) {
                    Type(tell, "Text11", "ann@one.example");
                    Type(tell, "Text13", "bob@two.example");
                    Click(tell, "Command1");
                });
        };
        QVERIFY(send());
        QCOMPARE(platform::OpenedDocuments().size(), 1);
        QVERIFY(platform::OpenedDocuments()[0].startsWith(
            "mailto:ann@one.example,bob@two.example?subject=Check out this handy web building"));
        platform::FailOpeningDocuments(true);
        QVERIFY(send());
        platform::FailOpeningDocuments(false);
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|Could not start your email program.|!|Ok"});
    }

    void theAboutLinksOpenTheirAddressesAndLeaveTheWindowOpen() {
        MainWindow window;
        const auto clickLinks = [](dialogs::AboutDialog& about) {
            QTest::mouseClick(Find(about, "Label6"), Qt::LeftButton);
            QTest::mouseClick(Find(about, "Label5"), Qt::LeftButton);
            QVERIFY(about.isVisible());
            Click(about, "Command3");
        };
        QVERIFY(WhenShown<dialogs::AboutDialog>([&window] { Click(window, "about"); }, clickLinks));
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example",
                              "mailto:support@brindlecote.example?subject=Quorvane Support"}));
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "AuxiliaryWindowsTest.moc"
