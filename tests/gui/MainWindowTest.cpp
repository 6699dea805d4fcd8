#include "Application.h"
#include "mainwindow/Form1.h"
#include "mainwindow/ItemListModel.h"
#include "platform/Documents.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QCompleter>
#include <QFontDatabase>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeView>
#include <QtTest>

using mainwindow::Form1;

namespace {

QWidget* Find(const QObject& form, const char* name) {
    return form.findChild<QWidget*>(name);
}

mainwindow::ItemListModel* Items(const Form1& form) {
    return static_cast<mainwindow::ItemListModel*>(form.findChild<QTreeView*>("lv")->model());
}

// "name=caption" per entry, "|" per separator, "~" after a hidden entry.
QStringList Entries(const QList<QAction*>& actions, QString (QAction::*caption)() const) {
    QStringList entries;
    for (const QAction* action : actions) {
        entries << (action->isSeparator() ? "|"
                                          : action->objectName() + "=" + (action->*caption)()) +
                       (action->isVisible() ? "" : "~");
    }
    return entries;
}

// Siblings sharing a pixel, and labels or buttons smaller than their text needs.
QStringList LayoutFaults(const QWidget* root) {
    QStringList faults;
    const auto children = root->findChildren<QWidget*>();
    for (const QWidget* a : children) {
        for (const QWidget* b : children) {
            if (a < b && a->parent() == b->parent() && a->isVisible() && b->isVisible() &&
                a->geometry().intersects(b->geometry())) {
                faults << a->objectName() + " overlaps " + b->objectName();
            }
        }
        const bool hasText =
            qobject_cast<const QLabel*>(a) || qobject_cast<const QAbstractButton*>(a);
        if (hasText && a->isVisible() &&
            (a->width() < a->minimumSizeHint().width() ||
             a->height() < a->minimumSizeHint().height())) {
            faults << a->objectName() + " clipped";
        }
    }
    return faults;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void theWindowStartsWithTheStartupProject() {
        Form1 form;
        QCOMPARE(form.windowTitle(), QString("Quorvane"));
        QCOMPARE(form.findChild<QComboBox*>("targetcombo")->currentText(), QString("Same window"));
        QCOMPARE(form.findChild<QComboBox*>("cmbbttnaln")->currentText(), QString("Middle"));
        QStringList boxes;
        for (const char* name : {"txtmnm", "buttontxttxt", "txtfrm", "txtclr0", "txtclr1"}) {
            const auto* box = form.findChild<QLineEdit*>(name);
            boxes << box->text() + (box->isEnabled() ? "" : "~");
        }
        QCOMPARE(boxes, (QStringList{"MyMenu", "Go", "~", "#FFFFFF~", "#000000~"}));
        QString checks;
        for (const char* name : {"menubehavopt0", "buttonpropopt0", "chksel", "chkdefitmclr",
                                 "menubehavopt1", "buttonpropopt1", "grheadchk", "notlinkchk"}) {
            checks += form.findChild<QAbstractButton*>(name)->isChecked() ? '+' : '-';
        }
        QCOMPARE(checks, QString("++++----"));
        QVERIFY(!form.Flags().projectChanged && !form.Flags().projectHasFile);

        // The styles start from the desktop's palette.
        const model::MenuProject project = form.BuildProject();
        QVERIFY(project.items.empty() && project.menu == model::MenuOptions{} &&
                project.button == model::ButtonOptions{});
        const auto colour = [](QPalette::ColorRole role) {
            return QApplication::palette().color(role).name().toUpper().toStdString();
        };
        QCOMPARE(project.menuStyle.textColor + project.menuStyle.backColor,
                 colour(QPalette::Text) + colour(QPalette::Base));
        QCOMPARE(project.buttonStyle.colors,
                 (std::array{colour(QPalette::ButtonText), colour(QPalette::Button),
                             colour(QPalette::Light), colour(QPalette::Light),
                             colour(QPalette::Dark), colour(QPalette::Dark)}));
        // "MS Sans Serif" when installed, otherwise the second font, in both windows.
        const QStringList fonts = QFontDatabase::families();
        const QString font = fonts.contains("MS Sans Serif") ? "MS Sans Serif" : fonts.value(1);
        QCOMPARE(
            QString::fromStdString(project.buttonStyle.fontName + '|' + project.menuStyle.fontName),
            font + '|' + font);
        QVERIFY(project.buttonStyle.borderThickness.empty());
    }

    void menusAndToolbarsCarryTheirCaptionsKeysAndTooltips() {
        Form1 form;
        QCOMPARE(Entries(form.menuBar()->actions(), &QAction::text).join(' '),
                 QString("=&File =&Preview =&Help"));
        QCOMPARE(Entries(form.findChild<QMenu*>("mnuFile")->actions(), &QAction::text),
                 (QStringList{
                     "mnuFileNew=&New Menu Project", "mnuFileLoad=&Load Saved Menu Project",
                     "mnuFileSaveProj=&Save Menu Project", "|",
                     "mnuFileCopy=&Copy Code to Clipboard", "mnuFileCodeFile=Save Code to &File",
                     "|", "mnuFileExit=&Exit", "|~", "recentfile0=~", "recentfile1=~",
                     "recentfile2=~", "recentfile3=~", "recentfile4=~"}));
        QCOMPARE(Entries(form.findChild<QMenu*>("mnuHlp")->actions(), &QAction::text).join(' '),
                 QString("mnuHlpCont=&Help Topics mnuHelpTut=&Tutorial mnuHelpCtx=&Context Help "
                         "mnuhlpTips=&Tip of the Day | mnuhelptaf=Tell &Friends about Quorvane "
                         "mnuHelpMFS=&Other Software from Brindlecote mnuHlpAb=&About..."));
        QCOMPARE(Entries(form.findChild<QToolBar*>("Toolbar1")->actions(), &QAction::toolTip),
                 (QStringList{"newproj=Create new menu project", "loadproj=Load saved menu project",
                              "saveproj=Save current menu project", "|",
                              "savecodeclip=Generate menu code and copy to clipboard",
                              "savecodefile=Generate menu code and save to a file", "|",
                              "preview=Preview menu in browser", "|", "help=Open help file",
                              "wthis=Show context help", "about=About Quorvane"}));
        QCOMPARE(Entries(form.findChild<QToolBar*>("tb2")->actions(), &QAction::toolTip),
                 (QStringList{"movup=Move selected item up one position.",
                              "movdn=Move selected item down one position.",
                              "edit=Edit text and link url of selected item.",
                              "delete=Delete selected item."}));
        for (const QAction* button : form.findChild<QToolBar*>("Toolbar1")->actions()) {
            QVERIFY(button->isSeparator() || !button->icon().isNull());
        }
    }

    void theListHoldsTheItemsAndEnablesTheProjectCommands() {
        Form1 form;
        QAbstractItemModel* items = Items(form);
        QStringList captions;
        for (int column = 0; column < items->columnCount(); ++column) {
            captions << items->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(captions.join(','), QString("Item Text,Linked?,Link URL,Selected?,Back Color,"
                                             "Text Color,Heading"));
        const auto enabled = [&form] {
            QString states;
            for (const char* name :
                 {"mnuFileSaveProj", "mnuFileCopy", "mnuFileCodeFile", "mnuPrevBr", "saveproj",
                  "savecodeclip", "savecodefile", "preview", "newproj"}) {
                states += form.findChild<QAction*>(name)->isEnabled() ? '+' : '-';
            }
            return states;
        };
        QCOMPARE(enabled(), QString("--------+"));

        const model::MenuItem apples{"   Apples", "Yes",     "apples.html", "Yes",
                                     "#FF0000",   "#FFFFFF", "No"};
        Items(form)->AppendItem({"Fruit", "No", "", "No", "Default", "Default", "Yes"});
        Items(form)->AppendItem(apples);
        QCOMPARE(enabled(), QString("+++++++++"));
        QVERIFY(items->data(items->index(0, 3), Qt::FontRole).value<QFont>().bold());
        QVERIFY(!items->data(items->index(1, 0), Qt::FontRole).value<QFont>().bold());
        QCOMPARE(form.BuildProject().items.at(1), apples);

        // Addresses of earlier items complete the link box.
        QCompleter* completer = form.findChild<QLineEdit*>("linktext")->completer();
        completer->setCompletionPrefix("APP");
        QCOMPARE(completer->currentCompletion(), QString("apples.html"));

        Items(form)->removeRow(0);
        QCOMPARE(enabled(), QString("+++++++++"));
        Items(form)->removeRow(0);
        QCOMPARE(enabled(), QString("--------+"));
    }

    void webLinksOpenTheirAddresses() {
        Form1 form;
        platform::ClearOpenedDocuments();
        Click(form, "Command1");
        Click(form, "Command2");
        Trigger(form, "mnuHelpMFS");
        QCOMPARE(form.findChild<QAbstractButton*>("Command1")->text() + '|' +
                     form.findChild<QAbstractButton*>("Command2")->text(),
                 QString("Free Button Graphics from Brindlecote|"
                         "Professionally Designed Web Site Templates"));
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example/buttons/",
                              "https://templates.brindlecote.example",
                              "https://www.brindlecote.example"}));
    }

    void theLoadedLayoutShowsEveryControlWholeAndIsTheSmallest() {
        Form1 form;
        const QSize loaded = form.size();
        QCOMPARE(form.minimumSize(), loaded);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        for (int page : {1, 0}) {
            form.findChild<QTabWidget*>("SSTab1")->setCurrentIndex(page);
            QCoreApplication::processEvents();
            QCOMPARE(LayoutFaults(&form), QStringList());
        }
        QVERIFY(Find(form, "lv")->y() >= Find(form, "Frame2")->contentsRect().top());
        // The window handles the resizing of its client area through one registration.
        const QWidget* client = form.centralWidget();
        QCOMPARE(client->property("C" + QByteArray::number(reinterpret_cast<quintptr>(client))), 1);

        form.resize(loaded.width() + 50, loaded.height() - 100);
        QCoreApplication::processEvents();
        QCOMPARE(form.size(), QSize(loaded.width() + 50, loaded.height()));
    }

    void onlyTheListAreaFollowsTheWindowsSize() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        const QSize loaded = form.size();
        const char* const names[] = {"Frame1", "SSTab1", "Command2", "Frame2",
                                     "lv",     "tb2",    "Toolbar1", "StatusBar1"};
        const auto geometries = [&form, &names] {
            QList<QRect> rects;
            for (const char* name : names) {
                rects << Find(form, name)->geometry();
            }
            return rects;
        };
        const QList<QRect> before = geometries();
        const auto grownBy = [&](int dx, int dy) {
            form.resize(loaded + QSize(dx, dy));
            QTRY_COMPARE(form.size(), loaded + QSize(dx, dy));
            QCoreApplication::processEvents();
        };

        grownBy(300, 200);
        const QList<QRect> after = geometries();
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(after[i], before[i]);
        }
        const auto near = [](const QRect& rect, const QRect& expected) {
            return (rect.topLeft() - expected.topLeft()).manhattanLength() <= 1 &&
                   qAbs(rect.width() - expected.width()) <= 1 &&
                   qAbs(rect.height() - expected.height()) <= 1;
        };
        QVERIFY(near(after[3], before[3].adjusted(0, 0, 300, 200))); // Frame2
        QVERIFY(near(after[4], before[4].adjusted(0, 0, 300, 200))); // lv
        QVERIFY(near(after[5], before[5].translated(0, 200)));       // tb2
        QCOMPARE(after[6], before[6].adjusted(0, 0, 300, 0));        // Toolbar1
        QCOMPARE(after[7], before[7].adjusted(0, 200, 300, 200));    // StatusBar1

        grownBy(0, 0);
        QCOMPARE(geometries(), before);

        // Nothing moves while the window is minimized; it is laid out again when restored.
        form.showMinimized();
        QTRY_VERIFY(form.isMinimized());
        grownBy(100, 100);
        QCOMPARE(Find(form, "lv")->geometry(), before[4]);
        form.showNormal();
        QTRY_VERIFY(near(Find(form, "lv")->geometry(), before[4].adjusted(0, 0, 100, 100)));
    }

    void droppedTextReplacesTheLinkAndOtherDataIsRefused() {
        Form1 form;
        auto* linktext = form.findChild<QLineEdit*>("linktext");
        linktext->setText("typed by hand");
        const auto drop = [linktext](const QMimeData& data) {
            const QPoint at = linktext->rect().center();
            QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(linktext, &enter);
            QDropEvent dropped(at, Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, {});
            QCoreApplication::sendEvent(linktext, &dropped);
            const auto effect = [](const QDropEvent& event) {
                return event.isAccepted() ? event.dropAction() : Qt::IgnoreAction;
            };
            return std::pair{effect(enter), effect(dropped)};
        };

        QMimeData file;
        file.setUrls({QUrl::fromLocalFile(environment.path("tmp/page.html"))});
        QMimeData image;
        image.setImageData(QImage(4, 4, QImage::Format_RGB32));
        QCOMPARE(drop(file), std::pair(Qt::IgnoreAction, Qt::IgnoreAction));
        QCOMPARE(drop(image), std::pair(Qt::IgnoreAction, Qt::IgnoreAction));
        QCOMPARE(linktext->text(), QString("typed by hand"));

        QMimeData address;
        address.setText("https://www.example.org/menu/");
        QCOMPARE(drop(address), std::pair(Qt::CopyAction, Qt::CopyAction));
        QCOMPARE(linktext->text(), QString("https://www.example.org/menu/"));
    }

    void withoutADisplayTheWindowIsNotStarted() {
        QCOMPARE(
            QList<bool>({gui::DisplayAvailable("", "", ""), gui::DisplayAvailable("", ":0", ""),
                         gui::DisplayAvailable("", "", "wayland-0"),
                         gui::DisplayAvailable("xcb", "", "wayland-0"),
                         gui::DisplayAvailable("wayland", ":0", ""),
                         gui::DisplayAvailable("offscreen", "", "")}),
            QList<bool>({false, true, true, false, false, true}));
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
