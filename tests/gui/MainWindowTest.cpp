#include "Application.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/Documents.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCompleter>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QtTest>
#include <memory>

using mainwindow::Form1;
using mainwindow::ItemListModel;

namespace {

template <typename T = QWidget>
T* Find(const QObject& form, const char* name) {
    T* child = form.findChild<T*>(name);
    if (child == nullptr) {
        qWarning("no control named %s", name);
    }
    return child;
}

QString Text(const QObject& form, const char* name) {
    if (auto* box = form.findChild<QLineEdit*>(name)) {
        return box->text();
    }
    return Find<QComboBox>(form, name)->currentText();
}

bool Checked(const QObject& form, const char* name) {
    return Find<QAbstractButton>(form, name)->isChecked();
}

ItemListModel* Items(const Form1& form) {
    return static_cast<ItemListModel*>(Find<QTreeView>(form, "lv")->model());
}

// Two widgets of the same parent overlap when their rectangles share a pixel.
QStringList Overlaps(const QWidget* parent) {
    QStringList found;
    const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (qsizetype i = 0; i < children.size(); ++i) {
        for (qsizetype j = i + 1; j < children.size(); ++j) {
            if (children[i]->isVisible() && children[j]->isVisible() &&
                children[i]->geometry().intersects(children[j]->geometry())) {
                found << children[i]->objectName() + "/" + children[j]->objectName();
            }
        }
    }
    return found;
}

// Labels and buttons narrower or lower than their text needs.
QStringList Clipped(const QWidget* root) {
    QStringList found;
    for (const QWidget* control : root->findChildren<QWidget*>()) {
        const bool hasText = qobject_cast<const QLabel*>(control) != nullptr ||
                             qobject_cast<const QAbstractButton*>(control) != nullptr;
        if (hasText && control->isVisible() &&
            (control->width() < control->minimumSizeHint().width() ||
             control->height() < control->minimumSizeHint().height())) {
            found << control->objectName();
        }
    }
    return found;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearOpenedDocuments(); }

    void theWindowStartsWithTheStartupProject() {
        Form1 form;
        QCOMPARE(form.windowTitle(), QString("Quorvane"));

        QCOMPARE(Text(form, "txtmnm"), QString("MyMenu"));
        QVERIFY(Checked(form, "menubehavopt0") && !Checked(form, "menubehavopt1"));
        QCOMPARE(Text(form, "targetcombo"), QString("Same window"));
        QCOMPARE(Text(form, "txtfrm"), QString());
        QVERIFY(!Find(form, "txtfrm")->isEnabled());
        QCOMPARE(Text(form, "cmbbttnaln"), QString("Middle"));
        QVERIFY(Checked(form, "buttonpropopt0") && !Checked(form, "buttonpropopt1"));
        QCOMPARE(Text(form, "buttontxttxt"), QString("Go"));
        QVERIFY(Checked(form, "chksel") && Checked(form, "chkdefitmclr"));
        QVERIFY(!Checked(form, "grheadchk") && !Checked(form, "notlinkchk"));
        QCOMPARE(Text(form, "txtclr0"), QString("#FFFFFF"));
        QCOMPARE(Text(form, "txtclr1"), QString("#000000"));
        QVERIFY(!Find(form, "txtclr0")->isEnabled() && !Find(form, "cmdclr1")->isEnabled());
        QVERIFY(!form.Flags().projectChanged && !form.Flags().projectHasFile);

        const model::MenuProject project = form.BuildProject();
        QCOMPARE(project.menu, model::MenuOptions{});
        QCOMPARE(project.button, model::ButtonOptions{});
        QVERIFY(project.items.empty());
        const QPalette palette = QApplication::palette();
        const auto colour = [&palette](QPalette::ColorRole role) {
            return palette.color(role).name().toUpper().toStdString();
        };
        QCOMPARE(project.menuStyle.textColor, colour(QPalette::Text));
        QCOMPARE(project.menuStyle.backColor, colour(QPalette::Base));
        QCOMPARE(
            project.buttonStyle.colors,
            (std::array<std::string, model::kButtonColorCount>{
                colour(QPalette::ButtonText), colour(QPalette::Button), colour(QPalette::Light),
                colour(QPalette::Light), colour(QPalette::Dark), colour(QPalette::Dark)}));
        QCOMPARE(project.buttonStyle.borderThickness, std::string());
        QCOMPARE(QString::fromStdString(project.menuStyle.fontName), QApplication::font().family());
    }

    void menusAndToolbarsCarryTheirCaptionsKeysAndTooltips() {
        Form1 form;
        QStringList menus;
        for (const QAction* menu : form.menuBar()->actions()) {
            menus << menu->text();
        }
        QCOMPARE(menus, (QStringList{"&File", "&Preview", "&Help"}));

        QStringList file;
        for (const QAction* entry : Find<QMenu>(form, "mnuFile")->actions()) {
            file << entry->objectName() + (entry->isVisible() ? "=" + entry->text() : " hidden");
        }
        QCOMPARE(
            file,
            (QStringList{"mnuFileNew=&New Menu Project", "mnuFileLoad=&Load Saved Menu Project",
                         "mnuFileSaveProj=&Save Menu Project",
                         "mnuFileSep1=", "mnuFileCopy=&Copy Code to Clipboard",
                         "mnuFileCodeFile=Save Code to &File", "mnuFileSep2=", "mnuFileExit=&Exit",
                         "mnuFileSep3 hidden", "recentfile0 hidden", "recentfile1 hidden",
                         "recentfile2 hidden", "recentfile3 hidden", "recentfile4 hidden"}));
        QCOMPARE(Find<QAction>(form, "mnuPrevBr")->text(), QString("&Preview Menu in Browser"));
        QStringList help;
        for (const QAction* entry : Find<QMenu>(form, "mnuHlp")->actions()) {
            help << entry->text();
        }
        QCOMPARE(help, (QStringList{"&Help Topics", "&Tutorial", "&Context Help", "&Tip of the Day",
                                    "", "Tell &Friends about Quorvane",
                                    "&Other Software from Brindlecote", "&About..."}));

        QStringList toolbar;
        for (const QAction* button : Find<QToolBar>(form, "Toolbar1")->actions()) {
            toolbar << (button->isSeparator() ? "|"
                                              : button->objectName() + "=" + button->toolTip());
            QVERIFY(button->isSeparator() || !button->icon().isNull());
        }
        QCOMPARE(toolbar,
                 (QStringList{"newproj=Create new menu project", "loadproj=Load saved menu project",
                              "saveproj=Save current menu project", "|",
                              "savecodeclip=Generate menu code and copy to clipboard",
                              "savecodefile=Generate menu code and save to a file", "|",
                              "preview=Preview menu in browser", "|", "help=Open help file",
                              "wthis=Show context help", "about=About Quorvane"}));

        QStringList items;
        for (const QAction* button : Find<QToolBar>(form, "tb2")->actions()) {
            items << button->objectName() + "=" + button->toolTip();
        }
        QCOMPARE(items, (QStringList{"movup=Move selected item up one position.",
                                     "movdn=Move selected item down one position.",
                                     "edit=Edit text and link url of selected item.",
                                     "delete=Delete selected item."}));
        QStringList popup;
        for (const QAction* entry : Find<QMenu>(form, "mnuListPop")->actions()) {
            popup << entry->objectName() + "=" + entry->text();
        }
        QCOMPARE(popup, (QStringList{"mnuListPopMovUp=Move Up", "mnuListPopMovDn=Move Down",
                                     "mnuListPopEdt=Edit", "mnuListPopRem=Delete"}));

        auto* tabs = Find<QTabWidget>(form, "SSTab1");
        QCOMPARE(tabs->tabText(0), QString("Global Menu Properties"));
        QCOMPARE(tabs->tabText(1), QString("Submit Button Properties"));
        QCOMPARE(Find<QAbstractButton>(form, "Command1")->text(),
                 QString("Free Button Graphics from Brindlecote"));
        QCOMPARE(Find<QAbstractButton>(form, "Command2")->text(),
                 QString("Professionally Designed Web Site Templates"));
        QVERIFY(Find<QStatusBar>(form, "StatusBar1") != nullptr);
    }

    void theListShowsSevenColumnsWithBoldHeadings() {
        Form1 form;
        QAbstractItemModel* items = Items(form);
        QStringList captions;
        for (int column = 0; column < items->columnCount(); ++column) {
            captions << items->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(captions, (QStringList{"Item Text", "Linked?", "Link URL", "Selected?",
                                        "Back Color", "Text Color", "Heading"}));

        Items(form)->AppendItem({"Fruit", "No", "", "No", "Default", "Default", "Yes"});
        Items(form)->AppendItem(
            {"   Apples", "Yes", "apples.html", "Yes", "#FF0000", "#FFFFFF", "No"});
        QVERIFY(items->data(items->index(0, 3), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!items->data(items->index(1, 0), Qt::FontRole).value<QFont>().bold());
        QCOMPARE(items->data(items->index(1, 2)).toString(), QString("apples.html"));

        const model::MenuProject project = form.BuildProject();
        QCOMPARE(project.items.size(), 2u);
        QCOMPARE(project.items[1], (model::MenuItem{"   Apples", "Yes", "apples.html", "Yes",
                                                    "#FF0000", "#FFFFFF", "No"}));

        // Addresses of earlier items complete the link box.
        QCompleter* completer = Find<QLineEdit>(form, "linktext")->completer();
        QVERIFY(completer != nullptr);
        completer->setCompletionPrefix("APP");
        QCOMPARE(completer->currentCompletion(), QString("apples.html"));
    }

    void projectCommandsNeedARowInTheList() {
        Form1 form;
        const char* commands[] = {"mnuFileSaveProj", "mnuFileCopy",  "mnuFileCodeFile", "mnuPrevBr",
                                  "saveproj",        "savecodeclip", "savecodefile",    "preview"};
        const auto enabled = [&form, &commands] {
            QStringList states;
            for (const char* name : commands) {
                states << QString(name) + (Find<QAction>(form, name)->isEnabled() ? "+" : "-");
            }
            return states.join(' ');
        };
        QCOMPARE(enabled(), QString("mnuFileSaveProj- mnuFileCopy- mnuFileCodeFile- mnuPrevBr- "
                                    "saveproj- savecodeclip- savecodefile- preview-"));
        QVERIFY(Find<QAction>(form, "newproj")->isEnabled());
        QVERIFY(Find<QAction>(form, "mnuFileNew")->isEnabled());

        Items(form)->AppendItem({"Home", "Yes", "index.html", "Yes", "Default", "Default", "No"});
        QCOMPARE(enabled(), QString("mnuFileSaveProj+ mnuFileCopy+ mnuFileCodeFile+ mnuPrevBr+ "
                                    "saveproj+ savecodeclip+ savecodefile+ preview+"));
        Items(form)->removeRow(0);
        QVERIFY(!enabled().contains('+'));
        Items(form)->AppendItem({"Home", "Yes", "index.html", "Yes", "Default", "Default", "No"});
        Items(form)->clear();
        QVERIFY(!enabled().contains('+'));
    }

    void webLinksOpenTheirAddresses() {
        Form1 form;
        Find<QAbstractButton>(form, "Command1")->click();
        Find<QAbstractButton>(form, "Command2")->click();
        Find<QAction>(form, "mnuHelpMFS")->trigger();
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example/buttons/",
                              "https://templates.brindlecote.example",
                              "https://www.brindlecote.example"}));
    }

    void theLoadedLayoutShowsEveryControlWhole() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        auto* tabs = Find<QTabWidget>(form, "SSTab1");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QCOMPARE(Clipped(&form).join(","), QString());
        }
        QCOMPARE(Overlaps(Find(form, "Form1Client")), QStringList());
        QCOMPARE(Overlaps(Find(form, "Frame2")), QStringList());
        // The list sits below the frame's title.
        QVERIFY(Find(form, "lv")->y() >= Find(form, "Frame2")->contentsRect().top());
        QVERIFY(Find(form, "tb2")->geometry().bottom() <=
                Find(form, "Frame2")->contentsRect().bottom());
        // The window is registered for its own resize handling on the client area.
        const QWidget* client = Find(form, "Form1Client");
        const QByteArray count = "C" + QByteArray::number(reinterpret_cast<quintptr>(client));
        QCOMPARE(client->property(count.constData()).toInt(), 1);
    }

    void onlyTheListAreaFollowsTheWindowsSize() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize loaded = form.size();
        QMap<QString, QRect> before;
        for (const char* name : {"Frame1", "SSTab1", "Command1", "Command2", "Frame2", "lv", "tb2",
                                 "Toolbar1", "StatusBar1"}) {
            before[name] = Find(form, name)->geometry();
        }

        form.resize(loaded + QSize(300, 200));
        QTRY_COMPARE(form.size(), loaded + QSize(300, 200));
        QCoreApplication::processEvents();
        for (const char* name : {"Frame1", "SSTab1", "Command1", "Command2"}) {
            QCOMPARE(Find(form, name)->geometry(), before[name]);
        }
        const auto grew = [&](const char* name) {
            const QRect now = Find(form, name)->geometry();
            return QSize(now.width() - before[name].width(), now.height() - before[name].height());
        };
        const auto near = [](QSize actual, QSize expected) {
            return qAbs(actual.width() - expected.width()) <= 1 &&
                   qAbs(actual.height() - expected.height()) <= 1;
        };
        QVERIFY(near(grew("Frame2"), {300, 200}));
        QVERIFY(near(grew("lv"), {300, 200}));
        QCOMPARE(Find(form, "Frame2")->pos(), before["Frame2"].topLeft());
        QCOMPARE(Find(form, "lv")->pos(), before["lv"].topLeft());
        QVERIFY(qAbs(Find(form, "tb2")->y() - before["tb2"].y() - 200) <= 1);
        QCOMPARE(Find(form, "tb2")->x(), before["tb2"].x());
        QCOMPARE(Find(form, "tb2")->size(), before["tb2"].size());
        QCOMPARE(grew("Toolbar1"), QSize(300, 0));
        const QWidget* client = Find(form, "Form1Client");
        QCOMPARE(Find(form, "StatusBar1")->geometry().bottom(), client->height() - 1);
        QCOMPARE(Find(form, "StatusBar1")->width(), client->width());

        form.resize(loaded);
        QTRY_COMPARE(form.size(), loaded);
        QCoreApplication::processEvents();
        for (const char* name : {"Frame2", "lv", "tb2", "Toolbar1", "StatusBar1"}) {
            QCOMPARE(Find(form, name)->geometry(), before[name]);
        }

        // Nothing moves while the window is minimized; it is laid out again when restored.
        form.showMinimized();
        QTRY_VERIFY(form.isMinimized());
        form.resize(loaded + QSize(100, 100));
        QCoreApplication::processEvents();
        QCOMPARE(Find(form, "lv")->geometry(), before["lv"]);
        form.showNormal();
        QTRY_VERIFY(near(grew("lv"), {100, 100}));
    }

    void theWindowCannotShrinkBelowItsLoadedSize() {
        Form1 form;
        const QSize loaded = form.size();
        QCOMPARE(form.minimumSize(), loaded);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(loaded - QSize(200, 150));
        QCoreApplication::processEvents();
        QCOMPARE(form.size(), loaded);
        form.resize(loaded.width() + 50, loaded.height() - 100);
        QCoreApplication::processEvents();
        QCOMPARE(form.size(), QSize(loaded.width() + 50, loaded.height()));
    }

    void droppedTextReplacesTheLinkAndOtherDataIsRefused() {
        Form1 form;
        auto* linktext = Find<QLineEdit>(form, "linktext");
        linktext->setText("typed by hand");
        const QPoint middle = linktext->rect().center();
        const auto drag = [&](const QMimeData& data) {
            QDragEnterEvent enter(middle, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                                  Qt::NoModifier);
            QCoreApplication::sendEvent(linktext, &enter);
            QDropEvent drop(middle, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                            Qt::NoModifier);
            QCoreApplication::sendEvent(linktext, &drop);
            return std::pair{enter.isAccepted() ? enter.dropAction() : Qt::IgnoreAction,
                             drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction};
        };

        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(environment.path("tmp/page.html"))});
        QCOMPARE(drag(file), std::pair(Qt::IgnoreAction, Qt::IgnoreAction));
        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QCOMPARE(drag(image), std::pair(Qt::IgnoreAction, Qt::IgnoreAction));
        QCOMPARE(linktext->text(), QString("typed by hand"));

        QMimeData address;
        address.setText("https://www.example.org/menu/");
        QCOMPARE(drag(address), std::pair(Qt::CopyAction, Qt::CopyAction));
        QCOMPARE(linktext->text(), QString("https://www.example.org/menu/"));
    }

    void withoutADisplayTheWindowIsNotStarted() {
        QVERIFY(!gui::DisplayAvailable("", "", ""));
        QVERIFY(gui::DisplayAvailable("", ":0", ""));
        QVERIFY(gui::DisplayAvailable("", "", "wayland-0"));
        QVERIFY(!gui::DisplayAvailable("xcb", "", "wayland-0"));
        QVERIFY(!gui::DisplayAvailable("wayland", ":0", ""));
        QVERIFY(gui::DisplayAvailable("offscreen", "", ""));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
