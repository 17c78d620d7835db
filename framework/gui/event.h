// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <type_traits>
#include <utility>

namespace fw {

template <class Signature>
class Event;

// An event of a window, control or service that a handler is bound to, e.g.
//   PushButton1->Action.InstallInstanceEventHandler(this, &windows::main::PushButton1_Action);
// Raising an unbound event does nothing and gives R{}. Installing again
// replaces the handler.
template <class R, class... Args>
class Event<R(Args...)> {
public:
    template <class Obj, class Method>
        requires std::is_invocable_r_v<R, Method, Obj*, Args...>
    void InstallInstanceEventHandler(Obj* obj, Method method)
    {
        m_handler = [obj, method](Args... args) -> R {
            return std::invoke(method, obj, std::forward<Args>(args)...);
        };
    }
    // A handler for a member of a control set: the method gets the member's
    // Index first, as the member holds it when the event is raised.
    template <class Obj, class Method, class Member>
        requires std::is_invocable_r_v<R, Method, Obj*, std::int32_t, Args...>
    void InstallInstanceEventHandler(Obj* obj, Method method, const Member* member)
    {
        m_handler = [obj, method, member](Args... args) -> R {
            return std::invoke(method, obj, member->Index(), std::forward<Args>(args)...);
        };
    }
    void InstallInstanceEventHandler(std::function<R(Args...)> handler) { m_handler = std::move(handler); }
    void Unbind() { m_handler = nullptr; }
    bool IsBound() const { return static_cast<bool>(m_handler); }

    R Raise(Args... args) const
    {
        if (!m_handler) {
            if constexpr (std::is_void_v<R>)
                return;
            else
                return R{};
        }
        // A copy, so that a handler may rebind its own event while it runs.
        auto handler = m_handler;
        return handler(std::forward<Args>(args)...);
    }

private:
    std::function<R(Args...)> m_handler;
};

} // namespace fw
