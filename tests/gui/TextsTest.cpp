#include "platform/Translations.h"
#include "support/AllWindows.h"
#include "support/WindowTest.h"

namespace {

// Every text a window shows of its own: captions, lists' entries, tooltips, What's This texts
// and menu entries; the user's values and what depends on the machine are left out.
QStringList Texts(const QString& name, QWidget& window) {
    QStringList texts{name + ": " + window.windowTitle()};
    const auto add = [&texts, &name](const QObject* owner, const char* kind, const QString& text) {
        if (!text.isEmpty()) {
            texts << name + '/' + owner->objectName() + ' ' + kind + ": " + text;
        }
    };
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || widget->objectName().startsWith("qt_")) {
            continue;
        }
        if (const auto* label = qobject_cast<const QLabel*>(widget);
            label != nullptr && label->objectName() != "lblTipText" &&
            label->objectName() != "Label16") {
            add(widget, "text", label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(widget, "text", button->text());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            add(widget, "title", group->title());
        } else if (const auto* list = qobject_cast<const QComboBox*>(widget);
                   list != nullptr && !list->isEditable() && list->objectName() != "combofont") {
            for (int entry = 0; entry < list->count(); ++entry) {
                add(widget, "entry", list->itemText(entry));
            }
        } else if (const auto* dock = qobject_cast<const QDockWidget*>(widget)) {
            add(widget, "title", dock->windowTitle());
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int page = 0; page < tabs->count(); ++page) {
                add(widget, "page", tabs->tabText(page));
            }
        }
        add(widget, "tip", widget->toolTip());
        add(widget, "help", widget->whatsThis());
        add(widget, "name", widget->accessibleName());
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        if (menu->parentWidget()->window() != &window) {
            continue;
        }
        add(menu, "title", menu->title());
        for (const QAction* action : menu->actions()) {
            add(action, "entry", action->text());
            add(action, "help", action->whatsThis());
        }
    }
    return texts;
}

// Labels and buttons narrower or lower than their text needs, and access keys that two entries
// of one menu share.
QStringList Faults(const QString& name, QWidget& window) {
    QStringList faults;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        const bool captioned =
            qobject_cast<const QLabel*>(widget) || qobject_cast<const QAbstractButton*>(widget);
        if (captioned && widget->isVisible() && widget->window() == &window &&
            !widget->objectName().startsWith("qt_") &&
            (widget->width() < widget->minimumSizeHint().width() ||
             widget->height() < widget->minimumSizeHint().height())) {
            faults << name + '/' + widget->objectName() + " clipped";
        }
    }
    QList<QList<QAction*>> menus;
    if (auto* main = qobject_cast<QMainWindow*>(&window)) {
        menus << main->menuBar()->actions();
    }
    for (const QMenu* menu : window.findChildren<QMenu*>()) {
        menus << menu->actions();
    }
    for (const QList<QAction*>& entries : menus) {
        QSet<QChar> keys;
        for (const QAction* entry : entries) {
            const QChar key = AccessKey(entry->text());
            if (key.isNull() || !entry->isVisible()) {
                continue;
            }
            if (keys.contains(key)) {
                faults << name + '/' + entry->objectName() + " repeats the key " + key;
            }
            keys.insert(key);
        }
    }
    return faults;
}

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void withoutALanguageEveryWindowShowsTheEnglishOfItsReference() {
        platform::InstallTranslations(QLocale::c());
        QStringList shown;
        ForEachWindow(
            [&shown](const QString& name, QWidget& window) { shown << Texts(name, window); });
        QCOMPARE(shown, Reference("english.txt", shown));
    }

    void everyLanguageFitsItsWindowsAndKeepsItsAccessKeysApart() {
        QStringList faults;
        for (const char* language : {"de", "fr", "es"}) {
            platform::InstallTranslations(QLocale(language));
            ForEachWindow([&faults, language](const QString& name, QWidget& window) {
                ForEachPage(window, [&] {
                    for (const QString& fault : Faults(name, window)) {
                        faults << QString(language) + ": " + fault;
                    }
                });
            });
        }
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void inGermanTheWindowTheQuestionsAndQtsButtonsAreGerman() {
        // Austrian German takes the German of everything, the tips included.
        platform::InstallTranslations(QLocale("de_AT"));
        QVERIFY(platform::LocalizedDataFile("qvntips.txt").endsWith("/qvntips_de.txt"));
        mainwindow::MainWindow window;
        AddItem(window, "Home", "index.html");
        Click(window, "chksel");
        TakeMessages();
        platform::QueueAnswer(platform::MessageAnswer::No);
        AddItem(window, "Shop", "shop.html");
        QMessageBox box(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(QStringList({Find<QMenu>(window, "mnuFile")->title(),
                              Texts(window, {"additemcmd", "mnuEditUndo"}),
                              TakeMessages().join('\n').section(" ", 0, 4),
                              window.Document().Items().index(0, 3).data().toString(),
                              box.button(QMessageBox::No)->text()})
                     .join('|'),
                 QString("&Datei|Hinzufügen,&Rückgängig: Eintrag hinzufügen|Vorausgewählter "
                         "Eintrag|Sie haben bereits „Home“|Ja|&Nein"));
        platform::InstallTranslations(QLocale::c());
    }
};

QTEST_MAIN(TextsTest)
#include "TextsTest.moc"
