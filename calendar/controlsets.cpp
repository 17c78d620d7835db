// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/controlsets.h"

#include "calendar/mainwindow.h"
#include "resources/pictureresources.h"

#include <stdexcept>

namespace {

// The stored block of one of the calendar window's set members.
std::span<const std::uint8_t> MemberBlock(std::string_view set, std::int32_t index)
{
    return fw::FindBlock(layouts::main::Blocks(), set, index);
}

} // namespace

void controlsets::Cansex::Constructor()
{
    SetBackdrop(heart());
    fw::SetProperties(*this, MemberBlock("Cansex", 42));
    JoinAsCopy("Cansex");
}

void controlsets::ovalo::Constructor()
{
    fw::SetProperties(*this, MemberBlock("ovalo", 1));
    JoinAsCopy("ovalo");
}

void controlsets::bg::Constructor()
{
    fw::SetProperties(*this, MemberBlock("bg", 0));
    JoinAsCopy("bg");
}

void controlsets::recfondofecha::Constructor()
{
    fw::SetProperties(*this, MemberBlock("recfondofecha", 0));
    JoinAsCopy("recfondofecha");
}

void controlsets::std::Constructor()
{
    fw::SetProperties(*this, MemberBlock("std", 0));
    auto* window = dynamic_cast<windows::main*>(&ParentWindow());
    if (!window)
        throw ::std::logic_error("a std member outside the calendar window");
    MouseDown.InstallInstanceEventHandler(window, &windows::main::std_MouseDown, this);
    JoinAsCopy("std");
}
