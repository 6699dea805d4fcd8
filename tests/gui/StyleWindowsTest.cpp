#include "dialogs/ButtonStyleDialog.h"
#include "dialogs/MenuStyleDialog.h"
#include "dialogs/NoticeDialog.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramSettings.h"
#include "support/Controls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QFontDatabase>
#include <QLabel>
#include <QSettings>
#include <QSlider>
#include <QtTest>

using dialogs::ButtonStyleDialog;
using dialogs::MenuStyleDialog;
using dialogs::Notice;
using dialogs::NoticeDialog;
using mainwindow::MainWindow;

namespace {

// The texts of boxes, labels and lists, joined by ",".
QString Texts(const QObject& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        const auto* control = Find<QObject>(window, name);
        if (const auto* box = qobject_cast<const QLineEdit*>(control)) {
            texts << box->text();
        } else if (const auto* label = qobject_cast<const QLabel*>(control)) {
            texts << label->text();
        } else {
            texts << qobject_cast<const QComboBox*>(control)->currentText();
        }
    }
    return texts.join(',');
}

void TypeSize(const QObject& window, const QString& keys) {
    auto* box = Find<QComboBox>(window, "combofontsize")->lineEdit();
    box->clear();
    QTest::keyClicks(box, keys);
}

void SetNotice(const char* key, bool wanted) {
    platform::ProgramSettings().SetNoticeWanted(key, wanted);
}

template <typename Window>
Window& StyleWindow(const MainWindow& window) {
    return *window.findChild<Window*>();
}

struct NoticeCase {
    Notice notice;
    const char* window;
    const char* key;
};

const NoticeCase kNotices[] = {
    {Notice::Browser, "iemsgfrm", "Show IE Message"},
    {Notice::ButtonBorder, "Form4", "Show Button Border Message"},
    {Notice::RestoreDefaults, "Form5", "Show Restore Defaults Message"},
};

} // namespace

class StyleWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        for (const NoticeCase& notice : kNotices) {
            SetNotice(notice.key, true);
        }
    }

    void okHandsTheValuesToTheProjectAndEveryOtherWayOutTakesThemBack() {
        MainWindow window;
        auto& menu = StyleWindow<MenuStyleDialog>(window);
        auto& button = StyleWindow<ButtonStyleDialog>(window);
        window.Document().MarkSaved(environment.path("menu.qvn"));
        const model::MenuProject before = window.Document().Project();
        const auto edit = [&] {
            Click(menu, "chkmnusysclr");
            Retype(menu, "txtclr0", "12ab9f");
            Find<QSlider>(menu, "Slider1")->setValue(700);
            Click(button, "chkconstbttnsz");
            Type(button, "txtBW", "80");
        };
        for (const bool closeBox : {false, true}) {
            menu.show();
            button.show();
            edit();
            if (closeBox) {
                QVERIFY(menu.close() && button.close());
            } else {
                Click(menu, "Command9");
                Click(button, "Command9");
            }
            QVERIFY(window.Document().Project() == before && !window.Document().Changed());
            QCOMPARE(Texts(menu, {"txtclr0", "Label16"}) + Texts(button, {"txtBW"}),
                     QString::fromStdString(before.menuStyle.textColor) + ",500");
            QCOMPARE(States(menu, {"chkmnusysclr"}, true) +
                         States(button, {"chkconstbttnsz"}, true),
                     QString("++"));
        }
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

    void theWindowsShowWhatTheirChoicesAllowWithoutChangingValues() {
        MainWindow window;
        auto& menu = StyleWindow<MenuStyleDialog>(window);
        const auto menuStates = [&menu] {
            return States(menu,
                          {"lbldesc0", "txtclr0", "cmdclr0", "lbldesc1", "txtclr1", "cmdclr1"}) +
                   (Find<QLabel>(menu, "lblclr1")->autoFillBackground() ? '+' : '-') + ' ' +
                   States(menu, {"Label17", "txtMW", "Label20"});
        };
        QCOMPARE(menuStates(), QString("------- ---"));
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr1", "ABCDEF");
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "2x00");
        QCOMPARE(menuStates(), QString("+++++++ +++"));
        Click(menu, "chkconstmnuwdth");
        Click(menu, "chkmnusysclr");
        QCOMPARE(menuStates() + ' ' + Texts(menu, {"txtMW", "txtclr1"}),
                 QString("------- --- 200,#ABCDEF"));
        Find<QSlider>(menu, "Slider1")->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(Texts(menu, {"Label16", "combofontsize"}), QString("510,13"));

        auto& button = StyleWindow<ButtonStyleDialog>(window);
        // Each row's box, then the sync boxes, "No Border" and the thickness with its labels.
        const auto states = [&button] {
            return States(button,
                          {"txtclr0", "txtclr1", "txtclr2", "txtclr3", "txtclr4", "txtclr5", "",
                           "Check1", "Check2", "nbchk", "", "Label18", "txtBT", "Label22"});
        };
        QCOMPARE(states(), QString("------ --- ---"));
        Click(button, "chksysbttnclr");
        QCOMPARE(states(), QString("++---- --+ ---"));
        Click(button, "nbchk");
        QCOMPARE(states(), QString("+++-+- +++ +++"));
        // A checked sync box copies its leading row; cleared, it frees the tied row.
        Retype(button, "txtclr2", "102030");
        Click(button, "Check1");
        QCOMPARE(states() + Texts(button, {"txtclr3"}), QString("+++++- +++ +++#102030"));
        Retype(button, "txtclr3", "405060");
        Retype(button, "txtclr2", "708090");
        QCOMPARE(Texts(button, {"txtclr3"}), QString("#405060"));
        Click(button, "Check1");
        QCOMPARE(Texts(button, {"txtclr3"}), QString("#708090"));
        // "No Border" empties the thickness; system colours force "No Border".
        Type(button, "txtBT", "4");
        Click(button, "nbchk");
        QCOMPARE(states() + Texts(button, {"txtBT"}), QString("++---- --+ ---"));
        Click(button, "nbchk");
        Type(button, "txtBT", "4");
        Click(button, "chksysbttnclr");
        QCOMPARE(states() + Texts(button, {"txtBT"}) + States(button, {"nbchk"}, true),
                 QString("------ --- ---+"));
        // Constraining empties width and height; the size boxes take digits only.
        Click(button, "chkconstbttnsz");
        Type(button, "txtBW", "8a0");
        TypeSize(button, "1x2");
        QCOMPARE(Texts(button, {"txtBW", "combofontsize"}), QString("80,12"));
        Click(button, "chkconstbttnsz");
        QCOMPARE(States(button, {"txtBW", "txtBH"}) + Texts(button, {"txtBW"}), QString("--"));
    }

    void restoreDefaultsAsksFirstAndGivesANewProjectsStyle() {
        MainWindow window;
        auto& menu = StyleWindow<MenuStyleDialog>(window);
        auto& button = StyleWindow<ButtonStyleDialog>(window);
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr0", "111111");
        TypeSize(menu, "9");
        Click(button, "chksysbttnclr");
        Click(button, "nbchk");
        Type(button, "txtBT", "5");
        const auto read = [&] { return std::pair(menu.Read(), button.Read()); };
        const auto edited = read();
        ModalScript user;
        for (QWidget* owner : {static_cast<QWidget*>(&menu), static_cast<QWidget*>(&button)}) {
            user.Then<NoticeDialog>([owner](NoticeDialog& notice) {
                QCOMPARE(notice.objectName() + '|' + notice.parentWidget()->objectName(),
                         "Form5|" + owner->objectName());
                Click(notice, "Command2");
            });
        }
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
        SetNotice("Show Restore Defaults Message", false);
        Click(menu, "cmdrestdef");
        Click(button, "cmdrestdef");
        Click(menu, "Command8");
        Click(button, "Command8");
        QVERIFY(user.Unexpected().isEmpty());
        QVERIFY(project.menuStyle == fresh.menuStyle && project.buttonStyle == fresh.buttonStyle);
    }

    void theBorderThicknessTakesNoKeysWhileSystemColoursAreSet() {
        MainWindow window;
        auto& button = StyleWindow<ButtonStyleDialog>(window);
        // Only a project file pairs system colours with a border.
        model::ButtonStyle loaded = window.Document().Project().buttonStyle;
        loaded.noBorder = 0;
        loaded.borderThickness = "3";
        button.Apply(loaded);
        QCOMPARE(States(button, {"txtBT", "nbchk", "txtclr0", "txtclr2"}), QString("+--+"));
        {
            ModalScript user;
            user.Then<NoticeDialog>([&button](NoticeDialog& notice) {
                QCOMPARE(notice.objectName(), QString("Form4"));
                QCOMPARE(notice.parentWidget(), &button);
                Click(notice, "Command1");
            });
            Type(button, "txtBT", "7");
            QVERIFY(user.Done() && user.Unexpected().isEmpty());
        }
        SetNotice("Show Button Border Message", false);
        ModalScript user;
        Type(button, "txtBT", "8");
        QVERIFY(user.Unexpected().isEmpty());
        QCOMPARE(Texts(button, {"txtBT"}), QString("3"));
    }

    void eachNoticeWritesItsBoxOnItsButtonsButNotOnItsCloseBox() {
        const auto stored = [](const char* key) {
            QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Brindlecote",
                               "Quorvane");
            return settings.value(QString("Messages/") + key).toString();
        };
        for (const NoticeCase& check : kNotices) {
            const bool question = check.notice == Notice::RestoreDefaults;
            for (const char* button : {"Command1", "Command2", ""}) {
                if (!question && QByteArray(button) == "Command2") {
                    continue;
                }
                SetNotice(check.key, true);
                ModalScript user;
                user.Then<NoticeDialog>([&](NoticeDialog& window) {
                    QCOMPARE(window.objectName(), QString(check.window));
                    auto* box = Find<QCheckBox>(window, "Check1");
                    QVERIFY(box->isChecked());
                    box->setChecked(false);
                    *button == '\0' ? void(window.close()) : Click(window, button);
                });
                const bool answer = dialogs::ShowNotice(check.notice, nullptr);
                QVERIFY(user.Done() && user.Unexpected().isEmpty());
                // The close box writes nothing; for the restore warning it counts as "Yes".
                QCOMPARE(answer, QByteArray(button) != "Command2");
                QCOMPARE(stored(check.key), QString(*button == '\0' ? "yes" : "no"));
            }
        }
    }

    void theAdvancedButtonsShowTheBrowserNoticeFirst() {
        MainWindow window;
        ModalScript user;
        user.Then<NoticeDialog>([](NoticeDialog& notice) {
                QCOMPARE(notice.objectName(), QString("iemsgfrm"));
                QCOMPARE(notice.parentWidget(), nullptr);
                Click(notice, "Command1");
            })
            .Then<MenuStyleDialog>([&window](MenuStyleDialog& style) {
                QCOMPARE(style.windowTitle(), QString("Advanced Menu Options"));
                QCOMPARE(style.parentWidget(), &window);
                Click(style, "Command9");
            })
            .Then<ButtonStyleDialog>([](ButtonStyleDialog& style) {
                QCOMPARE(style.windowTitle(), QString("Advanced Button Options"));
                Click(style, "chkbttnfntIT");
                Click(style, "Command8");
            });
        Click(window, "cmdAdvMnu");
        SetNotice("Show IE Message", false);
        Click(window, "cmdBttnAdv");
        QVERIFY(user.Done() && user.Unexpected().isEmpty());
        QCOMPARE(window.Document().Project().buttonStyle.italic, 1);
    }

    void aNewProjectHasEveryDefaultAndAsksNothing() {
        MainWindow window;
        Click(StyleWindow<ButtonStyleDialog>(window), "chkbttnfntIT");
        Click(StyleWindow<ButtonStyleDialog>(window), "Command8");
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        Click(window, "menubehavopt1");
        Type(window, "itemtexttext", "Next");
        Click(window, "notlinkchk");
        platform::ClearShownMessages();
        Trigger(window, "mnuFileNew");
        QVERIFY(platform::ShownMessages().empty() && !window.Document().Changed());
        const model::MenuProject& project = window.Document().Project();
        const model::StyleDefaults defaults{project.menuStyle.textColor,
                                            project.menuStyle.backColor, project.buttonStyle.colors,
                                            project.menuStyle.fontName};
        QVERIFY(project == model::NewProject(defaults));
        QCOMPARE(Texts(window, {"txtmnm", "txtfrm", "buttontxttxt", "itemtexttext", "linktext"}),
                 QString(",,Go,,"));
        QCOMPARE(States(window, {"txtfrm", "cmdBttnAdv"}) + States(window, {"notlinkchk"}, true),
                 QString("-+-"));
    }
};

QTEST_MAIN(StyleWindowsTest)
#include "StyleWindowsTest.moc"
