// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/updownarrows.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QResizeEvent>
#include <QToolButton>
#include <QWidget>

namespace fw {

namespace {
// Two arrow buttons stacked, each half of the control's height.
class ArrowsWidget : public QWidget {
public:
    explicit ArrowsWidget(QWidget* parent) : QWidget(parent), up(new QToolButton(this)), down(new QToolButton(this))
    {
        for (QToolButton* b : {up, down}) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
        }
        up->setArrowType(Qt::UpArrow);
        down->setArrowType(Qt::DownArrow);
    }

    QToolButton* up;
    QToolButton* down;

protected:
    void resizeEvent(QResizeEvent*) override
    {
        const int half = height() / 2;
        up->setGeometry(0, 0, width(), half);
        down->setGeometry(0, half, width(), height() - half);
    }
};
} // namespace

UpDownArrows::UpDownArrows(fw::Window& window) : Control(window) {}

QWidget* UpDownArrows::MakeWidget(QWidget* content)
{
    return new ArrowsWidget(content);
}

void UpDownArrows::WidgetMade()
{
    auto* arrows = static_cast<ArrowsWidget*>(Handle());
    AdoptChild(arrows->up);
    AdoptChild(arrows->down);
    QObject::connect(arrows->up, &QToolButton::clicked, arrows, [this] { Dispatch([this] { Event_Up(); }); });
    QObject::connect(arrows->down, &QToolButton::clicked, arrows, [this] { Dispatch([this] { Event_Down(); }); });
}

std::span<const PropertyInfo> UpDownArrows::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {Row<&UpDownArrows::SetAcceptFocus>(0x20, "AcceptFocus")};
    return kRows;
}

} // namespace fw
