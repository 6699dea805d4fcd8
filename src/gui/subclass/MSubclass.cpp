#include "subclass/MSubclass.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QObject>
#include <QPointer>
#include <QThread>
#include <QVariant>
#include <utility>

namespace subclass {
namespace {

// A registry entry: the handler and a way to tell that it still exists.
struct HandlerRef {
    ISubclass* handler = nullptr;
    std::weak_ptr<const int> lifetime;
};

QEvent::Type currentMessage = QEvent::None;

// Stands in front of the window's own event handling while handlers are registered.
class Dispatcher : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

QByteArray Handle(const QObject* window) {
    return QByteArray::number(reinterpret_cast<quintptr>(window));
}

QByteArray CountName(const QObject* window) {
    return "C" + Handle(window);
}

QByteArray TypeName(const QObject* window, QEvent::Type type) {
    return Handle(window) + "#" + QByteArray::number(static_cast<int>(type));
}

QByteArray TypeCountName(const QObject* window, QEvent::Type type) {
    return TypeName(window, type) + "C";
}

QByteArray EntryName(const QObject* window, QEvent::Type type, int n) {
    return TypeName(window, type) + "#" + QByteArray::number(n);
}

int ReadCount(const QObject* window, const QByteArray& name) {
    return window->property(name.constData()).toInt();
}

void Store(QObject* window, const QByteArray& name, const QVariant& value) {
    window->setProperty(name.constData(), value);
}

void Remove(QObject* window, const QByteArray& name) {
    window->setProperty(name.constData(), QVariant());
}

// The live handler of entry n, or nothing when the entry is empty or its handler is gone.
ISubclass* ReadEntry(const QObject* window, QEvent::Type type, int n) {
    const auto ref = window->property(EntryName(window, type, n).constData()).value<HandlerRef>();
    return ref.lifetime.expired() ? nullptr : ref.handler;
}

// 0 when `handler` is not registered for the type.
int FindEntry(const QObject* window, QEvent::Type type, const ISubclass& handler) {
    const int count = ReadCount(window, TypeCountName(window, type));
    for (int n = 1; n <= count; ++n) {
        if (ReadEntry(window, type, n) == &handler) {
            return n;
        }
    }
    return 0;
}

bool CallPrevious(QObject* window, QEvent* event) {
    return window->event(event);
}

bool Dispatcher::eventFilter(QObject* watched, QEvent* event) {
    if (ReadCount(watched, TypeCountName(watched, event->type())) <= 0) {
        return false;
    }
    SubclassWindowProc(watched, event);
    return true; // delivered here, the window's own handling included
}

} // namespace

SubclassError::SubclassError(std::uint32_t errorNumber, std::string errorSource,
                             const std::string& description)
    : std::runtime_error(description), number(errorNumber), source(std::move(errorSource)) {}

void RaiseSubclassError(int number) {
    const char* description = "";
    switch (number) {
    case kCantSubclass:
        description = "Can't subclass window";
        break;
    case kAlreadyHandled:
        description = "Message already handled by another class";
        break;
    case kInvalidWindow:
        description = "Invalid window";
        break;
    case kExternalWindow:
        description = "Can't modify external window";
        break;
    default:
        break;
    }
    const QString program = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    throw SubclassError(static_cast<std::uint32_t>(number) | kObjectErrorBase,
                        program.toStdString() + ".WindowProc", description);
}

void SubclassAttach(ISubclass& handler, QObject* window, QEvent::Type type) {
    if (window == nullptr) {
        RaiseSubclassError(kInvalidWindow);
    }
    if (!IsOwnProcessWindow(window)) {
        RaiseSubclassError(kExternalWindow);
    }
    // Refused before anything is counted, so a refusal leaves the registry as it was.
    if (FindEntry(window, type, handler) != 0) {
        RaiseSubclassError(kAlreadyHandled);
    }
    const int registrations = ReadCount(window, CountName(window));
    if (registrations == 0) {
        auto* dispatcher = new Dispatcher(window);
        window->installEventFilter(dispatcher);
        Store(window, Handle(window), QVariant::fromValue(QPointer<QObject>(dispatcher)));
    }
    Store(window, CountName(window), registrations + 1);

    const int count = ReadCount(window, TypeCountName(window, type));
    Store(window, TypeCountName(window, type), count + 1);
    Store(window, EntryName(window, type, count + 1),
          QVariant::fromValue(HandlerRef{&handler, handler.Lifetime()}));
}

void SubclassDetach(ISubclass& handler, QObject* window, QEvent::Type type) {
    if (window == nullptr) {
        return;
    }
    const int found = FindEntry(window, type, handler);
    if (found == 0) {
        return;
    }
    const int registrations = ReadCount(window, CountName(window));
    if (registrations <= 1) {
        if (auto dispatcher =
                window->property(Handle(window).constData()).value<QPointer<QObject>>()) {
            window->removeEventFilter(dispatcher);
            dispatcher->deleteLater(); // it may be dispatching right now
        }
        Remove(window, Handle(window));
        Remove(window, CountName(window));
    } else {
        Store(window, CountName(window), registrations - 1);
    }

    const int count = ReadCount(window, TypeCountName(window, type));
    for (int n = found; n < count; ++n) {
        Store(window, EntryName(window, type, n),
              window->property(EntryName(window, type, n + 1).constData()));
    }
    Remove(window, EntryName(window, type, count));
    if (count > 1) {
        Store(window, TypeCountName(window, type), count - 1);
    } else {
        Remove(window, TypeCountName(window, type));
    }
}

QEvent::Type SubclassCurrentMessage() {
    return currentMessage;
}

bool IsOwnProcessWindow(const QObject* window) {
    return window != nullptr && window->thread() == QThread::currentThread();
}

bool SubclassWindowProc(QObject* window, QEvent* event) {
    const QEvent::Type type = event->type();
    const int count = ReadCount(window, TypeCountName(window, type));
    if (count <= 0) {
        return CallPrevious(window, event);
    }
    bool result = false;
    bool previousCalled = false;
    for (int n = 1; n <= count; ++n) {
        ISubclass* handler = ReadEntry(window, type, n);
        if (handler == nullptr) {
            result = CallPrevious(window, event);
            continue;
        }
        currentMessage = type;
        if (n == 1 && handler->GetMsgResponse() == MsgResponse::RunPreviousBefore &&
            !previousCalled) {
            result = CallPrevious(window, event);
            previousCalled = true;
        }
        result = handler->WindowProc(window, event);
        if (n == count && handler->GetMsgResponse() == MsgResponse::RunPreviousAfter &&
            !previousCalled) {
            result = CallPrevious(window, event);
        }
    }
    return result;
}

} // namespace subclass
