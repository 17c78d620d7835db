// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/controls/staticurl.h"

#include "framework/gui/application.h"
#include "help/controls/handlertag.h"

namespace help {

namespace {
constexpr fw::Color kIdle{0, 0, 255};
constexpr fw::Color kHover{255, 0, 255};
constexpr fw::Color kPressed{255, 0, 0};
} // namespace

StaticURL::StaticURL(fw::Window& window) : fw::StaticText(window) {}

std::span<const fw::PropertyInfo> StaticURL::StoredProperties()
{
    static constexpr fw::PropertyInfo kRows[] = {fw::Row<&StaticURL::SetURL>(0x2c, "URL")};
    return kRows;
}

void StaticURL::Event_Open()
{
    Tagged("StaticURL.Open", [&] {
        // Whatever the layout says, a link looks like one.
        SetTextColor(kIdle);
        SetUnderline(true);
        fw::StaticText::Event_Open();
    });
}

bool StaticURL::Event_MouseDown(int, int)
{
    return Tagged("StaticURL.MouseDown", [&] {
        SetTextColor(kPressed);
        // Keeps the release for this label.
        return true;
    });
}

void StaticURL::Event_MouseUp(int x, int y)
{
    Tagged("StaticURL.MouseUp", [&] {
        // The label's first column and first row do not count as inside.
        if (x > 0 && x < Width() && y > 0 && y < Height())
            fw::ShowURL(m_url.empty() ? Text() : m_url);
        SetTextColor(kIdle);
    });
}

// A press that ends without its release (a menu took the mouse) ends as a
// release outside would: blue, nothing opened.
void StaticURL::Event_PressLost()
{
    SetTextColor(kIdle);
}

void StaticURL::Event_MouseEnter()
{
    Tagged("StaticURL.MouseEnter", [&] { SetTextColor(kHover); });
}

void StaticURL::Event_MouseExit()
{
    Tagged("StaticURL.MouseExit", [&] { SetTextColor(kIdle); });
}

} // namespace help
