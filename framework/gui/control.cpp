// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/control.h"
#include "framework/gui/control_p.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/window.h"
#include "framework/gui/window_p.h"

#include <QDragMoveEvent>
#include <QHelpEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRegion>
#include <QScopeGuard>
#include <QToolTip>
#include <QWidget>

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <utility>
#include <vector>

namespace fw {

using ControlFilter = Control::Private::Filter;
using DrawnRun = Control::Private::DrawnRun;
using DrawnLayer = Control::Private::DrawnLayer;

namespace {

QRect BoxOf(const Control& c)
{
    return QRect(c.Left(), c.Top(), std::max(c.Width(), 0), std::max(c.Height(), 0));
}

} // namespace

// Turns the Qt events of a control's widgets into the control's events.
class Control::Private::Filter : public QObject {
public:
    Filter(Control& control, QObject* parent) : QObject(parent), m_control(&control) {}

    bool eventFilter(QObject* watched, QEvent* event) override;
    // The control is going away: its widgets' last events are not its own.
    void Detach() { m_control = nullptr; }

    // The control's reaction to a mouse or drag event, whichever widget it
    // came through: local is relative to the control, inContent to the
    // window's content area. True when the control took the event.
    static bool Mouse(Control& c, QMouseEvent* event, QPoint local, QPoint inContent);
    static bool Drag(Control& c, QEvent* event, QPoint local);
    // The press the control holds, if any, is over without its release.
    static void PressLost(Control& c);

private:
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
    case QEvent::MouseMove: {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const QPoint p = mouse->position().toPoint();
        return Mouse(c, mouse, widget->mapTo(c.Handle(), p), widget->mapTo(c.m_window->Content(), p));
    }
    case QEvent::Leave:
        // While a button is held the pointer leaves only once it is released,
        // unless a popup or another program takes the mouse.
        if (widget == c.Handle())
            PressLost(c);
        return false;
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
    case QEvent::Drop: {
        QPoint local;
        if (event->type() != QEvent::DragLeave)
            local = widget->mapTo(c.Handle(), static_cast<QDropEvent*>(event)->position().toPoint());
        return Drag(c, event, local);
    }
    default:
        return false;
    }
}

bool ControlFilter::Mouse(Control& c, QMouseEvent* event, QPoint local, QPoint inContent)
{
    switch (event->type()) {
    case QEvent::MouseMove: {
        Dispatch([&] { Window::Private::TrackPointer(*c.m_window, true, inContent.x(), inContent.y()); });
        if (!(event->buttons() & Qt::LeftButton))
            PressLost(c);
        if (c.m_impl->captured) {
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
        c.m_impl->captured = took;
        return took;
    }
    case QEvent::MouseButtonRelease:
        if (event->button() != Qt::LeftButton || !c.m_impl->captured)
            return false;
        c.m_impl->captured = false;
        Dispatch([&] { c.Event_MouseUp(local.x(), local.y()); });
        return true;
    default:
        return false;
    }
}

void ControlFilter::PressLost(Control& c)
{
    if (!c.m_impl->captured)
        return;
    c.m_impl->captured = false;
    Dispatch([&] { c.Event_PressLost(); });
}

bool ControlFilter::Drag(Control& c, QEvent* event, QPoint local)
{
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
    Dispatch([&] { c.DragOver.Raise(local.x(), local.y(), item, static_cast<int>(drag->dropAction())); });
    drag->acceptProposedAction();
    return true;
}


// A run of consecutive drawn controls and the two widgets that draw it. The
// run's controls that fill their whole box lie in a lower widget that Qt
// knows to be opaque, so that nothing under them is painted; the others in
// an upper one. A control goes below only where that keeps every overlap in
// creation order: no control of the upper widget created before it overlaps
// it. Each widget covers exactly the shown boxes of its controls (geometry
// and mask). The widgets are made when the window first shows, and their
// shape follows the controls from then on.
class Control::Private::DrawnRun {
public:
    explicit DrawnRun(fw::Window& window) : m_window(window) {}
    DrawnRun(const DrawnRun&) = delete;
    DrawnRun& operator=(const DrawnRun&) = delete;

    const std::vector<Control*>& Controls() const { return m_controls; }
    void Add(Control* c) { m_controls.push_back(c); }
    // The run goes with its last control.
    void Remove(Control* c);
    // A control's box or shown state changed.
    void Changed();
    void SyncShape();
    // Repaints a box in content coordinates: the control, and whatever
    // shows through where it no longer lies.
    void Invalidate(const QRect& box) { m_window.Content()->update(box); }
    void Update(const Control& c);
    // The first widget made so far of a control created after the given
    // one: a widget made now goes under it, into its place in the stacking
    // order.
    static QWidget* WidgetAbove(const fw::Window& window, const Control* control);

private:
    void MakeWidgets();

    fw::Window& m_window;
    std::vector<Control*> m_controls;
    bool m_dirty = false;
    DrawnLayer* m_lower = nullptr;
    DrawnLayer* m_upper = nullptr;
};

// One of a run's two widgets: paints its controls in creation order and
// passes each mouse event to the topmost one under the pointer, as their
// own widgets would have.
class Control::Private::DrawnLayer : public QWidget {
public:
    DrawnLayer(QWidget* content, DrawnRun& run, bool lower) : QWidget(content), m_run(run), m_lower(lower)
    {
        if (lower)
            setAttribute(Qt::WA_OpaquePaintEvent);
        setMouseTracking(true);
        setAcceptDrops(true);
        hide();
    }

    bool Holds(const Control& c) const { return c.m_impl->drawnShown && c.m_impl->underneath == m_lower; }
    bool Painting() const { return m_painting; }
    void Forget(const Control* c)
    {
        if (m_grab == c)
            m_grab = nullptr;
        if (m_dragTarget == c)
            m_dragTarget = nullptr;
    }
    void Reshape(const QRegion& region)
    {
        if (region.isEmpty()) {
            hide();
            return;
        }
        const QRect bounds = region.boundingRect();
        if (geometry() != bounds)
            setGeometry(bounds);
        setMask(region.translated(-bounds.topLeft()));
        show();
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        m_painting = true;
        const auto done = qScopeGuard([this] { m_painting = false; });
        QPainter painter(this);
        const QPoint origin = pos();
        for (Control* c : m_run.Controls()) {
            if (c->m_impl->pendingIn == this)
                c->m_impl->pendingIn = nullptr;
            if (!Holds(*c))
                continue;
            const QRect box = BoxOf(*c).translated(-origin);
            if (!event->region().intersects(box))
                continue;
            painter.save();
            if (!c->DrawsWithinBox())
                painter.setClipRect(box);
            painter.translate(box.topLeft());
            c->Draw(painter);
            painter.restore();
        }
    }
    void mousePressEvent(QMouseEvent* event) override { Mouse(event); }
    void mouseDoubleClickEvent(QMouseEvent* event) override { Mouse(event); }
    void mouseReleaseEvent(QMouseEvent* event) override { Mouse(event); }
    void mouseMoveEvent(QMouseEvent* event) override { Mouse(event); }
    bool event(QEvent* event) override
    {
        // While a button is held the pointer leaves only once it is released,
        // unless a popup or another program takes the mouse.
        if (event->type() == QEvent::Leave && m_grab)
            ControlFilter::PressLost(*std::exchange(m_grab, nullptr));
        if (event->type() != QEvent::ToolTip)
            return QWidget::event(event);
        auto* help = static_cast<QHelpEvent*>(event);
        const Control* c = At(help->pos() + pos());
        if (c && !c->HelpTag().empty())
            QToolTip::showText(help->globalPos(), detail::DisplayText(c->HelpTag()), this,
                               BoxOf(*c).translated(-pos()));
        else
            event->ignore();
        return true;
    }
    void dragEnterEvent(QDragEnterEvent* event) override { DragAt(event, event->position().toPoint()); }
    void dragMoveEvent(QDragMoveEvent* event) override { DragAt(event, event->position().toPoint()); }
    void dropEvent(QDropEvent* event) override { DragAt(event, event->position().toPoint()); }
    void dragLeaveEvent(QDragLeaveEvent* event) override
    {
        if (m_dragTarget)
            ControlFilter::Drag(*std::exchange(m_dragTarget, nullptr), event, {});
    }

private:
    // The topmost control of this widget at a point of the content area.
    Control* At(QPoint inContent) const
    {
        const auto& controls = m_run.Controls();
        for (auto it = controls.rbegin(); it != controls.rend(); ++it)
            if (Holds(**it) && BoxOf(**it).contains(inContent))
                return *it;
        return nullptr;
    }

    void Mouse(QMouseEvent* event)
    {
        const QPoint inContent = event->position().toPoint() + pos();
        // A press whose release went elsewhere: the button is up, or down
        // again.
        const bool leftPress = event->type() != QEvent::MouseMove && event->type() != QEvent::MouseButtonRelease
                               && event->button() == Qt::LeftButton;
        const bool leftUp = event->type() == QEvent::MouseMove && !(event->buttons() & Qt::LeftButton);
        if (m_grab && m_grab->m_impl->captured && (leftPress || leftUp))
            ControlFilter::PressLost(*std::exchange(m_grab, nullptr));
        Control* target = nullptr;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            // Until the buttons go up, the control pressed gets the mouse,
            // as the widget pressed would.
            target = m_grab = At(inContent);
            break;
        case QEvent::MouseButtonRelease:
            target = m_grab ? m_grab : At(inContent);
            if (event->buttons() == Qt::NoButton)
                m_grab = nullptr;
            break;
        default:
            target = m_grab && event->buttons() != Qt::NoButton ? m_grab : At(inContent);
            break;
        }
        if (target && ControlFilter::Mouse(*target, event, inContent - BoxOf(*target).topLeft(), inContent))
            event->accept();
        else
            event->ignore();
    }

    void DragAt(QDropEvent* event, QPoint local)
    {
        const QPoint inContent = local + pos();
        Control* c = event->type() == QEvent::Drop ? m_dragTarget : At(inContent);
        if (m_dragTarget && c != m_dragTarget) {
            QDragLeaveEvent leave;
            ControlFilter::Drag(*m_dragTarget, &leave, {});
        }
        m_dragTarget = c;
        if (!c || !ControlFilter::Drag(*c, event, inContent - BoxOf(*c).topLeft()))
            event->ignore();
        if (event->type() == QEvent::Drop)
            m_dragTarget = nullptr;
    }

    DrawnRun& m_run;
    const bool m_lower;
    bool m_painting = false;
    Control* m_grab = nullptr;
    Control* m_dragTarget = nullptr;
};

void DrawnRun::Remove(Control* c)
{
    std::erase(m_controls, c);
    if (m_controls.empty()) {
        delete m_lower;
        delete m_upper;
        delete this;
        return;
    }
    if (m_lower) {
        m_lower->Forget(c);
        m_upper->Forget(c);
    }
    Changed();
}

void DrawnRun::Changed()
{
    m_dirty = true;
    if (!m_window.Content()->isVisible())
        return;
    // A control resized by a paint handler: the widgets take their new
    // shape once the paint is over, not in the middle of it.
    if (m_lower && (m_lower->Painting() || m_upper->Painting())) {
        QMetaObject::invokeMethod(m_lower, [this] { SyncShape(); }, Qt::QueuedConnection);
        return;
    }
    SyncShape();
}

void DrawnRun::SyncShape()
{
    if (!m_dirty)
        return;
    m_dirty = false;
    QRegion lower, upper;
    std::vector<QRect> above;
    for (Control* c : m_controls) {
        if (!c->m_impl->drawnShown)
            continue;
        const QRect box = BoxOf(*c);
        c->m_impl->underneath = c->Opaque() &&
                          std::none_of(above.begin(), above.end(), [&](const QRect& r) { return r.intersects(box); });
        if (c->m_impl->underneath)
            lower += box;
        else {
            upper += box;
            above.push_back(box);
        }
    }
    if (!m_lower) {
        if (lower.isEmpty() && upper.isEmpty())
            return;
        MakeWidgets();
    }
    m_lower->Reshape(lower);
    m_upper->Reshape(upper);
}

void DrawnRun::MakeWidgets()
{
    QWidget* content = m_window.Content();
    m_lower = new DrawnLayer(content, *this, true);
    m_upper = new DrawnLayer(content, *this, false);
    if (QWidget* above = WidgetAbove(m_window, m_controls.back())) {
        m_lower->stackUnder(above);
        m_upper->stackUnder(above);
    }
}

QWidget* DrawnRun::WidgetAbove(const fw::Window& window, const Control* control)
{
    bool after = false;
    for (std::size_t i = 0; const Control* c = window.ControlAt(i); ++i) {
        if (!after) {
            after = c == control;
            continue;
        }
        if (c->Handle())
            return c->Handle();
        if (c->m_impl->layer && c->m_impl->layer != control->m_impl->layer && c->m_impl->layer->m_lower)
            return c->m_impl->layer->m_lower;
    }
    return nullptr;
}

void DrawnRun::Update(const Control& c)
{
    DrawnLayer* layer = c.m_impl->underneath ? m_lower : m_upper;
    if (!layer)
        return;
    const QRect box = BoxOf(c).translated(-layer->pos());
    if (c.m_impl->pendingIn == layer && c.m_impl->pendingBox == box)
        return;
    layer->update(box);
    c.m_impl->pendingIn = layer;
    c.m_impl->pendingBox = box;
}

Control::Control(fw::Window& window, QWidget* widget)
    : m_window(&window), m_widget(widget), m_impl(std::make_unique<Private>())
{
    m_impl->filter = new ControlFilter(*this, widget);
    widget->installEventFilter(m_impl->filter);
    widget->setMouseTracking(true);
    widget->setAcceptDrops(true);
    widget->hide();
}

Control::Control(fw::Window& window) : m_window(&window), m_impl(std::make_unique<Private>()) {}

Control::~Control()
{
    if (m_impl->filter)
        m_impl->filter->Detach();
    if (m_impl->layer) {
        m_impl->drawnShown = false;
        m_impl->layer->Remove(this);
    }
    if (m_parent)
        m_parent->RemoveChild(this);
    for (Control* child : m_impl->children)
        child->m_parent = nullptr;
}

void Control::Constructor()
{
    if (m_impl->constructed)
        throw std::logic_error("control " + m_name + " constructed twice");
    m_impl->constructed = true;
    Window::Private::Join(*m_window, *this);
}

QWidget* Control::ContentOf(fw::Window& window)
{
    return window.Content();
}

void Control::ReplaceHandle(QWidget* widget)
{
    QuietScope quiet(*this);
    QWidget* old = m_widget.get();
    m_impl->filter->Detach();
    m_impl->filter = new ControlFilter(*this, widget);
    widget->installEventFilter(m_impl->filter);
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
    child->installEventFilter(m_impl->filter);
    child->setMouseTracking(true);
}

bool Control::Quiet() const
{
    return m_quiet > 0;
}

void Control::ApplyRow(const PropertyInfo& row, const PropertyValue& value)
{
    QuietScope quiet(*this);
    PropertyTarget::ApplyRow(row, value);
}

std::span<const PropertyInfo> Control::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        // The window names a control as it adds it.
        {0x00, "Name", PropertyKind::String,
         [](PropertyTarget& target, const PropertyValue& value) {
             auto& control = static_cast<Control&>(target);
             if (control.m_name.empty())
                 control.m_name = std::get<std::string>(value);
         }},
        Row<&Control::m_index>(0x01, "Index"),
        Row<&Control::SetLeft>(0x13, "Left"),
        Row<&Control::SetTop>(0x14, "Top"),
        Row<&Control::SetWidth>(0x15, "Width"),
        Row<&Control::SetHeight>(0x16, "Height"),
        Row<&Control::SetLockLeft>(0x1a, "LockLeft"),
        Row<&Control::SetLockTop>(0x1b, "LockTop"),
        Row<&Control::SetLockRight>(0x1c, "LockRight"),
        Row<&Control::SetLockBottom>(0x1d, "LockBottom"),
        {0x02, "TabPanelIndex", PropertyKind::Integer},
        Row<&Control::SetEnabled>(0x17, "Enabled"),
        Row<&Control::SetVisible>(0x12, "Visible"),
        Row<&Control::SetHelpTag>(0x0e, "HelpTag"),
        {0x19, "AutoDeactivate", PropertyKind::Boolean},
        // The enclosing control comes last in every block.
        Row<&Control::SetInitialParent>(0x1f, "InitialParent"),
    };
    return kRows;
}

void Control::SetLeft(std::int32_t left)
{
    if (left == m_left)
        return;
    Invalidate();
    m_left = left;
    UpdateGeometry();
}

void Control::SetTop(std::int32_t top)
{
    if (top == m_top)
        return;
    Invalidate();
    m_top = top;
    UpdateGeometry();
}

void Control::SetWidth(std::int32_t width)
{
    if (width == m_width)
        return;
    Invalidate();
    m_width = width;
    UpdateGeometry();
}

void Control::SetHeight(std::int32_t height)
{
    if (height == m_height)
        return;
    Invalidate();
    m_height = height;
    UpdateGeometry();
}

void Control::UpdateGeometry()
{
    if (m_widget)
        m_widget->setGeometry(BoxOf(*this));
    else if (m_impl->drawnShown) {
        Invalidate();
        m_impl->layer->Changed();
    }
    UpdateShown();
}

void Control::Invalidate()
{
    if (m_impl->layer && m_impl->drawnShown)
        m_impl->layer->Invalidate(BoxOf(*this));
}

void Control::JoinLayer(Control* below)
{
    if (below && below->m_impl->layer)
        m_impl->layer = below->m_impl->layer;
    else
        m_impl->layer = new DrawnRun(*m_window);
    m_impl->layer->Add(this);
}

void Control::Realize()
{
    QWidget* widget = MakeWidget(m_window->Content());
    m_widget.reset(widget);
    m_impl->filter = new ControlFilter(*this, widget);
    widget->installEventFilter(m_impl->filter);
    widget->setMouseTracking(true);
    widget->setAcceptDrops(true);
    widget->hide();
    widget->setGeometry(BoxOf(*this));
    widget->setEnabled(m_enabled);
    widget->setToolTip(detail::DisplayText(m_helpTag));
    if (QWidget* above = DrawnRun::WidgetAbove(*m_window, this))
        widget->stackUnder(above);
    // Tab goes through the widgets in creation order, as if all had been
    // made at once.
    QWidget* before = nullptr;
    std::vector<QWidget*> after;
    bool passed = false;
    for (std::size_t i = 0; const Control* c = m_window->ControlAt(i); ++i) {
        if (c == this)
            passed = true;
        else if (c->Handle() && c->Handle()->focusPolicy() != Qt::NoFocus) {
            if (passed)
                after.push_back(c->Handle());
            else
                before = c->Handle();
        }
    }
    if (before)
        QWidget::setTabOrder(before, widget);
    else
        for (QWidget* next = widget; QWidget* w : after)
            QWidget::setTabOrder(std::exchange(next, w), w);
    QuietScope quiet(*this);
    WidgetMade();
}

void Control::Prepare()
{
    if (!m_widget && MakesWidgetWhenShown() && Shown()) {
        Realize();
        m_widget->show();
    }
    SyncLayer();
}

void Control::SyncLayer()
{
    if (m_impl->layer)
        m_impl->layer->SyncShape();
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
    return BoxOf(*this).intersects(QRect(0, 0, m_window->Width(), m_window->Height()));
}

void Control::UpdateShown()
{
    const bool shown = Shown();
    if (shown && !m_widget && MakesWidgetWhenShown() && Window::Private::Realized(*m_window))
        Realize();
    if (m_widget && shown != m_widget->isVisibleTo(m_widget->parentWidget())) {
        m_widget->setVisible(shown);
    } else if (!m_widget && m_impl->layer && shown != m_impl->drawnShown) {
        Invalidate();
        m_impl->drawnShown = shown;
        Invalidate();
        m_impl->layer->Changed();
    }
    for (Control* child : m_impl->children)
        child->UpdateShown();
}

void Control::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    if (!enabled)
        m_impl->captured = false;
    if (m_widget)
        m_widget->setEnabled(enabled);
    else
        Refresh();
}

void Control::SetHelpTag(std::string_view tag)
{
    m_helpTag = tag;
    if (m_widget)
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
    m_impl->children.push_back(child);
}

void Control::RemoveChild(Control* child)
{
    std::erase(m_impl->children, child);
}

void Control::Refresh()
{
    if (m_widget)
        m_widget->update();
    else if (m_impl->layer && m_impl->drawnShown)
        m_impl->layer->Update(*this);
}

} // namespace fw
