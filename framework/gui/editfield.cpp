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
    Dispatch([&] { handled = field->Event_KeyDown(text); });
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
    : TextControl(window, new EditFieldWidget(*this, ContentOf(window)))
    , m_edit(static_cast<EditFieldWidget*>(Handle()))
    , m_index(std::make_unique<detail::CharIndex>())
{
    ConnectLine();
    UpdatePalette();
}

void EditField::ConnectLine()
{
    m_edit->setMaxLength(INT_MAX);
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [this] { TextMaybeChanged(); });
    QObject::connect(m_edit, &QLineEdit::selectionChanged, m_edit, [this] { CheckSelection(); });
    QObject::connect(m_edit, &QLineEdit::cursorPositionChanged, m_edit, [this] { CheckSelection(); });
}

EditField::~EditField()
{
    if (m_area)
        m_area->Detach();
    else
        static_cast<EditFieldWidget*>(m_edit)->Detach();
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
    if (on == (m_area != nullptr))
        return;
    QString text = QtText();
    if (on) {
        static_cast<EditFieldWidget*>(m_edit)->Detach();
        m_area = new EditFieldArea(*this, ContentOf(ParentWindow()));
        ReplaceHandle(m_area);
        m_edit = nullptr;
        AdoptChild(m_area->viewport());
        m_area->SetPlainText(text);
    } else {
        m_area->Detach();
        m_edit = new EditFieldWidget(*this, ContentOf(ParentWindow()));
        ReplaceHandle(m_edit);
        m_area = nullptr;
        ConnectLine();
        m_edit->setText(text.replace(QChar::ParagraphSeparator, QLatin1Char('\r')));
        SetPassword(m_password);
        SetLimitText(m_limitText);
    }
    m_indexStale = true;
    SetReadOnly(m_readOnly);
    SetBorder(m_border);
    SetAlignment(m_alignment);
    SetScrollBarVertical(m_scrollBarVertical);
    UpdatePalette();
}

QString EditField::QtText() const
{
    return m_area ? m_area->RawText() : m_edit->text();
}

const detail::CharIndex& EditField::Index() const
{
    // A line is short: it is counted afresh; a text area says when it changes.
    if (m_indexStale || !m_area) {
        m_index->Reset(QtText());
        m_indexStale = false;
    }
    return *m_index;
}

std::string EditField::Text() const
{
    QString text = QtText();
    if (m_area)
        text.replace(QChar::ParagraphSeparator, QLatin1Char('\r'));
    return text.toStdString();
}

void EditField::SetText(std::string_view text)
{
    const QString t = detail::ToQString(text);
    if (m_area) {
        if (t != m_area->RawText().replace(QChar::ParagraphSeparator, QLatin1Char('\r')))
            m_area->SetPlainText(t);
    } else if (t != m_edit->text())
        m_edit->setText(t);
}

void EditField::TextMaybeChanged()
{
    m_indexStale = true;
    const std::string text = Text();
    if (text == m_lastText)
        return;
    m_lastText = text;
    if (!Quiet())
        Dispatch([this] { Event_TextChange(); });
}

void EditField::SetReadOnly(bool on)
{
    m_readOnly = on;
    if (m_area) {
        m_area->setReadOnly(on);
        // Read-only, not unselectable: the caret still moves by keyboard.
        if (on)
            m_area->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    } else
        m_edit->setReadOnly(on);
}

void EditField::SetPassword(bool on)
{
    m_password = on;
    if (m_edit)
        m_edit->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void EditField::SetBorder(bool on)
{
    m_border = on;
    if (m_area)
        m_area->setFrameShape(on ? QFrame::StyledPanel : QFrame::NoFrame);
    else
        m_edit->setFrame(on);
}

void EditField::SetScrollBarVertical(bool on)
{
    m_scrollBarVertical = on;
    if (m_area)
        m_area->setVerticalScrollBarPolicy(on ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
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
    if (m_area) {
        QTextOption option = m_area->document()->defaultTextOption();
        option.setAlignment(align);
        m_area->document()->setDefaultTextOption(option);
    } else
        m_edit->setAlignment(align | Qt::AlignVCenter);
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
    if (m_edit)
        m_edit->setMaxLength(limit > 0 ? limit : INT_MAX);
}

std::pair<int, int> EditField::QtSelection() const
{
    if (m_area) {
        const QTextCursor cursor = m_area->textCursor();
        return {cursor.anchor(), cursor.position()};
    }
    if (!m_edit->hasSelectedText())
        return {m_edit->cursorPosition(), m_edit->cursorPosition()};
    const int start = m_edit->selectionStart();
    const int end = start + static_cast<int>(m_edit->selectedText().size());
    return m_edit->cursorPosition() == start ? std::pair{end, start} : std::pair{start, end};
}

void EditField::SetQtSelection(int anchor, int position)
{
    if (m_area) {
        QTextCursor cursor = m_area->textCursor();
        cursor.setPosition(anchor);
        cursor.setPosition(position, QTextCursor::KeepAnchor);
        m_area->setTextCursor(cursor);
    } else if (anchor == position)
        m_edit->setCursorPosition(position);
    else
        m_edit->setSelection(anchor, position - anchor);
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
    if (start == m_lastSelStart && length == m_lastSelLength)
        return;
    m_lastSelStart = start;
    m_lastSelLength = length;
    if (!Quiet())
        Dispatch([this] { Event_SelChange(); });
}

} // namespace fw
