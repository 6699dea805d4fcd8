#include "support/AllWindows.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextEdit>
#include <QtTest>

namespace {

bool IsInputControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) ||
           qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// The pieces a compound control is made of (the box of a spin box, the arrows of a tab bar, the
// scroll bars of a list) are named and reached through that control.
bool IsPartOfAControl(const QWidget* widget, const QWidget& window) {
    for (const QWidget* up = widget->parentWidget(); up && up != &window; up = up->parentWidget()) {
        if (IsInputControl(up) || qobject_cast<const QTabBar*>(up)) {
            return true;
        }
    }
    // Qt names its own helpers, such as the arrow of a toolbar too narrow for its keys.
    return qobject_cast<const QScrollBar*>(widget) || widget->objectName().startsWith("qt_");
}

bool HasBuddyLabel(const QWidget* widget, const QWidget& window) {
    const auto labels = window.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [widget](const QLabel* label) {
        return label->buddy() == widget && !label->text().isEmpty();
    });
}

QString AccessibleName(QWidget* widget) {
    const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face ? face->text(QAccessible::Name).trimmed() : QString();
}

QString Describe(const QWidget* widget) {
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

QStringList UnnamedControls(QWidget& window) {
    QStringList unnamed;
    for (auto* widget : window.findChildren<QWidget*>()) {
        if (widget->window() == &window && IsInputControl(widget) &&
            !IsPartOfAControl(widget, window) && AccessibleName(widget).isEmpty() &&
            !HasBuddyLabel(widget, window)) {
            unnamed << Describe(widget);
        }
    }
    return unnamed;
}

// The access key a caption promises ("&Next" gives N), or none.
QChar AccessKey(const QString& caption) {
    const QString text = QString(caption).replace("&&", "");
    const auto at = text.indexOf('&');
    return at >= 0 && at + 1 < text.size() ? text[at + 1].toUpper() : QChar();
}

// Labels whose access key has no control to hand the focus to, and keys two captions share.
QStringList AccessKeyFaults(QWidget& window) {
    QStringList faults;
    QMap<QChar, QString> owners;
    const auto claim = [&](QChar key, const QWidget* widget) {
        if (!key.isNull() && widget->window() == &window && !IsPartOfAControl(widget, window)) {
            if (owners.contains(key)) {
                faults << "key " + QString(key) + " twice: " + owners[key] + ", " +
                              Describe(widget);
            }
            owners[key] = Describe(widget);
        }
    };
    for (const auto* label : window.findChildren<QLabel*>()) {
        if (label->textFormat() == Qt::RichText) {
            continue;
        }
        const QChar key = AccessKey(label->text());
        if (!key.isNull() && !label->buddy()) {
            faults << "access key without a control: " + Describe(label);
        }
        claim(key, label);
    }
    for (const auto* button : window.findChildren<QAbstractButton*>()) {
        claim(AccessKey(button->text()), button);
    }
    return faults;
}

// The visible controls Tab reaches, in the order it reaches them.
QList<QWidget*> TabChain(QWidget& window) {
    QList<QWidget*> chain;
    for (QWidget* widget = window.nextInFocusChain(); widget != &window;
         widget = widget->nextInFocusChain()) {
        if (widget->window() == &window && widget->isVisibleTo(&window) &&
            (widget->focusPolicy() & Qt::TabFocus) && !IsPartOfAControl(widget, window) &&
            !chain.contains(widget)) {
            chain << widget;
        }
    }
    return chain;
}

// Steps of the tab chain that go back against the reading order: to an earlier row further
// left, or leftwards along the same row. Going up into a column further right is fine.
QStringList BackwardSteps(QWidget& window) {
    QStringList steps;
    const auto chain = TabChain(window);
    for (qsizetype index = 1; index < chain.size(); ++index) {
        const QWidget* from = chain[index - 1];
        const QWidget* to = chain[index];
        const QPoint a = from->mapTo(&window, QPoint(0, 0));
        const QPoint b = to->mapTo(&window, QPoint(0, 0));
        const int rowTolerance = std::min(from->height(), to->height()) / 2;
        const bool up = b.y() < a.y() - rowTolerance;
        const bool sameRow = !up && b.y() <= a.y() + rowTolerance;
        if ((up && b.x() < a.x()) || (sameRow && b.x() < a.x() - 4)) {
            steps << Describe(from) + " -> " + Describe(to);
        }
    }
    return steps;
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void everyControlIsNamedAndEveryAccessKeyLeadsSomewhere() {
        QStringList faults;
        ForEachWindow([&faults](const QString& name, QWidget& window) {
            for (const auto& control : UnnamedControls(window)) {
                faults << name + ": unnamed " + control;
            }
            for (const auto& fault : AccessKeyFaults(window)) {
                faults << name + ": " + fault;
            }
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }

    void tabFollowsTheReadingOrderOnEveryPage() {
        QStringList faults;
        ForEachWindow([&faults](const QString& name, QWidget& window) {
            const auto check = [&] {
                for (const auto& step : BackwardSteps(window)) {
                    faults << name + ": " + step;
                }
            };
            check();
            for (auto* tabs : window.findChildren<QTabWidget*>()) {
                for (int page = 0; page < tabs->count(); ++page) {
                    tabs->setCurrentIndex(page);
                    check();
                }
            }
        });
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
