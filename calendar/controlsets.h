// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/canvas.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"

#include <cstdint>

// The calendar window's control sets. A member is made with its window, then
// given its index by Constructor(index), as the window's builders make every
// member. Constructor() makes a further member, nowhere needed, as a copy of
// the set's first-created member: index 0, registered under the set's name.
//
// One set is named std, so code in this namespace writes ::std.
namespace controlsets {

template <class Base>
class SetMember : public Base {
public:
    using Base::Base;
    // Index := index, then the base control constructor.
    void Constructor(::std::int32_t index)
    {
        this->SetIndex(index);
        Base::Constructor();
    }

protected:
    // The end of every copy: Index := 0, registered under the set's name,
    // then the base control constructor.
    void JoinAsCopy(const char* setName)
    {
        this->SetIndex(0);
        this->ParentWindow().AddControl(setName, this);
        Base::Constructor();
    }
};

// The goal pictures of the day cells (0 to 41) and of the legend (42 to 48).
class Cansex : public SetMember<fw::Canvas> {
public:
    using SetMember::SetMember;
    using SetMember::Constructor;
    // The heart, as the legend's Cansex(42).
    void Constructor();
};

// The colour palette.
class ovalo : public SetMember<fw::Oval> {
public:
    using SetMember::SetMember;
    using SetMember::Constructor;
    // As ovalo(1).
    void Constructor();
};

// The day cells' backgrounds.
class bg : public SetMember<fw::Rectangle> {
public:
    using SetMember::SetMember;
    using SetMember::Constructor;
    // As bg(0).
    void Constructor();
};

// The day cells' date strips.
class recfondofecha : public SetMember<fw::Rectangle> {
public:
    using SetMember::SetMember;
    using SetMember::Constructor;
    // As recfondofecha(0).
    void Constructor();
};

// The day cells' numbers.
class std : public SetMember<fw::StaticText> {
public:
    using SetMember::SetMember;
    using SetMember::Constructor;
    // As std(0), its MouseDown answered by the calendar window's
    // std_MouseDown; throws ::std::logic_error on another window.
    void Constructor();
};

} // namespace controlsets
