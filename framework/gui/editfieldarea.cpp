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
    QTextCursor cursor(&Doc());
    cursor.beginEditBlock();
    for (const StyleRun& run : runs) {
        const int start = index.ToQt(run.start);
        const int end = index.ToQt(run.end);
        if (start >= end)
            continue;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        const QTextCharFormat format = FormatOf(run, ShownTextSize());
        cursor.mergeCharFormat(format);
        // Laid on the widget's document again when it is made.
        if (!d->area)
            d->runs.push_back({start, end, format});
    }
    cursor.endEditBlock();
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
