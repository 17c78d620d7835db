// SPDX-License-Identifier: GPL-3.0-or-later
// Until its widget is made a field answers, raises and, once made, shows
// what code did to it as the widget would have.
#include "framework/gui/editfield.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTextEdit>

#include <functional>

namespace {

using F = fw::EditField;
using Rows = std::vector<std::pair<const char*, std::function<void(F&)>>>;

// Text, selection, the line of every offset and the line at the top.
std::string Read(const F& f)
{
    std::string s = f.Text() + "|" + std::to_string(f.SelStart()) + "," + std::to_string(f.SelLength()) + "|";
    for (std::int32_t i = 0; i <= std::int32_t(f.Text().size()); ++i)
        s += std::to_string(f.LineNumAtCharPos(i));
    return s + "|" + std::to_string(f.ScrollPosition());
}

// What the widget holds that its pixels may not show.
std::string Describe(const QWidget* w)
{
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return std::to_string(line->isReadOnly()) + std::to_string(line->maxLength()) +
               std::to_string(line->cursorPosition());
    const auto* area = qobject_cast<const QTextEdit*>(w);
    return area->document()->toHtml().toStdString() + std::to_string(area->textInteractionFlags()) +
           std::to_string(area->textCursor().anchor()) + std::to_string(area->textCursor().position());
}

// Ten lines, the end of the third bold, big and red.
void StyledLines(F& f)
{
    f.SetMultiLine(true), f.SetStyled(true);
    fw::StyleRun run;
    run.start = 6, run.end = 9, run.bold = true, run.size = 20, run.color = fw::RGB(200, 0, 0);
    f.SetTextAndStyle("a\rb\u00e9\rc\U0001F600d\re\rf\rg\rh\ri\rj\rk", {&run, 1});
}

class EditFieldStateTest : public testenv::GuiFixture {};

// The same steps on a field on screen and on one below the window: the same
// values, the same events seen the same from their handlers; the one out of
// sight never gets a widget.
TEST_F(EditFieldStateTest, AFieldWithoutItsWidgetAnswersAndRaisesAsOneWithIt)
{
    F* fields[2] = {};
    MakeWindow([&](testenv::TestWindow& w) {
        fields[0] = w.Add<F>("shown", 10, 10, 280, 180);
        fields[1] = w.Add<F>("kept", 10, 400, 280, 180);
    });
    std::vector<std::string> events[2];
    for (int i = 0; i < 2; ++i) {
        fields[i]->TextChange.InstallInstanceEventHandler(
            [&, i] { events[i].push_back("TextChange " + Read(*fields[i])); });
        fields[i]->SelChange.InstallInstanceEventHandler(
            [&, i] { events[i].push_back("SelChange " + Read(*fields[i])); });
    }
    fw::StyleRun bold;
    bold.start = 1, bold.end = 3, bold.bold = true;
    const Rows rows = {
        {"text", [](F& f) { f.SetText("ab\U0001F600cd\re"); }},
        {"caret", [](F& f) { f.SetSelStart(3); }},
        {"selection", [](F& f) { f.SetSelLength(2); }},
        {"same text", [](F& f) { f.SetText(f.Text()); }},
        {"new text", [](F& f) { f.SetText("xyz12345"); }},
        {"limit cuts", [](F& f) { f.SetLimitText(4); }},
        {"over the limit", [](F& f) { f.SetText("abcdefg"); }},
        {"limit lifted", [](F& f) { f.SetLimitText(0); }},
        {"styled line", [&](F& f) { f.SetTextAndStyle("hi", {&bold, 1}); }},
        {"multi-line", [](F& f) { f.SetMultiLine(true); }},
        {"lines", [](F& f) { f.SetText("one\rtwo\nthree"); }},
        {"over a break", [](F& f) { f.SetSelStart(2), f.SetSelLength(3); }},
        {"limit on lines", [](F& f) { f.SetLimitText(3); }},
        {"styled lines", StyledLines},
        {"selection styled in one edit",
         [](F& f) {
             F::StyleEdit edit(f);
             f.SetSelStart(1), f.SetSelLength(3), f.SetSelItalic(true), f.SetSelStart(5), f.SetSelLength(2);
             f.SetSelTextSize(9);
         }},
        {"one line again", [](F& f) { f.SetMultiLine(false); }},
        {"lines again", [](F& f) { f.SetMultiLine(true); }},
        {"empty", [](F& f) { f.SetText(""); }},
    };
    for (const auto& [name, steps] : rows) {
        SCOPED_TRACE(name);
        events[0].clear(), events[1].clear();
        steps(*fields[0]), steps(*fields[1]);
        EXPECT_EQ(Read(*fields[1]), Read(*fields[0]));
        EXPECT_EQ(events[1], events[0]);
    }
    EXPECT_EQ(fields[1]->Handle(), nullptr);
}

// Set on a field out of sight, shown once it comes into view as if set on
// its widget: pixels, widget state and values.
TEST_F(EditFieldStateTest, StateSetBeforeTheWidgetShowsOnceItIsMade)
{
    const Rows rows = {
        {"selection", [](F& f) { f.SetText("abcdef"), f.SetSelStart(1), f.SetSelLength(3); }},
        {"read-only password, no border",
         [](F& f) { f.SetText("pw"), f.SetReadOnly(true), f.SetPassword(true), f.SetBorder(false); }},
        {"right, coloured",
         [](F& f) {
             f.SetAlignment(F::kAlignRight), f.SetTextColor(fw::RGB(0, 0, 255));
             f.SetBackColor(fw::RGB(255, 255, 0)), f.SetText("12");
         }},
        {"limit, font", [](F& f) { f.SetText("123456"), f.SetLimitText(3), f.SetTextSize(18), f.SetBold(true); }},
        {"styled lines, selected, scrolled",
         [](F& f) { StyledLines(f), f.SetSelStart(5), f.SetSelLength(3), f.SetScrollPosition(3); }},
        {"selection styles",
         [](F& f) {
             StyledLines(f), f.SetSelStart(2), f.SetSelLength(5), f.SetSelUnderline(true);
             f.SetSelTextColor(fw::RGB(0, 120, 0)), f.SetSelLength(1), f.SetSelTextFont("Times");
         }},
        {"lines centred, read-only, no scroll bar",
         [](F& f) {
             f.SetMultiLine(true), f.SetScrollBarVertical(false), f.SetReadOnly(true);
             f.SetAlignment(F::kAlignCenter), f.SetText("x\ry");
         }},
        {"lines and back", [](F& f) { f.SetMultiLine(true), f.SetText("ab\rc"), f.SetMultiLine(false); }},
    };
    for (const auto& [name, steps] : rows) {
        SCOPED_TRACE(name);
        F *early = nullptr, *late = nullptr;
        MakeWindow([&](testenv::TestWindow& w) {
            w.Add<F>("focus", 10, 100, 200, 22); // first: neither of the two has the focus
            late = w.Add<F>("late", 10, 10, 200, 80);
            early = w.Add<F>("early", 10, 300, 200, 80);
        });
        steps(*early);
        ASSERT_EQ(early->Handle(), nullptr);
        const std::string before = Read(*early);
        early->SetTop(10);
        steps(*late);
        ASSERT_TRUE(early->Handle() && early->Handle()->isVisible());
        EXPECT_EQ(Describe(early->Handle()), Describe(late->Handle()));
        EXPECT_TRUE(early->Handle()->grab().toImage() == late->Handle()->grab().toImage());
        EXPECT_EQ(Read(*early), before);
        EXPECT_EQ(Read(*late), before);
    }
}

} // namespace
