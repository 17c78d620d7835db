// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <exception>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace help {

// A failure on its way out of one or more handlers: the first failure's
// message, then, one carriage return apart, the tag of every handler it
// left, innermost first, so that the error report tells where it happened.
class TaggedError : public std::runtime_error {
public:
    explicit TaggedError(std::string message) : std::runtime_error("tagged"), m_message(std::move(message)) {}
    const char* what() const noexcept override { return m_message.c_str(); }
    void AddTag(std::string_view tag)
    {
        m_message += '\r';
        m_message += tag;
    }

private:
    std::string m_message;
};

// Runs a handler; a std::exception escaping it leaves as a TaggedError that
// carries the tag. Anything else passes through untouched.
template <class Handler>
decltype(auto) Tagged(std::string_view tag, Handler&& handler)
{
    try {
        return std::forward<Handler>(handler)();
    } catch (TaggedError& e) {
        e.AddTag(tag);
        throw;
    } catch (const std::exception& e) {
        TaggedError tagged(e.what());
        tagged.AddTag(tag);
        throw tagged;
    }
}

} // namespace help
