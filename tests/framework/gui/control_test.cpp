// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/canvas.h"
#include "framework/gui/editfield.h"
#include "framework/gui/graphics.h"
#include "framework/gui/groupbox.h"
#include "framework/gui/httpsocket.h"
#include "framework/gui/listbox.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/radiobutton.h"
#include "framework/gui/shapes.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QTableWidget>
#include <QLabel>
#include <QWidget>

#include <array>
#include <functional>
#include <map>
#include <stdexcept>

#include <gtest/gtest.h>

namespace {

using testenv::Add;
using testenv::TestWindow;
using ControlTest = testenv::GuiFixture;

// group > box (set member "cell$2") > label and a hidden label.
TEST_F(ControlTest, VisibilityFollowsLogicalParents)
{
    fw::GroupBox* group = nullptr;
    fw::Rectangle* cell = nullptr;
    fw::StaticText *label = nullptr, *hidden = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        group = Add<fw::GroupBox>(win, "group", 10, 10, 200, 150);
        cell = Add<fw::Rectangle>(win, "cell", 20, 30, 50, 50, "group", 2);
        cell->SetFillColor(fw::RGB(255, 0, 0));
        label = Add<fw::StaticText>(win, "label", 25, 35, 40, 20, "cell$2");
        hidden = Add<fw::StaticText>(win, "hidden", 25, 60, 40, 20, "cell$2");
        hidden->SetProperty("Visible", false);
    });
    ASSERT_EQ(label->Parent(), cell);
    ASSERT_EQ(cell->Parent(), group);
    EXPECT_EQ(w->FindControl("cell", 2), cell);
    // Group and cell Visible; then whether cell and label are shown.
    const std::array<bool, 3> rows[] = {
        {true, true, true}, {false, true, false}, {true, false, false}, {false, false, false},
        {true, true, true}};
    for (const auto& [groupVisible, cellVisible, shown] : rows) {
        SCOPED_TRACE(std::to_string(groupVisible) + std::to_string(cellVisible));
        group->SetVisible(groupVisible);
        cell->SetVisible(cellVisible);
        EXPECT_EQ(group->Shown(), groupVisible);
        // The cell's fill shows where the label does not cover it.
        testenv::runFor(0);
        EXPECT_EQ(testenv::OnScreen(cell).pixel(40, 45) == qRgb(255, 0, 0), shown);
        EXPECT_EQ(label->Shown(), shown);
        EXPECT_FALSE(hidden->Shown());
        // The own flag is never touched by a parent.
        EXPECT_TRUE(label->Visible() && !hidden->Visible());
    }
}

// What a drawn control shows after each change, once the window has
// painted: a change made twice before a paint, one made after it, one made
// together with a move.
TEST_F(ControlTest, DrawnChangesReachTheScreen)
{
    fw::Rectangle* cell = nullptr;
    MakeWindow([&](TestWindow& win) { cell = Add<fw::Rectangle>(win, "cell", 20, 20, 40, 40); });
    testenv::runFor(0);
    struct Step { const char* name; std::function<void()> change; QRgb shown; };
    const Step steps[] = {
        {"twice before a paint", [&] { cell->SetFillColor(fw::RGB(255, 0, 0)); cell->SetFillColor(fw::RGB(0, 255, 0)); },
         qRgb(0, 255, 0)},
        {"again after the paint", [&] { cell->SetFillColor(fw::RGB(0, 0, 255)); }, qRgb(0, 0, 255)},
        {"changed and moved", [&] { cell->SetFillColor(fw::RGB(255, 0, 0)); cell->SetLeft(100); }, qRgb(255, 0, 0)},
        {"moved back and changed", [&] { cell->SetLeft(20); cell->SetFillColor(fw::RGB(0, 255, 0)); },
         qRgb(0, 255, 0)},
    };
    for (const Step& step : steps) {
        step.change();
        testenv::runFor(0);
        EXPECT_EQ(testenv::OnScreen(cell).pixel(20, 20), step.shown) << step.name;
    }
}

// A stored property reaches what it sets through the row of the class's
// table, its base's rows and the shared text rows included; one that means
// nothing here is dropped; a name outside the table or a value of another
// kind is refused.
TEST_F(ControlTest, StoredPropertiesReachWhatTheySet)
{
    fw::PushButton* button = nullptr;
    fw::ListBox* list = nullptr;
    fw::Rectangle* rect = nullptr;
    fw::Line* line = nullptr;
    fw::EditField* field = nullptr;
    fw::Timer* timer = nullptr;
    fw::HTTPSocket* socket = nullptr;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        button = win.Add<fw::PushButton>("button", 10, 10, 80, 20);
        list = win.Add<fw::ListBox>("list", 10, 40, 80, 60);
        rect = win.Add<fw::Rectangle>("rect", 100, 10, 30, 30);
        line = win.AddControl<fw::Line>("line", fw::kNoIndex);
        field = win.Add<fw::EditField>("field", 100, 50, 80, 20);
        timer = win.AddControl<fw::Timer>("timer", fw::kNoIndex);
        socket = win.AddControl<fw::HTTPSocket>("socket", fw::kNoIndex);
    });
    struct Row {
        const char* name;
        fw::PropertyTarget* target;
        const char* property;
        fw::PropertyValue value;
        std::function<bool()> took;
    };
    const Row rows[] = {
        {"own row", button, "Caption", std::string("Go"), [&] { return button->Caption() == "Go"; }},
        {"shared text row", list, "Italic", true, [&] { return list->Italic(); }},
        {"control field", rect, "Index", 4, [&] { return rect->Index() == 4; }},
        {"control setter", button, "LockRight", true, [&] { return button->LockRight(); }},
        {"shape base row", rect, "BorderWidth", 3, [&] { return rect->BorderWidth() == 3; }},
        {"line's pick of the control rows", line, "Visible", false, [&] { return !line->Visible(); }},
        {"line's own row", line, "X2", 30, [&] { return line->X2() == 30; }},
        {"field", field, "LimitText", 5, [&] { return field->LimitText() == 5; }},
        {"window", w, "Title", std::string("Tabla"), [&] { return w->Title() == "Tabla"; }},
        {"timer", timer, "Period", 250, [&] { return timer->Period() == 250; }},
        {"socket field", socket, "Address", std::string("example.org"), [&] { return socket->Address() == "example.org"; }},
    };
    for (const Row& row : rows) {
        row.target->SetProperty(row.property, row.value);
        EXPECT_TRUE(row.took()) << row.name;
    }

    EXPECT_NO_THROW(button->SetProperty("TabPanelIndex", 2));
    EXPECT_NO_THROW(socket->SetProperty("yield", true));
    struct Refused {
        const char* name;
        fw::PropertyTarget* target;
        const char* property;
        fw::PropertyValue value;
    };
    const Refused refused[] = {
        {"own row, other kind", button, "Caption", 3},
        {"dropped row, other kind", button, "TabPanelIndex", std::string("2")},
        {"another class's row", button, "Value", true},
        {"a Line stores no HelpTag", line, "HelpTag", std::string("x")},
        {"window row, other kind", w, "Title", 1},
        {"timer", timer, "Enabled", true},
    };
    for (const Refused& row : refused)
        EXPECT_THROW(row.target->SetProperty(row.property, row.value), std::invalid_argument) << row.name;
    EXPECT_EQ(button->Caption(), "Go");
}

// The calendar window keeps state in controls laid out beyond its edges.
TEST_F(ControlTest, ControlsOutsideTheContentAreaAreNeverShownFocusedOrListed)
{
    // Inside, partly outside on the left, wholly left, above, touching the
    // top edge from above, right, below.
    struct Row { int left, top, width, height; bool shown; };
    const Row rows[] = {
        {10, 10, 80, 22, true}, {-53, 10, 80, 22, true}, {-53, 211, 29, 20, false}, {10, -39, 80, 20, false},
        {10, -22, 80, 22, false}, {300, 10, 80, 22, false}, {10, 200, 80, 22, false},
    };
    std::vector<fw::EditField*> fields;
    MakeWindow([&](TestWindow& win) {
        for (const Row& row : rows)
            fields.push_back(Add<fw::EditField>(win, "f" + std::to_string(fields.size()), row.left, row.top,
                                                row.width, row.height));
    });
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(fields[i]->Shown(), rows[i].shown);
        // A field out of sight has no widget at all.
        if (!rows[i].shown) {
            EXPECT_EQ(fields[i]->Handle(), nullptr);
            continue;
        }
        EXPECT_TRUE(fields[i]->Handle()->isVisible());
        const QAccessibleInterface* a = QAccessible::queryAccessibleInterface(fields[i]->Handle());
        EXPECT_FALSE(a && a->state().invisible);
        fields[i]->Handle()->setFocus();
        EXPECT_TRUE(fields[i]->Handle()->hasFocus());
    }
}

// A new caption repaints the title's band only: what the box frames is not
// drawn again, and the screen shows what a full repaint would.
TEST_F(ControlTest, ANewCaptionRepaintsOnlyTheTitle)
{
    fw::GroupBox* box = nullptr;
    int insidePaints = 0;
    TestWindow* w = MakeWindow([&](TestWindow& win) {
        box = Add<fw::GroupBox>(win, "box", 10, 10, 200, 150);
        box->SetCaption("March 2007");
        auto* inside = Add<fw::Canvas>(win, "inside", 20, 50, 100, 80, "box");
        inside->Paint.InstallInstanceEventHandler([&](fw::Graphics& g) {
            ++insidePaints;
            g.SetForeColor(fw::RGB(0, 0, 200));
            g.FillRect(0, 0, 100, 80);
        });
    });
    w->SetHasBackColor(true);
    w->SetBackColor(fw::RGB(250, 240, 230));
    struct Row { const char* caption; bool insideRepainted; };
    const Row rows[] = {{"April 2007", false}, {"September 2007", false}, {"May", false}, {"", true}, {"June", true}};
    for (const Row& row : rows) {
        SCOPED_TRACE(row.caption);
        testenv::runFor(0);
        insidePaints = 0;
        box->SetCaption(row.caption);
        testenv::runFor(0);
        EXPECT_EQ(insidePaints > 0, row.insideRepainted);
        const QRect area(box->Left(), box->Top(), box->Width(), box->Height());
        EXPECT_EQ(testenv::OnScreen(box), w->Content()->grab(area).toImage().convertToFormat(QImage::Format_RGB32));
    }
}

// A list kept out of sight has no widget but all its rows; moved into view,
// its widget shows them.
TEST_F(ControlTest, AListOutOfSightGetsItsWidgetWhenItShows)
{
    fw::ListBox* list = nullptr;
    MakeWindow([&](TestWindow& win) {
        list = Add<fw::ListBox>(win, "list", 20, 500, 150, 90);
        testenv::Set(list, {{"ColumnCount", 3}, {"HasHeading", true}});
    });
    list->AddRow("28");
    list->AddRow("14");
    list->SetCell(0, 2, "ovulation");
    list->SetCell(1, 1, "x");
    list->SetCell(1, 3, "beyond the columns");
    EXPECT_EQ(list->Handle(), nullptr);
    struct Row { std::int32_t row, column; std::string text; };
    const Row rows[] = {{0, 0, "28"}, {0, 2, "ovulation"}, {1, 0, "14"}, {1, 1, "x"}, {1, 2, ""}, {1, 3, ""}};
    const auto check = [&](bool withWidget) {
        EXPECT_EQ(list->ListCount(), 2);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.row) + "," + std::to_string(row.column));
            EXPECT_EQ(list->Cell(row.row, row.column), row.text);
            if (!withWidget || row.column >= 3)
                continue;
            const QTableWidgetItem* item =
                static_cast<QTableWidget*>(list->Handle())->item(row.row, row.column);
            EXPECT_EQ(item ? item->text().toStdString() : std::string(), row.text);
        }
    };
    check(false);
    list->SetTop(20);
    ASSERT_NE(list->Handle(), nullptr);
    auto* table = static_cast<QTableWidget*>(list->Handle());
    EXPECT_TRUE(table->isVisible());
    EXPECT_EQ(table->columnCount(), 3);
    EXPECT_FALSE(table->horizontalHeader()->isHidden());
    check(true);
    list->SetCell(1, 2, "fertile");
    EXPECT_EQ(table->item(1, 2)->text(), "fertile");
}

TEST_F(ControlTest, SelectingARadioButtonClearsOnlyItsGroup)
{
    // a1, a2, a3 on the window; b1, b2 inside a group box.
    std::map<std::string, fw::RadioButton*> radios;
    std::vector<std::string> actions;
    MakeWindow([&](TestWindow& win) {
        Add<fw::GroupBox>(win, "box", 150, 10, 140, 120);
        for (const char* name : {"a1", "a2", "a3", "b1", "b2"}) {
            const bool inBox = name[0] == 'b';
            const int top = 10 + 25 * int(radios.size());
            auto* r = Add<fw::RadioButton>(win, name, inBox ? 160 : 10, top, 120, 20, inBox ? "box" : "");
            r->Action.InstallInstanceEventHandler([&actions, name] { actions.push_back(name); });
            radios[name] = r;
        }
        radios["a1"]->SetProperty("Value", true);
        radios["b2"]->SetProperty("Value", true);
    });
    struct Row { const char* select; bool byClick; const char* selected; std::vector<std::string> actions; };
    const Row rows[] = {
        {"a2", true, "a2 b2", {"a2"}}, {"a2", true, "a2 b2", {}},  {"b1", false, "a2 b1", {"b1"}},
        {"a3", false, "a3 b1", {"a3"}}, {"b2", true, "a3 b2", {"b2"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.selected);
        actions.clear();
        if (row.byClick)
            testenv::click(radios[row.select]);
        else
            radios[row.select]->SetValue(true);
        std::string selected;
        for (const auto& [name, r] : radios) {
            // What the user sees agrees with Value.
            EXPECT_EQ(static_cast<QAbstractButton*>(r->Handle())->isChecked(), r->Value()) << name;
            if (r->Value())
                selected += (selected.empty() ? "" : " ") + name;
        }
        EXPECT_EQ(selected, row.selected);
        EXPECT_EQ(actions, row.actions);
    }
}

TEST_F(ControlTest, FontsArePixelSizesWithTheSystemDefaults)
{
    struct Row { std::string font; std::int32_t size; int pixels; bool customFamily; };
    const Row rows[] = {
        {"System", 0, 13, false}, {"SmallSystem", 0, 11, false}, {"smallSystem", 0, 11, false},
        {"SmallSystem", 12, 12, false}, {"System", 18, 18, false}, {"genevacy", 10, 10, true},
    };
    std::vector<fw::PushButton*> labels;
    MakeWindow([&](TestWindow& w) {
        for (const Row& row : rows) {
            auto* label = Add<fw::PushButton>(w, row.font, 0, 20 * int(labels.size()), 200, 20);
            testenv::Set(label, {{"TextFont", row.font}, {"TextSize", row.size}});
            labels.push_back(label);
        }
    });
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const QFont font = labels[i]->Handle()->font();
        EXPECT_EQ(font.pixelSize(), rows[i].pixels) << i;
        EXPECT_EQ(labels[i]->ShownTextSize(), rows[i].pixels) << i;
        EXPECT_EQ(font.family() == QApplication::font().family(), !rows[i].customFamily) << i;
    }
    labels[0]->SetBold(true);
    EXPECT_TRUE(labels[0]->Handle()->font().bold());
}

TEST_F(ControlTest, StaticTextIsPlainTextWithCarriageReturnsAsLineBreaks)
{
    fw::StaticText* label = nullptr;
    MakeWindow([&](TestWindow& w) { label = Add<fw::StaticText>(w, "label", 10, 10, 200, 60); });
    const std::pair<std::string, QString> rows[] = {
        {"Quick Start!\r\r  1 - Enter", "Quick Start!\n\n  1 - Enter"}, {"a\r\nb", "a\nb"},
        {"<b>Help</b> &amp;", "<b>Help</b> &amp;"},
    };
    // Drawn as a plain-text label showing the text with line breaks draws it.
    QLabel reference;
    reference.setTextFormat(Qt::PlainText);
    reference.setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QFont font = QApplication::font();
    font.setPixelSize(13);
    reference.setFont(font);
    reference.resize(200, 60);
    for (const auto& [text, shown] : rows) {
        SCOPED_TRACE(text);
        label->SetText(text);
        EXPECT_EQ(label->Text(), text);
        reference.setText(shown);
        QImage expected(200, 60, QImage::Format_ARGB32_Premultiplied);
        expected.fill(Qt::transparent);
        reference.render(&expected, QPoint(), QRegion(), QWidget::RenderFlags());
        EXPECT_EQ(testenv::DrawnAlone(label), expected.convertToFormat(QImage::Format_ARGB32));
    }
}

} // namespace
