// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/window.h"
#include "framework/gui/control_p.h"
#include "framework/gui/window_p.h"

#include "framework/gui/application.h"
#include "framework/gui/graphics.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/menubar.h"
#include "framework/gui/picture.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>
#include <QPaintEvent>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace fw {

namespace detail {
int DispatchDepth();
} // namespace detail

// The top-level widget: the menu bar above the content area.
class WindowFrame : public QWidget {
public:
    explicit WindowFrame(Window& window) : m_window(window)
    {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
    }

    QMenuBar* menuBar = nullptr;
    // The application bar's items, for their shortcuts, while the window
    // shows no bar of its own.
    QList<QAction*> shortcutActions;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        // The window closes itself (or refuses) through Window::Close.
        event->ignore();
        Dispatch([this] { Window::Private::CloseRequested(m_window); });
    }
    void keyPressEvent(QKeyEvent* event) override
    {
        bool routed = false;
        Dispatch([&] { routed = Window::Private::RouteDefaultKey(m_window, event->key()); });
        if (routed)
            event->accept();
        else
            QWidget::keyPressEvent(event);
    }
    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate)
            Dispatch([this] { Window::Private::BringToFront(m_window); });
        else if (event->type() == QEvent::Paint)
            Window::Private::Painted();
        return QWidget::event(event);
    }

private:
    Window& m_window;
};

// The content area: back colour, backdrop, and the pointer tracking over it.
class WindowContent : public QWidget {
public:
    WindowContent(Window& window, QWidget* parent) : QWidget(parent), m_window(window)
    {
        setMouseTracking(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        // Only the parts asked for: repainted canvases ask for the backdrop
        // under each of them, not for the box around them all.
        QPainter painter(this);
        const QImage* backdrop = m_window.Backdrop() ? &m_window.Backdrop()->CompositedArea() : nullptr;
        for (const QRect& part : event->region()) {
            if (m_window.HasBackColor())
                painter.fillRect(part, detail::ToQColor(m_window.BackColor()));
            if (backdrop)
                painter.drawImage(part.topLeft(), *backdrop, part);
        }
    }
    void mouseMoveEvent(QMouseEvent* event) override
    {
        const QPoint p = event->position().toPoint();
        Dispatch([&] { Window::Private::TrackPointer(m_window, true, p.x(), p.y()); });
    }
    void leaveEvent(QEvent*) override
    {
        Dispatch([this] { Window::Private::TrackPointer(m_window, false, 0, 0); });
    }

private:
    Window& m_window;
};

namespace {

struct Registry {
    std::vector<std::pair<std::type_index, std::unique_ptr<Window>>> instances;
    // Closed windows, destroyed once no handler runs any more.
    std::vector<std::unique_ptr<Window>> graveyard;
    // Every live window, front first.
    std::vector<Window*> all;
    bool flushPending = false;
    bool postRoutine = false;
};

// Never destroyed: an exit() from inside the event loop (the display lost)
// must not free windows that are still alive, nor a list they erase
// themselves from.
Registry& registry()
{
    static Registry& r = *new Registry;
    return r;
}

// Windows being built: one closed from inside its own Open handlers (a
// failing control quits the application) must outlive Build().
int g_buildDepth = 0;

// Hidden windows asked to make their controls' widgets in the idle time
// after the first window has painted do so in short steps, so that input is
// not held up.
bool g_painted = false;
bool g_prepareScheduled = false;

void SchedulePreparation()
{
    if (!g_painted || g_prepareScheduled || !QCoreApplication::instance())
        return;
    g_prepareScheduled = true;
    QTimer::singleShot(0, qApp, [] { Dispatch(Window::Private::PrepareHidden); });
}

void Flush()
{
    Registry& r = registry();
    r.flushPending = false;
    if (detail::DispatchDepth() > 0 || g_buildDepth > 0) {
        r.flushPending = true;
        QTimer::singleShot(10, qApp, Flush);
        return;
    }
    auto dead = std::move(r.graveyard);
    r.graveyard.clear();
    dead.clear();
}

void Bury(std::unique_ptr<Window> window)
{
    Registry& r = registry();
    r.graveyard.push_back(std::move(window));
    if (!QCoreApplication::instance()) {
        r.graveyard.clear();
        return;
    }
    if (!r.flushPending) {
        r.flushPending = true;
        QTimer::singleShot(0, qApp, Flush);
    }
}

} // namespace

namespace detail {

Window* FindInstance(std::type_index type)
{
    for (auto& [t, w] : registry().instances)
        if (t == type)
            return w.get();
    return nullptr;
}

void RegisterInstance(std::type_index type, std::unique_ptr<Window> window)
{
    Registry& r = registry();
    if (!r.postRoutine) {
        // Windows must not outlive the QApplication.
        qAddPostRoutine(DestroyAllWindows);
        r.postRoutine = true;
    }
    r.instances.emplace_back(type, std::move(window));
}

void DiscardInstance(std::type_index type)
{
    auto& list = registry().instances;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->first == type) {
            auto window = std::move(it->second);
            list.erase(it);
            Bury(std::move(window));
            return;
        }
}

bool Quitting()
{
    return App() && App()->Quitting();
}

} // namespace detail

std::vector<Window*> Windows()
{
    std::vector<Window*> result;
    for (Window* w : registry().all)
        if (!w->Closing())
            result.push_back(w);
    return result;
}

Window* FrontWindow()
{
    const QWidget* active = QApplication::activeWindow();
    for (Window* w : Windows())
        if (w->Visible() && w->Handle() == active)
            return w;
    for (Window* w : Windows())
        if (w->Visible())
            return w;
    return nullptr;
}

void DestroyAllWindows()
{
    Registry& r = registry();
    while (!r.instances.empty()) {
        auto window = std::move(r.instances.back().second);
        r.instances.pop_back();
        window.reset();
    }
    auto dead = std::move(r.graveyard);
    r.graveyard.clear();
    dead.clear();
}

Window::Window() : d(std::make_unique<Private>())
{
    detail::ActOnDefaultKeysWhenReleased();
    d->frameWidget = std::make_unique<WindowFrame>(*this);
    d->content = new WindowContent(*this, d->frameWidget.get());
    d->frameWidget->layout()->addWidget(d->content);
    d->content->setFixedSize(m_width, m_height);
    registry().all.push_back(this);
}

Window::~Window()
{
    std::erase(registry().all, this);
    for (Window* w : registry().all)
        if (w->d->within == this)
            w->d->within = nullptr;
    // Controls go before the widgets that hold theirs, the latest first.
    while (!d->owned.empty())
        d->owned.pop_back();
}

QWidget* Window::Handle() const
{
    return d->frameWidget.get();
}

QWidget* Window::Content() const
{
    return d->content;
}

void Window::Own(std::unique_ptr<PropertyTarget> object)
{
    d->owned.push_back(std::move(object));
}

void Window::Construct(Control& control, std::int32_t index)
{
    Control::Private::SetIndex(control, index);
    Control::Private::Construct(control);
}

void Window::AddControl(std::string name, PropertyTarget* object)
{
    auto* control = dynamic_cast<Control*>(object);
    if (control && &control->ParentWindow() != this)
        throw std::logic_error("control " + name + " belongs to another window");
    if (control)
        Control::Private::Identify(*control, name);
    d->byName.emplace(std::move(name), object);
}

void Window::Private::Join(Window& w, Control& control)
{
    std::vector<Control*>& controls = w.d->controls;
    if (!control.Handle() && !Control::Private::MakesWidgetWhenShown(control))
        Control::Private::JoinLayer(control, controls.empty() ? nullptr : controls.back());
    controls.push_back(&control);
    Control::Private::UpdateGeometry(control);
}

Control* Window::FindControl(std::string_view name) const
{
    auto [first, last] = d->byName.equal_range(name);
    Control* found = nullptr;
    for (auto it = first; it != last; ++it)
        if (auto* c = dynamic_cast<Control*>(it->second))
            if (!found || c->Index() < found->Index())
                found = c;
    return found;
}

Control* Window::FindControl(std::string_view name, std::int32_t index) const
{
    auto [first, last] = d->byName.equal_range(name);
    for (auto it = first; it != last; ++it)
        if (auto* c = dynamic_cast<Control*>(it->second); c && c->Index() == index)
            return c;
    return nullptr;
}

PropertyTarget* Window::FindObject(std::string_view name) const
{
    if (Control* control = FindControl(name))
        return control;
    const auto it = d->byName.find(name);
    return it != d->byName.end() ? it->second : nullptr;
}

std::size_t Window::ControlCount() const
{
    return d->controls.size();
}

Control* Window::ControlAt(std::size_t creationIndex) const
{
    return creationIndex < d->controls.size() ? d->controls[creationIndex] : nullptr;
}

std::span<const PropertyInfo> Window::StoredProperties()
{
    // FullScreen, Composite, MinWidth, MacProcId and the like: the window is
    // never resized, so they change nothing here.
    static constexpr PropertyInfo kRows[] = {
        Row<&Window::SetVisible>(0x00, "Visible"),
        Row<&Window::SetWidth>(0x03, "Width"),
        Row<&Window::SetHeight>(0x04, "Height"),
        Row<&Window::SetPlacement>(0x05, "Placement"),
        Row<&Window::SetTitle>(0x06, "Title"),
        {0x07, "FullScreen", PropertyKind::Boolean},
        {0x08, "MenuBarVisible", PropertyKind::Boolean},
        Row<&Window::SetCloseButton>(0x0a, "CloseButton"),
        Row<&Window::m_resizeable>(0x0c, "Resizeable"),
        Row<&Window::m_maximizeButton>(0x0e, "MaximizeButton"),
        Row<&Window::SetMinimizeButton>(0x0f, "MinimizeButton"),
        Row<&Window::SetFrame>(0x10, "Frame"),
        {0x11, "Composite", PropertyKind::Boolean},
        {0x12, "LiveResize", PropertyKind::Boolean},
        Row<&Window::SetHasBackColor>(0x15, "HasBackColor"),
        Row<&Window::SetBackColor>(0x16, "BackColor"),
        {0x17, "BalloonHelp", PropertyKind::String},
        {0x18, "MinWidth", PropertyKind::Integer},
        {0x19, "MinHeight", PropertyKind::Integer},
        {0x1a, "MaxWidth", PropertyKind::Integer},
        {0x1b, "MaxHeight", PropertyKind::Integer},
        {0x1c, "MacProcId", PropertyKind::Integer},
    };
    return kRows;
}

void Window::Build()
{
    if (d->built)
        return;
    struct BuildGuard {
        BuildGuard() { ++g_buildDepth; }
        ~BuildGuard() { --g_buildDepth; }
    } guard;
    Layout();
    CreateControls();
    // Every control exists before the first Open handler runs.
    for (std::size_t i = 0; i < d->controls.size(); ++i)
        Control::Private::Open(*d->controls[i]);
    AddMenuHandlers();
    Event_Open();
    d->built = true;
    if (m_visible && !m_closing)
        ShowNow();
    else if (d->prepareWhenIdle)
        SchedulePreparation();
}

void Window::SetTitle(std::string_view title)
{
    m_title = title;
    ShowTitle();
}

void Window::ShowTitle()
{
    // A window without a title of its own shows the application's, and so
    // does one without a title bar, whose stored title nobody ever saw.
    const bool titleBar = m_frame != kPlainBox && m_frame != kShadowedBox;
    d->frameWidget->setWindowTitle(detail::ToQString(m_title.empty() || !titleBar ? ApplicationTitle() : m_title));
}

void Window::SetVisible(bool visible)
{
    m_visible = visible;
    if (!d->built || m_closing)
        return;
    if (visible)
        ShowNow();
    else
        HideFrame();
}

void Window::ShowWithin(Window* parent, std::int32_t /*facing*/)
{
    d->within = parent != this ? parent : nullptr;
    if (d->built && !m_closing && d->frameWidget->isVisible())
        KeepAboveOpener();
    Show();
}

void Window::HideFrame()
{
    QWidget* frame = d->frameWidget.get();
    const bool hadKeyboard = frame->isVisible() && QApplication::activeWindow() == frame;
    frame->hide();
    if (!hadKeyboard || detail::Quitting())
        return;
    // Without a window manager nobody else gives it back: the keyboard would
    // reach no window until one is clicked.
    for (Window* w : Windows())
        if (w != this && w->Visible() && w->d->frameWidget->isVisible()) {
            w->d->frameWidget->activateWindow();
            return;
        }
}

void Window::Realize()
{
    for (Control* c : d->controls)
        Control::Private::Prepare(*c);
    d->realized = true;
}

void Window::Private::PrepareHidden()
{
    g_prepareScheduled = false;
    QElapsedTimer clock;
    clock.start();
    for (Window* w : registry().all) {
        Private& p = *w->d;
        if (!p.prepareWhenIdle || !p.built || p.realized || w->m_visible || w->m_closing)
            continue;
        while (p.prepared < p.controls.size()) {
            if (clock.elapsed() >= 2) {
                g_prepareScheduled = true;
                QTimer::singleShot(0, qApp, [] { Dispatch(PrepareHidden); });
                return;
            }
            Control::Private::Prepare(*p.controls[p.prepared++]);
        }
        // Later changes may have shown controls done before them.
        w->Realize();
        w->InstallMenuBar();
    }
}

void Window::ShowNow()
{
    Realize();
    ApplyFlags();
    if (!d->frameWidget->isVisible())
        KeepAboveOpener();
    InstallMenuBar();
    if (!d->placed) {
        d->frameWidget->adjustSize();
        Place();
        d->placed = true;
    }
    ShowTitle();
    d->frameWidget->show();
    d->frameWidget->raise();
    d->frameWidget->activateWindow();
    BringToFront();
}

void Window::PrepareWhenIdle()
{
    d->prepareWhenIdle = true;
    SchedulePreparation();
}

void Window::Private::Painted()
{
    if (!g_painted) {
        g_painted = true;
        SchedulePreparation();
    }
}

namespace {

bool IsFloating(std::int32_t frame)
{
    return frame == Window::kFloating || frame == Window::kGlobalFloating;
}

// The X11 platform's window types beyond the one the flags give, read when
// the flags change (the values of its WindowType).
constexpr const char* kWindowTypes = "_q_xcb_wm_window_type";
constexpr int kToolbarType = 0x08;

} // namespace

void Window::ApplyFlags()
{
    Qt::WindowFlags flags;
    bool frameless = false;
    Qt::WindowModality modality = Qt::NonModal;
    switch (m_frame) {
    case kMovableModal:
    case kModalDialog:
    case kSheet:
        flags = Qt::Dialog;
        modality = Qt::ApplicationModal;
        break;
    case kFloating: flags = Qt::Tool; break;
    case kGlobalFloating: flags = Qt::Tool | Qt::WindowStaysOnTopHint; break;
    case kPlainBox:
    case kShadowedBox:
        flags = Qt::Window | Qt::FramelessWindowHint;
        frameless = true;
        break;
    case kModelessDialog: flags = Qt::Dialog; break;
    // The platform keeps a window above another only as its dialog.
    default: flags = KeptAbove() ? Qt::Dialog : Qt::Window; break;
    }
    if (!frameless) {
        flags |= Qt::CustomizeWindowHint | Qt::WindowTitleHint;
        if (m_closeButton)
            flags |= Qt::WindowCloseButtonHint;
        if (m_minimizeButton)
            flags |= Qt::WindowMinimizeButtonHint;
        if (m_maximizeButton && m_resizeable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    QWidget* frame = d->frameWidget.get();
    const bool shown = frame->isVisible();
    // Some window managers (openbox) give a minimize button whatever the
    // Motif hints say, and minimize a floating window's opener with it. The
    // one secondary kind they give close only is the torn-off toolbar. The
    // type is read when the flags change, on the platform window made first.
    const QVariant types = IsFloating(m_frame) && !m_minimizeButton ? QVariant(kToolbarType) : QVariant();
    if (const QWindow* made = frame->windowHandle(); made ? made->property(kWindowTypes) != types : types.isValid()) {
        frame->winId();
        QWindow* handle = frame->windowHandle();
        handle->setProperty(kWindowTypes, types);
        const Qt::WindowFlags current = handle->flags();
        handle->setFlags(current ^ Qt::WindowTitleHint);
        handle->setFlags(current);
    }
    if (d->appliedFlags != flags) {
        d->appliedFlags = flags;
        // Qt hides a shown window to give it new flags and shows it again: a
        // window manager can lose a window unmapped and mapped at once, and
        // leave it withdrawn while the program thinks it shows. A shown one
        // takes them in place.
        if (frame->isVisible()) {
            frame->overrideWindowFlags(flags);
            frame->windowHandle()->setFlags(frame->windowFlags());
        } else {
            frame->setWindowFlags(flags);
        }
    }
    if (frame->windowModality() != modality && !frame->isVisible())
        frame->setWindowModality(modality);
    if (shown && !frame->isVisible())
        frame->show();
}

void Window::KeepAboveOpener()
{
    // Kept above the window it is opened from, which a click can then never
    // bring over it: transient for that window, the one ShowWithin named while
    // it shows, else the front one that is neither floating nor a title-less
    // box.
    if (!KeptAbove())
        return;
    const auto opens = [&](const Window* w) {
        return w != this && w->Visible() && !IsFloating(w->m_frame) && w->m_frame != kPlainBox &&
               w->m_frame != kShadowedBox;
    };
    Window* opener = d->within && d->within->Visible() && !d->within->Closing() ? d->within : nullptr;
    if (!opener) {
        opener = FrontWindow();
        if (!opener || !opens(opener)) {
            const std::vector<Window*> all = Windows();
            const auto found = std::find_if(all.begin(), all.end(), opens);
            opener = found == all.end() ? nullptr : *found;
        }
    }
    QWidget* frame = d->frameWidget.get();
    frame->winId();
    if (opener)
        opener->d->frameWidget->winId();
    frame->windowHandle()->setTransientParent(opener ? opener->d->frameWidget->windowHandle() : nullptr);
}

bool Window::KeptAbove() const
{
    return IsFloating(m_frame) || m_placement == kPlaceParent || d->within;
}

void Window::Place()
{
    QWidget* frame = d->frameWidget.get();
    QRect area;
    Window* other = nullptr;
    for (Window* w : Windows())
        if (w != this && w->Visible()) {
            other = w;
            break;
        }
    QScreen* screen = other ? other->Handle()->screen() : QGuiApplication::primaryScreen();
    switch (m_placement) {
    case kPlaceParent:
        area = other ? other->Handle()->frameGeometry() : screen->availableGeometry();
        break;
    case kPlaceMainScreen:
        area = QGuiApplication::primaryScreen()->availableGeometry();
        break;
    case kPlaceParentScreen:
        area = screen->availableGeometry();
        break;
    default:
        return;
    }
    const QSize size = frame->frameGeometry().size();
    frame->move(area.center() - QPoint(size.width() / 2, size.height() / 2));
}

void Window::Close()
{
    if (m_closing)
        return;
    m_closing = true;
    try {
        Event_Close();
        for (std::size_t i = 0; i < d->controls.size(); ++i)
            Control::Private::Close(*d->controls[i]);
    } catch (...) {
        FinishClose();
        throw;
    }
    FinishClose();
    Application* app = App();
    if (!app || !app->AutoQuit() || app->Quitting())
        return;
    for (Window* w : Windows())
        if (w->Visible())
            return;
    app->Quit();
}

void Window::FinishClose()
{
    for (auto& object : d->owned)
        object->OwnerClosed();
    HideFrame();
    auto& list = registry().instances;
    for (auto it = list.begin(); it != list.end(); ++it)
        if (it->second.get() == this) {
            auto self = std::move(it->second);
            list.erase(it);
            Bury(std::move(self));
            break;
        }
}

void Window::CloseRequested()
{
    if (m_closeButton)
        Close();
}

void Window::SetWidth(std::int32_t width)
{
    if (width == m_width)
        return;
    m_width = width;
    ContentResized();
}

void Window::SetHeight(std::int32_t height)
{
    if (height == m_height)
        return;
    m_height = height;
    ContentResized();
}

void Window::ContentResized()
{
    d->content->setFixedSize(std::max(m_width, 0), std::max(m_height, 0));
    if (m_backdrop)
        m_backdrop->AddDrawnArea(m_width, m_height);
    for (Control* c : d->controls)
        Control::Private::UpdateShown(*c);
}

void Window::SetHasBackColor(bool on)
{
    m_hasBackColor = on;
    d->content->update();
}

void Window::SetBackColor(Color color)
{
    m_backColor = color;
    d->content->update();
}

void Window::SetBackdrop(PicturePtr picture)
{
    m_backdrop = std::move(picture);
    if (m_backdrop)
        m_backdrop->AddDrawnArea(m_width, m_height);
    d->content->update();
}

void Window::SetMenuBar(fw::MenuBar* bar)
{
    m_menuBar = bar;
    // A window not yet shown or prepared makes its bar then.
    if (d->realized)
        InstallMenuBar();
}

void Window::InstallMenuBar()
{
    auto* frame = static_cast<WindowFrame*>(d->frameWidget.get());
    if (m_menuBar) {
        if (!frame->menuBar) {
            frame->menuBar = new QMenuBar(frame);
            frame->menuBar->setNativeMenuBar(false);
            frame->layout()->setMenuBar(frame->menuBar);
        }
        frame->menuBar->clear();
        for (std::size_t i = 0; i < m_menuBar->Count(); ++i)
            frame->menuBar->addAction(m_menuBar->Item(i)->Handle());
        frame->menuBar->show();
    } else if (frame->menuBar) {
        frame->menuBar->clear();
        frame->menuBar->hide();
    }
    for (QAction* action : frame->shortcutActions)
        frame->removeAction(action);
    frame->shortcutActions.clear();
    if (!m_menuBar && App() && App()->MenuBar()) {
        std::vector<MenuItem*> pending{App()->MenuBar()};
        while (!pending.empty()) {
            MenuItem* item = pending.back();
            pending.pop_back();
            for (std::size_t i = 0; i < item->Count(); ++i) {
                MenuItem* child = item->Item(i);
                if (child->Count() > 0)
                    pending.push_back(child);
                else if (!child->IsSeparator())
                    frame->shortcutActions.append(child->Handle());
            }
        }
        frame->addActions(frame->shortcutActions);
    }
    if (d->built && FrontWindow() == this)
        EnableMenus();
}

void Window::EnableMenus()
{
    // The items' state decides whether their shortcuts work, so the pass
    // runs whenever another window comes to the front, not only when a menu
    // opens.
    if (fw::MenuBar* inUse = m_menuBar ? m_menuBar : (App() ? App()->MenuBar() : nullptr))
        inUse->EnableMenuItems();
}

void Window::SetFrame(std::int32_t frame)
{
    m_frame = frame;
    if (d->built && m_visible)
        ApplyFlags();
}

void Window::SetPlacement(std::int32_t placement)
{
    m_placement = placement;
}

void Window::SetCloseButton(bool on)
{
    m_closeButton = on;
    if (d->built && m_visible)
        ApplyFlags();
}

void Window::SetMinimizeButton(bool on)
{
    m_minimizeButton = on;
    if (d->built && m_visible)
        ApplyFlags();
}

void ChangeWindowAttributes(Window& window, std::uint32_t set, std::uint32_t clear)
{
    if (set & kWindowCollapseBoxAttribute)
        window.SetMinimizeButton(true);
    if (clear & kWindowCollapseBoxAttribute)
        window.SetMinimizeButton(false);
}

void Window::TrackPointer(bool inside, int x, int y)
{
    // All exits first, then all enters, each in creation order.
    std::vector<Control*> exits, enters;
    for (Control* c : d->controls) {
        const bool in = inside && c->Enabled() && c->Shown() &&
                        QRect(c->Left(), c->Top(), c->Width(), c->Height()).contains(x, y);
        bool& pointerInside = Control::Private::PointerInside(*c);
        if (in == pointerInside)
            continue;
        pointerInside = in;
        if (!c->Enabled())
            continue;
        (in ? enters : exits).push_back(c);
    }
    for (Control* c : exits)
        Dispatch([c] { Control::Private::MouseExit(*c); });
    for (Control* c : enters)
        Dispatch([c] { Control::Private::MouseEnter(*c); });
}

bool Window::RouteDefaultKey(int qtKey)
{
    const bool isReturn = qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter;
    if (!isReturn && qtKey != Qt::Key_Escape)
        return false;
    // The topmost wins: a panel's default button lies above the window's.
    for (auto it = d->controls.rbegin(); it != d->controls.rend(); ++it)
        if (Control::Private::TakeDefaultKey(**it, isReturn))
            return true;
    return false;
}

void Window::BringToFront()
{
    auto& all = registry().all;
    const bool wasFront = !all.empty() && all.front() == this;
    std::erase(all, this);
    all.insert(all.begin(), this);
    if (!wasFront && d->built && m_visible)
        EnableMenus();
}

} // namespace fw
