// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

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
