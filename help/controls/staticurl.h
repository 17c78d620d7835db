// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/gui/statictext.h"

#include <string>
#include <string_view>

namespace help {

// A label that works as a web link: blue and underlined, magenta under the
// pointer, red while pressed; a press released inside it opens URL (or the
// label's own text when URL is empty) in the user's browser.
//
// It handles its mouse events itself; of its events only Open reaches the
// window, after the label has taken its colours, so that the window's
// handler can fill in Text and URL.
class StaticURL : public fw::StaticText {
public:
    explicit StaticURL(fw::Window& window);
    std::string_view ClassName() const override { return "StaticURL"; }
    static std::span<const fw::PropertyInfo> StoredProperties();

    const std::string& URL() const { return m_url; }
    void SetURL(std::string_view url) { m_url = url; }

protected:
    void Event_Open() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_MouseUp(int x, int y) override;
    void Event_MouseEnter() override;
    void Event_MouseExit() override;
    void Event_PressLost() override;

private:
    std::string m_url;
};

} // namespace help
