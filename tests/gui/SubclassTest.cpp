#include "subclass/MSubclass.h"
#include "support/TestEnvironment.h"

#include <QThread>
#include <QtTest>

using subclass::MsgResponse;

namespace {

const auto kTypeA = static_cast<QEvent::Type>(QEvent::User + 1);
const auto kTypeB = static_cast<QEvent::Type>(QEvent::User + 2);

// A window whose own handling of user events is logged.
class Window : public QObject {
  public:
    explicit Window(QStringList& eventLog) : log(eventLog) {}
    bool event(QEvent* event) override {
        if (event->type() < QEvent::User) {
            return QObject::event(event);
        }
        log << "own";
        return true;
    }
    // The registry's count of entries, then its count for each event type: "3:2,1".
    QString Counts() const {
        const QByteArray self = QByteArray::number(reinterpret_cast<quintptr>(this));
        return property("C" + self).toString() + ':' + property(self + "#1001C").toString() + ',' +
               property(self + "#1002C").toString();
    }
    QStringList Send(QEvent::Type type) {
        log.clear();
        QEvent event(type);
        QCoreApplication::sendEvent(this, &event);
        return log;
    }

  private:
    QStringList& log;
};

class Handler : public subclass::ISubclass {
  public:
    Handler(QString handlerName, QStringList& eventLog,
            MsgResponse msgResponse = MsgResponse::SkipPrevious)
        : name(std::move(handlerName)), log(eventLog), response(msgResponse) {}
    MsgResponse GetMsgResponse() override { return response; }
    void SetMsgResponse(MsgResponse value) override { response = value; }
    bool WindowProc(QObject*, QEvent* event) override {
        log << (subclass::SubclassCurrentMessage() == event->type() ? name : "wrong message");
        return name != "last";
    }

  private:
    QString name;
    QStringList& log;
    MsgResponse response;
};

QString ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const subclass::SubclassError& error) {
        return QString::number(error.Number(), 16) + ' ' + QString::fromStdString(error.Source()) +
               ": " + QString::fromStdString(error.Description());
    }
    return "no error";
}

} // namespace

class SubclassTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void attachAndDetachKeepTheRegistryInTheWindowsProperties() {
        QStringList log;
        Window window(log);
        Handler first("first", log);
        Handler second("second", log);

        subclass::SubclassAttach(first, &window, kTypeA);
        subclass::SubclassAttach(first, &window, kTypeB);
        subclass::SubclassAttach(second, &window, kTypeA);
        QCOMPARE(window.Counts(), QString("3:2,1"));
        QCOMPARE(window.Send(kTypeA), (QStringList{"first", "second"}));

        // Detaching moves the later handlers down; a second detach changes nothing.
        subclass::SubclassDetach(first, &window, kTypeA);
        subclass::SubclassDetach(first, &window, kTypeA);
        QCOMPARE(window.Counts(), QString("2:1,1"));
        QCOMPARE(window.Send(kTypeA), QStringList{"second"});

        // The last detach gives the window back its own handling and leaves no registry.
        subclass::SubclassDetach(second, &window, kTypeA);
        subclass::SubclassDetach(first, &window, kTypeB);
        QVERIFY(window.dynamicPropertyNames().isEmpty());
        QCOMPARE(window.Send(kTypeA) + window.Send(kTypeB), (QStringList{"own", "own"}));
    }

    void theWindowsOwnHandlingRunsAsFirstAndLastHandlersAsk() {
        QStringList log;
        Window window(log);
        Handler first("first", log);
        Handler middle("middle", log, MsgResponse::RunPreviousAfter);
        Handler last("last", log);
        for (Handler* handler : {&first, &middle, &last}) {
            subclass::SubclassAttach(*handler, &window, kTypeA);
        }
        // Every handler gets the event; the middle one's wish does not count.
        QCOMPARE(window.Send(kTypeA), (QStringList{"first", "middle", "last"}));
        QEvent event(kTypeA);
        QVERIFY(!subclass::SubclassWindowProc(&window, &event)); // the last result

        last.SetMsgResponse(MsgResponse::RunPreviousAfter);
        QCOMPARE(window.Send(kTypeA), (QStringList{"first", "middle", "last", "own"}));
        QVERIFY(subclass::SubclassWindowProc(&window, &event));
        first.SetMsgResponse(MsgResponse::RunPreviousBefore);
        QCOMPARE(window.Send(kTypeA), (QStringList{"own", "first", "middle", "last"}));

        // A handler gone without detaching leaves the window's own handling in its place.
        {
            Handler gone("gone", log);
            subclass::SubclassAttach(gone, &window, kTypeB);
        }
        QCOMPARE(window.Send(kTypeB), QStringList{"own"});
    }

    void refusalsCarryNumberSourceAndDescription() {
        QStringList log;
        Window window(log);
        Handler handler("handler", log);
        const QString source =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".WindowProc";

        QCOMPARE(ErrorOf([&] { subclass::SubclassAttach(handler, nullptr, kTypeA); }),
                 "8004331b " + source + ": Invalid window");
        QThread other;
        Window elsewhere(log);
        elsewhere.moveToThread(&other);
        QCOMPARE(ErrorOf([&] { subclass::SubclassAttach(handler, &elsewhere, kTypeA); }),
                 "8004331c " + source + ": Can't modify external window");
        QVERIFY(elsewhere.dynamicPropertyNames().isEmpty());
        QCOMPARE(ErrorOf([] { subclass::RaiseSubclassError(subclass::kCantSubclass); }),
                 "80043319 " + source + ": Can't subclass window");

        // A second registration for the same event is refused and not counted.
        subclass::SubclassAttach(handler, &window, kTypeA);
        QCOMPARE(ErrorOf([&] { subclass::SubclassAttach(handler, &window, kTypeA); }),
                 "8004331a " + source + ": Message already handled by another class");
        QCOMPARE(window.Counts(), QString("1:1,"));
        subclass::SubclassDetach(handler, &window, kTypeA);
        QVERIFY(window.dynamicPropertyNames().isEmpty());
    }
};

QTEST_MAIN(SubclassTest)
#include "SubclassTest.moc"
