#include "auxwindows/TipsFile.h"
#include "dialogs/AboutDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramSettings.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QLabel>
#include <QSet>
#include <QtTest>

using dialogs::AboutDialog;
using dialogs::TellFriendsDialog;
using dialogs::TipOfTheDayDialog;
using mainwindow::MainWindow;

namespace {

const QString kMessage =
    "?subject=Check out this handy web building tool!&body=Hi. Thought you might be interested "
    "in Quorvane. Helps you build navigational menus for your web site with no programming "
    "knowledge. Get more details here: https://www.brindlecote.example/qvn.shtml.";

QString Caption(const QObject& window, const char* name) {
    if (const auto* label = window.findChild<QLabel*>(name)) {
        return label->text();
    }
    return Find<QAbstractButton>(window, name)->text();
}

// The tip shown on opening, then the one after each of `clicks` presses of "Next Tip".
QStringList ShownTips(TipOfTheDayDialog& window, int clicks) {
    QStringList shown{Caption(window, "lblTipText")};
    for (int click = 0; click < clicks; ++click) {
        Click(window, "cmdNextTip");
        shown << Caption(window, "lblTipText");
    }
    return shown;
}

QSet<QString> Distinct(const QStringList& texts) {
    return {texts.begin(), texts.end()};
}

// Runs `act` on the modal window of type T that `open` shows; false when none came or it stayed.
template <typename T>
bool WhenShown(const std::function<void()>& open, std::function<void(T&)> act) {
    ModalScript user;
    user.Then<T>(std::move(act));
    open();
    return user.Done() && user.Unexpected().isEmpty();
}

} // namespace

class AuxiliaryWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString TipsFile(const QString& name, const QByteArray& bytes) const {
        QFile file(environment.path(name));
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()
                   ? file.fileName()
                   : QString();
    }

  private slots:
    void init() {
        platform::ClearOpenedDocuments();
        platform::ClearShownMessages();
        platform::FailOpeningDocuments(false);
    }

    void tipsComeFromTheFileInRandomOrderWithRepeats() {
        int showTips = 1;
        TipOfTheDayDialog window(nullptr, showTips,
                                 TipsFile("three.txt", "First tip.\r\n\r\nThird tip.\r\n"));
        QCOMPARE(
            window.windowTitle() + '|' + Caption(window, "Label1") + '|' +
                Caption(window, "chkLoadTipsAtStartup") + '|' + Caption(window, "cmdNextTip"),
            QString("Quorvane Tip of the Day|Did you know...|&Show Tips at Startup|&Next Tip"));
        const QStringList shown = ShownTips(window, 80);
        QCOMPARE(Distinct(shown), (QSet<QString>{"First tip.", "", "Third tip."}));
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
        // Checks the box's state on opening, clicks it and notes the stored choice after each.
        const auto clickBox = [](bool checked, int clicks, QStringList* stored) {
            return [checked, clicks, stored](TipOfTheDayDialog& window) {
                QCOMPARE(Find<QCheckBox>(window, "chkLoadTipsAtStartup")->isChecked(), checked);
                for (int click = 0; click < clicks; ++click) {
                    Click(window, "chkLoadTipsAtStartup");
                    *stored << platform::ProgramSettings().ShowTipsAtStartup();
                }
                Click(window, "cmdOK");
            };
        };
        QStringList stored;
        {
            MainWindow window;
            QVERIFY(WhenShown<TipOfTheDayDialog>([&window] { window.ShowStartupTip(); },
                                                 clickBox(true, 3, &stored)));
            QCOMPARE(stored, (QStringList{"0", "1", "0"}));
        }
        // The next start shows none; the Help menu still does.
        MainWindow window;
        {
            ModalScript none;
            window.ShowStartupTip();
            QVERIFY(none.Unexpected().isEmpty());
        }
        QVERIFY(WhenShown<TipOfTheDayDialog>([&window] { Trigger(window, "mnuhlpTips"); },
                                             clickBox(false, 0, nullptr)));
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
        QCOMPARE(platform::OpenedDocuments(),
                 QStringList{"mailto:ann@one.example,bob@two.example" + kMessage});
        QVERIFY(platform::ShownMessages().empty());

        // Without an e-mail program, Send says so and closes.
        platform::FailOpeningDocuments(true);
        QVERIFY(WhenShown<TellFriendsDialog>(
            open, [](TellFriendsDialog& tell) { Click(tell, "Command1"); }));
        QCOMPARE(platform::OpenedDocuments().last(), "mailto:" + kMessage);
        QCOMPARE(platform::ShownMessages().size(), 1u);
        QCOMPARE(platform::ShownMessages()[0].message,
                 (model::UserMessage{"Oops!",
                                     "Could not start your email program.",
                                     model::MessageIcon::Exclamation,
                                     {}}));
    }

    void theAboutLinksOpenTheirAddressesAndLeaveTheWindowOpen() {
        MainWindow window;
        QVERIFY(WhenShown<AboutDialog>(
            [&window] { Click(window, "about"); },
            [](AboutDialog& about) {
                QCOMPARE(about.windowTitle() + '|' + Caption(about, "Label7") + '|' +
                             Caption(about, "Label6") + '|' + Caption(about, "Label5"),
                         QString("About...|Version 2.5|www.brindlecote.example|"
                                 "support@brindlecote.example"));
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
            }));
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example",
                              "mailto:support@brindlecote.example?subject=Quorvane Support",
                              "https://www.brindlecote.example"}));
    }
};

QTEST_MAIN(AuxiliaryWindowsTest)
#include "AuxiliaryWindowsTest.moc"
