// SPDX-License-Identifier: GPL-3.0-or-later
// The multi-line side of EditField: the text area, character styles, lines.
#include "framework/gui/application.h"
#include "framework/gui/charindex.h"
#include "framework/gui/editfield.h"
#include "framework/gui/editfield_p.h"
#include "framework/gui/gui_p.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

#include <algorithm>
#include <utility>

namespace fw {

namespace {

// The line that holds Qt position qt, counted over the whole document.
std::int32_t LineAt(QTextDocument& doc, int qt)
{
    doc.documentLayout()->blockBoundingRect(doc.lastBlock());
    const QTextBlock target = doc.findBlock(qt);
    std::int32_t line = 0;
    for (QTextBlock b = doc.begin(); b.isValid() && b != target; b = b.next())
        line += b.layout()->lineCount();
    if (target.isValid() && target.layout()->lineCount() > 0)
        line += std::max(target.layout()->lineForTextPosition(qt - target.position()).lineNumber(), 0);
    return line;
}

// Top of every line as shown, in document coordinates.
std::vector<qreal> LineTops(QTextDocument& doc)
{
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    layout->blockBoundingRect(doc.lastBlock());
    std::vector<qreal> tops;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        const qreal top = layout->blockBoundingRect(b).top();
        for (int i = 0; i < b.layout()->lineCount(); ++i)
            tops.push_back(top + b.layout()->lineAt(i).y());
    }
    return tops;
}

} // namespace

EditFieldArea::EditFieldArea(EditField& field, QWidget* parent) : QTextEdit(parent), m_field(&field)
{
    setAcceptRichText(false);
    document()->setUndoRedoEnabled(false);
    document()->setDocumentMargin(2);
    // Tabs indent, as in the design's fields, rather than jump a fifth of the
    // field.
    setTabStopDistance(20);
    connect(document(), &QTextDocument::contentsChange, this, [this] {
        if (m_field)
            EditField::Private::TextEdited(*m_field);
    });
    connect(this, &QTextEdit::textChanged, this, [this] {
        if (m_field)
            EditField::Private::TextMaybeChanged(*m_field);
    });
    connect(this, &QTextEdit::cursorPositionChanged, this, [this] {
        if (m_field)
            EditField::Private::CheckSelection(*m_field);
    });
    connect(this, &QTextEdit::selectionChanged, this, [this] {
        if (m_field)
            EditField::Private::CheckSelection(*m_field);
    });
}

bool EditFieldArea::event(QEvent* event)
{
    return OfferKey(m_field, event) || QTextEdit::event(event);
}

void EditFieldArea::keyPressEvent(QKeyEvent* event)
{
    // The widget scrolls its caret into view after the caret has moved, and
    // so after the selection handlers: a line one of them scrolled to would
    // be lost.
    const bool outer = !std::exchange(inKey, true);
    QTextEdit::keyPressEvent(event);
    if (!outer)
        return;
    inKey = false;
    if (const auto line = std::exchange(keyScroll, std::nullopt); line && m_field)
        EditField::Private::ScrollTo(*m_field, *line);
}

void EditFieldArea::showEvent(QShowEvent* event)
{
    // After the widget has scrolled its caret into view on its first show.
    QTextEdit::showEvent(event);
    if (pendingLine > 0 && m_field)
        EditField::Private::ScrollTo(*m_field, std::exchange(pendingLine, 0));
}

QString EditFieldArea::RawText() const
{
    return document()->toRawText();
}

QString EditFieldArea::Paragraphs(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n'))
            c = QChar::ParagraphSeparator;
    return text;
}

QTextCursor EditFieldArea::PlainText(QTextDocument& doc, const QString& text)
{
    doc.clear();
    QTextCursor cursor(&doc);
    cursor.insertText(Paragraphs(text));
    cursor.setPosition(0);
    return cursor;
}

namespace {

QTextCharFormat FormatOf(const StyleRun& run, int ownSize)
{
    QTextCharFormat format;
    if (run.bold)
        format.setFontWeight(*run.bold ? QFont::Bold : QFont::Normal);
    if (run.italic)
        format.setFontItalic(*run.italic);
    if (run.underline)
        format.setFontUnderline(*run.underline);
    if (run.font)
        format.setFontFamilies(QStringList{detail::MakeFont(*run.font, 0, false, false, false).family()});
    if (run.size)
        format.setProperty(QTextFormat::FontPixelSize, *run.size > 0 ? *run.size : ownSize);
    if (run.color)
        format.setForeground(detail::ToQColor(*run.color));
    return format;
}

} // namespace

void EditField::MergeStyle(int from, int to, const StyleRun& style)
{
    QTextCursor cursor(&Doc());
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QTextCharFormat format = FormatOf(style, ShownTextSize());
    cursor.mergeCharFormat(format);
    // Laid on the widget's document again when it is made.
    if (!d->area)
        d->runs.push_back({from, to, format});
}

void EditField::SetTextAndStyle(std::string_view text, std::span<const StyleRun> runs)
{
    if (!IsArea()) {
        SetText(text);
        SetSelStart(0);
        return;
    }
    SetPlain(detail::ToQString(text));
    if (!m_styled)
        return;
    const detail::CharIndex& index = Index();
    QTextCursor edit(&Doc());
    edit.beginEditBlock();
    for (const StyleRun& run : runs) {
        const int start = index.ToQt(run.start);
        const int end = index.ToQt(run.end);
        if (start < end)
            MergeStyle(start, end, run);
    }
    edit.endEditBlock();
}

namespace {

// The format of the character at Qt position at. A line break's is the
// next line's block format; the end of the text takes the last character's.
QTextCharFormat FormatAt(QTextDocument& doc, int at)
{
    const QTextBlock block = doc.findBlock(at);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        if (it.fragment().contains(at))
            return it.fragment().charFormat();
    if (block.next().isValid())
        return block.next().charFormat();
    QTextCursor cursor(&doc);
    cursor.setPosition(at);
    return cursor.charFormat();
}

} // namespace

void EditField::SetSelStyle(const StyleRun& style)
{
    if (!IsArea() || !m_styled)
        return;
    const auto [anchor, position] = QtSelection();
    if (anchor != position)
        MergeStyle(std::min(anchor, position), std::max(anchor, position), style);
}

QTextCharFormat EditField::SelFormat() const
{
    if (!IsArea() || !m_styled)
        return {};
    const auto [anchor, position] = QtSelection();
    return FormatAt(Doc(), std::min(anchor, position));
}

bool EditField::SelBold() const
{
    const QTextCharFormat format = SelFormat();
    return format.hasProperty(QTextFormat::FontWeight) ? format.fontWeight() >= QFont::Bold : Bold();
}

void EditField::SetSelBold(bool on)
{
    StyleRun style;
    style.bold = on;
    SetSelStyle(style);
}

bool EditField::SelItalic() const
{
    const QTextCharFormat format = SelFormat();
    return format.hasProperty(QTextFormat::FontItalic) ? format.fontItalic() : Italic();
}

void EditField::SetSelItalic(bool on)
{
    StyleRun style;
    style.italic = on;
    SetSelStyle(style);
}

bool EditField::SelUnderline() const
{
    const QTextCharFormat format = SelFormat();
    return format.hasProperty(QTextFormat::TextUnderlineStyle) ? format.fontUnderline() : Underline();
}

void EditField::SetSelUnderline(bool on)
{
    StyleRun style;
    style.underline = on;
    SetSelStyle(style);
}

std::string EditField::SelTextFont() const
{
    const QTextCharFormat format = SelFormat();
    return format.hasProperty(QTextFormat::FontFamilies)
               ? format.fontFamilies().toStringList().value(0).toStdString()
               : TextFont();
}

void EditField::SetSelTextFont(std::string_view name)
{
    StyleRun style;
    style.font = std::string(name);
    SetSelStyle(style);
}

std::int32_t EditField::SelTextSize() const
{
    const QTextCharFormat format = SelFormat();
    return format.hasProperty(QTextFormat::FontPixelSize) ? format.intProperty(QTextFormat::FontPixelSize)
                                                           : ShownTextSize();
}

void EditField::SetSelTextSize(std::int32_t size)
{
    StyleRun style;
    style.size = size;
    SetSelStyle(style);
}

Color EditField::SelTextColor() const
{
    const QTextCharFormat format = SelFormat();
    if (!format.hasProperty(QTextFormat::ForegroundBrush))
        return m_textColor;
    const QColor c = format.foreground().color();
    return RGB(c.red(), c.green(), c.blue());
}

void EditField::SetSelTextColor(Color color)
{
    StyleRun style;
    style.color = color;
    SetSelStyle(style);
}

EditField::StyleEdit::StyleEdit(EditField& field) : m_field(field)
{
    // The selection moves on a cursor of the field's own, so that the widget
    // neither lays out nor scrolls to it before the edit ends.
    Private& d = *field.d;
    if (d.styleEdits++ > 0 || !field.IsArea())
        return;
    const auto [anchor, position] = field.QtSelection();
    d.editSelection = QTextCursor(&field.Doc());
    d.editSelection.setPosition(anchor);
    d.editSelection.setPosition(position, QTextCursor::KeepAnchor);
    d.editSelection.beginEditBlock();
}

EditField::StyleEdit::~StyleEdit()
{
    Private& d = *m_field.d;
    if (--d.styleEdits > 0 || d.editSelection.isNull())
        return;
    QTextCursor selection = std::exchange(d.editSelection, QTextCursor());
    selection.endEditBlock();
    m_field.SetQtSelection(selection.anchor(), selection.position());
}

std::int32_t EditField::ScrollPosition() const
{
    if (!d->area)
        return d->doc ? d->scrollLine : 0;
    if (d->area->pendingLine > 0)
        return d->area->pendingLine;
    const std::vector<qreal> tops = LineTops(*d->area->document());
    const int y = d->area->verticalScrollBar()->value();
    // The line whose top is at or just above the top of the view.
    const auto after = std::upper_bound(tops.begin(), tops.end(), y + 0.5);
    return static_cast<std::int32_t>(std::max<std::ptrdiff_t>(after - tops.begin() - 1, 0));
}

void EditField::SetScrollPosition(std::int32_t line)
{
    if (d->doc) {
        // Kept for the widget, which scrolls there when it is made.
        d->scrollLine = std::clamp<std::int32_t>(line, 0, d->doc->blockCount() - 1);
        return;
    }
    if (!d->area)
        return;
    d->area->pendingLine = 0;
    if (d->area->inKey)
        d->area->keyScroll = line;
    const std::vector<qreal> tops = LineTops(*d->area->document());
    if (tops.empty())
        return;
    const auto at = static_cast<std::size_t>(std::clamp<std::int32_t>(line, 0, std::int32_t(tops.size()) - 1));
    d->area->verticalScrollBar()->setValue(static_cast<int>(tops[at]));
}

std::int32_t EditField::LineNumAtCharPos(std::int32_t position) const
{
    if (!IsArea())
        return 0;
    return LineAt(Doc(), Index().ToQt(position));
}

} // namespace fw
