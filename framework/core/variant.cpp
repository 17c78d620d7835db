// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/variant.h"

#include <utility>

namespace fw {

namespace {
template <class T, class V>
std::optional<T> getIf(const V& v)
{
    if (const T* p = std::get_if<T>(&v))
        return *p;
    return std::nullopt;
}
} // namespace

Variant::Variant(DatePtr v)
{
    if (v)
        m_value = std::move(v);
    else
        m_value = ObjectPtr();
}

Variant::Kind Variant::VarType() const
{
    switch (m_value.index()) {
    case 0: return TypeNil;
    case 1: return TypeInteger;
    case 2: return TypeLong;
    case 3: return TypeDouble;
    case 4: return TypeDate;
    case 5: return TypeString;
    case 6: return TypeBoolean;
    case 7: return TypeColor;
    default: return TypeObject;
    }
}

bool Variant::IsNull() const
{
    if (std::holds_alternative<std::monostate>(m_value))
        return true;
    const ObjectPtr* o = std::get_if<ObjectPtr>(&m_value);
    return o && !*o;
}

std::optional<std::int32_t> Variant::AsInteger() const { return getIf<std::int32_t>(m_value); }
std::optional<std::int64_t> Variant::AsLong() const { return getIf<std::int64_t>(m_value); }
std::optional<double> Variant::AsDouble() const { return getIf<double>(m_value); }
std::optional<bool> Variant::AsBoolean() const { return getIf<bool>(m_value); }
DatePtr Variant::AsDate() const { return getIf<DatePtr>(m_value).value_or(nullptr); }
std::optional<Color> Variant::AsColor() const { return getIf<Color>(m_value); }

std::optional<std::string> Variant::AsString() const
{
    if (const EncodedString* s = AsEncodedString())
        return s->bytes;
    return std::nullopt;
}

ObjectPtr Variant::AsObject() const
{
    if (const ObjectPtr* o = std::get_if<ObjectPtr>(&m_value))
        return *o;
    return nullptr;
}

bool operator==(const Variant& a, const Variant& b)
{
    if (a.IsNull() && b.IsNull())
        return true;
    if (a.m_value.index() != b.m_value.index())
        return false;
    if (const EncodedString* s = a.AsEncodedString())
        return s->bytes == b.AsEncodedString()->bytes;
    if (const DatePtr d = a.AsDate())
        return *d == *b.AsDate();
    return a.m_value == b.m_value;
}

} // namespace fw
