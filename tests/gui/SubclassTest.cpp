#include "subclass/MSubclass.h"
#include "support/TestEnvironment.h"

#include <QThread>
#include <QtTest>
#include <optional>

using subclass::MsgResponse;

namespace {

const auto kTypeA = static_cast<QEvent::Type>(QEvent::User + 1);
const auto kTypeB = static_cast<QEvent::Type>(QEvent::User + 2);

// A window whose own handling of user events is logged.
class Window : public QObject {
  public:
    explicit Window(QStringList& eventLog) : log(eventLog) {}
    bool ownResult = false;

  protected:
    bool event(QEvent* event) override {
        if (event->type() >= QEvent::User) {
            log << "own";
            return ownResult;
        }
        return QObject::event(event);
    }

  private:
    QStringList& log;
};

class Handler : public subclass::ISubclass {
  public:
    Handler(QString handlerName, QStringList& eventLog, MsgResponse msgResponse)
        : name(std::move(handlerName)), log(eventLog), response(msgResponse) {}
    bool result = true;

    MsgResponse GetMsgResponse() override { return response; }
    void SetMsgResponse(MsgResponse value) override { response = value; }
    bool WindowProc(QObject*, QEvent* event) override {
        log << (subclass::SubclassCurrentMessage() == event->type() ? name : "wrong message");
        return result;
    }

  private:
    QString name;
    QStringList& log;
    MsgResponse response;
};

QByteArray Property(const QObject* window, const char* suffix = "", const char* prefix = "") {
    return prefix + QByteArray::number(reinterpret_cast<quintptr>(window)) + suffix;
}

int Count(const QObject* window, const QByteArray& name) {
    return window->property(name.constData()).toInt();
}

bool Send(QObject* window, QEvent::Type type) {
    QEvent event(type);
    return QCoreApplication::sendEvent(window, &event);
}

std::optional<subclass::SubclassError> ErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const subclass::SubclassError& error) {
        return error;
    }
    return std::nullopt;
}

} // namespace

class SubclassTest : public QObject {
    Q_OBJECT

    TestEnvironment environment;

  private slots:
    void attachAndDetachKeepTheRegistryInTheWindowsProperties() {
        QStringList log;
        Window window(log);
        Handler first("first", log, MsgResponse::SkipPrevious);
        Handler second("second", log, MsgResponse::SkipPrevious);

        subclass::SubclassAttach(first, &window, kTypeA);
        QCOMPARE(Count(&window, Property(&window, "", "C")), 1);
        QVERIFY(window.property(Property(&window).constData()).isValid());
        QCOMPARE(Count(&window, Property(&window, "#1001C")), 1);
        QVERIFY(window.property(Property(&window, "#1001#1").constData()).isValid());

        // The same handler for a second event type of the same window is a second registration.
        subclass::SubclassAttach(first, &window, kTypeB);
        subclass::SubclassAttach(second, &window, kTypeA);
        QCOMPARE(Count(&window, Property(&window, "", "C")), 3);
        QCOMPARE(Count(&window, Property(&window, "#1001C")), 2);
        Send(&window, kTypeA);
        QCOMPARE(log, (QStringList{"first", "second"}));

        // Detaching the first handler moves the later one down.
        log.clear();
        subclass::SubclassDetach(first, &window, kTypeA);
        subclass::SubclassDetach(first, &window, kTypeA); // no longer registered: no change
        QCOMPARE(Count(&window, Property(&window, "", "C")), 2);
        QCOMPARE(Count(&window, Property(&window, "#1001C")), 1);
        QVERIFY(!window.property(Property(&window, "#1001#2").constData()).isValid());
        Send(&window, kTypeA);
        QCOMPARE(log, QStringList{"second"});

        // The last detach gives the window back its own handling and leaves no registry.
        log.clear();
        subclass::SubclassDetach(second, &window, kTypeA);
        subclass::SubclassDetach(first, &window, kTypeB);
        QVERIFY(window.dynamicPropertyNames().isEmpty());
        Send(&window, kTypeA);
        Send(&window, kTypeB);
        QCOMPARE(log, (QStringList{"own", "own"}));
    }

    void theWindowsOwnHandlingRunsAsFirstAndLastHandlersAsk() {
        QStringList log;
        Window window(log);
        window.ownResult = true;
        Handler first("first", log, MsgResponse::SkipPrevious);
        Handler middle("middle", log, MsgResponse::RunPreviousAfter);
        Handler last("last", log, MsgResponse::SkipPrevious);
        last.result = false;
        for (Handler* handler : {&first, &middle, &last}) {
            subclass::SubclassAttach(*handler, &window, kTypeA);
        }

        // Every handler gets the event; a middle handler's wish does not count.
        QCOMPARE(subclass::SubclassWindowProc(&window, std::make_unique<QEvent>(kTypeA).get()),
                 false);
        QCOMPARE(log, (QStringList{"first", "middle", "last"}));

        log.clear();
        last.SetMsgResponse(MsgResponse::RunPreviousAfter);
        QCOMPARE(subclass::SubclassWindowProc(&window, std::make_unique<QEvent>(kTypeA).get()),
                 true);
        QCOMPARE(log, (QStringList{"first", "middle", "last", "own"}));

        // Asked for both before and after, the window's handling runs once, before.
        log.clear();
        first.SetMsgResponse(MsgResponse::RunPreviousBefore);
        QCOMPARE(subclass::SubclassWindowProc(&window, std::make_unique<QEvent>(kTypeA).get()),
                 false);
        QCOMPARE(log, (QStringList{"own", "first", "middle", "last"}));

        // Events sent the ordinary way take the same road, once.
        log.clear();
        Send(&window, kTypeA);
        QCOMPARE(log, (QStringList{"own", "first", "middle", "last"}));

        // A handler that is gone without detaching leaves the window's handling in its place.
        log.clear();
        {
            Handler shortLived("gone", log, MsgResponse::SkipPrevious);
            subclass::SubclassAttach(shortLived, &window, kTypeB);
        }
        Send(&window, kTypeB);
        QCOMPARE(log, QStringList{"own"});
    }

    void refusalsCarryNumberSourceAndDescription() {
        QStringList log;
        Window window(log);
        Handler handler("handler", log, MsgResponse::SkipPrevious);
        const QString source =
            QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + ".WindowProc";

        auto error = ErrorOf([&] { subclass::SubclassAttach(handler, nullptr, kTypeA); });
        QVERIFY(error.has_value());
        QCOMPARE(error->Number(), 13083u | 0x80040000u);
        QCOMPARE(QString::fromStdString(error->Source()), source);
        QCOMPARE(error->Description(), std::string("Invalid window"));

        QThread other;
        Window elsewhere(log);
        elsewhere.moveToThread(&other);
        error = ErrorOf([&] { subclass::SubclassAttach(handler, &elsewhere, kTypeA); });
        QVERIFY(error.has_value());
        QCOMPARE(error->Number(), 13084u | 0x80040000u);
        QCOMPARE(error->Description(), std::string("Can't modify external window"));
        QVERIFY(elsewhere.dynamicPropertyNames().isEmpty());
        QVERIFY(!subclass::IsOwnProcessWindow(&elsewhere));
        QVERIFY(subclass::IsOwnProcessWindow(&window));

        error = ErrorOf([] { subclass::RaiseSubclassError(subclass::kCantSubclass); });
        QVERIFY(error.has_value());
        QCOMPARE(error->Number(), 0x80043319u);
        QCOMPARE(error->Description(), std::string("Can't subclass window"));
    }

    void aSecondRegistrationIsRefusedWithoutCountingIt() {
        QStringList log;
        Window window(log);
        Handler handler("handler", log, MsgResponse::SkipPrevious);
        subclass::SubclassAttach(handler, &window, kTypeA);

        const auto error = ErrorOf([&] { subclass::SubclassAttach(handler, &window, kTypeA); });
        QVERIFY(error.has_value());
        QCOMPARE(error->Number(), 13082u | 0x80040000u);
        QCOMPARE(error->Description(), std::string("Message already handled by another class"));
        QCOMPARE(Count(&window, Property(&window, "", "C")), 1);
        QCOMPARE(Count(&window, Property(&window, "#1001C")), 1);

        // One detach therefore undoes everything.
        subclass::SubclassDetach(handler, &window, kTypeA);
        QVERIFY(window.dynamicPropertyNames().isEmpty());
        Send(&window, kTypeA);
        QCOMPARE(log, QStringList{"own"});
    }
};

QTEST_MAIN(SubclassTest)
#include "SubclassTest.moc"
