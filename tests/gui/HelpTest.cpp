#include "auxwindows/HelpPages.h"
#include "mainwindow/Form1.h"
#include "platform/Documents.h"
#include "platform/MessageBoxes.h"
#include "support/FormControls.h"
#include "support/TestEnvironment.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QRegularExpression>
#include <QTabWidget>
#include <QToolBar>
#include <QWhatsThis>
#include <QtTest>

namespace {

QString Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The pages a help page links to, by file name.
QStringList LinkedPages(const QString& page) {
    static const QRegularExpression link("href=\"([^\"#:]+)\"");
    QStringList pages;
    for (auto matches = link.globalMatch(Read(page)); matches.hasNext();) {
        pages << matches.next().captured(1);
    }
    return pages;
}

bool Named(const QObject* object) {
    return !object->objectName().isEmpty() && !object->objectName().startsWith("qt_");
}

// The control's own text, or for a part without a name of its own (a tab bar, a list's
// viewport) that of the nearest named control it belongs to.
QString ExplainedBy(const QWidget* widget) {
    for (const QWidget* part = widget; part != nullptr; part = part->parentWidget()) {
        if (!part->whatsThis().isEmpty() || Named(part) || part->isWindow()) {
            return part->whatsThis();
        }
    }
    return {};
}

int Sentences(const QString& text) {
    static const QRegularExpression end("[.!?](\\s|$)");
    int count = 0;
    for (auto matches = end.globalMatch(text); matches.hasNext(); matches.next()) {
        ++count;
    }
    return count;
}

// Controls of the shown `window` the user can click or tab to, on every page of its tab controls.
QList<QWidget*> ReachableControls(QWidget* window) {
    QList<QWidget*> controls;
    const auto collect = [&] {
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            const bool takesInput = widget->focusPolicy() != Qt::NoFocus ||
                                    qobject_cast<QAbstractButton*>(widget) != nullptr;
            if (widget->window() == window && takesInput && widget->isVisibleTo(window) &&
                !controls.contains(widget)) {
                controls << widget;
            }
        }
    };
    collect();
    for (QTabWidget* tabs : window->findChildren<QTabWidget*>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QCoreApplication::processEvents();
            collect();
        }
        tabs->setCurrentIndex(0);
    }
    return controls;
}

} // namespace

class HelpTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void init() {
        platform::ClearOpenedDocuments();
        platform::ClearShownMessages();
    }

    void everyHelpCommandOpensAnInstalledPage() {
        mainwindow::Form1 form;
        for (const char* command : {"mnuHlpCont", "help", "mnuHelpTut"}) {
            Trigger(form, command);
        }
        const QString folder = QCoreApplication::applicationDirPath() + "/help/";
        QCOMPARE(
            platform::OpenedDocuments(),
            (QStringList{folder + "index.html", folder + "index.html", folder + "tutorial.html"}));
        QVERIFY(platform::ShownMessages().empty());

        // The contents page leads to every page, and no page links to one that is missing.
        const QStringList pages = QDir(folder).entryList({"*.html"}, QDir::Files);
        QVERIFY(pages.size() >= 6);
        for (const QString& page : pages) {
            const QString text = Read(folder + page);
            QVERIFY2(text.contains("<title>") && text.contains("</html>"), qPrintable(page));
            for (const QString& linked : LinkedPages(folder + page)) {
                QVERIFY2(QFile::exists(folder + linked), qPrintable(page + " -> " + linked));
            }
            QVERIFY2(LinkedPages(folder + "index.html").contains(page), qPrintable(page));
        }
    }

    void aPageThatIsNowhereIsReportedNotOpened() {
        QWidget owner;
        auxwindows::OpenHelpPage(&owner, "gone.html");
        QVERIFY(platform::OpenedDocuments().empty());
        QCOMPARE(platform::ShownMessages().size(), 1u);
        const model::UserMessage& message = platform::ShownMessages()[0].message;
        QCOMPARE(message.title, std::string("Oops!"));
        const QString text = QString::fromStdString(message.text);
        QVERIFY2(text.contains(QCoreApplication::applicationDirPath() + "/help/gone.html") &&
                     text.contains("/share/quorvane/help/gone.html"),
                 qPrintable(text));
    }

    void contextHelpTurnsTheNextClickIntoAQuestion() {
        mainwindow::Form1 form;
        for (const char* command : {"mnuHelpCtx", "wthis"}) {
            QVERIFY(!QWhatsThis::inWhatsThisMode());
            Trigger(form, command);
            QVERIFY2(QWhatsThis::inWhatsThisMode(), command);
            QWhatsThis::leaveWhatsThisMode();
        }
    }

    void everyControlTheUserCanReachExplainsItself() {
        mainwindow::Form1 form;
        QList<QWidget*> windows{&form};
        for (QWidget* window : QApplication::allWidgets()) {
            if (window->isWindow() &&
                (window->objectName() == "frmAdvMnuOp" || window->objectName() == "FrmAdvBttnOp")) {
                windows << window;
            }
        }
        QStringList unexplained;
        QStringList tooLong;
        const auto check = [&](const QString& name, const QString& text) {
            if (text.isEmpty()) {
                unexplained << name;
            } else if (Sentences(text) > 2) {
                tooLong << name;
            }
        };
        for (QWidget* window : windows) {
            // Shown, so the layouts hide the parts they do not need.
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QList<QWidget*> controls = ReachableControls(window);
            QVERIFY(controls.size() > 30 || window != &form);
            for (const QWidget* control : controls) {
                check(window->objectName() + '/' + control->objectName() + ':' +
                          control->metaObject()->className(),
                      ExplainedBy(control));
            }
            for (const QToolBar* toolbar : window->findChildren<QToolBar*>()) {
                for (const QAction* button : toolbar->actions()) {
                    if (!button->isSeparator()) {
                        check(toolbar->objectName() + '/' + button->objectName(),
                              button->whatsThis());
                    }
                }
            }
        }
        QVERIFY2(unexplained.isEmpty(), qPrintable(unexplained.join(", ")));
        QVERIFY2(tooLong.isEmpty(), qPrintable(tooLong.join(", ")));
    }
};

QTEST_MAIN(HelpTest)
#include "HelpTest.moc"
