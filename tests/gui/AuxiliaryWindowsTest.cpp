#include "auxwindows/TipsFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "platform/Documents.h"
#include "platform/ProgramSettings.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QSet>
#include <QtTest>

using dialogs::AboutDialog;
using dialogs::TellFriendsDialog;
using dialogs::TipOfTheDayDialog;
using mainwindow::MainWindow;

namespace {

// The tip shown on opening, then the one after each of `clicks` presses of "Next Tip".
QStringList ShownTips(TipOfTheDayDialog& window, int clicks) {
    QStringList shown{Texts(window, {"lblTipText"})};
    for (int click = 0; click < clicks; ++click) {
        Click(window, "cmdNextTip");
        shown << Texts(window, {"lblTipText"});
    }
    return shown;
}

} // namespace

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::ClearOpenedDocuments();
        platform::ClearShownMessages();
        platform::FailOpeningDocuments(false);
    }

    void tipsComeFromTheFileInRandomOrderWithRepeats() {
        int showTips = 1;
        TipOfTheDayDialog window(
            nullptr, showTips, environment.Write("three.txt", "First tip.\r\n\r\nThird tip.\r\n"));
        const QStringList shown = ShownTips(window, 80);
        QCOMPARE(QSet<QString>(shown.begin(), shown.end()),
                 (QSet<QString>{"First tip.", "", "Third tip."}));
        bool sameTwiceInARow = false;
        for (qsizetype i = 1; i < shown.size(); ++i) {
            sameTwiceInARow = sameTwiceInARow || shown[i] == shown[i - 1];
        }
        QVERIFY(sameTwiceInARow);

        // Without the file the window says how to make one.
        const QString missing =
            QString::fromStdString(auxwindows::MissingTipsText()).replace("\r\n", "\n");
        for (const QString& path : {environment.path("none.txt"), QString(), environment.path()}) {
            TipOfTheDayDialog without(nullptr, showTips, path);
            QCOMPARE(ShownTips(without, 1), QStringList(2, missing));
        }
    }

    void theStartupChoiceIsStoredAtEveryClickAndHonouredAtTheNextStart() {
        QStringList stored;
        {
            MainWindow window;
            QVERIFY(WhenShown<TipOfTheDayDialog>(
                [&window] { window.ShowStartupTip(); },
                [&stored](TipOfTheDayDialog& tip) {
                    QCOMPARE(States(tip, {"chkLoadTipsAtStartup"}, true), QString("+"));
                    for (int click = 0; click < 3; ++click) {
                        Click(tip, "chkLoadTipsAtStartup");
                        stored << platform::ProgramSettings().ShowTipsAtStartup();
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
            QVERIFY(none.Unexpected().isEmpty());
        }
        const auto unchecked = [](TipOfTheDayDialog& tip) {
            QCOMPARE(States(tip, {"chkLoadTipsAtStartup"}, true), QString("-"));
            Click(tip, "cmdOK");
        };
        QVERIFY(
            WhenShown<TipOfTheDayDialog>([&window] { Trigger(window, "mnuhlpTips"); }, unchecked));
    }

    void tellFriendsHandsTheFilledBoxesToTheEmailProgram() {
        MainWindow window;
        const auto open = [&window] { Trigger(window, "mnuhelptaf"); };
        QVERIFY(WhenShown<TellFriendsDialog>(open, [](TellFriendsDialog& tell) {
            Type(tell, "Text11", "ann@one.example");
            Type(tell, "Text13", "bob@two.example");
            Click(tell, "Command1");
        }));
        QVERIFY(WhenShown<TellFriendsDialog>(open, [](TellFriendsDialog& tell) {
            Type(tell, "Text10", "ann@one.example");
            Click(tell, "Command2");
        }));
        QCOMPARE(platform::OpenedDocuments().size(), 1);
        QVERIFY(platform::OpenedDocuments()[0].startsWith(
            "mailto:ann@one.example,bob@two.example?subject=Check out this handy web building"));

        // Without an e-mail program, Send says so and closes.
        platform::FailOpeningDocuments(true);
        QVERIFY(WhenShown<TellFriendsDialog>(
            open, [](TellFriendsDialog& tell) { Click(tell, "Command1"); }));
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|Could not start your email program.|!|Ok"});
    }

    void theAboutLinksOpenTheirAddressesAndLeaveTheWindowOpen() {
        MainWindow window;
        const auto clickLinks = [](AboutDialog& about) {
            for (const char* name : {"Label6", "Label5"}) {
                auto* link = Find<QLabel>(about, name);
                QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                QTest::mouseClick(link, Qt::LeftButton);
            }
            // A right click or a press dragged off the link opens nothing; Enter on the focused
            // link does.
            auto* site = Find<QLabel>(about, "Label6");
            QTest::mouseClick(site, Qt::RightButton);
            QTest::mousePress(site, Qt::LeftButton);
            QTest::mouseRelease(site, Qt::LeftButton, {}, QPoint(-5, -5));
            site->setFocus();
            QTest::keyClick(site, Qt::Key_Return);
            QVERIFY(about.isVisible());
            Click(about, "Command3");
        };
        QVERIFY(WhenShown<AboutDialog>([&window] { Click(window, "about"); }, clickLinks));
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example",
                              "mailto:support@brindlecote.example?subject=Quorvane Support",
                              "https://www.brindlecote.example"}));
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "AuxiliaryWindowsTest.moc"
