#pragma once

#include <QEvent>
#include <memory>

class QObject;

namespace subclass {

// When the window's own handling of an event runs, relative to the registered handlers.
enum class MsgResponse { SkipPrevious = 0, RunPreviousAfter = 1, RunPreviousBefore = 2 };

// Implemented by an object that handles events of a window through SubclassAttach.
class ISubclass {
  public:
    ISubclass() = default;
    ISubclass(const ISubclass&) = delete;
    ISubclass& operator=(const ISubclass&) = delete;
    virtual ~ISubclass() = default;

    virtual MsgResponse GetMsgResponse() = 0;
    virtual void SetMsgResponse(MsgResponse response) = 0;
    // Handles one event of `window`; the result tells whether the event was handled.
    virtual bool WindowProc(QObject* window, QEvent* event) = 0;

    // Expires with the object, so a registration does not keep a dead handler reachable.
    std::weak_ptr<const int> Lifetime() const { return lifetime; }

  private:
    std::shared_ptr<const int> lifetime = std::make_shared<const int>(0);
};

} // namespace subclass
