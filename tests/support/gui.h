// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace fw {
class Control;
class EditField;
class Window;
} // namespace fw

// Drives windows and controls through real Qt input events, as a user would.
// Points are in window (content) coordinates; the widget on top at a point
// gets the event, as on screen. The window must be shown.
namespace testenv {

// Left button at the control's centre, or at a point of the window.
void press(fw::Control* control);
void release(fw::Control* control);
void click(fw::Control* control);
void pressAt(fw::Window* window, int x, int y);
void releaseAt(fw::Window* window, int x, int y);
void clickAt(fw::Window* window, int x, int y);

// Moves the pointer over the window's content; while the button is down the
// move goes to the widget that took the press, as a drag does.
void hover(fw::Window* window, int x, int y);
// The pointer leaves the window.
void leave(fw::Window* window);

// Key presses (a Qt::Key) to the control's widget.
void key(fw::Control* control, int qtKey);
// Types the text into the field, one key per character.
void type(fw::EditField* field, std::string_view text);

// Return as the window system sends it to a window, the front window (the
// one that has the keyboard) when none is given: a press, one repeat of a held
// key (a release and a press), or the release.
enum class SentKey { Press, Repeat, Release };
void sendReturn(SentKey what, fw::Window* to = nullptr);

// Lets events and timers run for that long.
void runFor(int ms);

// Writes a PNG of the window, menu bar included, to build/screenshots.
std::filesystem::path screenshot(fw::Window* window, const std::string& name);

} // namespace testenv
