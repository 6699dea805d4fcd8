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

// Opens the tip window with `open`, clicks its start-up box `clicks` times noting the stored
// choice after each click, and closes it. Gives the box's state on opening, or nothing when no
// window opened.
std::optional<bool> OpenTip(const std::function<void()>& open, int clicks = 0,
                            QStringList* stored = nullptr) {
    std::optional<bool> checked;
    WhenModalShows<frmTip>([&](frmTip& window) {
        checked = StartupBoxChecked(window);
        for (int click = 0; click < clicks; ++click) {
            Click(window, "chkLoadTipsAtStartup");
            if (stored != nullptr) {
                *stored << StoredChoice();
            }
        }
        Click(window, "cmdOK");
    });
    open();
    QCoreApplication::processEvents();
    return checked;
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
        // Nothing stored yet: the tip shows at start-up with its box checked.
        {
            mainwindow::Form1 form;
            QStringList stored;
            QCOMPARE(OpenTip([&form] { form.ShowStartupTip(); }, 3, &stored), true);
            QCOMPARE(stored, (QStringList{"0", "1", "0"}));
        }
        // The next start shows none; the Help menu still does, and the main window follows the
        // box at once.
        {
            mainwindow::Form1 form;
            QCOMPARE(OpenTip([&form] { form.ShowStartupTip(); }), std::nullopt);
            QCOMPARE(OpenTip([&form] { Trigger(form, "mnuhlpTips"); }, 1), false);
            QCOMPARE(OpenTip([&form] { Trigger(form, "mnuhlpTips"); }), true);
        }
        mainwindow::Form1 form;
        QCOMPARE(OpenTip([&form] { form.ShowStartupTip(); }), true);
    }
};

QTEST_MAIN(TipOfTheDayTest)
#include "TipOfTheDayTest.moc"
