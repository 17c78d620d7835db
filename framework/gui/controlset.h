// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <map>

namespace fw {

// The members of a control set by index: set(5) is member 5, nullptr when
// the set has no such member. Iterates in index order.
template <class T>
class ControlSet {
public:
    void Add(T* member) { m_members[member->Index()] = member; }
    T* operator()(std::int32_t index) const
    {
        auto it = m_members.find(index);
        return it == m_members.end() ? nullptr : it->second;
    }
    std::size_t Count() const { return m_members.size(); }
    auto begin() const { return m_members.begin(); }
    auto end() const { return m_members.end(); }

private:
    std::map<std::int32_t, T*> m_members;
};

} // namespace fw
