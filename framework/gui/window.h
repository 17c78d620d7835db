// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/color.h"
#include "framework/core/propertyblock.h"
#include "framework/gui/control.h"
#include "framework/gui/menuhandlers.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <typeindex>
#include <typeinfo>
#include <utility>
#include <vector>

class QWidget;

namespace fw {

class MenuBar;
class Picture;
using PicturePtr = std::shared_ptr<Picture>;

// A window: a content area of exactly its designed Width x Height, with its
// menu bar, if any, above it. Every control is a flat child of the content
// area at window coordinates, stacked in creation order.
//
// Application windows subclass it, define Layout() and CreateControls() (the
// generated layout code does) and are reached through WindowInstance<W>().
class Window : public PropertyTarget, public MenuHandlers {
public:
    // Frame kinds of the window block.
    enum FrameKind : std::int32_t {
        kDocument = 0, kMovableModal = 1, kModalDialog = 2, kFloating = 3, kPlainBox = 4,
        kShadowedBox = 5, kRounded = 6, kGlobalFloating = 7, kSheet = 8, kMetal = 9,
        kModelessDialog = 11,
    };
    // Placement codes: default, centred on the front window, centred on the
    // main screen, centred on the front window's screen, staggered.
    enum PlacementKind : std::int32_t {
        kPlaceDefault = 0, kPlaceParent = 1, kPlaceMainScreen = 2, kPlaceParentScreen = 3, kPlaceStagger = 4,
    };

    Window();
    ~Window() override;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    std::string_view ClassName() const override { return "Window"; }
    // Its block's rows (Visible, Width, Height, Placement, Title, Frame,
    // CloseButton, HasBackColor, BackColor, ...); applying them raises no event.
    static std::span<const PropertyInfo> StoredProperties();

    // Layout(), CreateControls(), the controls' Open events in creation
    // order, AddMenuHandlers(), then the window's Open; shows the window when
    // Visible is set.
    // WindowInstance() calls it.
    void Build();

    // Creates an object of class T owned by the window, neither constructed
    // as a control nor registered yet. T's constructor takes the window
    // first, then args.
    template <class T, class... A>
    T* NewControl(A&&... args);
    // Registers a control (or a Timer or another named object) that the
    // window owns under its name; members of a control set share the set's
    // name and are told apart by index.
    void AddControl(std::string name, PropertyTarget* object);
    // NewControl, then a control takes the index and runs the base control
    // constructor, then AddControl.
    template <class T, class... A>
    T* AddControl(std::string name, std::int32_t index, A&&... args);

    Control* FindControl(std::string_view name) const;
    Control* FindControl(std::string_view name, std::int32_t index) const;
    Control* ControlAt(std::size_t creationIndex) const;
    std::size_t ControlCount() const;
    // Any object the window holds under the name, a control or another (a
    // Timer, a socket); for a control set, its member of lowest index.
    PropertyTarget* FindObject(std::string_view name) const;
    template <class T> T* Find(std::string_view name) const;
    template <class T> T* Find(std::string_view name, std::int32_t index) const;

    const std::string& Title() const { return m_title; }
    void SetTitle(std::string_view title);

    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Shows the window in front of parent and keeps it above parent for as
    // long as both show (transient for it); a null parent is Show(). facing
    // chooses the edge a sheet slides from on other platforms: nothing here.
    void ShowWithin(Window* parent, std::int32_t facing);
    // Raises Close (the window's, then its controls'), removes the window and
    // destroys it once the current event has been handled. The accessor makes
    // a new one afterwards. Quits when AutoQuit is on and no window shows.
    void Close();
    bool Closing() const { return m_closing; }

    // A hidden window shown next: its controls' widgets and menu bar are
    // made in the idle time after a window has painted, so that it shows
    // quickly. Other hidden windows make theirs when first shown, and hold
    // no widgets until then.
    void PrepareWhenIdle();

    // Content size.
    std::int32_t Width() const { return m_width; }
    std::int32_t Height() const { return m_height; }
    void SetWidth(std::int32_t width);
    void SetHeight(std::int32_t height);

    bool HasBackColor() const { return m_hasBackColor; }
    void SetHasBackColor(bool on);
    Color BackColor() const { return m_backColor; }
    void SetBackColor(Color color);
    // Drawn at the content origin, at its own size; null draws nothing.
    const PicturePtr& Backdrop() const { return m_backdrop; }
    void SetBackdrop(PicturePtr picture);

    // The bar shown above the content; null shows none (the application's
    // bar still serves the keyboard shortcuts).
    fw::MenuBar* MenuBar() const { return m_menuBar; }
    void SetMenuBar(fw::MenuBar* bar);

    std::int32_t Frame() const { return m_frame; }
    void SetFrame(std::int32_t frame);
    std::int32_t Placement() const { return m_placement; }
    void SetPlacement(std::int32_t placement);
    // False: the window manager's close request is ignored.
    bool CloseButton() const { return m_closeButton; }
    void SetCloseButton(bool on);
    // The window manager's minimize button. A floating window without one
    // offers its close button only.
    bool MinimizeButton() const { return m_minimizeButton; }
    void SetMinimizeButton(bool on);

    // Framework side: the top-level Qt widget and the content area.
    QWidget* Handle() const;
    QWidget* Content() const;
    // Framework side: the widgets and the controls behind the window, and
    // the way in for its widgets and its controls' (window_p.h).
    struct Private;

protected:
    // The window's own events, handled by the window class.
    virtual void Event_Open() {}
    virtual void Event_Close() {}
    virtual void Event_EnableMenuItems() {}
    // Assigns the pictures and the menu bar, then applies the window block.
    virtual void Layout() {}
    // Creates the controls in creation order.
    virtual void CreateControls() {}
    // Binds the window's menu handlers (AddMenuHandler).
    virtual void AddMenuHandlers() {}

private:
    void Own(std::unique_ptr<PropertyTarget> object);
    static void Construct(Control& control, std::int32_t index);
    void ShowNow();
    // Makes the widgets its controls are due and the drawn runs' widgets.
    void Realize();
    void ApplyFlags();
    void ShowTitle();
    // Floating, placed on its parent window or shown within another: kept
    // above the window it is opened from.
    bool KeptAbove() const;
    void KeepAboveOpener();
    // Hides the top-level widget; the keyboard goes to the window beneath
    // when it was this one's.
    void HideFrame();
    void Place();
    void ContentResized();
    void InstallMenuBar();
    void EnableMenus();
    void FinishClose();
    // Geometry tracking of the pointer in content coordinates; none: outside.
    void TrackPointer(bool inside, int x, int y);
    bool RouteDefaultKey(int qtKey);
    void BringToFront();
    void CloseRequested();

    std::unique_ptr<Private> d;
    std::string m_title;
    std::int32_t m_width = 300;
    std::int32_t m_height = 300;
    std::int32_t m_frame = kDocument;
    std::int32_t m_placement = kPlaceDefault;
    bool m_visible = false;
    bool m_closeButton = true;
    bool m_resizeable = false;
    bool m_minimizeButton = false;
    bool m_maximizeButton = false;
    bool m_hasBackColor = false;
    Color m_backColor{255, 255, 255};
    PicturePtr m_backdrop;
    fw::MenuBar* m_menuBar = nullptr;
    bool m_closing = false;
};

namespace detail {
Window* FindInstance(std::type_index type);
void RegisterInstance(std::type_index type, std::unique_ptr<Window> window);
void DiscardInstance(std::type_index type);
bool Quitting();
} // namespace detail

// The one instance of window class W, created (and built) on first use and
// reachable while it is being built; nullptr once the application quits.
template <class W>
W* WindowInstance()
{
    static_assert(std::is_base_of_v<Window, W>);
    if (Window* existing = detail::FindInstance(typeid(W)))
        return static_cast<W*>(existing);
    if (detail::Quitting())
        return nullptr;
    auto owned = std::make_unique<W>();
    W* window = owned.get();
    detail::RegisterInstance(typeid(W), std::move(owned));
    try {
        window->Build();
    } catch (...) {
        detail::DiscardInstance(typeid(W));
        throw;
    }
    return window;
}

// The platform's window attributes that ChangeWindowAttributes knows; the
// others mean nothing here.
inline constexpr std::uint32_t kWindowCollapseBoxAttribute = 8;

// Sets, then clears, attributes of the window's platform window: the collapse
// box is its minimize button.
void ChangeWindowAttributes(Window& window, std::uint32_t set, std::uint32_t clear);

// Every open window, front first.
std::vector<Window*> Windows();
// The window in front: the active one, else the one shown last.
Window* FrontWindow();
// Destroys every window without raising events (tests, shutdown).
void DestroyAllWindows();

template <class T, class... A>
T* Window::NewControl(A&&... args)
{
    static_assert(std::is_base_of_v<PropertyTarget, T>);
    std::unique_ptr<T> object;
    if constexpr (std::is_constructible_v<T, Window&, A...>)
        object = std::make_unique<T>(*this, std::forward<A>(args)...);
    else
        object = std::make_unique<T>(std::forward<A>(args)...);
    T* raw = object.get();
    Own(std::move(object));
    return raw;
}

template <class T, class... A>
T* Window::AddControl(std::string name, std::int32_t index, A&&... args)
{
    T* raw = NewControl<T>(std::forward<A>(args)...);
    if constexpr (std::is_base_of_v<Control, T>)
        Construct(*raw, index);
    AddControl(std::move(name), raw);
    return raw;
}

template <class T>
T* Window::Find(std::string_view name) const
{
    return dynamic_cast<T*>(FindObject(name));
}

template <class T>
T* Window::Find(std::string_view name, std::int32_t index) const
{
    return dynamic_cast<T*>(FindControl(name, index));
}

} // namespace fw
