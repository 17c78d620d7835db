// SPDX-License-Identifier: GPL-3.0-or-later
// Which events controls raise: none for an unchanged value, none while a
// block is applied, none to a disabled control; mouse enter and exit by
// geometry; Return and Escape to the default and cancel buttons.
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

#include <functional>
#include <vector>

namespace {

using testenv::Add;
using GuiTest = testenv::GuiFixture;
using testenv::TestWindow;
using EventTest = GuiTest;

void ApplyOne(fw::Control& c, std::string_view property, fw::PropertyValue value)
{
    const fw::PropertyTable* table = fw::PropertyTableFor(c.ClassName());
    ASSERT_NE(table, nullptr);
    const fw::PropertyInfo* info = table->Find(property);
    ASSERT_NE(info, nullptr);
    const fw::PropertyRecord record{info->id, std::move(value)};
    fw::ApplyBlock(c, fw::EncodeBlock(std::span(&record, 1), *table));
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
    for (fw::Event<void()>* e : {&check->Action, &radio->Action, &popup->Change, &list->Change, &field->TextChange,
                           &field->SelChange})
        e->Bind([&] { ++events; });

    struct Row { const char* name; std::function<void()> change; int events; };
    const Row rows[] = {
        {"adding rows chooses none", [&] { popup->AddRow("four"); }, 0},
        {"CheckBox to True", [&] { check->SetValue(true); }, 1},
        {"CheckBox True again", [&] { check->SetValue(true); }, 0},
        {"CheckBox by block to False", [&] { ApplyOne(*check, "Value", false); }, 0},
        {"CheckBox False again", [&] { check->SetValue(false); }, 0},
        {"RadioButton selected", [&] { radio->SetValue(true); }, 1},
        {"RadioButton selected again", [&] { radio->SetValue(true); }, 0},
        {"RadioButton cleared", [&] { radio->SetValue(false); }, 0},
        {"RadioButton by block", [&] { ApplyOne(*radio, "Value", true); }, 0},
        {"PopupMenu row 1", [&] { popup->SetListIndex(1); }, 1},
        {"PopupMenu row 1 again", [&] { popup->SetListIndex(1); }, 0},
        {"PopupMenu by block row 2", [&] { ApplyOne(*popup, "ListIndex", 2); }, 0},
        {"PopupMenu inserting above keeps the row", [&] { popup->InsertRow(0, "zero"); }, 0},
        {"PopupMenu all rows deleted", [&] { popup->DeleteAllRows(); }, 1},
        {"ListBox row 0", [&] { list->SetListIndex(0); }, 1},
        {"ListBox row 0 again", [&] { list->SetListIndex(0); }, 0},
        {"EditField text and caret", [&] { field->SetText("abc"); }, 2},
        {"EditField same text", [&] { field->SetText("abc"); }, 0},
        {"EditField by block", [&] { ApplyOne(*field, "Text", std::string("xyz")); }, 0},
        {"EditField caret where it is", [&] { field->SetSelStart(field->SelStart()); }, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        events = 0;
        row.change();
        EXPECT_EQ(events, row.events);
    }
    EXPECT_TRUE(radio->Value());
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(field->Text(), "xyz");
}

// A hot zone lies under a field; a second zone lies beside it.
TEST_F(EventTest, ZonesUnderOtherControlsGetMouseEnterAndExit)
{
    std::vector<std::string> events;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        Add<fw::Rectangle>(win, "zone", 10, 10, 100, 40);
        Add<fw::EditField>(win, "field", 20, 15, 60, 22);
        Add<fw::Rectangle>(win, "side", 110, 10, 50, 40);
    });
    for (const char* name : {"zone", "field", "side"}) {
        fw::Control* c = w->FindControl(name);
        c->MouseEnter.Bind([&events, c] { events.push_back(c->Name() + ".Enter"); });
        c->MouseExit.Bind([&events, c] { events.push_back(c->Name() + ".Exit"); });
    }

    struct Row { const char* name; int x, y; std::vector<std::string> events; };
    const Row rows[] = {
        {"onto the bare zone", 15, 45, {"zone.Enter"}},
        {"onto the field above the zone", 30, 20, {"field.Enter"}},
        {"still over both", 40, 25, {}},
        {"off the field, still on the zone", 90, 20, {"field.Exit"}},
        {"across the shared edge", 110, 20, {"zone.Exit", "side.Enter"}},
        {"straight onto the field", 50, 20, {"side.Exit", "zone.Enter", "field.Enter"}},
        {"out to the bare window", 200, 150, {"zone.Exit", "field.Exit"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        events.clear();
        testenv::hover(w, row.x, row.y);
        EXPECT_EQ(events, row.events);
    }
    testenv::hover(w, 30, 20);
    events.clear();
    testenv::leave(w);
    EXPECT_EQ(events, (std::vector<std::string>{"zone.Exit", "field.Exit"}));
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
    std::vector<std::string> events;
    canvas->MouseDown.Bind([&](int, int) {
        events.push_back("canvas.MouseDown");
        return true;
    });
    canvas->MouseUp.Bind([&](int, int) { events.push_back("canvas.MouseUp"); });
    button->Action.Bind([&] { events.push_back("button.Action"); });
    check->Action.Bind([&] { events.push_back("check.Action"); });
    field->KeyDown.Bind([&](const std::string&) {
        events.push_back("field.KeyDown");
        return false;
    });
    zone->MouseEnter.Bind([&] { events.push_back("zone.MouseEnter"); });

    const std::vector<std::string> all = {"canvas.MouseDown", "canvas.MouseUp", "button.Action",
                                          "check.Action",     "field.KeyDown",  "zone.MouseEnter"};
    for (const bool enabled : {true, false, true}) {
        SCOPED_TRACE(enabled ? "enabled" : "disabled");
        for (fw::Control* c : std::initializer_list<fw::Control*>{canvas, button, check, field, zone})
            c->SetEnabled(enabled);
        const std::string before = field->Text();
        events.clear();
        testenv::click(canvas);
        testenv::click(button);
        testenv::click(check);
        field->SetFocus();
        testenv::type(field, "a");
        testenv::hover(w, 30, 120);
        testenv::hover(w, 250, 190);
        EXPECT_EQ(events, enabled ? all : std::vector<std::string>{});
        EXPECT_EQ(field->Text() != before, enabled);
    }
}

TEST_F(EventTest, ReturnAndEscapeReachOnlyShownEnabledButtons)
{
    fw::PushButton *ok = nullptr, *cancel = nullptr;
    fw::EditField* field = nullptr;
    MakeWindow([&](TestWindow& w) {
        field = Add<fw::EditField>(w, "field", 10, 10, 120, 22);
        ok = Add<fw::PushButton>(w, "ok", 200, 160, 80, 20);
        ok->SetProperty("Default", true);
        cancel = Add<fw::PushButton>(w, "cancel", 110, 160, 80, 20);
        cancel->SetProperty("Cancel", true);
    });
    std::vector<std::string> events;
    bool swallowReturn = false;
    ok->Action.Bind([&] { events.push_back("ok"); });
    cancel->Action.Bind([&] { events.push_back("cancel"); });
    field->KeyDown.Bind([&](const std::string& key) { return swallowReturn && key == "\r"; });
    field->SetFocus();

    struct Row {
        const char* name;
        bool okEnabled, okVisible, cancelEnabled, swallow;
        int key;
        std::vector<std::string> events;
    };
    const Row rows[] = {
        {"Return pushes the default button", true, true, true, false, Qt::Key_Return, {"ok"}},
        {"Enter too", true, true, true, false, Qt::Key_Enter, {"ok"}},
        {"Escape pushes the cancel button", true, true, true, false, Qt::Key_Escape, {"cancel"}},
        {"disabled default", false, true, true, false, Qt::Key_Return, {}},
        {"hidden default", true, false, true, false, Qt::Key_Return, {}},
        {"disabled cancel", true, true, false, false, Qt::Key_Escape, {}},
        {"the field took Return itself", true, true, true, true, Qt::Key_Return, {}},
        {"another key", true, true, true, false, Qt::Key_A, {}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ok->SetEnabled(row.okEnabled);
        ok->SetVisible(row.okVisible);
        cancel->SetEnabled(row.cancelEnabled);
        swallowReturn = row.swallow;
        events.clear();
        testenv::key(field, row.key);
        EXPECT_EQ(events, row.events);
    }
}

} // namespace
