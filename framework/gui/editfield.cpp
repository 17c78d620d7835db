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

#include <algorithm>
#include <climits>

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

EditField::EditField(fw::Window& window)
    : TextControl(window, new EditFieldWidget(*this, ContentOf(window))), d(std::make_unique<Private>())
{
    d->edit = static_cast<EditFieldWidget*>(Handle());
    ConnectLine();
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
    else
        static_cast<EditFieldWidget*>(d->edit)->Detach();
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
    if (on == (d->area != nullptr))
        return;
    QString text = QtText();
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
    return d->area ? d->area->RawText() : d->edit->text();
}

const detail::CharIndex& EditField::Index() const
{
    // A line is short: it is counted afresh; a text area says when it changes.
    if (d->indexStale || !d->area) {
        d->index.Reset(QtText());
        d->indexStale = false;
    }
    return d->index;
}

std::string EditField::Text() const
{
    QString text = QtText();
    if (d->area)
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return text.toStdString();
}

void EditField::SetText(std::string_view text)
{
    const QString t = detail::ToQString(text);
    if (d->area) {
        if (t != d->area->RawText().replace(QChar::ParagraphSeparator, QLatin1Char('\r')))
            d->area->SetPlainText(t);
    } else if (t != d->edit->text())
        d->edit->setText(t);
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
        // Read-only, not unselectable: the caret still moves by keyboard.
        if (on)
            d->area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    } else
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
    else
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
    } else
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
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Text, detail::ToQColor(m_textColor));
    palette.setColor(QPalette::Base, detail::ToQColor(m_backColor));
    widget->setPalette(palette);
}

void EditField::SetLimitText(std::int32_t limit)
{
    m_limitText = limit;
    if (d->edit)
        d->edit->setMaxLength(limit > 0 ? limit : INT_MAX);
}

std::pair<int, int> EditField::QtSelection() const
{
    if (d->area) {
        const QTextCursor cursor = d->area->textCursor();
        return {cursor.anchor(), cursor.position()};
    }
    if (!d->edit->hasSelectedText())
        return {d->edit->cursorPosition(), d->edit->cursorPosition()};
    const int start = d->edit->selectionStart();
    const int end = start + static_cast<int>(d->edit->selectedText().size());
    return d->edit->cursorPosition() == start ? std::pair{end, start} : std::pair{start, end};
}

void EditField::SetQtSelection(int anchor, int position)
{
    if (d->area) {
        QTextCursor cursor = d->area->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        d->area->setTextCursor(cursor);
    } else if (anchor == position)
        d->edit->setCursorPosition(position);
    else
        d->edit->setSelection(anchor, position - anchor);
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
