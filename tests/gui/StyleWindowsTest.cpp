#include "dialogs/ButtonStyleDialog.h"
#include "dialogs/MenuStyleDialog.h"
#include "dialogs/NoticeDialog.h"
#include "platform/ProgramSettings.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QFontDatabase>
#include <QSettings>
#include <QSlider>
#include <QtTest>

using dialogs::ButtonStyleDialog;
using dialogs::MenuStyleDialog;
using dialogs::Notice;
using dialogs::NoticeDialog;
using mainwindow::MainWindow;

namespace {

// A notice of the expected name shown over `owner`, answered with `button`.
std::function<void(NoticeDialog&)> Answer(const char* name, const QWidget* owner,
                                          const char* button) {
    return [=](NoticeDialog& notice) {
        QCOMPARE(notice.objectName(), QString(name));
        QCOMPARE(notice.parentWidget(), owner);
        Click(notice, button);
    };
}

} // namespace

class StyleWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane"};

  private slots:
    void init() { settings.clear(); }

    void okHandsTheValuesToTheProjectAndEveryOtherWayOutTakesThemBack() {
        MainWindow window;
        auto& menu = *window.findChild<MenuStyleDialog*>();
        auto& button = *window.findChild<ButtonStyleDialog*>();
        window.Document().MarkSaved(environment.path("menu.qvn"));
        const model::MenuProject before = window.Document().Project();
        const auto edit = [&] {
            Click(menu, "chkmnusysclr");
            Retype(menu, "txtclr0", "12ab9f");
            Find<QSlider>(menu, "Slider1")->setValue(700);
            Click(button, "chkconstbttnsz");
            Type(button, "txtBW", "80");
        };
        // Cancel and the close box take the edits back (the windows share their buttons).
        menu.show();
        button.show();
        edit();
        Click(menu, "Command9");
        QVERIFY(button.close());
        QVERIFY(window.Document().Project() == before && !window.Document().Changed());
        QCOMPARE(Texts(menu, {"txtclr0", "Label16"}) + Texts(button, {"txtBW"}) +
                     States(menu, {"*chkmnusysclr"}) + States(button, {"*chkconstbttnsz"}),
                 QString::fromStdString(before.menuStyle.textColor) + ",500++");
        // OK without a change changes nothing; a committed change marks a project with a file.
        Click(menu, "Command8");
        QVERIFY(!window.Document().Changed());
        edit();
        Click(menu, "Command8");
        Click(button, "Command8");
        model::MenuProject expected = before;
        expected.menuStyle.useSystemColors = 0;
        expected.menuStyle.textColor = "#12AB9F";
        expected.menuStyle.fontWeight = 700;
        expected.buttonStyle.constrainSize = 0;
        expected.buttonStyle.width = "80";
        QVERIFY(window.Document().Project() == expected && window.Document().Changed());
    }

    // Which controls are available is the engine's rule; the windows follow it and keep values.
    void theWindowsFollowTheirRulesAndReactToTheirChoices() {
        MainWindow window;
        auto& menu = *window.findChild<MenuStyleDialog*>();
        const auto menuStates = [&menu] {
            return States(menu, {"txtclr0", "cmdclr1", "txtMW"}) +
                   (Find<QLabel>(menu, "lblclr1")->autoFillBackground() ? '+' : '-') +
                   Texts(menu, {"txtMW", "txtclr1", "Label16"});
        };
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr1", "ABCDEF");
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "2x00");
        Find<QSlider>(menu, "Slider1")->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(menuStates(), QString("++++200,#ABCDEF,510"));
        Click(menu, {"chkconstmnuwdth", "chkmnusysclr"});
        QCOMPARE(menuStates(), QString("----200,#ABCDEF,510"));

        auto& button = *window.findChild<ButtonStyleDialog*>();
        // Each row's box, then the sync boxes, "No Border" and the thickness.
        const auto states = [&button] {
            return States(button, {"txtclr0", "txtclr1", "txtclr2", "txtclr3", "txtclr4", "txtclr5",
                                   "", "Check1", "nbchk", "txtBT"});
        };
        Click(button, {"chksysbttnclr", "nbchk"});
        QCOMPARE(states(), QString("+++-+- +++"));
        // A checked sync box copies its leading row; cleared, it frees the tied row.
        Retype(button, "txtclr2", "102030");
        Click(button, "Check1");
        QCOMPARE(Texts(button, {"txtclr3"}), QString("#102030"));
        Retype(button, "txtclr3", "405060");
        Retype(button, "txtclr2", "708090");
        Click(button, "Check1");
        QCOMPARE(Texts(button, {"txtclr3"}), QString("#708090"));
        // "No Border" empties the thickness; system colours force "No Border".
        Type(button, "txtBT", "4");
        Click(button, "nbchk");
        QCOMPARE(Texts(button, {"txtBT"}), QString());
        Click(button, "nbchk");
        Type(button, "txtBT", "4");
        Click(button, "chksysbttnclr");
        QCOMPARE(states() + Texts(button, {"txtBT"}) + States(button, {"*nbchk"}),
                 QString("------ ---+"));
        // Constraining empties width and height; the size boxes take digits only.
        Click(button, "chkconstbttnsz");
        Type(button, "txtBW", "8a0");
        Find<QComboBox>(button, "combofontsize")->clearEditText();
        QTest::keyClicks(Find<QComboBox>(button, "combofontsize")->lineEdit(), "1x2");
        QCOMPARE(Texts(button, {"txtBW", "combofontsize"}), QString("80,12"));
        Click(button, "chkconstbttnsz");
        QCOMPARE(States(button, {"txtBW", "txtBH"}) + Texts(button, {"txtBW"}), QString("--"));
    }

    void restoreDefaultsAsksFirstAndGivesANewProjectsStyle() {
        MainWindow window;
        auto& menu = *window.findChild<MenuStyleDialog*>();
        auto& button = *window.findChild<ButtonStyleDialog*>();
        Click(menu, "chkmnusysclr");
        Click(button, "chksysbttnclr");
        const auto read = [&] { return std::pair(menu.Read(), button.Read()); };
        const auto edited = read();
        ModalScript user;
        user.Then<NoticeDialog>(Answer("Form5", &menu, "Command2"))
            .Then<NoticeDialog>(Answer("Form5", &button, "Command2"));
        Click(menu, "cmdrestdef");
        Click(button, "cmdrestdef");
        QVERIFY(user.Done() && read() == edited);

        // The colours of the desktop and the font of a new project: "MS Sans Serif" when
        // installed, otherwise the first.
        const model::MenuProject& project = window.Document().Project();
        const QStringList fonts = QFontDatabase::families();
        const QString font = fonts.contains("MS Sans Serif") ? "MS Sans Serif" : fonts.value(0);
        const model::MenuProject fresh =
            model::NewProject({project.menuStyle.textColor, project.menuStyle.backColor,
                               project.buttonStyle.colors, font.toStdString()});
        platform::ProgramSettings().SetNoticeWanted("Show Restore Defaults Message", false);
        Click(menu, {"cmdrestdef", "Command8"});
        Click(button, {"cmdrestdef", "Command8"});
        QVERIFY(user.Done() && project.menuStyle == fresh.menuStyle &&
                project.buttonStyle == fresh.buttonStyle);
    }

    void theBorderThicknessTakesNoKeysWhileSystemColoursAreSet() {
        MainWindow window;
        auto& button = *window.findChild<ButtonStyleDialog*>();
        // Only a project file pairs system colours with a border.
        model::ButtonStyle loaded = window.Document().Project().buttonStyle;
        loaded.noBorder = 0;
        loaded.borderThickness = "3";
        button.Apply(loaded);
        ModalScript user;
        user.Then<NoticeDialog>(Answer("Form4", &button, "Command1"));
        Type(button, "txtBT", "7");
        platform::ProgramSettings().SetNoticeWanted("Show Button Border Message", false);
        Type(button, "txtBT", "7");
        QVERIFY(user.Done());
        QCOMPARE(Texts(button, {"txtBT"}), QString("3"));
    }

    // The close box writes nothing; for the restore warning it counts as "Yes".
    void eachNoticeWritesItsBoxOnItsButtonsButNotOnItsCloseBox() {
        const std::tuple<Notice, const char*, const char*> notices[] = {
            {Notice::Browser, "iemsgfrm", "Show IE Message"},
            {Notice::ButtonBorder, "Form4", "Show Button Border Message"},
            {Notice::RestoreDefaults, "Form5", "Show Restore Defaults Message"}};
        for (const auto& [notice, name, key] : notices) {
            for (const QByteArray button : {"Command1", "Command2", ""}) {
                if (notice != Notice::RestoreDefaults && button == "Command2") {
                    continue;
                }
                init();
                ModalScript user;
                user.Then<NoticeDialog>([&](NoticeDialog& window) {
                    QCOMPARE(window.objectName(), QString(name));
                    auto* box = Find<QCheckBox>(window, "Check1");
                    QVERIFY(box->isChecked());
                    box->setChecked(false);
                    button.isEmpty() ? void(window.close()) : Click(window, button.constData());
                });
                QCOMPARE(dialogs::ShowNotice(notice, nullptr), button != "Command2");
                QVERIFY(user.Done());
                QCOMPARE(settings.value(QString("Messages/") + key).toString(),
                         QString(button.isEmpty() ? "" : "no"));
            }
        }
    }

    void theAdvancedButtonsShowTheBrowserNoticeFirst() {
        MainWindow window;
        ModalScript user;
        user.Then<NoticeDialog>(Answer("iemsgfrm", nullptr, "Command1"))
            .Then<MenuStyleDialog>([&window](MenuStyleDialog& style) {
                QCOMPARE(style.parentWidget(), &window);
                Click(style, "Command9");
            })
            .Then<ButtonStyleDialog>([](ButtonStyleDialog& style) {
                Click(style, {"chkbttnfntIT", "Command8"});
            });
        Click(window, "cmdAdvMnu");
        platform::ProgramSettings().SetNoticeWanted("Show IE Message", false);
        Click(window, "cmdBttnAdv");
        QVERIFY(user.Done());
        QCOMPARE(window.Document().Project().buttonStyle.italic, 1);
    }
};

QTEST_MAIN(StyleWindowsTest)
#include "StyleWindowsTest.moc"
