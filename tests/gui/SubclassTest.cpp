#include "mainwindow/MainWindow.h"
#include "subclass/MSubclass.h"
#include "support/Controls.h"
#include "support/TestEnvironment.h"

#include <QThread>
#include <QtTest>

class SubclassTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    // The main window's handling of its client area's resizing is what makes the second
    // registration a refusal.
    void refusalsCarryNumberSourceAndDescription() {
        mainwindow::MainWindow window;
        QWidget* client = Find(window, "Form1Client");
        QThread other;
        QObject elsewhere;
        elsewhere.moveToThread(&other);
        const auto refusal = [](const std::function<void()>& call) {
            try {
                call();
            } catch (const subclass::SubclassError& error) {
                return QString::number(error.Number(), 16) + ' ' +
                       QString::fromStdString(error.Source() + ": " + error.Description());
            }
            return QString("no error");
        };
        const auto attach = [&window](QObject* target) {
            return [&window, target] { subclass::SubclassAttach(window, target, QEvent::Resize); };
        };
        const QString source =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".WindowProc: ";
        QCOMPARE(refusal(attach(client)),
                 "8004331a " + source + "Message already handled by another class");
        QCOMPARE(client->property("C" + QByteArray::number(reinterpret_cast<quintptr>(client))),
                 QVariant(1));
        QCOMPARE(refusal(attach(nullptr)), "8004331b " + source + "Invalid window");
        QCOMPARE(refusal(attach(&elsewhere)),
                 "8004331c " + source + "Can't modify external window");
        QVERIFY(elsewhere.dynamicPropertyNames().isEmpty());
        QCOMPARE(refusal([] { subclass::RaiseSubclassError(subclass::kCantSubclass); }),
                 "80043319 " + source + "Can't subclass window");
    }
};

QTEST_MAIN(SubclassTest)
#include "SubclassTest.moc"
