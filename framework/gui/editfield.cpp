// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/editfield.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>
#include <climits>

namespace fw {

// The line edit that shows every key to KeyDown before it edits.
class EditFieldWidget : public QLineEdit {
public:
    EditFieldWidget(EditField& field, QWidget* parent) : QLineEdit(parent), m_field(&field) {}
    void Detach() { m_field = nullptr; }

protected:
    bool event(QEvent* event) override
    {
        // Tab is taken here, before the focus chain sees it.
        if (event->type() == QEvent::KeyPress && m_field) {
            auto* key = static_cast<QKeyEvent*>(event);
            const std::string text = detail::KeyText(*key);
            if (!text.empty() && m_field->Enabled()) {
                bool handled = false;
                Dispatch([&] { handled = m_field->Event_KeyDown(text); });
                if (handled) {
                    event->accept();
                    return true;
                }
            }
        }
        return QLineEdit::event(event);
    }
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
{
    m_edit->setMaxLength(INT_MAX);
    QObject::connect(m_edit, &QLineEdit::textChanged, m_edit, [this] {
        const std::string text = Text();
        if (text == m_lastText)
            return;
        m_lastText = text;
        if (!Quiet())
            Dispatch([this] { Event_TextChange(); });
    });
    QObject::connect(m_edit, &QLineEdit::selectionChanged, m_edit, [this] { CheckSelection(); });
    QObject::connect(m_edit, &QLineEdit::cursorPositionChanged, m_edit, [this] { CheckSelection(); });
    UpdatePalette();
}

EditField::~EditField()
{
    m_edit->Detach();
}

void EditField::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    using namespace detail;
    if (name == "Text")
        SetText(AsString(value, name));
    else if (name == "ReadOnly")
        SetReadOnly(AsBool(value, name));
    else if (name == "Password")
        SetPassword(AsBool(value, name));
    else if (name == "Border")
        SetBorder(AsBool(value, name));
    else if (name == "MultiLine")
        SetMultiLine(AsBool(value, name));
    else if (name == "UseFocusRing")
        SetUseFocusRing(AsBool(value, name));
    else if (name == "Alignment")
        SetAlignment(AsInt(value, name));
    else if (name == "TextColor")
        SetTextColor(AsColor(value, name));
    else if (name == "BackColor")
        SetBackColor(AsColor(value, name));
    else if (name == "LimitText")
        SetLimitText(AsInt(value, name));
    else
        TextControl::ApplyProperty(name, value);
}

std::string EditField::Text() const
{
    return m_edit->text().toStdString();
}

void EditField::SetText(std::string_view text)
{
    const QString t = detail::ToQString(text);
    if (t != m_edit->text())
        m_edit->setText(t);
}

void EditField::SetReadOnly(bool on)
{
    m_readOnly = on;
    m_edit->setReadOnly(on);
}

void EditField::SetPassword(bool on)
{
    m_password = on;
    m_edit->setEchoMode(on ? QLineEdit::Password : QLineEdit::Normal);
}

void EditField::SetBorder(bool on)
{
    m_border = on;
    m_edit->setFrame(on);
}

void EditField::SetUseFocusRing(bool on)
{
    m_useFocusRing = on;
    m_edit->setAttribute(Qt::WA_MacShowFocusRect, on);
    m_edit->update();
}

void EditField::SetAlignment(std::int32_t alignment)
{
    m_alignment = alignment;
    Qt::Alignment align = Qt::AlignVCenter;
    switch (alignment) {
    case kAlignCenter: align |= Qt::AlignHCenter; break;
    case kAlignRight: align |= Qt::AlignRight; break;
    default: align |= Qt::AlignLeft; break;
    }
    m_edit->setAlignment(align);
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
    QPalette palette = m_edit->palette();
    palette.setColor(QPalette::Text, detail::ToQColor(m_textColor));
    palette.setColor(QPalette::Base, detail::ToQColor(m_backColor));
    m_edit->setPalette(palette);
}

void EditField::SetLimitText(std::int32_t limit)
{
    m_limitText = limit;
    m_edit->setMaxLength(limit > 0 ? limit : INT_MAX);
}

std::int32_t EditField::SelStart() const
{
    return m_edit->hasSelectedText() ? static_cast<std::int32_t>(m_edit->selectionStart())
                                     : static_cast<std::int32_t>(m_edit->cursorPosition());
}

void EditField::SetSelStart(std::int32_t start)
{
    const auto length = static_cast<std::int32_t>(m_edit->text().size());
    m_edit->setCursorPosition(std::clamp(start, 0, length));
}

std::int32_t EditField::SelLength() const
{
    return static_cast<std::int32_t>(m_edit->selectedText().size());
}

void EditField::SetSelLength(std::int32_t length)
{
    const std::int32_t start = SelStart();
    const auto total = static_cast<std::int32_t>(m_edit->text().size());
    length = std::clamp(length, 0, total - start);
    if (length == 0)
        m_edit->setCursorPosition(start);
    else
        m_edit->setSelection(start, length);
}

std::string EditField::SelText() const
{
    return m_edit->selectedText().toStdString();
}

void EditField::SetSelText(std::string_view text)
{
    // Replaces the selection also in a read-only field, where insert() would
    // refuse.
    const QString inserted = detail::ToQString(text);
    const auto start = static_cast<qsizetype>(SelStart());
    QString all = m_edit->text();
    all.replace(start, m_edit->selectedText().size(), inserted);
    m_edit->setText(all);
    m_edit->setCursorPosition(static_cast<int>(start + inserted.size()));
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
