#pragma once

#include "subclass/ISubclass.h"

#include <QEvent>
#include <cstdint>
#include <stdexcept>
#include <string>

class QObject;

// Hands chosen events of a window to ISubclass handlers through a Qt event filter. The registry
// lives in dynamic properties of the window, named from its handle (the object's address in
// decimal) and the event type:
//   C<handle>                  registrations on the window
//   <handle>                   the filter that stands in front of the window's own handling
//   <handle>#<type>C           handlers registered for the event type
//   <handle>#<type>#<n>        the n-th of them (1-based), held without keeping it alive
namespace subclass {

inline constexpr int kCantSubclass = 13081;
inline constexpr int kAlreadyHandled = 13082;
inline constexpr int kInvalidWindow = 13083;
inline constexpr int kExternalWindow = 13084;
inline constexpr std::uint32_t kObjectErrorBase = 0x80040000;

class SubclassError : public std::runtime_error {
  public:
    SubclassError(std::uint32_t number, std::string source, const std::string& description);
    std::uint32_t Number() const { return number; }
    const std::string& Source() const { return source; }
    std::string Description() const { return what(); }

  private:
    std::uint32_t number;
    std::string source;
};

// Throws the error `number` (one of the four above) in the object-defined error range.
[[noreturn]] void RaiseSubclassError(int number);

// Registers `handler` for events of `type` on `window`. Throws kInvalidWindow for no window,
// kExternalWindow for a window of another thread, kAlreadyHandled when the handler is already
// registered for that type (the window's registration count is then left as it was).
void SubclassAttach(ISubclass& handler, QObject* window, QEvent::Type type);

// Undoes one registration; nothing happens when there is none. The last one gives the window
// back its own handling and removes the registry.
void SubclassDetach(ISubclass& handler, QObject* window, QEvent::Type type);

// The event type being dispatched; valid inside a handler.
QEvent::Type SubclassCurrentMessage();

// Whether this thread may install handlers on the window.
bool IsOwnProcessWindow(const QObject* window);

// Hands `event` to the handlers of its type in registration order, running the window's own
// handling as the first and last handlers' MsgResponse ask. Returns the last result.
bool SubclassWindowProc(QObject* window, QEvent* event);

} // namespace subclass
