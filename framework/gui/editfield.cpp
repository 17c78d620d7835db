// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"

#include "framework/gui/application.h"
#include "framework/gui/charindex.h"
#include "framework/gui/editfield_p.h"
#include "framework/gui/gui_p.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <climits>
#include <utility>

namespace fw {

bool OfferKey(EditField* field, QEvent* event)
{
    // Tab is taken here, before the focus chain sees it.
    if (event->type() != QEvent::KeyPress || !field)
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const std::string text = detail::KeyText(*key);
    if (text.empty() || !field->Enabled())
        return false;
    bool handled = false;
    Dispatch([&] { handled = EditField::Private::KeyDown(*field, text); });
    if (handled)
        event->accept();
    return handled;
}

// The line edit that shows every key to KeyDown before it edits.
class EditFieldWidget : public QLineEdit {
public:
    EditFieldWidget(EditField& field, QWidget* parent) : QLineEdit(parent), m_field(&field) {}
    void Detach() { m_field = nullptr; }

protected:
    bool event(QEvent* event) override { return OfferKey(m_field, event) || QLineEdit::event(event); }
    // Without UseFocusRing the frame does not light up with the focus.
    void initStyleOption(QStyleOptionFrame* option) const override
    {
        QLineEdit::initStyleOption(option);
        if (m_field && !m_field->UseFocusRing())
            option->state &= ~QStyle::State_HasFocus;
    }

private:
    EditField* m_field;
};

EditField::EditField(fw::Window& window) : TextControl(window), d(std::make_unique<Private>()) {}

QWidget* EditField::MakeWidget(QWidget* content)
{
    if (m_multiLine)
        return d->area = new EditFieldArea(*this, content);
    d->edit = new EditFieldWidget(*this, content);
    ConnectLine();
    return d->edit;
}

void EditField::WidgetMade()
{
    // Quiet: the widget takes the field's state as it is.
    TextControl::WidgetMade();
    if (d->area) {
        AdoptChild(d->area->viewport());
        d->area->SetPlainText(d->doc->toRawText());
        QTextCursor cursor(d->area->document());
        cursor.beginEditBlock();
        for (const Private::Run& run : d->runs) {
            cursor.setPosition(run.start);
            cursor.setPosition(run.end, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(run.format);
        }
        cursor.endEditBlock();
        cursor.setPosition(d->cursor.anchor());
        cursor.setPosition(d->cursor.position(), QTextCursor::KeepAnchor);
        d->area->setTextCursor(cursor);
        d->area->pendingLine = d->scrollLine;
        DropDocument();
    } else {
        SetLimitText(m_limitText);
        d->edit->setText(d->line.text);
        SetPassword(m_password);
        const Private::Line line = std::exchange(d->line, {});
        SetQtSelection(line.anchor, line.position);
    }
    d->indexStale = true;
    SetReadOnly(m_readOnly);
    SetBorder(m_border);
    SetAlignment(m_alignment);
    SetScrollBarVertical(m_scrollBarVertical);
    if (!m_useFocusRing)
        SetUseFocusRing(false);
    UpdatePalette();
}

void EditField::ConnectLine()
{
    d->edit->setMaxLength(INT_MAX);
    QObject::connect(d->edit, &QLineEdit::textChanged, d->edit, [this] { TextMaybeChanged(); });
    QObject::connect(d->edit, &QLineEdit::selectionChanged, d->edit, [this] { CheckSelection(); });
    QObject::connect(d->edit, &QLineEdit::cursorPositionChanged, d->edit, [this] { CheckSelection(); });
}

EditField::~EditField()
{
    if (d->area)
        d->area->Detach();
    else if (d->edit)
        static_cast<EditFieldWidget*>(d->edit)->Detach();
    if (d->doc)
        d->doc->disconnect();
}

void EditField::LineSetText(const QString& text)
{
    // As a line edit sets its text: cut to the limit, the caret at the end.
    Private::Line& line = d->line;
    const bool changed = text.left(line.maxLength) != line.text;
    line.text = text.left(line.maxLength);
    const int end = static_cast<int>(line.text.size());
    const bool moved = line.anchor != end || line.position != end;
    line.anchor = line.position = end;
    if (changed)
        TextMaybeChanged();
    if (moved)
        CheckSelection();
}

void EditField::LineSelect(int anchor, int position)
{
    if (anchor == d->line.anchor && position == d->line.position)
        return;
    d->line.anchor = anchor;
    d->line.position = position;
    CheckSelection();
}

void EditField::NewDocument()
{
    // Wired as a text area wires its own document: a change of content first
    // checks the selection, then the text.
    d->doc = std::make_unique<QTextDocument>();
    d->doc->setUndoRedoEnabled(false);
    d->cursor = QTextCursor(d->doc.get());
    d->shownAnchor = d->shownPosition = 0;
    QTextDocument* doc = d->doc.get();
    QObject::connect(doc, &QTextDocument::contentsChange, doc, [this] { d->indexStale = true; });
    QObject::connect(doc, &QTextDocument::contentsChanged, doc, [this] { DocSelectionMoved(); });
    QObject::connect(doc, &QTextDocument::contentsChanged, doc, [this] { TextMaybeChanged(); });
    QObject::connect(doc, &QTextDocument::cursorPositionChanged, doc, [this](const QTextCursor& moved) {
        if (moved.isCopyOf(d->cursor))
            CheckSelection();
    });
}

void EditField::DocSelectionMoved()
{
    // A text area reports a move of its selection when there was one or is one.
    const int anchor = d->cursor.anchor();
    const int position = d->cursor.position();
    if (anchor == d->shownAnchor && position == d->shownPosition)
        return;
    const bool had = d->shownAnchor != d->shownPosition;
    d->shownAnchor = anchor;
    d->shownPosition = position;
    if (had || anchor != position)
        CheckSelection();
}

void EditField::SetDocCursor(const QTextCursor& cursor)
{
    const bool moved = cursor.position() != d->cursor.position();
    d->cursor = cursor;
    DocSelectionMoved();
    if (moved)
        CheckSelection();
}

void EditField::DropDocument()
{
    d->doc->disconnect();
    d->cursor = QTextCursor();
    d->runs.clear();
    d->scrollLine = 0;
    d->doc.reset();
}

bool EditField::IsArea() const
{
    return d->area || d->doc;
}

QTextDocument& EditField::Doc() const
{
    return d->area ? *d->area->document() : *d->doc;
}

void EditField::SetPlain(const QString& text)
{
    d->runs.clear();
    if (!d->editSelection.isNull()) {
        // Within a style edit the old text goes as part of the edit, so that
        // it is never laid out again; the new one takes no style of it.
        QTextCursor cursor(&Doc());
        cursor.select(QTextCursor::Document);
        cursor.removeSelectedText();
        cursor.insertText(EditFieldArea::Paragraphs(text));
        d->indexStale = true;
        SetQtSelection(0, 0);
        return;
    }
    if (d->area)
        d->area->SetPlainText(text);
    else
        SetDocCursor(EditFieldArea::PlainText(*d->doc, text));
}

void EditField::SetLineText(const QString& text)
{
    if (d->edit)
        d->edit->setText(text);
    else
        LineSetText(text);
}

std::span<const PropertyInfo> EditField::StoredProperties()
{
    static constexpr auto kRows = JoinRows(std::to_array<PropertyInfo>({
                                               Row<&EditField::SetText>(0x20, "Text"),
                                               Row<&EditField::SetBorder>(0x22, "Border"),
                                               Row<&EditField::SetMultiLine>(0x23, "MultiLine"),
                                               Row<&EditField::SetReadOnly>(0x24, "ReadOnly"),
                                               Row<&EditField::SetPassword>(0x25, "Password"),
                                               Row<&EditField::SetStyled>(0x26, "Styled"),
                                               {0x27, "AcceptTabs", PropertyKind::Boolean},
                                               Row<&EditField::SetTextColor>(0x28, "TextColor"),
                                               Row<&EditField::SetBackColor>(0x29, "BackColor"),
                                               {0x2a, "ScrollBarHorizontal", PropertyKind::Boolean},
                                               Row<&EditField::SetScrollBarVertical>(0x2b, "ScrollBarVertical"),
                                           }),
                                           TextStyleRows(0x2d),
                                           std::to_array<PropertyInfo>({
                                               Row<&EditField::SetLimitText>(0x35, "LimitText"),
                                               Row<&EditField::SetUseFocusRing>(0x42, "UseFocusRing"),
                                               {0x43, "DataSource", PropertyKind::String},
                                               {0x44, "DataField", PropertyKind::String},
                                               Row<&EditField::SetAlignment>(0x45, "Alignment"),
                                               {0x47, "Format", PropertyKind::String},
                                               {0x49, "Mask", PropertyKind::String},
                                           }));
    return kRows;
}

void EditField::SetMultiLine(bool on)
{
    m_multiLine = on;
    if (on == IsArea())
        return;
    QString text = QtText();
    if (!Handle()) {
        // The same steps as with a widget, on the field's own state.
        if (on) {
            d->line = {};
            NewDocument();
            SetPlain(text);
        } else {
            DropDocument();
            LineSetText(text.replace(QChar::ParagraphSeparator, QLatin1Char('\r')));
            SetLimitText(m_limitText);
        }
        d->indexStale = true;
        return;
    }
    if (on) {
        static_cast<EditFieldWidget*>(d->edit)->Detach();
        d->area = new EditFieldArea(*this, ContentOf(ParentWindow()));
        ReplaceHandle(d->area);
        d->edit = nullptr;
        AdoptChild(d->area->viewport());
        d->area->SetPlainText(text);
    } else {
        d->area->Detach();
        d->edit = new EditFieldWidget(*this, ContentOf(ParentWindow()));
        ReplaceHandle(d->edit);
        d->area = nullptr;
        ConnectLine();
        d->edit->setText(text.replace(QChar::ParagraphSeparator, QLatin1Char('\r')));
        SetPassword(m_password);
        SetLimitText(m_limitText);
    }
    d->indexStale = true;
    SetReadOnly(m_readOnly);
    SetBorder(m_border);
    SetAlignment(m_alignment);
    SetScrollBarVertical(m_scrollBarVertical);
    UpdatePalette();
}

QString EditField::QtText() const
{
    if (d->area)
        return d->area->RawText();
    if (d->edit)
        return d->edit->text();
    return d->doc ? d->doc->toRawText() : d->line.text;
}

const detail::CharIndex& EditField::Index() const
{
    // A line is short: it is counted afresh; a document says when it changes.
    if (d->indexStale || !IsArea()) {
        d->index.Reset(QtText());
        d->indexStale = false;
    }
    return d->index;
}

std::string EditField::Text() const
{
    QString text = QtText();
    if (IsArea())
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return text.toStdString();
}

void EditField::SetText(std::string_view text)
{
    const QString t = detail::ToQString(text);
    if (IsArea()) {
        if (t != QtText().replace(QChar::ParagraphSeparator, QLatin1Char('\r')))
            SetPlain(t);
    } else if (t != QtText())
        SetLineText(t);
}

void EditField::TextMaybeChanged()
{
    d->indexStale = true;
    const std::string text = Text();
    if (text == d->lastText)
        return;
    d->lastText = text;
    if (!Quiet())
        Dispatch([this] { Event_TextChange(); });
}

void EditField::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (d->area) {
        d->area->setReadOnly(on);
        // Read-only, not unselectable: the caret still moves by keyboard,
        // but is not drawn.
        if (on)
            d->area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        d->area->setCursorWidth(on ? 0 : 1);
    } else if (d->edit)
        d->edit->setReadOnly(on);
}

void EditField::SetPassword(bool on)
{
    m_password = on;
    if (d->edit)
        d->edit->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void EditField::SetBorder(bool on)
{
    m_border = on;
    if (d->area)
        d->area->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
    else if (d->edit)
        d->edit->setFrame(on);
}

void EditField::SetScrollBarVertical(bool on)
{
    m_scrollBarVertical = on;
    if (d->area)
        d->area->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

void EditField::SetUseFocusRing(bool on)
{
    m_useFocusRing = on;
    if (!Handle())
        return;
    Handle()->setAttribute(Qt::WA_MacShowFocusRect, on);
    Handle()->update();
}

void EditField::SetAlignment(std::int32_t alignment)
{
    m_alignment = alignment;
    Qt::Alignment align;
    switch (alignment) {
    case kAlignCenter: align = Qt::AlignHCenter; break;
    case kAlignRight: align = Qt::AlignRight; break;
    default: align = Qt::AlignLeft; break;
    }
    if (d->area) {
        QTextOption option = d->area->document()->defaultTextOption();
        option.setAlignment(align);
        d->area->document()->setDefaultTextOption(option);
    } else if (d->edit)
        d->edit->setAlignment(align | Qt::AlignVCenter);
}

void EditField::SetTextColor(Color color)
{
    m_textColor = color;
    UpdatePalette();
}

void EditField::SetBackColor(Color color)
{
    m_backColor = color;
    UpdatePalette();
}

void EditField::UpdatePalette()
{
    QWidget* widget = Handle();
    if (!widget)
        return;
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, detail::ToQColor(m_textColor));
    palette.setColor(QPalette::Base, detail::ToQColor(m_backColor));
    widget->setPalette(palette);
}

void EditField::SetLimitText(std::int32_t limit)
{
    m_limitText = limit;
    const int length = limit > 0 ? limit : INT_MAX;
    if (d->edit)
        d->edit->setMaxLength(length);
    else if (!IsArea()) {
        // A line edit sets its text again under the new limit.
        d->line.maxLength = length;
        LineSetText(d->line.text);
    }
}

std::pair<int, int> EditField::QtSelection() const
{
    if (!d->editSelection.isNull())
        return {d->editSelection.anchor(), d->editSelection.position()};
    if (d->area) {
        const QTextCursor cursor = d->area->textCursor();
        return {cursor.anchor(), cursor.position()};
    }
    if (d->doc)
        return {d->cursor.anchor(), d->cursor.position()};
    if (!d->edit)
        return {d->line.anchor, d->line.position};
    if (!d->edit->hasSelectedText())
        return {d->edit->cursorPosition(), d->edit->cursorPosition()};
    const int start = d->edit->selectionStart();
    const int end = start + static_cast<int>(d->edit->selectedText().size());
    return d->edit->cursorPosition() == start ? std::pair{end, start} : std::pair{start, end};
}

void EditField::SetQtSelection(int anchor, int position)
{
    if (!d->editSelection.isNull()) {
        d->editSelection.setPosition(anchor);
        d->editSelection.setPosition(position, QTextCursor::KeepAnchor);
        CheckSelection();
    } else if (IsArea()) {
        QTextCursor cursor = d->area ? d->area->textCursor() : d->cursor;
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        if (d->area)
            d->area->setTextCursor(cursor);
        else
            SetDocCursor(cursor);
    } else if (d->edit) {
        if (anchor == position)
            d->edit->setCursorPosition(position);
        else
            d->edit->setSelection(anchor, position - anchor);
    } else
        LineSelect(anchor, position);
}

std::int32_t EditField::SelStart() const
{
    const auto [anchor, position] = QtSelection();
    return Index().ToChars(std::min(anchor, position));
}

void EditField::SetSelStart(std::int32_t start)
{
    const int at = Index().ToQt(start);
    SetQtSelection(at, at);
}

std::int32_t EditField::SelLength() const
{
    const auto [anchor, position] = QtSelection();
    return Index().ToChars(std::max(anchor, position)) - Index().ToChars(std::min(anchor, position));
}

void EditField::SetSelLength(std::int32_t length)
{
    const std::int32_t start = SelStart();
    const std::int32_t end = start + std::clamp(length, 0, Index().Length() - start);
    SetQtSelection(Index().ToQt(start), Index().ToQt(end));
}

void EditField::CheckSelection()
{
    const std::int32_t start = SelStart();
    const std::int32_t length = SelLength();
    if (start == d->lastSelStart && length == d->lastSelLength)
        return;
    d->lastSelStart = start;
    d->lastSelLength = length;
    if (!Quiet())
        Dispatch([this] { Event_SelChange(); });
}

} // namespace fw
