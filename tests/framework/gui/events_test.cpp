// SPDX-License-Identifier: GPL-3.0-or-later
// Which events controls raise: none for an unchanged value, none while a
// block is applied, none to a disabled control; mouse enter and exit by
// geometry.
#include "framework/core/propertyblock.h"
#include "framework/gui/canvas.h"
#include "framework/gui/checkbox.h"
#include "framework/gui/editfield.h"
#include "framework/gui/listbox.h"
#include "framework/gui/popupmenu.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <QTableWidget>

#include <functional>
#include <vector>

namespace {

// A row chosen as a click chooses it.
void selectRow(fw::ListBox& list, int row)
{
    static_cast<QTableWidget*>(list.Handle())->selectRow(row);
}

using testenv::Add;
using testenv::TestWindow;
using EventTest = testenv::GuiFixture;
using Log = std::vector<std::string>;

void ApplyOne(fw::Control& c, std::string_view property, fw::PropertyValue value)
{
    const fw::PropertyTable& table = *fw::PropertyTableFor(c.ClassName());
    const fw::PropertyRecord record{table.Find(property)->id, std::move(value)};
    fw::SetProperties(c, fw::EncodeBlock(std::span(&record, 1), table));
}

TEST_F(EventTest, OnlyARealChangeByCodeRaisesTheValueEvent)
{
    fw::CheckBox* check = nullptr;
    fw::RadioButton* radio = nullptr;
    fw::PopupMenu* popup = nullptr;
    fw::ListBox* list = nullptr;
    fw::EditField* field = nullptr;
    MakeWindow([&](TestWindow& w) {
        check = Add<fw::CheckBox>(w, "check", 10, 10, 100, 20);
        radio = Add<fw::RadioButton>(w, "radio", 10, 40, 100, 20);
        popup = Add<fw::PopupMenu>(w, "popup", 10, 70, 100, 20);
        list = Add<fw::ListBox>(w, "list", 120, 10, 100, 80);
        field = Add<fw::EditField>(w, "field", 10, 100, 100, 22);
        for (const char* row : {"one", "two", "three"}) {
            popup->AddRow(row);
            list->AddRow(row);
        }
    });
    int events = 0;
    for (auto* e : {&check->Action, &radio->Action, &popup->Change, &list->Change, &field->TextChange,
                    &field->SelChange})
        e->InstallInstanceEventHandler([&] { ++events; });
    // Each change and the events it raises; a block applied raises none.
    const std::pair<std::function<void()>, int> rows[] = {
        {[&] { popup->AddRow("four"); }, 0}, {[&] { check->SetValue(true); }, 1},
        {[&] { check->SetValue(true); }, 0}, {[&] { ApplyOne(*check, "Value", false); }, 0},
        {[&] { check->SetValue(false); }, 0}, {[&] { radio->SetValue(true); }, 1},
        {[&] { radio->SetValue(true); }, 0}, {[&] { radio->SetValue(false); }, 0},
        {[&] { ApplyOne(*radio, "Value", true); }, 0}, {[&] { popup->SetListIndex(1); }, 1},
        {[&] { popup->SetListIndex(1); }, 0}, {[&] { ApplyOne(*popup, "ListIndex", 2); }, 0},
        {[&] { popup->DeleteAllRows(); }, 1}, {[&] { selectRow(*list, 0); }, 1},
        {[&] { selectRow(*list, 0); }, 0}, {[&] { field->SetText("abc"); }, 2},
        {[&] { field->SetText("abc"); }, 0}, {[&] { ApplyOne(*field, "Text", std::string("xyz")); }, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        events = 0;
        rows[i].first();
        EXPECT_EQ(events, rows[i].second) << "row " << i;
    }
    EXPECT_TRUE(radio->Value());
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(field->Text(), "xyz");
}

// A hot zone lies under a field; a second zone lies beside it.
TEST_F(EventTest, ZonesUnderOtherControlsGetMouseEnterAndExit)
{
    Log events;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        Add<fw::Rectangle>(win, "zone", 10, 10, 100, 40);
        Add<fw::EditField>(win, "field", 20, 15, 60, 22);
        Add<fw::Rectangle>(win, "side", 110, 10, 50, 40);
    });
    for (const char* name : {"zone", "field", "side"}) {
        fw::Control* c = w->FindControl(name);
        c->MouseEnter.InstallInstanceEventHandler([&events, c] { events.push_back(c->Name() + ".Enter"); });
        c->MouseExit.InstallInstanceEventHandler([&events, c] { events.push_back(c->Name() + ".Exit"); });
    }
    // Onto the bare zone, onto the field above it, still over both, off the
    // field, across the shared edge, straight onto the field, out to the window.
    const std::tuple<int, int, Log> rows[] = {
        {15, 45, {"zone.Enter"}}, {30, 20, {"field.Enter"}}, {40, 25, {}}, {90, 20, {"field.Exit"}},
        {110, 20, {"zone.Exit", "side.Enter"}}, {50, 20, {"side.Exit", "zone.Enter", "field.Enter"}},
        {200, 150, {"zone.Exit", "field.Exit"}},
    };
    for (const auto& [x, y, expected] : rows) {
        events.clear();
        testenv::hover(w, x, y);
        EXPECT_EQ(events, expected) << x << "," << y;
    }
}

TEST_F(EventTest, DisabledControlsGetNoMouseOrKeyEvents)
{
    fw::Canvas* canvas = nullptr;
    fw::PushButton* button = nullptr;
    fw::CheckBox* check = nullptr;
    fw::EditField* field = nullptr;
    fw::Rectangle* zone = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        canvas = Add<fw::Canvas>(win, "canvas", 10, 10, 50, 50);
        button = Add<fw::PushButton>(win, "button", 70, 10, 80, 20);
        check = Add<fw::CheckBox>(win, "check", 70, 40, 80, 20);
        field = Add<fw::EditField>(win, "field", 160, 10, 80, 22);
        zone = Add<fw::Rectangle>(win, "zone", 10, 100, 50, 50);
    });
    Log events;
    auto note = [&](const char* what) { return [&events, what] { events.push_back(what); }; };
    canvas->MouseDown.InstallInstanceEventHandler([&](int, int) {
        events.push_back("canvas.MouseDown");
        return true;
    });
    canvas->MouseUp.InstallInstanceEventHandler([&](int, int) { events.push_back("canvas.MouseUp"); });
    button->Action.InstallInstanceEventHandler(note("button.Action"));
    check->Action.InstallInstanceEventHandler(note("check.Action"));
    zone->MouseEnter.InstallInstanceEventHandler(note("zone.MouseEnter"));
    const Log all = {"canvas.MouseDown", "canvas.MouseUp", "button.Action", "check.Action",
                     "zone.MouseEnter"};
    for (const bool enabled : {true, false, true}) {
        for (fw::Control* c : std::initializer_list<fw::Control*>{canvas, button, check, field, zone})
            c->SetEnabled(enabled);
        const std::string before = field->Text();
        events.clear();
        testenv::click(canvas);
        testenv::click(button);
        testenv::click(check);
        field->Handle()->setFocus();
        testenv::type(field, "a");
        testenv::hover(w, 30, 120);
        testenv::hover(w, 250, 190);
        EXPECT_EQ(events, enabled ? all : Log{});
        EXPECT_EQ(field->Text() != before, enabled);
    }
}

} // namespace
