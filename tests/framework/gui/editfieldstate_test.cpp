// SPDX-License-Identifier: GPL-3.0-or-later
// A field keeps its state until its widget is made: what code does to it
// before then answers, raises and shows as it would with the widget.
#include "framework/gui/editfield.h"
#include "support/guifixture.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QLineEdit>
#include <QScrollBar>
#include <QTextEdit>

#include <functional>
#include <string>
#include <vector>

namespace {

using testenv::TestWindow;
using Steps = std::function<void(fw::EditField&)>;

// What code can read from a field: text, selection and the line of every
// offset.
std::string Read(const fw::EditField& f)
{
    std::string s = f.Text() + "|" + std::to_string(f.SelStart()) + "," + std::to_string(f.SelLength()) + "|";
    for (std::int32_t i = 0; i <= std::int32_t(f.Text().size()); ++i)
        s += std::to_string(f.LineNumAtCharPos(i));
    return s;
}

// The widget's own state, as Qt holds it.
std::string Describe(const QWidget* w)
{
    std::string s = w->font().toString().toStdString() + " " + w->palette().color(QPalette::Text).name().toStdString() +
                    w->palette().color(QPalette::Base).name().toStdString() +
                    (w->testAttribute(Qt::WA_MacShowFocusRect) ? " ring" : "");
    if (const auto* line = qobject_cast<const QLineEdit*>(w))
        return s + " line:" + line->text().toStdString() + "|" + std::to_string(line->cursorPosition()) + "," +
               std::to_string(line->selectionStart()) + "," + line->selectedText().toStdString() + "|" +
               std::to_string(line->echoMode()) + std::to_string(line->isReadOnly()) +
               std::to_string(line->hasFrame()) + std::to_string(line->alignment()) + "," +
               std::to_string(line->maxLength());
    const auto* area = qobject_cast<const QTextEdit*>(w);
    return s + " area:" + area->document()->toHtml().toStdString() + "|" +
           std::to_string(area->textCursor().anchor()) + "," + std::to_string(area->textCursor().position()) + "|" +
           std::to_string(area->isReadOnly()) + std::to_string(area->textInteractionFlags()) +
           std::to_string(area->frameShape()) + std::to_string(area->verticalScrollBarPolicy()) +
           std::to_string(area->document()->defaultTextOption().alignment()) + "," +
           std::to_string(area->verticalScrollBar()->value());
}

// Ten short lines, the third one bold and big.
void StyledLines(fw::EditField& f)
{
    f.SetMultiLine(true);
    f.SetStyled(true);
    fw::StyleRun run;
    run.start = 6, run.end = 9, run.bold = true, run.size = 20, run.color = fw::RGB(200, 0, 0);
    const fw::StyleRun runs[] = {run};
    f.SetTextAndStyle("a\rb\u00e9\rc\U0001F600d\re\rf\rg\rh\ri\rj\rk", runs);
}

class EditFieldStateTest : public testenv::GuiFixture {};

// The same steps on a field on screen and on one kept below the window:
// the same values after every step, the same events with the same values
// seen from their handlers; the one out of sight never gets a widget.
TEST_F(EditFieldStateTest, AFieldWithoutItsWidgetAnswersAndRaisesAsOneWithIt)
{
    fw::EditField* fields[2] = {};
    MakeWindow([&](TestWindow& w) {
        fields[0] = w.Add<fw::EditField>("shown", 10, 10, 280, 150);
        fields[1] = w.Add<fw::EditField>("kept", 10, 400, 280, 150);
    });
    ASSERT_NE(fields[0]->Handle(), nullptr);
    std::vector<std::string> events[2];
    for (int i = 0; i < 2; ++i) {
        fw::EditField& f = *fields[i];
        f.TextChange.Bind([&f, &log = events[i]] { log.push_back("TextChange " + Read(f)); });
        f.SelChange.Bind([&f, &log = events[i]] { log.push_back("SelChange " + Read(f)); });
    }
    const fw::StyleRun bold{.start = 1, .end = 3, .bold = true};
    const std::pair<const char*, Steps> rows[] = {
        {"text", [](fw::EditField& f) { f.SetText("ab\U0001F600cd\re"); }},
        {"caret", [](fw::EditField& f) { f.SetSelStart(3); }},
        {"selection", [](fw::EditField& f) { f.SetSelLength(2); }},
        {"same text", [](fw::EditField& f) { f.SetText("ab\U0001F600cd\re"); }},
        {"same caret", [](fw::EditField& f) { f.SetSelStart(6); }},
        {"new text", [](fw::EditField& f) { f.SetText("xyz12345"); }},
        {"limit cuts", [](fw::EditField& f) { f.SetLimitText(4); }},
        {"text over the limit", [](fw::EditField& f) { f.SetText("abcdefg"); }},
        {"limit lifted", [](fw::EditField& f) { f.SetLimitText(0); }},
        {"caret past the end", [](fw::EditField& f) { f.SetSelStart(99); }},
        {"styles on one line", [&](fw::EditField& f) { f.SetTextAndStyle("hello", {&bold, 1}); }},
        {"multi-line", [](fw::EditField& f) { f.SetMultiLine(true); }},
        {"lines", [](fw::EditField& f) { f.SetText("one\rtwo\nthree"); }},
        {"selection over a break", [](fw::EditField& f) { f.SetSelStart(2), f.SetSelLength(3); }},
        {"limit on lines", [](fw::EditField& f) { f.SetLimitText(3); }},
        {"styled lines", StyledLines},
        {"caret on a line", [](fw::EditField& f) { f.SetSelStart(7); }},
        {"one line again", [](fw::EditField& f) { f.SetMultiLine(false); }},
        {"lines again", [](fw::EditField& f) { f.SetMultiLine(true); }},
        {"empty", [](fw::EditField& f) { f.SetText(""); }},
    };
    for (const auto& [name, steps] : rows) {
        SCOPED_TRACE(name);
        events[0].clear();
        events[1].clear();
        steps(*fields[0]);
        steps(*fields[1]);
        EXPECT_EQ(Read(*fields[1]), Read(*fields[0]));
        EXPECT_EQ(events[1], events[0]);
    }
    EXPECT_EQ(fields[1]->Handle(), nullptr);
}

// What code sets on a field out of sight shows once it comes into view,
// as if it had been set on the widget: widget state, pixels and values.
TEST_F(EditFieldStateTest, StateSetBeforeTheWidgetShowsOnceItIsMade)
{
    const std::pair<const char*, Steps> rows[] = {
        {"text and caret", [](fw::EditField& f) { f.SetText("2007/03/05"), f.SetSelStart(4); }},
        {"selection", [](fw::EditField& f) { f.SetText("abcdef"), f.SetSelStart(1), f.SetSelLength(3); }},
        {"read-only password without border",
         [](fw::EditField& f) { f.SetText("secret"), f.SetReadOnly(true), f.SetPassword(true), f.SetBorder(false); }},
        {"right, coloured",
         [](fw::EditField& f) {
             f.SetAlignment(fw::EditField::kAlignRight), f.SetTextColor(fw::RGB(0, 0, 255));
             f.SetBackColor(fw::RGB(255, 255, 0)), f.SetText("12");
         }},
        {"limit", [](fw::EditField& f) { f.SetText("123456"), f.SetLimitText(3); }},
        {"font, no focus ring",
         [](fw::EditField& f) { f.SetTextSize(18), f.SetBold(true), f.SetUseFocusRing(false), f.SetText("Big"); }},
        {"styled lines, selected and scrolled",
         [](fw::EditField& f) { StyledLines(f), f.SetSelStart(5), f.SetSelLength(3), f.SetScrollPosition(3); }},
        {"lines centred without scroll bar",
         [](fw::EditField& f) {
             f.SetMultiLine(true), f.SetScrollBarVertical(false), f.SetReadOnly(true);
             f.SetAlignment(fw::EditField::kAlignCenter), f.SetText("x\ry");
         }},
        {"lines and back", [](fw::EditField& f) { f.SetMultiLine(true), f.SetText("ab\rc"), f.SetMultiLine(false); }},
    };
    for (const auto& [name, steps] : rows) {
        SCOPED_TRACE(name);
        fw::EditField *early = nullptr, *late = nullptr;
        MakeWindow([&](TestWindow& w) {
            // First, so that the focus is on neither of the two.
            w.Add<fw::EditField>("focus", 10, 100, 200, 22);
            late = w.Add<fw::EditField>("late", 10, 10, 200, 80);
            early = w.Add<fw::EditField>("early", 10, 300, 200, 80);
        });
        steps(*early);
        ASSERT_EQ(early->Handle(), nullptr);
        const std::string before = Read(*early) + " " + std::to_string(early->ScrollPosition());
        early->SetTop(10);
        steps(*late);
        ASSERT_NE(early->Handle(), nullptr);
        EXPECT_TRUE(early->Handle()->isVisible());
        EXPECT_EQ(Describe(early->Handle()), Describe(late->Handle()));
        EXPECT_TRUE(early->Handle()->grab().toImage() == late->Handle()->grab().toImage());
        EXPECT_EQ(Read(*early) + " " + std::to_string(early->ScrollPosition()), before);
        EXPECT_EQ(Read(*late) + " " + std::to_string(late->ScrollPosition()), before);
    }
}

} // namespace
