// Handlers of the group widgets' notifications.
//
// A form hands the same handler to an item and to an action; the item then
// asks whether its click handler "is" the action's. Handlers are therefore
// compared by identity: copies of one TWgNotifyEvent are equal, two events
// made from the same lambda are not.
#pragma once

#include <functional>
#include <memory>
#include <utility>

namespace vx {

// Whatever sends a notification: an item, an action, a group.
class TWgObject {
  public:
    virtual ~TWgObject() = default;
};

class TWgNotifyEvent {
  public:
    using Handler = std::function<void(TWgObject& sender)>;

    TWgNotifyEvent() = default;
    explicit TWgNotifyEvent(Handler handler)
        : handler_(handler ? std::make_shared<const Handler>(std::move(handler)) : nullptr) {}

    explicit operator bool() const { return handler_ != nullptr; }
    bool operator==(const TWgNotifyEvent& other) const { return handler_ == other.handler_; }

    // The handler stays alive for the call even when it replaces itself.
    void operator()(TWgObject& sender) const {
        if (const auto handler = handler_) (*handler)(sender);
    }

  private:
    std::shared_ptr<const Handler> handler_;
};

}  // namespace vx
