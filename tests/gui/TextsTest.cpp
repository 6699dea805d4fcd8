#include "support/AllWindows.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QtTest>

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

} // namespace

class TextsTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    // After a wanted change, QUORVANE_UPDATE_TEXTS=1 writes the new texts for review.
    void everyWindowShowsTheTextsOfItsReference() {
        QStringList shown;
        ForEachWindow(
            [&shown](const QString& name, QWidget& window) { shown << Texts(name, window); });
        QFile reference(QT_TESTCASE_SOURCEDIR "/gui/texts/english.txt");
        if (qEnvironmentVariableIsSet("QUORVANE_UPDATE_TEXTS")) {
            QVERIFY(reference.open(QIODevice::WriteOnly));
            reference.write(shown.join('\n').toUtf8() + '\n');
            return;
        }
        QVERIFY(reference.open(QIODevice::ReadOnly));
        const QStringList expected =
            QString::fromUtf8(reference.readAll()).split('\n', Qt::SkipEmptyParts);
        for (qsizetype line = 0; line < std::max(shown.size(), expected.size()); ++line) {
            QCOMPARE(shown.value(line), expected.value(line));
        }
    }
};

QTEST_MAIN(TextsTest)
#include "TextsTest.moc"
