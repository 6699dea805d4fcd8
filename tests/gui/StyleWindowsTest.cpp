#include "generate/CodeOutput.h"
#include "generate/MenuCodeGenerator.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/CRegSettings.h"
#include "platform/ColorPicker.h"
#include "platform/FileDialogs.h"
#include "platform/MessageBoxes.h"
#include "style/FrmAdvBttnOp.h"
#include "style/Notices.h"
#include "style/frmAdvMnuOp.h"
#include "support/FormControls.h"
#include "support/ModalScript.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QSlider>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;
using style::FrmAdvBttnOp;
using style::frmAdvMnuOp;
using style::NoticeWindow;

namespace {

const model::MenuItem kHome{"Home", "Yes", "index.html", "No", "Default", "Default", "No"};

template <typename Window>
Window& StyleWindow(const Form1& form) {
    return *form.findChild<Window*>();
}

// "+" for each available control, "-" for the others.
QString Available(const QObject& window, std::initializer_list<const char*> names) {
    QString states;
    for (const char* name : names) {
        states += window.findChild<QWidget*>(name)->isEnabled() ? '+' : '-';
    }
    return states;
}

// "+" for each checked box, "-" for the others.
QString Checked(const QObject& window, std::initializer_list<const char*> names) {
    QString states;
    for (const char* name : names) {
        states += window.findChild<QAbstractButton*>(name)->isChecked() ? '+' : '-';
    }
    return states;
}

QString Text(const QObject& window, const char* name) {
    return window.findChild<QLineEdit*>(name)->text();
}

QStringList Texts(const QObject& window, std::initializer_list<const char*> names) {
    QStringList texts;
    for (const char* name : names) {
        texts << Text(window, name);
    }
    return texts;
}

QSlider* Weight(const QObject& window) {
    return window.findChild<QSlider*>("Slider1");
}

QComboBox* Sizes(const QObject& window) {
    return window.findChild<QComboBox*>("combofontsize");
}

std::string Colour(QPalette::ColorRole role) {
    return QApplication::palette().color(role).name().toUpper().toStdString();
}

// The start-up project with one item, written out field by field.
model::MenuProject StartupExpectation() {
    model::MenuProject project;
    project.items = {kHome};
    const std::string font = QFontDatabase::families().value(1).toStdString();
    project.menuStyle.fontName = font;
    project.menuStyle.textColor = Colour(QPalette::Text);
    project.menuStyle.backColor = Colour(QPalette::Base);
    project.buttonStyle.fontName = font;
    project.buttonStyle.colors = {Colour(QPalette::ButtonText), Colour(QPalette::Button),
                                  Colour(QPalette::Light),      Colour(QPalette::Light),
                                  Colour(QPalette::Dark),       Colour(QPalette::Dark)};
    return project;
}

QByteArray ExpectedCode(const model::MenuProject& project) {
    return QByteArray::fromStdString(
        generate::CodeFileText(generate::GenerateMenuCode(project, generate::CodeTarget::File)));
}

// "Save Code to File" run from the menu; the bytes of the file it wrote.
QByteArray SavedCode(Form1& form, const QString& path) {
    QFile::remove(path);
    platform::QueueFileName(path);
    Trigger(form, "mnuFileCodeFile");
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(no file)");
}

QByteArray LineOf(const QByteArray& code, const char* start) {
    const qsizetype from = code.indexOf(start);
    return code.mid(from, code.indexOf("\r\n", from) - from);
}

void TypeSize(const QObject& window, const QString& keys) {
    QLineEdit* box = Sizes(window)->lineEdit();
    box->clear();
    QTest::keyClicks(box, keys);
}

void SaveMessageSetting(const char* key, const char* value) {
    CRegSettings settings;
    settings.SetAppName("Quorvane");
    settings.SetCompany("Brindlecote");
    settings.SaveSetting("Messages", key, value);
}

} // namespace

class StyleWindowsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        for (const char* key :
             {"Show IE Message", "Show Button Border Message", "Show Restore Defaults Message"}) {
            SaveMessageSetting(key, "yes");
        }
        platform::ClearShownMessages();
    }

    void cancelAndTheCloseBoxTakeBackAndOkCommits() {
        Form1 form;
        Items(form);
        const QString path = environment.path("tmp/menu.html");
        const QByteArray startup = SavedCode(form, path);
        QCOMPARE(startup, ExpectedCode(StartupExpectation()));

        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        const QString menuText = Text(menu, "txtclr0");
        const QString face = Text(button, "txtclr1");
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
        const std::function<void()> closings[] = {
            [&] {
                Click(menu, "Command9");
                Click(button, "Command9");
            },
            [&] {
                QVERIFY(menu.close());
                QVERIFY(button.close());
            },
        };
        for (const auto& close : closings) {
            edit();
            close();
            QVERIFY(!menu.isVisible() && !button.isVisible());
            QCOMPARE(Text(menu, "txtclr0") + Text(button, "txtclr1") + Text(button, "txtBW"),
                     menuText + face);
            QCOMPARE(Checked(menu, {"chkmnusysclr", "chkmnufntI"}) +
                         Checked(button, {"chksysbttnclr", "nbchk", "chkconstbttnsz"}),
                     QString("+-+++"));
            QCOMPARE(Available(menu, {"txtclr0", "cmdclr0"}) +
                         Available(button, {"txtclr1", "nbchk", "txtBW"}),
                     QString("-----"));
            QCOMPARE(menu.findChild<QLabel*>("Label16")->text(), QString("500"));
            QCOMPARE(SavedCode(form, path), startup);
        }

        edit();
        Click(menu, "Command8");
        Click(button, "Command8");
        QVERIFY(!menu.isVisible() && !button.isVisible());
        model::MenuProject expected = StartupExpectation();
        expected.menuStyle.useSystemColors = 0;
        expected.menuStyle.textColor = "#12AB9F";
        expected.menuStyle.italic = 1;
        expected.menuStyle.fontWeight = 700;
        expected.buttonStyle.useSystemColors = 0;
        expected.buttonStyle.colors[model::kButtonFace] = "#336699";
        expected.buttonStyle.constrainSize = 0;
        expected.buttonStyle.width = "80";
        QCOMPARE(SavedCode(form, path), ExpectedCode(expected));
        // Reopened, the windows show what was committed.
        menu.show();
        QCOMPARE(Text(menu, "txtclr0"), QString("#12AB9F"));
        Click(menu, "Command9");
        QCOMPARE(Text(menu, "txtclr0"), QString("#12AB9F"));
    }

    void theGeneratedCodeCarriesTheMenuAndButtonStyles() {
        Form1 form;
        Items(form);
        const QString path = environment.path("tmp/styled.html");
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr0", "000080");
        Retype(menu, "txtclr1", "FFFFCC");
        Click(menu, "chkmnufntU");
        TypeSize(menu, "11");
        Weight(menu)->setValue(900);
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "120");
        Click(menu, "Command8");

        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        Click(button, "chksysbttnclr");
        Retype(button, "txtclr0", "FFFFFF");
        Retype(button, "txtclr1", "336699");
        Click(button, "chkbttnfntIT");
        Click(button, "Command8");

        model::MenuProject expected = StartupExpectation();
        auto& menuStyle = expected.menuStyle;
        menuStyle = {0, "#000080", "#FFFFCC", menuStyle.fontName, "11", 900, 0, 1, "120", 0};
        auto& buttonStyle = expected.buttonStyle;
        buttonStyle.useSystemColors = 0;
        buttonStyle.colors[model::kButtonText] = "#FFFFFF";
        buttonStyle.colors[model::kButtonFace] = "#336699";
        buttonStyle.italic = 1;
        const QByteArray code = SavedCode(form, path);
        QCOMPARE(code, ExpectedCode(expected));
        const QByteArray font = QByteArray::fromStdString(menuStyle.fontName);
        QCOMPARE(LineOf(code, "<SELECT"),
                 "<SELECT name=\"selectsite\" style=\"font-size='11px'; font-family='" + font +
                     "'; font-weight=900; font-style='Normal'; text-decoration='Underline'; "
                     "width=120; background-color='#FFFFCC'; color='#000080'\">");
        const QByteArray buttonHead =
            "<input type=\"submit\" value=\"Go\" style=\"font-size='13px'; font-family='" + font +
            "'; font-style='Italic'; text-decoration='None'; width=; height=; font-weight=500; "
            "background-color='#336699'; color='#FFFFFF'";
        QCOMPARE(LineOf(code, "<input"), buttonHead + "\">");

        // With a border: the synced rows follow their leading rows.
        Click(button, "nbchk");
        Type(button, "txtBT", "3");
        Retype(button, "txtclr2", "FF0000");
        Retype(button, "txtclr4", "00FF00");
        Click(button, "Command8");
        buttonStyle.noBorder = 0;
        buttonStyle.borderThickness = "3";
        buttonStyle.colors[model::kTopBorder] = buttonStyle.colors[model::kLeftBorder] = "#FF0000";
        buttonStyle.colors[model::kRightBorder] = buttonStyle.colors[model::kBottomBorder] =
            "#00FF00";
        const QByteArray bordered = SavedCode(form, path);
        QCOMPARE(bordered, ExpectedCode(expected));
        QCOMPARE(LineOf(bordered, "<input"),
                 buttonHead + "; border-top-color='#FF0000'; border-left-color='#FF0000'; "
                              "border-right-color='#00FF00'; border-bottom-color='#00FF00'; "
                              "border-style='Solid';border-width=3\">");
    }

    void theMenuWindowHidesColoursAndWidthWithoutChangingThem() {
        Form1 form;
        Items(form);
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        const auto rows = [&menu] {
            return Available(menu, {"lbldesc0", "txtclr0", "lblclr0", "cmdclr0", "lbldesc1",
                                    "txtclr1", "lblclr1", "cmdclr1"}) +
                   (menu.findChild<QLabel*>("lblclr0")->autoFillBackground() ? "+" : "-");
        };
        const auto width = [&menu] {
            return ' ' + Available(menu, {"Label17", "txtMW", "Label20"});
        };
        QCOMPARE(rows() + width(), QString("--------- ---"));
        Click(menu, "chkmnusysclr");
        Retype(menu, "txtclr1", "ABCDEF");
        Click(menu, "chkconstmnuwdth");
        Type(menu, "txtMW", "2x0");
        QCOMPARE(Text(menu, "txtMW"), QString("20"));
        Type(menu, "txtMW", "0");
        QCOMPARE(rows() + width(), QString("+++++++++ +++"));

        // Constraining keeps the typed width, which still goes into the code.
        Click(menu, "chkconstmnuwdth");
        Click(menu, "chkmnusysclr");
        QCOMPARE(rows() + width(), QString("--------- ---"));
        QCOMPARE(Texts(menu, {"txtMW", "txtclr1"}), (QStringList{"200", "#ABCDEF"}));
        Click(menu, "Command8");
        QCOMPARE(form.BuildProject().menuStyle.width, "200");
        Click(menu, "chkmnusysclr");
        QCOMPARE(Text(menu, "txtclr1"), QString("#ABCDEF"));

        // The font lists hold every installed family in the platform's order; sizes 8 to 16.
        QStringList fonts;
        auto* combofont = menu.findChild<QComboBox*>("combofont");
        for (int index = 0; index < combofont->count(); ++index) {
            fonts << combofont->itemText(index);
        }
        QCOMPARE(fonts, QFontDatabase::families());
        QCOMPARE(Sizes(menu)->count(), 9);
        QCOMPARE(Sizes(menu)->itemText(0) + Sizes(menu)->currentText() + Sizes(menu)->itemText(8),
                 QString("81316"));
        QSlider* slider = Weight(menu);
        QCOMPARE(QList<int>({slider->minimum(), slider->maximum(), slider->tickInterval(),
                             slider->pageStep(), slider->singleStep()}),
                 QList<int>({100, 900, 100, 100, 10}));
        slider->triggerAction(QSlider::SliderSingleStepAdd);
        QCOMPARE(menu.findChild<QLabel*>("Label16")->text(), QString("510"));
    }

    void buttonAvailabilityFollowsSystemColoursAndNoBorder() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        // Rows 0 to 5 (box and Select), the sync boxes, No Border, the thickness box.
        const auto availability = [&button] {
            QString rows;
            for (int row = 0; row < 6; ++row) {
                const QByteArray box = "txtclr" + QByteArray::number(row);
                const QByteArray select = "cmdclr" + QByteArray::number(row);
                const QByteArray label = "lbldesc" + QByteArray::number(row);
                rows += Available(button, {box.constData(), select.constData(), label.constData()})
                                .contains('+')
                            ? '+'
                            : '-';
            }
            return rows + ' ' + Available(button, {"Check1", "Check2"}) + ' ' +
                   Available(button, {"nbchk"}) + ' ' +
                   Available(button, {"Label18", "txtBT", "Label22"});
        };
        QCOMPARE(availability(), QString("------ -- - ---"));
        QCOMPARE(Checked(button, {"nbchk"}), QString("+"));
        Click(button, "chksysbttnclr");
        QCOMPARE(availability(), QString("++---- -- + ---"));
        QCOMPARE(Checked(button, {"nbchk"}), QString("+"));
        Click(button, "nbchk");
        QCOMPARE(availability(), QString("+++-+- ++ + +++"));

        // Sync copies the leading row and frees the tied one when cleared.
        Retype(button, "txtclr2", "102030");
        QCOMPARE(Text(button, "txtclr3"), QString("#102030"));
        Click(button, "Check1");
        QCOMPARE(availability(), QString("+++++- ++ + +++"));
        Retype(button, "txtclr3", "405060");
        Retype(button, "txtclr2", "708090");
        QCOMPARE(Texts(button, {"txtclr2", "txtclr3"}), (QStringList{"#708090", "#405060"}));
        Click(button, "Check1");
        QCOMPARE(Text(button, "txtclr3"), QString("#708090"));
        Click(button, "Check2");
        Retype(button, "txtclr5", "0A0B0C");

        // No Border closes every border row, the sync boxes and the thickness, and empties it.
        Type(button, "txtBT", "4");
        Click(button, "nbchk");
        QCOMPARE(availability(), QString("++---- -- + ---"));
        QCOMPARE(Text(button, "txtBT"), QString());
        Click(button, "nbchk");
        QCOMPARE(availability(), QString("+++-++ ++ + +++"));
        QCOMPARE(Text(button, "txtclr5"), QString("#0A0B0C"));

        // System colours force "No Border"; clearing them leaves it set.
        Type(button, "txtBT", "4");
        Click(button, "chksysbttnclr");
        QCOMPARE(availability(), QString("------ -- - ---"));
        QCOMPARE(Checked(button, {"nbchk"}) + Text(button, "txtBT"), QString("+"));
        QVERIFY(!button.findChild<QLabel*>("lblclr0")->autoFillBackground());
        Click(button, "chksysbttnclr");
        QCOMPARE(availability(), QString("++---- -- + ---"));
        QVERIFY(button.findChild<QLabel*>("lblclr0")->autoFillBackground());
        QVERIFY(!button.findChild<QLabel*>("lblclr2")->autoFillBackground());

        // Constraining empties width and height; clearing it leaves them empty and open.
        Click(button, "chkconstbttnsz");
        Type(button, "txtBW", "8a0");
        Type(button, "txtBH", "2-4");
        QCOMPARE(Texts(button, {"txtBW", "txtBH"}), (QStringList{"80", "24"}));
        Click(button, "chkconstbttnsz");
        QCOMPARE(Texts(button, {"txtBW", "txtBH"}) +
                     QStringList{Available(
                         button, {"Label17", "txtBW", "Label20", "Label19", "txtBH", "Label21"})},
                 (QStringList{"", "", "------"}));
        Click(button, "chkconstbttnsz");
        QCOMPARE(Available(button, {"Label17", "txtBW", "Label20", "Label19", "txtBH", "Label21"}),
                 QString("++++++"));
        TypeSize(button, "1x2");
        QCOMPARE(Sizes(button)->currentText(), QString("12"));
    }

    void buttonEditsMarkAProjectWithAFileChanged() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        Click(button, "chksysbttnclr");
        Click(button, "nbchk");
        Click(button, "chkconstbttnsz");
        const std::function<void()> edits[] = {
            [&] { TypeSize(button, "9"); },
            [&] { Weight(button)->setValue(Weight(button)->value() + 10); },
            [&] { Type(button, "txtBW", "1"); },
            [&] { Type(button, "txtBH", "1"); },
            [&] { Type(button, "txtBT", "1"); },
            [&] { Click(button, "Check2"); },
            [&] { Retype(button, "txtclr0", "123456"); },
            [&] {
                platform::QueueColorChoice(0x0000FF);
                Click(button, "cmdclr1");
                QCOMPARE(Text(button, "txtclr1"), QString("#FF0000"));
            },
        };
        for (const bool hasFile : {false, true}) {
            int index = 0;
            for (const auto& edit : edits) {
                form.Flags() = {false, hasFile, false};
                edit();
                QVERIFY2(form.Flags().projectChanged == hasFile,
                         qPrintable(QString("edit %1").arg(index++)));
            }
        }

        // In the menu window a picked colour marks it, and so does committing any change.
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        Click(menu, "chkmnusysclr");
        form.Flags() = {false, true, false};
        platform::QueueColorChoice(0x00FF00);
        Click(menu, "cmdclr0");
        QVERIFY(form.Flags().projectChanged);
        form.Flags() = {false, true, false};
        Click(menu, "Command8");
        QVERIFY(form.Flags().projectChanged);
        form.Flags() = {false, true, false};
        Click(menu, "chkmnufntU");
        Click(menu, "Command9");
        menu.show();
        Click(menu, "Command8");
        QVERIFY(!form.Flags().projectChanged);
    }

    void restoreDefaultsAsksFirstUnlessSilenced() {
        Form1 form;
        auto& menu = StyleWindow<frmAdvMnuOp>(form);
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        const QStringList menuDefaults = Texts(menu, {"txtclr0", "txtclr1"});
        const QStringList buttonDefaults =
            Texts(button, {"txtclr0", "txtclr1", "txtclr2", "txtclr3", "txtclr4", "txtclr5"});
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
            return Texts(menu, {"txtclr0", "txtMW"}).join(',') + ',' + Sizes(menu)->currentText() +
                   ' ' +
                   Checked(menu, {"chkmnusysclr", "chkmnufntI", "chkmnufntU", "chkconstmnuwdth"}) +
                   ' ' + menu.findChild<QLabel*>("Label16")->text() + ' ' +
                   Texts(button, {"txtclr3", "txtBW", "txtBH", "txtBT"}).join(',') + ' ' +
                   Checked(button, {"chksysbttnclr", "nbchk", "Check1", "Check2", "chkbttnfntUL",
                                    "chkbttnfntIT", "chkconstbttnsz"}) +
                   ' ' + Available(button, {"nbchk", "txtBT"}) + Available(menu, {"txtMW"});
        };
        edit();
        const QString edited = state();
        QCOMPARE(edited, QString("#111111,150,9 -+-- 300 #222222,,30,5 ---++-- +++"));

        // "No" leaves everything as it was.
        {
            ModalScript user;
            const auto answerNo = [](QWidget* owner) {
                return [owner](NoticeWindow& notice) {
                    QCOMPARE(notice.objectName() + notice.windowTitle(), QString("Form5Warning"));
                    QCOMPARE(notice.parentWidget(), owner);
                    Click(notice, "Command2");
                };
            };
            user.Then<NoticeWindow>(answerNo(&menu)).Then<NoticeWindow>(answerNo(&button));
            Click(menu, "cmdrestdef");
            Click(button, "cmdrestdef");
            QVERIFY(user.Done() && user.Unexpected().isEmpty());
            QCOMPARE(state(), edited);
        }

        // "Yes" restores.
        const QString font = QFontDatabase::families().value(0);
        {
            ModalScript user;
            user.Then<NoticeWindow>([](NoticeWindow& notice) { Click(notice, "Command1"); })
                .Then<NoticeWindow>([](NoticeWindow& notice) { Click(notice, "Command1"); });
            Click(menu, "cmdrestdef");
            Click(button, "cmdrestdef");
            QVERIFY(user.Done() && user.Unexpected().isEmpty());
        }
        QCOMPARE(state(),
                 menuDefaults[0] + ",,13 +--+ 500 " + buttonDefaults[3] + ",,,2 ++++--+ ---");
        QCOMPARE(Texts(button, {"txtclr0", "txtclr1", "txtclr2", "txtclr3", "txtclr4", "txtclr5"}),
                 buttonDefaults);
        QCOMPARE(menu.findChild<QComboBox*>("combofont")->currentText() +
                     button.findChild<QComboBox*>("combofont")->currentText(),
                 font + font);

        // Silenced, the restore runs at once.
        edit();
        SaveMessageSetting("Show Restore Defaults Message", "no");
        {
            ModalScript user;
            Click(menu, "cmdrestdef");
            Click(button, "cmdrestdef");
            QVERIFY(user.Unexpected().isEmpty());
        }
        QCOMPARE(Text(menu, "txtclr0") + Text(button, "txtBT"), menuDefaults[0] + "2");
    }

    void theBorderThicknessTakesNoKeysWhileSystemColoursAreSet() {
        Form1 form;
        auto& button = StyleWindow<FrmAdvBttnOp>(form);
        // Only a project file pairs system colours with a border.
        model::ButtonStyle loaded = form.BuildProject().buttonStyle;
        loaded.noBorder = 0;
        loaded.borderThickness = "3";
        button.Apply(loaded);
        QCOMPARE(Available(button, {"txtBT", "nbchk", "txtclr0", "txtclr2"}), QString("+--+"));
        button.show();
        QVERIFY(QTest::qWaitForWindowActive(&button));
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
        QCOMPARE(Text(button, "txtBT"), QString("3"));
        {
            ModalScript user;
            user.Then<NoticeWindow>([](NoticeWindow& notice) {
                notice.findChild<QCheckBox*>("Check1")->setChecked(false);
                Click(notice, "Command1");
            });
            QTest::keyClick(button.findChild<QLineEdit*>("txtBT"), Qt::Key_Backspace);
            QVERIFY(user.Done());
        }
        // Silenced: keys are still discarded, without the notice.
        {
            ModalScript user;
            Type(button, "txtBT", "8");
            QVERIFY(user.Unexpected().isEmpty());
        }
        QCOMPARE(Text(button, "txtBT"), QString("3"));
        QVERIFY(!style::NoticeWanted(style::Notice::ButtonBorder));
    }

  private:
    static void Items(Form1& form) {
        static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model())
            ->AppendItem(kHome);
    }
};

QTEST_MAIN(StyleWindowsTest)
#include "StyleWindowsTest.moc"
