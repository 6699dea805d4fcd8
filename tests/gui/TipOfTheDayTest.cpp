#include "auxwindows/TipsFile.h"
#include "auxwindows/frmTip.h"
#include "mainwindow/Form1.h"
#include "platform/CRegSettings.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QSet>
#include <QtTest>

using auxwindows::frmTip;

namespace {

QString TipText(const frmTip& window) {
    return window.findChild<QLabel*>("lblTipText")->text();
}

// The tip shown on opening, then the one after each of `clicks` presses of "Next Tip".
QStringList ShownTips(frmTip& window, int clicks) {
    QStringList shown{TipText(window)};
    for (int click = 0; click < clicks; ++click) {
        Click(window, "cmdNextTip");
        shown << TipText(window);
    }
    return shown;
}

QSet<QString> Distinct(const QStringList& texts) {
    return {texts.begin(), texts.end()};
}

QString StoredChoice() {
    CRegSettings settings;
    settings.SetAppName("Quorvane");
    settings.SetCompany("Brindlecote");
    return settings.GetSetting("Options", "Show Tips at Startup", "missing");
}

bool StartupBoxChecked(const frmTip& window) {
    return window.findChild<QCheckBox*>("chkLoadTipsAtStartup")->isChecked();
}

// Opens the start-up tip of a freshly started main window; tells whether it showed.
bool TipShownAtStart(const std::function<void(frmTip&)>& act) {
    mainwindow::Form1 form;
    const auto acted = WhenModalShows<frmTip>(act);
    form.ShowStartupTip();
    QCoreApplication::processEvents();
    return *acted;
}

} // namespace

class TipOfTheDayTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

    QString TipsFile(const QString& name, const QByteArray& bytes) const {
        QFile file(environment.path(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
            return {};
        }
        return file.fileName();
    }

  private slots:
    void tipsComeFromTheFileInRandomOrderWithRepeats() {
        int showTips = 1;
        frmTip window(nullptr, showTips,
                      TipsFile("three.txt", "First tip.\r\nSecond tip.\r\nThird tip.\r\n"));
        QCOMPARE(window.windowTitle(), QString("Quorvane Tip of the Day"));
        QCOMPARE(window.findChild<QLabel*>("Label1")->text(), QString("Did you know..."));
        QCOMPARE(window.findChild<QCheckBox*>("chkLoadTipsAtStartup")->text(),
                 QString("&Show Tips at Startup"));
        QCOMPARE(window.findChild<QAbstractButton*>("cmdNextTip")->text(), QString("&Next Tip"));
        QCOMPARE(window.findChild<QAbstractButton*>("cmdOK")->text(), QString("OK"));
        QVERIFY(!window.findChild<QLabel*>("Picture1")->pixmap().isNull());

        const QStringList shown = ShownTips(window, 80);
        QCOMPARE(Distinct(shown), (QSet<QString>{"First tip.", "Second tip.", "Third tip."}));
        bool sameTwiceInARow = false;
        for (qsizetype i = 1; i < shown.size(); ++i) {
            sameTwiceInARow = sameTwiceInARow || shown[i] == shown[i - 1];
        }
        QVERIFY(sameTwiceInARow);

        Click(window, "cmdOK");
        QCOMPARE(window.result(), int(QDialog::Accepted));
    }

    void emptyLinesAreTipsOfTheirOwn() {
        int showTips = 1;
        frmTip blankBetween(nullptr, showTips, TipsFile("blank.txt", "Above.\n\nBelow.\n"));
        QCOMPARE(Distinct(ShownTips(blankBetween, 80)), (QSet<QString>{"Above.", "", "Below."}));

        frmTip noLines(nullptr, showTips, TipsFile("empty.txt", ""));
        QCOMPARE(Distinct(ShownTips(noLines, 3)), QSet<QString>{""});
    }

    void withoutTheFileTheWindowSaysHowToMakeOne() {
        const QString expected =
            QString::fromStdString(auxwindows::MissingTipsText()).replace("\r\n", "\n");
        QVERIFY(expected.startsWith("That the qvntips.txt file was not found? \n\nCreate"));
        int showTips = 0;
        for (const QString& path : {environment.path("none.txt"), QString(), environment.path()}) {
            frmTip window(nullptr, showTips, path);
            QCOMPARE(ShownTips(window, 2), QStringList(3, expected));
            QVERIFY(!StartupBoxChecked(window));
        }
    }

    void theStartupChoiceIsStoredAtEveryClickAndHonouredAtTheNextStart() {
        // No choice stored yet: the tip shows, its box checked.
        QVERIFY(TipShownAtStart([](frmTip& window) {
            QVERIFY(StartupBoxChecked(window));
            QStringList stored;
            for (int click = 0; click < 3; ++click) {
                Click(window, "chkLoadTipsAtStartup");
                stored << StoredChoice();
            }
            QCOMPARE(stored, (QStringList{"0", "1", "0"}));
            Click(window, "cmdOK");
        }));

        // The next start shows no tip; the Help menu still does, with the box clear, and the
        // main window follows a click at once.
        {
            mainwindow::Form1 form;
            const auto stillOff = WhenModalShows<frmTip>([](frmTip& window) {
                QVERIFY(!StartupBoxChecked(window));
                Click(window, "chkLoadTipsAtStartup");
                Click(window, "cmdOK");
            });
            form.ShowStartupTip();
            QCoreApplication::processEvents();
            QVERIFY(!*stillOff);

            const auto fromMenu = WhenModalShows<frmTip>([](frmTip& window) {
                QVERIFY(!StartupBoxChecked(window));
                Click(window, "chkLoadTipsAtStartup");
                Click(window, "cmdOK");
            });
            Trigger(form, "mnuhlpTips");
            QVERIFY(*fromMenu);
            QCOMPARE(StoredChoice(), QString("1"));
            const auto again = WhenModalShows<frmTip>([](frmTip& window) {
                QVERIFY(StartupBoxChecked(window));
                Click(window, "cmdOK");
            });
            Trigger(form, "mnuhlpTips");
            QVERIFY(*again);
        }

        QVERIFY(TipShownAtStart([](frmTip& window) { Click(window, "cmdOK"); }));
    }
};

QTEST_MAIN(TipOfTheDayTest)
#include "TipOfTheDayTest.moc"
