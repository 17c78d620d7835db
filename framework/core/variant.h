// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "framework/core/color.h"
#include "framework/core/date.h"
#include "framework/core/object.h"

namespace fw {

// Text-encoding codes carried with texts.
inline constexpr std::int32_t kEncodingUTF8 = 0x08000100;
inline constexpr std::int32_t kEncodingNone = -1;

// A text with the code of its encoding; the bytes are never converted.
struct EncodedString {
    std::string bytes;
    std::int32_t encoding = kEncodingUTF8;
    friend bool operator==(const EncodedString&, const EncodedString&) = default;
};

// A dynamically typed value. Kind() gives the framework's VarType codes.
// Objects, a Date among them, are held by reference: copies of a Variant
// share them, and a change to one is seen through every copy.
class Variant {
public:
    enum Kind : std::int32_t {
        TypeNil = 0,
        TypeInteger = 2,
        TypeLong = 3,
        TypeDouble = 5,
        TypeDate = 7,
        TypeString = 8,
        TypeObject = 9,
        TypeBoolean = 11,
        TypeColor = 16,
    };

    Variant() = default;
    Variant(std::int32_t v) : m_value(v) {}
    Variant(std::int64_t v) : m_value(v) {}
    Variant(double v) : m_value(v) {}
    Variant(bool v) : m_value(v) {}
    // A Date given by value becomes a new Date object; given by reference it
    // is held itself (none is Nil).
    Variant(const Date& v) : m_value(std::make_shared<Date>(v)) {}
    Variant(DatePtr v);
    Variant(Color v) : m_value(v) {}
    Variant(const char* utf8) : m_value(EncodedString{utf8, kEncodingUTF8}) {}
    Variant(std::string utf8) : m_value(EncodedString{std::move(utf8), kEncodingUTF8}) {}
    Variant(std::string_view utf8) : m_value(EncodedString{std::string(utf8), kEncodingUTF8}) {}
    Variant(EncodedString s) : m_value(std::move(s)) {}
    template <class T, class = std::enable_if_t<std::is_base_of_v<Object, T>>>
    Variant(std::shared_ptr<T> object) : m_value(ObjectPtr(std::move(object))) {}
    Variant(std::nullptr_t) : m_value(ObjectPtr()) {}

    Kind VarType() const;
    // True for Nil and for an object kind holding no object.
    bool IsNull() const;

    // Typed reads: the value when the Variant holds that kind, else nothing.
    std::optional<std::int32_t> AsInteger() const;
    std::optional<std::int64_t> AsLong() const;
    std::optional<double> AsDouble() const;
    std::optional<bool> AsBoolean() const;
    // The Date object held itself; null for any other kind.
    DatePtr AsDate() const;
    std::optional<Color> AsColor() const;
    // The text's bytes, whatever their encoding.
    std::optional<std::string> AsString() const;
    const EncodedString* AsEncodedString() const { return std::get_if<EncodedString>(&m_value); }
    ObjectPtr AsObject() const;
    template <class T>
    std::shared_ptr<T> As() const { return std::dynamic_pointer_cast<T>(AsObject()); }

    // Equal kind and equal value; texts compare by bytes, dates by their
    // moment, other objects by identity.
    friend bool operator==(const Variant& a, const Variant& b);

private:
    std::variant<std::monostate, std::int32_t, std::int64_t, double, DatePtr, EncodedString, bool, Color, ObjectPtr>
        m_value;
};

} // namespace fw
