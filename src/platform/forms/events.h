#pragma once

#include <functional>
#include <utility>

namespace tintavo {

// An event a control raises; it does nothing until the window attaches a handler.
template <typename... Args>
class Event {
public:
    void Handle(std::function<void(Args...)> handler) { handler_ = std::move(handler); }

    void Raise(Args... args) const {
        if (handler_) handler_(args...);
    }

private:
    std::function<void(Args...)> handler_;
};

}  // namespace tintavo
