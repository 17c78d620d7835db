// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "support/guifixture.h"
#include "support/gui.h"
#include "support/selstyles.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <functional>
#include <tuple>

namespace {

using testenv::TestWindow;

// The selected characters as the widget holds them, a line break as CR.
std::string Selected(const fw::EditField* field)
{
    QString s;
    if (const auto* area = qobject_cast<QTextEdit*>(field->Handle()))
        s = area->textCursor().selectedText();
    else if (const auto* line = qobject_cast<QLineEdit*>(field->Handle()))
        s = line->selectedText();
    s.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return s.toStdString();
}

// Boldness, pixel size (0: the field's own) and colour of the character at
// Qt position qt, as the document holds them.
std::tuple<bool, int, fw::Color> StyleAt(const fw::EditField* field, int qt)
{
    const auto* area = qobject_cast<QTextEdit*>(field->Handle());
    QTextCharFormat format;
    const QTextBlock block = area->document()->findBlock(qt);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(qt))
            format = it.fragment().charFormat();
    const QColor c = format.foreground().color();
    return {format.fontWeight() >= QFont::Bold, format.intProperty(QTextFormat::FontPixelSize),
            format.hasProperty(QTextFormat::ForegroundBrush) ? fw::RGB(c.red(), c.green(), c.blue())
                                                              : field->TextColor()};
}

// "a•°é😀b" + CR + "z": the emoji takes two UTF-16 units, the CR one.
const std::string kText = "a\u2022\u00b0\u00e9\U0001F600b\rz";

class StyledFieldTest : public testenv::GuiFixture {
protected:
    fw::EditField* Make(bool multiLine)
    {
        fw::EditField* field = nullptr;
        MakeWindow([&](TestWindow& w) {
            field = testenv::Add<fw::EditField>(w, "field", 10, 10, 200, multiLine ? 80 : 22);
            testenv::Set(field, {{"MultiLine", multiLine}, {"Styled", true}, {"ReadOnly", true}});
        });
        return field;
    }
};

TEST_F(StyledFieldTest, OffsetsCountCharactersInBothBackings)
{
    struct Row { std::int32_t start, length; std::string selected; std::int32_t readStart, readLength; };
    const Row rows[] = {
        {1, 3, "\u2022\u00b0\u00e9", 1, 3}, {4, 1, "\U0001F600", 4, 1}, {5, 1, "b", 5, 1},
        {4, 99, "\U0001F600b\rz", 4, 4},    {99, 1, "", 8, 0},          {-3, 1, "a", 0, 1},
    };
    for (const bool multiLine : {false, true}) {
        fw::EditField* field = Make(multiLine);
        field->SetText(kText);
        for (const Row& row : rows) {
            SCOPED_TRACE(std::to_string(row.start) + (multiLine ? " multi-line" : " single-line"));
            field->SetSelStart(row.start);
            field->SetSelLength(row.length);
            EXPECT_EQ(Selected(field), row.selected);
            EXPECT_EQ(field->SelStart(), row.readStart);
            EXPECT_EQ(field->SelLength(), row.readLength);
        }
    }
}

TEST_F(StyledFieldTest, RunsLandOnTheirCharacters)
{
    fw::EditField* field = Make(true);
    fw::StyleRun bold, big;
    bold.start = 4, bold.end = 6, bold.bold = true;
    big.start = 5, big.end = 99, big.size = 30, big.color = fw::RGB(1, 2, 3);
    const fw::StyleRun runs[] = {bold, big};
    field->SetTextAndStyle(kText, runs);
    EXPECT_EQ(field->Text(), kText);
    const fw::Color own = field->TextColor(), set = fw::RGB(1, 2, 3);
    // Characters 3, 4 (the emoji, two Qt units), 5 and 7 (after the CR).
    const std::tuple<int, bool, int, fw::Color> rows[] = {
        {3, false, 0, own}, {4, true, 0, own}, {6, true, 30, set}, {8, false, 30, set}};
    for (const auto& [qt, isBold, size, color] : rows)
        EXPECT_EQ(StyleAt(field, qt), std::tuple(isBold, size, color)) << qt;
    // The caret after the line break, where the screenshot has it.
    field->SetSelStart(7);
    testenv::screenshot(&field->ParentWindow(), "styled-field");
}

TEST_F(StyledFieldTest, SelectionStylesActOnTheSelectedCharacters)
{
    using Set = std::function<void(fw::EditField&)>;
    struct Row { const char* name; std::int32_t start, length; Set set; std::string styles; };
    const Row rows[] = {
        {"bold across the astral character", 4, 2, [](auto& f) { f.SetSelBold(true); }, "4-6 b"},
        {"italic after it, over the line break", 5, 2, [](auto& f) { f.SetSelItalic(true); }, "5-7 i"},
        {"underline over non-ASCII", 1, 3, [](auto& f) { f.SetSelUnderline(true); }, "1-4 u"},
        {"size, and 0 the field's own", 2, 9,
         [](auto& f) { f.SetSelTextSize(20), f.SetSelStart(7), f.SetSelLength(1), f.SetSelTextSize(0); }, "2-7 20"},
        {"face", 7, 1, [](auto& f) { f.SetSelTextFont("Times"); }, "7-8 F:Times"},
        {"colour of all", 0, 8, [](auto& f) { f.SetSelTextColor(fw::RGB(0, 0, 9)); }, "0-8 #000009"},
        {"off again inside", 0, 8,
         [](auto& f) { f.SetSelBold(true), f.SetSelStart(3), f.SetSelLength(2), f.SetSelBold(false); },
         "0-3 b; 5-8 b"},
        {"empty selection styles nothing", 3, 0, [](auto& f) { f.SetSelBold(true); }, ""},
    };
    for (const bool widget : {true, false}) {
        fw::EditField* field = nullptr;
        MakeWindow([&](TestWindow& w) {
            // Below the window, the field keeps its text and styles itself.
            field = testenv::Add<fw::EditField>(w, "field", 10, widget ? 10 : 900, 200, 80);
            testenv::Set(field, {{"MultiLine", true}, {"Styled", true}, {"ReadOnly", true}});
        });
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(row.name) + (widget ? "" : ", no widget"));
            field->SetText("");
            field->SetText(kText);
            field->SetSelStart(row.start);
            field->SetSelLength(row.length);
            row.set(*field);
            EXPECT_EQ(testenv::SelStyles(*field), row.styles);
        }
        EXPECT_EQ(field->Handle() != nullptr, widget);
    }
}

TEST_F(StyledFieldTest, SelectionStylesOnlyInAStyledMultiLineField)
{
    for (const auto& [multiLine, styled] : {std::pair{true, false}, {false, true}}) {
        fw::EditField* field = Make(multiLine);
        field->SetStyled(styled);
        field->SetBold(true);
        field->SetText(kText);
        field->SetSelStart(0);
        field->SetSelLength(8);
        field->SetSelItalic(true);
        field->SetSelTextSize(30);
        EXPECT_EQ(testenv::SelStyles(*field), "0-8 b") << multiLine;
    }
}

// Styled and selected in one edit: the document changes once, when the edit
// ends, and the widget's selection moves then; SelChange follows every move.
TEST_F(StyledFieldTest, AStyleEditIsOneChangeOfTheDocument)
{
    fw::EditField* field = Make(true);
    field->SetText(kText);
    auto* area = qobject_cast<QTextEdit*>(field->Handle());
    int changes = 0, selChanges = 0;
    QObject::connect(area->document(), &QTextDocument::contentsChange, area, [&] { ++changes; });
    field->SelChange.InstallInstanceEventHandler([&] { ++selChanges; });
    {
        fw::EditField::StyleEdit edit(*field);
        for (std::int32_t i = 0; i < 4; ++i) {
            field->SetSelStart(i);
            field->SetSelLength(2);
            field->SetSelBold(true);
        }
        EXPECT_EQ(changes, 0);
        EXPECT_EQ(area->textCursor().position(), 0);
        EXPECT_EQ(field->SelStart(), 3);
    }
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(selChanges, 7);
    EXPECT_EQ(Selected(field), "é😀");
    EXPECT_EQ(testenv::SelStyles(*field), "0-5 b");
}

// A text set within a style edit replaces the old one in the same edit and
// takes none of its styles.
TEST_F(StyledFieldTest, ATextSetWithinAStyleEditJoinsIt)
{
    for (const bool widget : {true, false}) {
        SCOPED_TRACE(widget ? "widget" : "no widget");
        fw::EditField* field = nullptr;
        MakeWindow([&](TestWindow& w) {
            field = testenv::Add<fw::EditField>(w, "field", 10, widget ? 10 : 900, 200, 80);
            testenv::Set(field, {{"MultiLine", true}, {"Styled", true}, {"ReadOnly", true}});
        });
        field->SetText(kText);
        int changes = 0;
        field->TextChange.InstallInstanceEventHandler([&] { ++changes; });
        {
            fw::EditField::StyleEdit edit(*field);
            field->SetSelStart(0);
            field->SetSelLength(8);
            field->SetSelBold(true);
            field->SetSelTextColor(fw::RGB(200, 0, 0));
            field->SetTextAndStyle("new\r\u00e9\U0001F600", {});
            EXPECT_EQ(field->SelStart(), 0);
            field->SetSelStart(5);
            field->SetSelLength(1);
            field->SetSelItalic(true);
        }
        EXPECT_EQ(changes, 1);
        EXPECT_EQ(field->Text(), "new\r\u00e9\U0001F600");
        EXPECT_EQ(testenv::SelStyles(*field), "5-6 i");
    }
}

// A read-only field shows no caret but stays selectable by keyboard; a
// writable one shows its caret.
TEST_F(StyledFieldTest, AReadOnlyFieldShowsNoCaret)
{
    for (const bool readOnly : {true, false}) {
        SCOPED_TRACE(readOnly ? "read-only" : "writable");
        fw::EditField* field = Make(true);
        field->SetReadOnly(readOnly);
        field->SetText("x\r");
        auto* area = qobject_cast<QTextEdit*>(field->Handle());
        area->setFocus();
        ASSERT_TRUE(area->hasFocus());
        // On the empty second line only the caret can draw.
        field->SetSelStart(2);
        const QImage shown = area->viewport()->grab().toImage();
        const QRect line = area->cursorRect().adjusted(-2, 0, 2, 0);
        int dark = 0;
        for (int y = line.top(); y <= line.bottom(); ++y)
            for (int x = line.left(); x <= line.right(); ++x)
                dark += qGray(shown.pixel(x, y)) < 128;
        EXPECT_EQ(dark > 0, !readOnly);
        QTest::keyClick(area, Qt::Key_Up, Qt::ShiftModifier);
        EXPECT_EQ(field->SelStart(), 0);
        EXPECT_EQ(field->SelLength(), 2);
    }
}

} // namespace
