#include "Application.h"
#include "dialogs/ButtonStyleDialog.h"
#include "dialogs/MenuStyleDialog.h"
#include "dialogs/NoticeDialog.h"
#include "platform/ProgramSettings.h"
#include "subclass/MSubclass.h"
#include "support/WindowTest.h"

using dialogs::ButtonStyleDialog;
using dialogs::MenuStyleDialog;
using dialogs::Notice;
using dialogs::NoticeDialog;
using mainwindow::MainWindow;

namespace {

// Visible siblings sharing a pixel, Qt's own helpers left out.
QStringList Overlaps(const QWidget* root) {
    QStringList faults;
    auto children = root->findChildren<QWidget*>();
    children.removeIf([](const QWidget* child) { return child->objectName().startsWith("qt_"); });
    for (const QWidget* a : children) {
        for (const QWidget* b : children) {
            if (a < b && a->parent() == b->parent() && a->isVisible() && b->isVisible() &&
                a->geometry().intersects(b->geometry())) {
                faults << a->objectName() + " overlaps " + b->objectName();
            }
        }
    }
    return faults;
}

// "MS Sans Serif" when installed, otherwise the installed font at `position`.
std::string DefaultFont(int position) {
    const QStringList fonts = QFontDatabase::families();
    return (fonts.contains("MS Sans Serif") ? "MS Sans Serif" : fonts.value(position))
        .toStdString();
}

std::string Colour(QPalette::ColorRole role) {
    return QApplication::palette().color(role).name().toUpper().toStdString();
}

// The button tab, its kind options, the standard button's controls, the graphic's; then the
// alignment and the frame name of the menu tab.
QString Availability(const MainWindow& window) {
    return States(window,
                  {"SSTab1Tab1", "buttonpropopt0", "buttonpropopt1", "buttontxtlbl", "buttontxttxt",
                   "cmdBttnAdv", "buttngrurllbl", "buttngrurl", "lblw", "txtw", "lblh", "txth",
                   "lblalt", "txtalt", "lblbttnaln", "cmbbttnaln", "lblfrm", "txtfrm"});
}

// A notice of the expected name shown over `owner`, answered with `button`.
std::function<void(NoticeDialog&)> Answer(const char* name, const QWidget* owner,
                                          const char* button) {
    return [=](NoticeDialog& notice) {
        QVERIFY(notice.objectName() == name && notice.parentWidget() == owner);
        Click(notice, button);
    };
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;
    QSettings settings{QSettings::NativeFormat, QSettings::UserScope, "Brindlecote", "Quorvane"};

  private slots:
    void init() { settings.clear(); }

    // The styles start from the desktop's palette and its second font.
    void theWindowShowsTheStartupProject() {
        MainWindow window;
        QCOMPARE(
            Texts(window, {"txtmnm", "buttontxttxt", "txtfrm", "txtclr0", "txtclr1", "targetcombo",
                           "cmbbttnaln"}) +
                States(window, {"txtfrm", "txtclr0", "txtclr1", "*menubehavopt0", "*buttonpropopt0",
                                "*chksel", "*chkdefitmclr", "*menubehavopt1", "*buttonpropopt1",
                                "*grheadchk", "*notlinkchk"}),
            QString("MyMenu,Go,,#FFFFFF,#000000,Same window,Middle---++++----"));
        const std::string light = Colour(QPalette::Light), dark = Colour(QPalette::Dark);
        const model::StyleDefaults defaults{
            Colour(QPalette::Text),
            Colour(QPalette::Base),
            {Colour(QPalette::ButtonText), Colour(QPalette::Button), light, light, dark, dark},
            DefaultFont(1)};
        QVERIFY(window.Document().Project() == model::StartupProject(defaults) &&
                !window.Document().Changed() && !window.Document().HasFile());
    }

    // The rules are the engine's; this shows that the controls follow them.
    void commandsFollowTheRowsTheSelectedRowAndTheEditor() {
        MainWindow window;
        const auto states = [&window] {
            return States(window,
                          {"mnuFileSaveProj", "savecodeclip", "mnuFileCodeFile", "mnuPrevBr", "",
                           "additemcmd", "cmdup", "", "movup", "movdn", "edit", "delete"});
        };
        QCOMPARE(states(), QString("---- -- ----"));
        Type(window, "itemtexttext", " ");
        Click(window, "grheadchk");
        QCOMPARE(states(), QString("---- +- ----"));
        Click(window, "grheadchk");
        AddItems(window, {"One", "Two", "Three"});
        QCOMPARE(states(), QString("++++ -- +-++"));
        Type(window, "itemtexttext", "B");
        Type(window, "linktext", "b.html");
        List(window)->setCurrentIndex(window.Document().Items().index(1, 0));
        QCOMPARE(states(), QString("++++ ++ ++++"));
        List(window)->setFocus();
        QTest::keyClick(List(window), Qt::Key_End);
        QCOMPARE(states(), QString("++++ ++ +-++"));
    }

    void optionsFollowTheirRulesAndReachTheDocument() {
        MainWindow window;
        document::MenuDocument& document = window.Document();
        QCOMPARE(Availability(window), QString("++++++--------++--"));
        Click(window, "buttonpropopt1");
        QCOMPARE(Availability(window), QString("+++---++++++++++--"));
        Click(window, "menubehavopt1");
        QCOMPARE(Availability(window), QString("------------------"));
        QVERIFY(!Find<QTabWidget>(window, "SSTab1")->isTabEnabled(1));
        // Assistive tools set an option's value without clicking it.
        QAccessible::queryAccessibleInterface(Find(window, "menubehavopt0"))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
        Find<QRadioButton>(window, "buttonpropopt0")->setChecked(true);
        QCOMPARE(Availability(window), QString("++++++--------++--"));
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "content");
        QCOMPARE(Availability(window).right(2), QString("++"));
        Choose(window, "targetcombo", 0);
        QVERIFY(Texts(window, {"txtfrm"}).isEmpty() && document.Project().menu.frameName.empty());
        // Only the menu name marks a project without a file changed.
        QString changed = document.Changed() ? "+" : "-";
        Type(window, "txtmnm", "2");
        changed += document.Changed() ? '+' : '-';
        document.MarkSaved(environment.path("menu.qvn"));
        Type(window, "buttontxttxt", "!");
        Choose(window, "cmbbttnaln", 0);
        changed += document.Changed() ? '+' : '-';
        Click(window, "buttonpropopt1");
        QCOMPARE(changed + (document.Changed() ? '+' : '-'), QString("-+-+"));
        for (const char* box : {"buttngrurl", "txtw", "txth", "txtalt"}) {
            Type(window, box, "1");
        }
        Choose(window, "targetcombo", 2);
        Type(window, "txtfrm", "main");
        QCOMPARE(document.Project().button,
                 (model::ButtonOptions{model::ButtonKind::Graphic, "Go!", "1", "1", "1", "1"}));
        QCOMPARE(document.Project().menu,
                 (model::MenuOptions{"MyMenu2", model::Navigation::OnButtonClick,
                                     model::LinkTarget::DifferentFrame, "main",
                                     model::ButtonAlign::Top}));
    }

    void theLoadedLayoutShowsEveryControlWholeAndOnlyTheListGrows() {
        MainWindow window;
        const QSize loaded = window.size();
        QCOMPARE(window.minimumSize(), loaded);
        QVERIFY(Shown(window));
        for (int page : {1, 0}) {
            Find<QTabWidget>(window, "SSTab1")->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QCOMPARE(Overlaps(&window).join(", "), QString());
        }
        // Which of width and height each control takes of the growth, and whether it moves down.
        const std::tuple<const char*, int, int, int> kGrowth[] = {
            {"Frame1", 0, 0, 0},   {"SSTab1", 0, 0, 0},    {"Command2", 0, 0, 0},
            {"Frame2", 1, 1, 0},   {"lv", 1, 1, 0},        {"tb2", 0, 0, 1},
            {"Toolbar1", 1, 0, 0}, {"StatusBar1", 1, 0, 1}};
        QList<QRect> before;
        for (const auto& [name, width, height, down] : kGrowth) {
            before << Find(window, name)->geometry();
        }
        const QSize client = window.centralWidget()->size();
        window.resize(loaded + QSize(300, 200));
        QTRY_COMPARE(window.size(), loaded + QSize(300, 200));
        QCoreApplication::processEvents();
        // The live preview beside the client area takes its share of the width.
        const int dx = window.centralWidget()->width() - client.width();
        const int dy = window.centralWidget()->height() - client.height();
        QVERIFY(dx > 0 && dy == 200);
        const auto near = [](const QRect& a, const QRect& b) {
            return (a.topLeft() - b.topLeft()).manhattanLength() <= 1 &&
                   qAbs(a.width() - b.width()) <= 1 && qAbs(a.height() - b.height()) <= 1;
        };
        for (qsizetype at = 0; at < before.size(); ++at) {
            const auto& [name, width, height, down] = kGrowth[at];
            const QRect expected =
                before[at].translated(0, down * dy).adjusted(0, 0, width * dx, height * dy);
            QVERIFY2(near(Find(window, name)->geometry(), expected), name);
        }

        // Never smaller than loaded; laid out again after a resize while minimized.
        window.resize(loaded.width(), loaded.height() - 100);
        QTRY_COMPARE(window.size(), loaded);
        window.showMinimized();
        QTRY_VERIFY(window.isMinimized());
        window.resize(loaded + QSize(100, 100));
        QTRY_COMPARE(window.size(), loaded + QSize(100, 100));
        QCOMPARE(Find(window, "lv")->geometry(), before[4]);
        window.showNormal();
        QTRY_VERIFY(
            near(Find(window, "lv")->geometry(),
                 before[4].adjusted(0, 0, window.centralWidget()->width() - client.width(), 100)));
    }

    void theLinkBoxTakesDroppedTextAndCompletesKnownAddresses() {
        MainWindow window;
        auto* linktext = Find<QLineEdit>(window, "linktext");
        linktext->setText("typed by hand");
        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QVERIFY(DropOn(linktext, image) == Qt::IgnoreAction && linktext->text() == "typed by hand");
        QMimeData address;
        address.setText("https://www.example.org/menu/");
        QVERIFY(DropOn(linktext, address) == Qt::CopyAction && linktext->text() == address.text());

        AddItem(window, "Apples", "apples.html");
        QCompleter* completer = linktext->completer();
        completer->setCompletionPrefix("APP");
        QCOMPARE(completer->currentCompletion(), QString("apples.html"));
    }

    // The tests keep the web engine off, so the pane shows its notes instead of pages.
    void theLivePreviewFollowsEveryEditAndIsRemembered() {
        const auto note = [](const MainWindow& shown) { return Texts(shown, {"lblPreviewNote"}); };
        {
            MainWindow window;
            window.show();
            QTRY_COMPARE(note(window), QString("Add entries to the list to see the menu here."));
            AddItem(window, "Home", "index.html");
            QTRY_VERIFY(note(window) == "The live preview is switched off.");
            Retype(window, "txtmnm", "9lives");
            QTRY_COMPARE(note(window),
                         QString("Menu Name must begin with a letter or an underscore."));
            Click(window, "mnuEditUndo");
            QTRY_VERIFY(note(window) == "The live preview is switched off.");
            Click(window, "mnuPrevPane");
            QVERIFY(!Find(window, "dockPreview")->isVisible());
            platform::QueueAnswer(platform::MessageAnswer::No);
            QVERIFY(window.close());
        }
        MainWindow next;
        QVERIFY(Shown(next) && !Find(next, "dockPreview")->isVisible());
    }

    void webLinksOpenTheirAddressesAndNoDisplayStartsNoWindow() {
        MainWindow window;
        platform::ClearOpenedDocuments();
        Click(window, {"Command1", "Command2", "mnuHelpMFS"});
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example/buttons/",
                              "https://templates.brindlecote.example",
                              "https://www.brindlecote.example"}));
        QCOMPARE(
            QList<bool>({gui::DisplayAvailable("", "", ""), gui::DisplayAvailable("", ":0", ""),
                         gui::DisplayAvailable("", "", "wayland-0"),
                         gui::DisplayAvailable("xcb", "", "wayland-0"),
                         gui::DisplayAvailable("wayland", ":0", ""),
                         gui::DisplayAvailable("offscreen", "", "")}),
            QList<bool>({false, true, true, false, false, true}));
    }

    // The main window already handles its client area's resizing.
    void refusalsCarryNumberSourceAndDescription() {
        MainWindow window;
        QWidget* client = Find(window, "Form1Client");
        QThread other;
        QObject elsewhere;
        elsewhere.moveToThread(&other);
        // The main window itself stands for a plain refusal raised by its number.
        QStringList refusals;
        for (QObject* target : QList<QObject*>{client, nullptr, &elsewhere, &window}) {
            try {
                target == &window ? subclass::RaiseSubclassError(subclass::kCantSubclass)
                                  : subclass::SubclassAttach(window, target, QEvent::Resize);
            } catch (const subclass::SubclassError& error) {
                refusals << QString::number(error.Number(), 16) + ' ' +
                                QString::fromStdString(error.Source() + ": " + error.Description());
            }
        }
        QCOMPARE(refusals.join('\n'),
                 QString("8004331a %1Message already handled by another class\n8004331b "
                         "%1Invalid window\n8004331c %1Can't modify external window\n80043319 "
                         "%1Can't subclass window")
                     .arg(QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() +
                          ".WindowProc: "));
        QVERIFY(elsewhere.dynamicPropertyNames().isEmpty() &&
                client->property("C" + QByteArray::number(reinterpret_cast<quintptr>(client))) ==
                    1);
    }

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
        std::tie(expected.menuStyle.useSystemColors, expected.menuStyle.textColor,
                 expected.menuStyle.fontWeight, expected.buttonStyle.constrainSize,
                 expected.buttonStyle.width) = std::tuple(0, "#12AB9F", 700, 0, "80");
        QVERIFY(window.Document().Project() == expected && window.Document().Changed());
    }

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
        // A checked sync box copies its leading row; cleared, it frees the tied row. "No Border"
        // empties the thickness; system colours force "No Border".
        Retype(button, "txtclr2", "102030");
        Click(button, "Check1");
        QString shown = Texts(button, {"txtclr3"});
        Retype(button, "txtclr3", "405060");
        Retype(button, "txtclr2", "708090");
        Click(button, "Check1");
        Type(button, "txtBT", "4");
        Click(button, "nbchk");
        QCOMPARE(shown + Texts(button, {"txtclr3", "txtBT"}), QString("#102030#708090,"));
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

    void restoreDefaultsAndTheBorderThicknessAskFirst() {
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

        // The colours of the desktop and the first font, as a new project has them.
        const model::MenuProject& project = window.Document().Project();
        const model::MenuProject fresh =
            model::NewProject({project.menuStyle.textColor, project.menuStyle.backColor,
                               project.buttonStyle.colors, DefaultFont(0)});
        platform::ProgramSettings().SetNoticeWanted("Show Restore Defaults Message", false);
        Click(menu, {"cmdrestdef", "Command8"});
        Click(button, {"cmdrestdef", "Command8"});
        QVERIFY(user.Done() && project.menuStyle == fresh.menuStyle &&
                project.buttonStyle == fresh.buttonStyle);

        // The border thickness takes no keys while system colours are set, which only a project
        // file pairs with a border.
        model::ButtonStyle loaded = project.buttonStyle;
        loaded.noBorder = 0;
        loaded.borderThickness = "3";
        button.Apply(loaded);
        user.Then<NoticeDialog>(Answer("Form4", &button, "Command1"));
        Type(button, "txtBT", "7");
        platform::ProgramSettings().SetNoticeWanted("Show Button Border Message", false);
        Type(button, "txtBT", "7");
        QVERIFY(user.Done() && Texts(button, {"txtBT"}) == "3");
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
                QVERIFY(dialogs::ShowNotice(notice, nullptr) == (button != "Command2") &&
                        user.Done());
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
        QVERIFY(user.Done() && window.Document().Project().buttonStyle.italic == 1);
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
