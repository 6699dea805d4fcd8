#include "auxwindows/FrmAbt.h"
#include "auxwindows/frmTAF.h"
#include "mainwindow/Form1.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"
#include "support/WhenModalShows.h"

#include <QLabel>
#include <QtTest>

using auxwindows::FrmAbt;
using auxwindows::frmTAF;

namespace {

const QString kMessage =
    "?subject=Check out this handy web building tool!&body=Hi. Thought you might be interested "
    "in Quorvane. Helps you build navigational menus for your web site with no programming "
    "knowledge. Get more details here: https://www.brindlecote.example/qvn.shtml.";

QString Caption(const QObject& window, const char* name) {
    if (const auto* label = window.findChild<QLabel*>(name)) {
        return label->text();
    }
    return window.findChild<QAbstractButton*>(name)->text();
}

// Runs `act` on the tell-friends window opened from the Help menu; tells whether it closed.
bool TellFriends(mainwindow::Form1& form, const std::function<void(frmTAF&)>& act) {
    const auto acted = WhenModalShows<frmTAF>(act);
    Trigger(form, "mnuhelptaf");
    return *acted && QApplication::activeModalWidget() == nullptr;
}

} // namespace

class TellFriendsAndAboutTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::ClearOpenedDocuments();
        platform::ClearShownMessages();
        platform::FailOpeningDocuments(false);
    }

    void sendHandsTheFilledBoxesToTheEmailProgram() {
        mainwindow::Form1 form;
        QVERIFY(TellFriends(form, [](frmTAF& window) {
            QCOMPARE(window.windowTitle(), QString("Tell your friends about Quorvane"));
            QCOMPARE(Caption(window, "Label2") + '|' + Caption(window, "Command1") + '|' +
                         Caption(window, "Command2"),
                     QString("Your friends' email addresses:|Send|Cancel"));
            Type(window, "Text11", "ann@one.example");
            Type(window, "Text13", "bob@two.example");
            Click(window, "Command1");
        }));
        QCOMPARE(platform::OpenedDocuments(),
                 QStringList{"mailto:ann@one.example,bob@two.example" + kMessage});
        QVERIFY(platform::ShownMessages().empty());

        // Every box left empty: a message without recipients.
        QVERIFY(TellFriends(form, [](frmTAF& window) { Click(window, "Command1"); }));
        QCOMPARE(platform::OpenedDocuments().last(), "mailto:" + kMessage);

        // Cancel sends nothing, whatever was typed.
        QVERIFY(TellFriends(form, [](frmTAF& window) {
            Type(window, "Text10", "ann@one.example");
            Click(window, "Command2");
        }));
        QCOMPARE(platform::OpenedDocuments().size(), 2);
        QVERIFY(platform::ShownMessages().empty());
    }

    void withoutAnEmailProgramSendSaysSoAndCloses() {
        mainwindow::Form1 form;
        platform::FailOpeningDocuments(true);
        QVERIFY(TellFriends(form, [](frmTAF& window) {
            Type(window, "Text14", "ann@one.example");
            Click(window, "Command1");
        }));
        QCOMPARE(platform::OpenedDocuments(), QStringList{"mailto:ann@one.example" + kMessage});
        QCOMPARE(platform::ShownMessages().size(), 1u);
        QCOMPARE(platform::ShownMessages()[0].message,
                 (model::UserMessage{"Oops!", "Could not start your email program.",
                                     model::MessageIcon::Exclamation}));
        QCOMPARE(platform::ShownMessages()[0].buttons, platform::MessageButtons::Ok);
    }

    void theAboutLinksOpenTheirAddressesAndLeaveTheWindowOpen() {
        mainwindow::Form1 form;
        for (const char* command : {"mnuHlpAb", "about"}) {
            platform::ClearOpenedDocuments();
            const auto acted = WhenModalShows<FrmAbt>([](FrmAbt& window) {
                QCOMPARE(window.windowTitle(), QString("About..."));
                QCOMPARE(Caption(window, "Label7"), QString("Version 2.5"));
                QCOMPARE(Caption(window, "Label3"),
                         QString("Find more great software from Brindlecote at:"));
                QCOMPARE(Caption(window, "Command3"), QString("OK"));
                for (const char* picture : {"Picture1", "Picture2"}) {
                    QVERIFY(!window.findChild<QLabel*>(picture)->pixmap().isNull());
                }
                for (const char* name : {"Label6", "Label5"}) {
                    auto* link = window.findChild<QLabel*>(name);
                    QCOMPARE(link->palette().color(QPalette::WindowText), QColor(Qt::blue));
                    QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
                    QTest::mouseClick(link, Qt::LeftButton);
                    QVERIFY(window.isVisible());
                }
                QCOMPARE(Caption(window, "Label6"), QString("www.brindlecote.example"));
                QCOMPARE(Caption(window, "Label5"), QString("support@brindlecote.example"));
                // A right click or a press dragged off the link opens nothing; Enter on the
                // focused link does.
                auto* site = window.findChild<QLabel*>("Label6");
                QTest::mouseClick(site, Qt::RightButton);
                QTest::mousePress(site, Qt::LeftButton);
                QTest::mouseRelease(site, Qt::LeftButton, {}, QPoint(-5, -5));
                site->setFocus();
                QTest::keyClick(site, Qt::Key_Return);
                QVERIFY(window.isVisible());
                Click(window, "Command3");
            });
            Trigger(form, command);
            QVERIFY(*acted);
            QCOMPARE(platform::OpenedDocuments(),
                     (QStringList{"https://www.brindlecote.example",
                                  "mailto:support@brindlecote.example?subject=Quorvane Support",
                                  "https://www.brindlecote.example"}));
        }
    }
};

QTEST_MAIN(TellFriendsAndAboutTest)
#include "TellFriendsAndAboutTest.moc"
