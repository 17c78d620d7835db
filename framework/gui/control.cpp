// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/control.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/window.h"

#include <QDragMoveEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <stdexcept>

namespace fw {

// Turns the Qt events of a control's widgets into the control's events.
class ControlFilter : public QObject {
public:
    ControlFilter(Control& control, QObject* parent) : QObject(parent), m_control(&control) {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The control is going away: its widgets' last events are not its own.
    void Detach() { m_control = nullptr; }

private:
    bool Mouse(QWidget* widget, QMouseEvent* event);
    bool Drag(QWidget* widget, QEvent* event);

    Control* m_control;
};

bool ControlFilter::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !m_control)
        return false;
    Control& c = *m_control;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        return Mouse(widget, static_cast<QMouseEvent*>(event));
    case QEvent::FocusIn:
        if (widget == c.Handle() && !c.Quiet())
            Dispatch([&] { c.Event_GotFocus(); });
        return false;
    case QEvent::FocusOut:
        if (widget == c.Handle() && !c.Quiet())
            Dispatch([&] { c.Event_LostFocus(); });
        return false;
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::DragLeave:
    case QEvent::Drop:
        return Drag(widget, event);
    default:
        return false;
    }
}

bool ControlFilter::Mouse(QWidget* widget, QMouseEvent* event)
{
    Control& c = *m_control;
    const QPoint local = widget->mapTo(c.Handle(), event->position().toPoint());
    switch (event->type()) {
    case QEvent::MouseMove: {
        const QPoint inContent = widget->mapTo(c.m_window->Content(), event->position().toPoint());
        Dispatch([&] { c.m_window->TrackPointer(true, inContent.x(), inContent.y()); });
        if (c.m_captured) {
            Dispatch([&] { c.Event_MouseDrag(local.x(), local.y()); });
            return true;
        }
        if (c.m_enabled && event->buttons() == Qt::NoButton)
            Dispatch([&] { c.Event_MouseMove(local.x(), local.y()); });
        return false;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
        if (event->button() != Qt::LeftButton)
            return false;
        // A disabled control takes the click and does nothing with it.
        if (!c.m_enabled)
            return true;
        bool took = false;
        Dispatch([&] { took = c.Event_MouseDown(local.x(), local.y()); });
        c.m_captured = took;
        return took;
    }
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || !c.m_captured)
            return false;
        c.m_captured = false;
        Dispatch([&] { c.Event_MouseUp(local.x(), local.y()); });
        return true;
    default:
        return false;
    }
}

bool ControlFilter::Drag(QWidget* widget, QEvent* event)
{
    Control& c = *m_control;
    if (!c.DragOver.IsBound() && !c.DragExit.IsBound())
        return false;
    DragItem item;
    if (event->type() == QEvent::DragLeave) {
        Dispatch([&] { c.DragExit.Raise(item, 0); });
        return true;
    }
    auto* drag = static_cast<QDropEvent*>(event);
    if (drag->mimeData())
        item.Text = drag->mimeData()->text().toStdString();
    if (event->type() == QEvent::Drop) {
        // Nothing here takes a drop: the drag just ends.
        Dispatch([&] { c.DragExit.Raise(item, 0); });
        drag->ignore();
        return true;
    }
    const QPoint p = widget->mapTo(c.Handle(), drag->position().toPoint());
    Dispatch([&] { c.DragOver.Raise(p.x(), p.y(), item, static_cast<int>(drag->dropAction())); });
    drag->acceptProposedAction();
    return true;
}

Control::Control(fw::Window& window, QWidget* widget) : m_window(&window), m_widget(widget)
{
    m_filter = new ControlFilter(*this, widget);
    widget->installEventFilter(m_filter);
    widget->setMouseTracking(true);
    widget->setAcceptDrops(true);
    widget->hide();
}

Control::~Control()
{
    m_filter->Detach();
    if (m_parent)
        m_parent->RemoveChild(this);
    for (Control* child : m_children)
        child->m_parent = nullptr;
}

QWidget* Control::ContentOf(fw::Window& window)
{
    return window.Content();
}

void Control::ReplaceHandle(QWidget* widget)
{
    QuietScope quiet(*this);
    QWidget* old = m_widget.get();
    m_filter->Detach();
    m_filter = new ControlFilter(*this, widget);
    widget->installEventFilter(m_filter);
    widget->setMouseTracking(true);
    widget->setAcceptDrops(true);
    widget->setEnabled(m_enabled);
    widget->setToolTip(old->toolTip());
    widget->setFont(old->font());
    widget->setGeometry(old->geometry());
    widget->stackUnder(old);
    widget->setVisible(old->isVisibleTo(old->parentWidget()));
    m_widget.reset(widget);
}

void Control::AdoptChild(QWidget* child)
{
    child->installEventFilter(m_filter);
    child->setMouseTracking(true);
}

bool Control::Quiet() const
{
    return m_quiet > 0;
}

void Control::SetProperty(std::string_view name, const PropertyValue& value)
{
    QuietScope quiet(*this);
    ApplyProperty(name, value);
}

void Control::ApplyProperty(std::string_view name, const PropertyValue& value)
{
    using namespace detail;
    if (name == "Name") {
        if (m_name.empty())
            m_name = AsString(value, name);
    } else if (name == "Index")
        m_index = AsInt(value, name);
    else if (name == "Left")
        SetLeft(AsInt(value, name));
    else if (name == "Top")
        SetTop(AsInt(value, name));
    else if (name == "Width")
        SetWidth(AsInt(value, name));
    else if (name == "Height")
        SetHeight(AsInt(value, name));
    else if (name == "Visible")
        SetVisible(AsBool(value, name));
    else if (name == "Enabled")
        SetEnabled(AsBool(value, name));
    else if (name == "HelpTag")
        SetHelpTag(AsString(value, name));
    else if (name == "InitialParent")
        SetInitialParent(AsString(value, name));
    else if (name == "LockLeft")
        m_lockLeft = AsBool(value, name);
    else if (name == "LockTop")
        m_lockTop = AsBool(value, name);
    else if (name == "LockRight")
        m_lockRight = AsBool(value, name);
    else if (name == "LockBottom")
        m_lockBottom = AsBool(value, name);
    else {
        // Stored design properties without meaning here (TabPanelIndex,
        // AutoDeactivate, DataSource, ...) are accepted; anything else is a
        // mistake of the caller.
        const PropertyTable* table = PropertyTableFor(ClassName());
        if (!table || !table->Find(name))
            throw std::invalid_argument(std::string(ClassName()) + " has no property " + std::string(name));
    }
}

void Control::SetLeft(std::int32_t left)
{
    if (left == m_left)
        return;
    m_left = left;
    UpdateGeometry();
}

void Control::SetTop(std::int32_t top)
{
    if (top == m_top)
        return;
    m_top = top;
    UpdateGeometry();
}

void Control::SetWidth(std::int32_t width)
{
    if (width == m_width)
        return;
    m_width = width;
    UpdateGeometry();
}

void Control::SetHeight(std::int32_t height)
{
    if (height == m_height)
        return;
    m_height = height;
    UpdateGeometry();
}

void Control::UpdateGeometry()
{
    m_widget->setGeometry(m_left, m_top, std::max(m_width, 0), std::max(m_height, 0));
    UpdateShown();
}

void Control::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    UpdateShown();
}

bool Control::Shown() const
{
    for (const Control* c = this; c; c = c->m_parent)
        if (!c->m_visible)
            return false;
    return OnContentArea();
}

bool Control::OnContentArea() const
{
    return m_widget->geometry().intersects(QRect(0, 0, m_window->Width(), m_window->Height()));
}

void Control::UpdateShown()
{
    const bool shown = Shown();
    if (shown != m_widget->isVisibleTo(m_widget->parentWidget())) {
        m_widget->setVisible(shown);
    }
    for (Control* child : m_children)
        child->UpdateShown();
}

void Control::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        m_captured = false;
    m_widget->setEnabled(enabled);
}

void Control::SetHelpTag(std::string_view tag)
{
    m_helpTag = tag;
    m_widget->setToolTip(detail::DisplayText(tag));
}

void Control::SetInitialParent(std::string_view name)
{
    m_initialParent = name;
    Control* parent = nullptr;
    if (!name.empty()) {
        const auto dollar = name.find('$');
        if (dollar == std::string_view::npos)
            parent = m_window->FindControl(name);
        else {
            std::int32_t index = 0;
            const std::string_view digits = name.substr(dollar + 1);
            const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), index);
            if (ec == std::errc() && end == digits.data() + digits.size())
                parent = m_window->FindControl(name.substr(0, dollar), index);
        }
    }
    // A control cannot enclose itself or one of its ancestors.
    for (Control* p = parent; p; p = p->m_parent)
        if (p == this)
            parent = nullptr;
    if (parent == m_parent)
        return;
    if (m_parent)
        m_parent->RemoveChild(this);
    m_parent = parent;
    if (m_parent)
        m_parent->AddChild(this);
    UpdateShown();
}

void Control::AddChild(Control* child)
{
    m_children.push_back(child);
}

void Control::RemoveChild(Control* child)
{
    std::erase(m_children, child);
}

void Control::Refresh()
{
    m_widget->update();
}

} // namespace fw
