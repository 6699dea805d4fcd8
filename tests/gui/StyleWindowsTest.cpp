#include "generate/CodeOutput.h"
#include "generate/MenuCodeGenerator.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/CRegSettings.h"
#include "platform/ColorPicker.h"
#include "platform/FileDialogs.h"
#include "style/FrmAdvBttnOp.h"
#include "style/Notices.h"
#include "style/frmAdvMnuOp.h"
#include "support/FormControls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QCheckBox>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QSlider>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;
using style::FrmAdvBttnOp;
using style::frmAdvMnuOp;
using style::Notice;
using style::NoticeWindow;

namespace {

template <typename Window>
Window& StyleWindow(const Form1& form) {
    return *form.findChild<Window*>();
}

// One character per control: "+" when available (or, with `checked`, checked), "-" otherwise.
QString States(const QObject& window, std::initializer_list<const char*> names,
               bool checked = false) {
    QString states;
    for (const char* name : names) {
        const auto* control = window.findChild<QWidget*>(name);
        const auto* box = qobject_cast<const QAbstractButton*>(control);
        states += (checked ? box->isChecked() : control->isEnabled()) ? '+' : '-';
    }
    return states;
}

QComboBox* Sizes(const QObject& window) {
    return window.findChild<QComboBox*>("combofontsize");
}

// The texts of boxes, labels and lists, joined by ",".
QString Texts(const QObject& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        const auto* control = window.findChild<QObject*>(name);
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

QSlider* Weight(const QObject& window) {
    return window.findChild<QSlider*>("Slider1");
}

void TypeSize(const QObject& window, const QString& keys) {
    Sizes(window)->lineEdit()->clear();
    QTest::keyClicks(Sizes(window)->lineEdit(), keys);
}

std::string Colour(QPalette::ColorRole role) {
    return QApplication::palette().color(role).name().toUpper().toStdString();
}

// "MS Sans Serif" when installed; otherwise the second font at start-up and the first after that.
QString DefaultFont(bool startup) {
    const QStringList fonts = QFontDatabase::families();
    return fonts.contains("MS Sans Serif") ? "MS Sans Serif" : fonts.value(startup ? 1 : 0);
}

// The palette's colours and the default font.
model::StyleDefaults PaletteDefaults(bool startup) {
    const std::string light = Colour(QPalette::Light);
    const std::string dark = Colour(QPalette::Dark);
    return {Colour(QPalette::Text),
            Colour(QPalette::Base),
            {Colour(QPalette::ButtonText), Colour(QPalette::Button), light, light, dark, dark},
            DefaultFont(startup).toStdString()};
}

const model::MenuItem kHome{"Home", "Yes", "index.html", "No", "Default", "Default", "No"};

void AddHome(const Form1& form) {
    static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model())
        ->AppendItem(kHome);
}

model::MenuProject StartupWithHome() {
    model::MenuProject project = model::StartupProject(PaletteDefaults(true));
    project.items = {kHome};
    return project;
}

QByteArray ExpectedCode(const model::MenuProject& project) {
    return QByteArray::fromStdString(
        generate::CodeFileText(generate::GenerateMenuCode(project, generate::CodeTarget::File)));
}

// What "Save Code to File" writes.
QByteArray SavedCode(Form1& form, const QString& path) {
    QFile::remove(path);
    platform::QueueFileName(path);
    Trigger(form, "mnuFileCodeFile");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

CRegSettings Settings() {
    CRegSettings settings;
    settings.SetAppName("Quorvane");
    settings.SetCompany("Brindlecote");
    return settings;
}

void SaveMessageSetting(const char* key, const char* value) {
    Settings().SaveSetting("Messages", key, value);
}

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

class StyleWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;
    const QString codeFile = environment.path("tmp/menu.html");

  private slots:
    void init() {
        for (const NoticeCase& notice : kNotices) {
            SaveMessageSetting(notice.key, "yes");
        }
    }

    void cancelAndTheCloseBoxTakeBackAndOkCommits() {
        Form1 form;
        AddHome(form);
        QCOMPARE(SavedCode(form, codeFile), ExpectedCode(StartupWithHome()));
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        const QString committed = Texts(menu, {"txtclr0"}) + Texts(button, {"txtclr1", "txtBW"});
        const auto edit = [&] {
            menu.show();
            Click(menu, "chkmnusysclr");
            Retype(menu, "txtclr0", "12ab9f");
            Click(menu, "chkmnufntI");
            Weight(menu)->setValue(700);
            button.show();
            Click(button, "chksysbttnclr");
            Retype(button, "txtclr1", "336699");
            Click(button, "chkconstbttnsz");
            Type(button, "txtBW", "80");
        };
        for (const bool closeBox : {false, true}) {
            edit();
            if (closeBox) {
                QVERIFY(menu.close() && button.close());
            } else {
                Click(menu, "Command9");
                Click(button, "Command9");
            }
            QVERIFY(!menu.isVisible() && !button.isVisible());
            QCOMPARE(Texts(menu, {"txtclr0"}) + Texts(button, {"txtclr1", "txtBW"}), committed);
            QCOMPARE(States(menu, {"chkmnusysclr", "chkmnufntI"}, true) +
                         States(button, {"chksysbttnclr", "nbchk", "chkconstbttnsz"}, true) + ' ' +
                         States(menu, {"txtclr0"}) + States(button, {"txtclr1", "nbchk", "txtBW"}),
                     QString("+-+++ ----"));
            QCOMPARE(menu.findChild<QLabel*>("Label16")->text(), QString("500"));
            QCOMPARE(SavedCode(form, codeFile), ExpectedCode(StartupWithHome()));
        }

        edit();
        Click(menu, "Command8");
        Click(button, "Command8");
        model::MenuProject expected = StartupWithHome();
        expected.menuStyle.useSystemColors = expected.buttonStyle.useSystemColors = 0;
        expected.menuStyle.textColor = "#12AB9F";
        expected.menuStyle.italic = 1;
        expected.menuStyle.fontWeight = 700;
        expected.buttonStyle.colors[model::kButtonFace] = "#336699";
        expected.buttonStyle.constrainSize = 0;
        expected.buttonStyle.width = "80";
        QCOMPARE(SavedCode(form, codeFile), ExpectedCode(expected));
        menu.show();
        Click(menu, "Command9");
        QCOMPARE(Texts(menu, {"txtclr0"}), QString("#12AB9F"));
    }

    void theCodeCarriesAStyledMenuAndButtonWithAndWithoutBorder() {
        Form1 form;
        AddHome(form);
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr1", "FFFFCC");
        Click(menu, "chkmnufntU");
        TypeSize(menu, "11");
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "120");
        Click(menu, "Command8");
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        Click(button, "chksysbttnclr");
        Retype(button, "txtclr0", "FFFFFF");
        Click(button, "chkbttnfntIT");
        Click(button, "Command8");

        model::MenuProject expected = StartupWithHome();
        auto& menuStyle = expected.menuStyle;
        menuStyle = {0, menuStyle.textColor, "#FFFFCC", menuStyle.fontName, "11", 500, 0, 1, "120",
                     0};
        auto& buttonStyle = expected.buttonStyle;
        buttonStyle.useSystemColors = 0;
        buttonStyle.colors[model::kButtonText] = "#FFFFFF";
        buttonStyle.italic = 1;
        QCOMPARE(SavedCode(form, codeFile), ExpectedCode(expected));

        Click(button, "nbchk");
        Type(button, "txtBT", "3");
        Retype(button, "txtclr2", "FF0000");
        Retype(button, "txtclr4", "00FF00");
        Click(button, "Command8");
        buttonStyle.noBorder = 0;
        buttonStyle.borderThickness = "3";
        buttonStyle.colors[model::kTopBorder] = buttonStyle.colors[model::kLeftBorder] = "#FF0000";
        buttonStyle.colors[model::kRightBorder] = "#00FF00";
        buttonStyle.colors[model::kBottomBorder] = "#00FF00";
        const QByteArray code = SavedCode(form, codeFile);
        QCOMPARE(code, ExpectedCode(expected));
        QVERIFY(code.contains("border-right-color='#00FF00'; border-bottom-color='#00FF00'; "
                              "border-style='Solid';border-width=3\">"));
    }

    void theMenuWindowHidesColoursAndWidthWithoutChangingThem() {
        Form1 form;
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        const auto states = [&menu] {
            return States(menu, {"lbldesc0", "txtclr0", "lblclr0", "cmdclr0", "lbldesc1", "txtclr1",
                                 "lblclr1", "cmdclr1"}) +
                   (menu.findChild<QLabel*>("lblclr1")->autoFillBackground() ? '+' : '-') + ' ' +
                   States(menu, {"Label17", "txtMW", "Label20"});
        };
        QCOMPARE(states(), QString("--------- ---"));
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr1", "ABCDEF");
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "2x00");
        QCOMPARE(states(), QString("+++++++++ +++"));
        Click(menu, "chkconstmnuwdth");
        Click(menu, "chkmnusysclr");
        QCOMPARE(states() + ' ' + Texts(menu, {"txtMW", "txtclr1"}),
                 QString("--------- --- 200,#ABCDEF"));
        Click(menu, "Command8");
        QCOMPARE(form.BuildProject().menuStyle.width, "200");

        auto* fonts = menu.findChild<QComboBox*>("combofont");
        QCOMPARE(fonts->count(), QFontDatabase::families().size());
        QCOMPARE(fonts->itemText(fonts->count() - 1), QFontDatabase::families().last());
        QCOMPARE(Sizes(menu)->itemText(0) + Texts(menu, {"combofontsize"}) +
                     Sizes(menu)->itemText(8),
                 QString("81316"));
        QSlider* slider = Weight(menu);
        QCOMPARE(QList<int>({slider->minimum(), slider->maximum(), slider->tickInterval(),
                             slider->pageStep(), slider->singleStep()}),
                 QList<int>({100, 900, 100, 100, 10}));
        slider->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(menu.findChild<QLabel*>("Label16")->text(), QString("510"));
    }

    void buttonRowsFollowSystemColoursNoBorderAndSync() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        // Each row's box, then the sync boxes, "No Border" and the thickness with its labels.
        const auto states = [&button] {
            return States(button,
                          {"txtclr0", "txtclr1", "txtclr2", "txtclr3", "txtclr4", "txtclr5"}) +
                   ' ' + States(button, {"Check1", "Check2", "nbchk"}) + ' ' +
                   States(button, {"Label18", "txtBT", "Label22"});
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

        Type(button, "txtBT", "4");
        Click(button, "nbchk");
        QCOMPARE(states() + Texts(button, {"txtBT"}), QString("++---- --+ ---"));
        QVERIFY(!button.findChild<QLabel*>("lblclr2")->autoFillBackground());
        Click(button, "nbchk");
        Type(button, "txtBT", "4");
        Click(button, "chksysbttnclr");
        QCOMPARE(states() + Texts(button, {"txtBT"}) + States(button, {"nbchk"}, true),
                 QString("------ --- ---+"));
        Click(button, "chksysbttnclr");
        QCOMPARE(states(), QString("++---- --+ ---"));

        // Constraining empties width and height; clearing it leaves them empty and open.
        Click(button, "chkconstbttnsz");
        Type(button, "txtBW", "8a0");
        Type(button, "txtBH", "2-4");
        TypeSize(button, "1x2");
        QCOMPARE(Texts(button, {"txtBW", "txtBH", "combofontsize"}), QString("80,24,12"));
        Click(button, "chkconstbttnsz");
        QCOMPARE(States(button, {"Label17", "txtBW", "Label20", "Label19", "txtBH", "Label21"}) +
                     Texts(button, {"txtBW", "txtBH"}),
                 QString("------,"));
        Click(button, "chkconstbttnsz");
        QCOMPARE(States(button, {"txtBW", "txtBH"}), QString("++"));
    }

    void buttonEditsAndCommittedChangesMarkAProjectWithAFile() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        Click(button, "chksysbttnclr");
        Click(button, "nbchk");
        const std::function<void()> edits[] = {
            [&] { TypeSize(button, "9"); },
            [&] { Weight(button)->setValue(Weight(button)->value() + 10); },
            [&] { Type(button, "txtBT", "1"); },
            [&] { Click(button, "Check2"); },
            [&] { Retype(button, "txtclr0", "123456"); },
            [&] {
                platform::QueueColorChoice(0x0000FF);
                Click(button, "cmdclr1");
            },
        };
        for (const bool hasFile : {false, true}) {
            for (const auto& edit : edits) {
                form.Flags() = {false, hasFile, false};
                edit();
                QCOMPARE(form.Flags().projectChanged, hasFile);
            }
        }
        // Any change that OK commits marks it too; OK without a change does not.
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        Click(menu, "chkmnufntU");
        Click(menu, "Command8");
        QVERIFY(form.Flags().projectChanged);
        form.Flags().projectChanged = false;
        Click(menu, "Command8");
        QVERIFY(!form.Flags().projectChanged);
    }

    void restoreDefaultsAsksFirstUnlessSilenced() {
        Form1 form;
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        const QString defaults = Texts(menu, {"txtclr0"}) + Texts(button, {"txtclr3"});
        const auto edit = [&] {
            Click(menu, "chkmnusysclr");
            Retype(menu, "txtclr0", "111111");
            Click(menu, "chkmnufntI");
            Click(menu, "chkconstmnuwdth");
            Type(menu, "txtMW", "150");
            TypeSize(menu, "9");
            Weight(menu)->setValue(300);
            Click(button, "chksysbttnclr");
            Click(button, "nbchk");
            Click(button, "Check1");
            Retype(button, "txtclr3", "222222");
            Click(button, "chkbttnfntUL");
            Click(button, "chkconstbttnsz");
            Type(button, "txtBH", "30");
            Type(button, "txtBT", "5");
        };
        const auto state = [&] {
            return Texts(menu, {"txtclr0", "txtMW", "combofontsize", "Label16"}) + ' ' +
                   States(menu, {"chkmnusysclr", "chkmnufntI", "chkconstmnuwdth"}, true) + ' ' +
                   Texts(button, {"txtclr3", "txtBW", "txtBH", "txtBT"}) + ' ' +
                   States(button,
                          {"chksysbttnclr", "nbchk", "Check1", "Check2", "chkbttnfntUL",
                           "chkconstbttnsz"},
                          true) +
                   ' ' + States(button, {"nbchk", "txtBT"}) + States(menu, {"txtMW"}) + ' ' +
                   Texts(menu, {"combofont"}) + ',' + Texts(button, {"combofont"});
        };
        edit();
        const QString edited = state();
        const QString second = DefaultFont(true);
        QCOMPARE(edited, "#111111,150,9,300 -+- #222222,,30,5 ---++- +++ " + second + ',' + second);

        for (const char* answer : {"Command2", "Command1"}) {
            ModalScript user;
            for (QWidget* owner : {static_cast<QWidget*>(&menu), static_cast<QWidget*>(&button)}) {
                user.Then<NoticeWindow>([owner, answer](NoticeWindow& notice) {
                    QCOMPARE(notice.objectName() + '|' + notice.parentWidget()->objectName(),
                             "Form5|" + owner->objectName());
                    Click(notice, answer);
                });
            }
            Click(menu, "cmdrestdef");
            Click(button, "cmdrestdef");
            QVERIFY(user.Done() && user.Unexpected().isEmpty());
            if (QByteArray(answer) == "Command2") {
                QCOMPARE(state(), edited);
            }
        }
        const QString first = DefaultFont(false);
        const QString restored = defaults.left(7) + ",,13,500 +-+ " + defaults.mid(7) +
                                 ",,,2 ++++-+ --- " + first + ',' + first;
        QCOMPARE(state(), restored);

        edit();
        SaveMessageSetting("Show Restore Defaults Message", "no");
        ModalScript user;
        Click(menu, "cmdrestdef");
        Click(button, "cmdrestdef");
        QVERIFY(user.Unexpected().isEmpty());
        QCOMPARE(state(), restored);
    }

    void theBorderThicknessTakesNoKeysWhileSystemColoursAreSet() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        // Only a project file pairs system colours with a border.
        model::ButtonStyle loaded = form.BuildProject().buttonStyle;
        loaded.noBorder = 0;
        loaded.borderThickness = "3";
        button.Apply(loaded);
        QCOMPARE(States(button, {"txtBT", "nbchk", "txtclr0", "txtclr2"}), QString("+--+"));
        {
            ModalScript user;
            user.Then<NoticeWindow>([&button](NoticeWindow& notice) {
                QCOMPARE(notice.objectName(), QString("Form4"));
                QCOMPARE(notice.parentWidget(), &button);
                Click(notice, "Command1");
            });
            Type(button, "txtBT", "7");
            QVERIFY(user.Done() && user.Unexpected().isEmpty());
        }
        SaveMessageSetting("Show Button Border Message", "no");
        ModalScript user;
        Type(button, "txtBT", "8");
        QVERIFY(user.Unexpected().isEmpty());
        QCOMPARE(Texts(button, {"txtBT"}), QString("3"));
    }

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
        Form1 form;
        ModalScript user;
        user.Then<NoticeWindow>([](NoticeWindow& notice) {
                QCOMPARE(notice.objectName(), QString("iemsgfrm"));
                QCOMPARE(notice.parentWidget(), nullptr);
                Click(notice, "Command1");
            })
            .Then<frmAdvMnuOp>([&form](frmAdvMnuOp& window) {
                QCOMPARE(window.windowTitle(), QString("Advanced Menu Options"));
                QCOMPARE(window.parentWidget(), &form);
                Click(window, "Command9");
            })
            .Then<FrmAdvBttnOp>([](FrmAdvBttnOp& window) {
                QCOMPARE(window.windowTitle(), QString("Advanced Button Options"));
                Click(window, "Command8");
            });
        Click(form, "cmdAdvMnu");
        SaveMessageSetting("Show IE Message", "no");
        Click(form, "cmdBttnAdv");
        QVERIFY(user.Done() && user.Unexpected().isEmpty());
    }

    void aResetProjectHasEveryDefaultAndAsksNothing() {
        Form1 form;
        AddHome(form);
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        const std::initializer_list<const char*> boxes = {"chkbttnfntIT", "chkbttnfntUL",
                                                          "chksysbttnclr", "nbchk"};
        for (const char* name : boxes) {
            Click(button, name);
        }
        Click(button, "Command8");
        Click(StyleWindow<frmAdvMnuOp>(form), "chkmnusysclr");
        Click(StyleWindow<frmAdvMnuOp>(form), "Command8");
        Choose(form, "targetcombo", 2);
        Type(form, "txtfrm", "content");
        Click(form, "buttonpropopt1");
        Type(form, "buttngrurl", "go.gif");
        Click(form, "menubehavopt1");
        Type(form, "itemtexttext", "Next");
        Click(form, "notlinkchk");
        form.Flags() = {true, true, false};

        ModalScript user;
        form.ResetProject();
        QVERIFY(user.Unexpected().isEmpty());
        QVERIFY(!form.Flags().projectChanged && !form.Flags().resetInProgress);
        QVERIFY(form.BuildProject() == model::NewProject(PaletteDefaults(false)));
        QCOMPARE(States(button, boxes, true) + States(button, {"nbchk"}) +
                     States(StyleWindow<frmAdvMnuOp>(form), {"chkmnusysclr"}, true),
                 QString("--++-+"));
        QCOMPARE(form.windowTitle(), QString("Quorvane"));
        QCOMPARE(Texts(form, {"txtmnm", "txtfrm", "buttontxttxt", "itemtexttext", "linktext"}),
                 QString(",,Go,,"));
        QCOMPARE(States(form, {"txtfrm", "buttngrurl", "cmdBttnAdv"}) +
                     States(form, {"notlinkchk"}, true),
                 QString("--+-"));
        QTRY_VERIFY(form.findChild<QWidget*>("itemtexttext")->hasFocus());
    }
};

QTEST_MAIN(StyleWindowsTest)
#include "StyleWindowsTest.moc"
