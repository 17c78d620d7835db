// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/groupbox.h"

#include "framework/gui/gui_p.h"

#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionGroupBox>

#include <algorithm>

namespace fw {

namespace {

class GroupBoxWidget : public QGroupBox {
public:
    using QGroupBox::QGroupBox;

    // The band across the top that the title is drawn in.
    QRect TitleBand() const
    {
        QStyleOptionGroupBox option;
        initStyleOption(&option);
        const QRect label = style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this);
        return QRect(0, 0, width(), std::max(label.bottom() + 3, 0));
    }
};

} // namespace

GroupBox::GroupBox(fw::Window& window) : TextControl(window) {}

QWidget* GroupBox::MakeWidget(QWidget* content)
{
    return new GroupBoxWidget(content);
}

void GroupBox::WidgetMade()
{
    TextControl::WidgetMade();
    static_cast<GroupBoxWidget*>(Handle())->setTitle(detail::DisplayText(m_caption));
}

std::span<const PropertyInfo> GroupBox::StoredProperties()
{
    static constexpr auto kRows = TextStyleRows(0x21);
    return kRows;
}

void GroupBox::SetCaption(std::string_view caption)
{
    m_caption = caption;
    auto* box = static_cast<GroupBoxWidget*>(Handle());
    if (!box)
        return;
    const QString title = detail::DisplayText(caption);
    if (title == box->title())
        return;
    if (title.isEmpty() || box->title().isEmpty()) {
        // The frame moves with the title's presence.
        box->setTitle(title);
        return;
    }
    // Only the title's band changes, not what lies inside the frame: the
    // calendar renames its month box on every page.
    const QRect before = box->TitleBand();
    box->setAttribute(Qt::WA_UpdatesDisabled, true);
    box->setTitle(title);
    box->setAttribute(Qt::WA_UpdatesDisabled, false);
    box->update(before.united(box->TitleBand()));
}

} // namespace fw
