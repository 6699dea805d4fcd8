#include "dialogs/AboutDialog.h"
#include "dialogs/TellFriendsDialog.h"
#include "dialogs/TipOfTheDayDialog.h"
#include "help/HelpPages.h"
#include "support/AllWindows.h"
#include "support/WindowTest.h"

using dialogs::TipOfTheDayDialog;
using mainwindow::MainWindow;

namespace {

bool IsInputControl(const QWidget* widget) {
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QComboBox*>(widget) || qobject_cast<const QAbstractSlider*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget);
}

// The pieces a compound control is made of (the box of a list, the arrows of a tab bar, the
// scroll bars of a list) and Qt's own helpers are named and reached through their control.
bool OwnControl(const QWidget* widget, const QWidget& window) {
    for (const QWidget* up = widget->parentWidget(); up && up != &window; up = up->parentWidget()) {
        if (IsInputControl(up) || qobject_cast<const QTabBar*>(up)) {
            return false;
        }
    }
    return widget->window() == &window && !qobject_cast<const QScrollBar*>(widget) &&
           !widget->objectName().startsWith("qt_");
}

QString Describe(const QWidget* widget) {
    return QString("%1 \"%2\"").arg(widget->metaObject()->className(), widget->objectName());
}

// The text What's This shows for the control: its own (a tool button's is its action's), or for
// a part without a name (a tab bar, a viewport) that of the named control it belongs to.
QString ExplainedBy(const QWidget* widget) {
    if (const auto* button = qobject_cast<const QToolButton*>(widget);
        button != nullptr && button->defaultAction() != nullptr) {
        return button->defaultAction()->whatsThis();
    }
    while (widget->whatsThis().isEmpty() && widget->objectName().isEmpty() && !widget->isWindow()) {
        widget = widget->parentWidget();
    }
    return widget->whatsThis();
}

// Controls without a name, access keys that lead nowhere or come twice, Tab steps against the
// reading order (back to an earlier row further left, or leftwards along a row), and in the
// windows that edit the menu, controls without a short What's This text.
QStringList Faults(QWidget& window, bool explained, int& controls) {
    QStringList faults;
    QMap<QChar, QString> keys;
    const auto labels = window.findChildren<QLabel*>();
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        if (!OwnControl(widget, window) || !widget->isVisibleTo(&window)) {
            continue;
        }
        const auto* label = qobject_cast<const QLabel*>(widget);
        const auto* button = qobject_cast<const QAbstractButton*>(widget);
        const QChar key = AccessKey(label ? label->text() : button ? button->text() : QString());
        if (!key.isNull() && keys.contains(key)) {
            faults << "key " + QString(key) + " twice: " + keys[key] + ", " + Describe(widget);
        }
        keys[key] = Describe(widget);
        if (label != nullptr && !key.isNull() && label->buddy() == nullptr) {
            faults << "access key without a control: " + Describe(widget);
        }
        const bool buddied = std::any_of(labels.begin(), labels.end(), [widget](auto* named) {
            return named->buddy() == widget && !named->text().isEmpty();
        });
        const QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
        if (IsInputControl(widget) && !buddied &&
            face->text(QAccessible::Name).trimmed().isEmpty()) {
            faults << "unnamed " + Describe(widget);
        }
        controls += IsInputControl(widget) ? 1 : 0;
        const QString help = ExplainedBy(widget);
        if (explained && (widget->focusPolicy() != Qt::NoFocus || button != nullptr) &&
            (help.isEmpty() || help.count(QRegularExpression("[.!?](\\s|$)")) > 2)) {
            faults << "unexplained " + Describe(widget);
        }
    }
    QWidget* from = nullptr;
    for (QWidget* to = window.nextInFocusChain(); to != &window; to = to->nextInFocusChain()) {
        if (!OwnControl(to, window) || !to->isVisibleTo(&window) ||
            !(to->focusPolicy() & Qt::TabFocus)) {
            continue;
        }
        if (from != nullptr) {
            const QPoint a = from->mapTo(&window, QPoint()), b = to->mapTo(&window, QPoint());
            const int tolerance = std::min(from->height(), to->height()) / 2;
            const bool up = b.y() < a.y() - tolerance;
            const bool sameRow = !up && b.y() <= a.y() + tolerance;
            if ((up && b.x() < a.x()) || (sameRow && b.x() < a.x() - 4)) {
                faults << "Tab back: " + Describe(from) + " -> " + Describe(to);
            }
        }
        from = to;
    }
    return faults;
}

QStringList LinkedPages(const QString& page) {
    static const QRegularExpression link("href=\"([^\"#:]+)\"");
    QStringList pages;
    for (auto matches = link.globalMatch(FileContents(page)); matches.hasNext();) {
        pages << matches.next().captured(1);
    }
    return pages;
}

} // namespace

class AccessibilityAndHelpTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() { platform::ClearOpenedDocuments(); }

    void everyWindowCanBeUsedFromTheKeyboardAndExplainsItself() {
        QStringList faults;
        int controls = 0;
        ForEachWindow([&faults, &controls](const QString& name, QWidget& window) {
            const bool explained = name == "Form1" || name == "frmAdvMnuOp" ||
                                   name == "FrmAdvBttnOp" || name == "frmImport";
            ForEachPage(window, [&] {
                for (const QString& fault : Faults(window, explained, controls)) {
                    faults << name + ": " + fault;
                }
            });
        });
        faults.removeDuplicates();
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
        QVERIFY(controls > 100);
    }

    void theHelpCommandsOpenInstalledPagesThatLinkToEachOther() {
        platform::ClearShownMessages();
        MainWindow window;
        Click(window, {"mnuHlpCont", "help", "mnuHelpTut", "wthis"});
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QWhatsThis::leaveWhatsThisMode();
        const QString folder = QCoreApplication::applicationDirPath() + "/help/";
        QCOMPARE(platform::OpenedDocuments().join(' ').replace(folder, ""),
                 QString("index.html index.html tutorial.html"));
        // The contents page leads to every page, and no page links to one that is missing.
        const QStringList pages = QDir(folder).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 6);
        for (const QString& page : pages) {
            for (const QString& linked : LinkedPages(folder + page)) {
                QVERIFY2(QFile::exists(folder + linked), qPrintable(page + " -> " + linked));
            }
            QVERIFY2(LinkedPages(folder + "index.html").contains(page), qPrintable(page));
        }

        help::OpenHelpPage(&window, "gone.html");
        QCOMPARE(platform::OpenedDocuments().size(), 3);
        const QString text = TakeMessages().join('\n');
        QVERIFY2(text.contains(folder + "gone.html") &&
                     text.contains("/share/quorvane/help/gone.html"),
                 qPrintable(text));
    }

    void theStartupChoiceIsStoredAtEveryClickAndHonouredAtTheNextStart() {
        const QSettings file(environment.path("config/Brindlecote/Quorvane.conf"),
                             QSettings::IniFormat);
        QString stored;
        {
            MainWindow window;
            QVERIFY(WhenShown<TipOfTheDayDialog>(
                [&window] { window.ShowStartupTip(); },
                [&](TipOfTheDayDialog& tip) {
                    for (int click = 0; click < 3; ++click) {
                        Click(tip, "chkLoadTipsAtStartup");
                        stored += file.value("Options/Show Tips at Startup").toString();
                    }
                    Click(tip, "cmdOK");
                }));
        }
        QCOMPARE(stored, QString("010"));
        MainWindow window;
        ModalScript none;
        window.ShowStartupTip();
        QVERIFY(none.Done());
    }

    void tellFriendsAndAboutHandTheirAddressesToTheDesktop() {
        MainWindow window;
        const auto send = [&window] {
            return WhenShown<dialogs::TellFriendsDialog>(
                [&window] { Click(window, "mnuhelptaf"); },
                [](QDialog& tell) {
                    Type(tell, "Text11", "ann@one.example");
                    Type(tell, "Text13", "bob@two.example");
                    Click(tell, "Command1");
                });
        };
        QVERIFY(send() && platform::OpenedDocuments().size() == 1);
        QVERIFY(platform::OpenedDocuments()[0].startsWith(
            "mailto:ann@one.example,bob@two.example?subject=Check out this handy web building"));
        platform::FailOpeningDocuments(true);
        QVERIFY(send());
        platform::FailOpeningDocuments(false);
        QCOMPARE(TakeMessages(true), QStringList{"Oops!|Could not start your email program.|!|Ok"});

        // The about window's links leave it open.
        platform::ClearOpenedDocuments();
        const auto clickLinks = [](dialogs::AboutDialog& about) {
            QTest::mouseClick(Find(about, "Label6"), Qt::LeftButton);
            QTest::mouseClick(Find(about, "Label5"), Qt::LeftButton);
            QVERIFY(about.isVisible());
            Click(about, "Command3");
        };
        QVERIFY(WhenShown<dialogs::AboutDialog>([&window] { Click(window, "about"); }, clickLinks));
        QCOMPARE(platform::OpenedDocuments(),
                 (QStringList{"https://www.brindlecote.example",
                              "mailto:support@brindlecote.example?subject=Quorvane Support"}));
    }
};

QTEST_MAIN(AccessibilityAndHelpTest)
#include "AccessibilityAndHelpTest.moc"
