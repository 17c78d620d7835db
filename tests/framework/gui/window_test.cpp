// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/propertyblock.h"
#include "framework/gui/canvas.h"
#include "framework/gui/graphics.h"
#include "framework/gui/httpsocket.h"
#include "framework/gui/picture.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "framework/gui/window.h"
#include "support/eventwatch.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QApplication>
#include <QGuiApplication>
#include <QTest>
#include <QVariant>
#include <QImage>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

using Log = std::vector<std::string>;
Log* g_log = nullptr;

// A control that logs its Open.
class Probe : public fw::Canvas {
public:
    explicit Probe(fw::Window& w) : Canvas(w) {}

protected:
    void Event_Open() override { g_log->push_back(Name() + "(" + std::to_string(Index()) + ").Open"); }
};

// Built the way the generated layout code builds a window.
class BuiltWindow : public fw::Window {
protected:
    void Layout() override
    {
        const fw::PropertyTable& table = *fw::PropertyTableFor("Window");
        std::vector<fw::PropertyRecord> records;
        using Value = std::pair<const char*, fw::PropertyValue>;
        for (const auto& [name, value] : {Value{"Width", 240}, Value{"Height", 120},
                                          Value{"Title", std::string("Built")}, Value{"Visible", true}})
            records.push_back({table.Find(std::string_view(name))->id, value});
        g_log->push_back("Layout");
        fw::SetProperties(*this, fw::EncodeBlock(records, table));
    }
    void CreateControls() override
    {
        // The instance is reachable while it is built.
        g_log->push_back(fw::WindowInstance<BuiltWindow>() == this ? "reachable" : "not reachable");
        AddControl<Probe>("first", fw::kNoIndex)->SetProperty("Width", 10);
        AddControl<Probe>("cell", 1);
        AddControl<Probe>("cell", 0);
        AddControl<fw::Timer>("Timer1", fw::kNoIndex)->SetProperty("Mode", 0);
        AddControl<fw::StaticText>("label", fw::kNoIndex);
        AddControl<fw::HTTPSocket>("http", fw::kNoIndex);
        g_log->push_back(Visible() ? "visible flag set" : "not visible");
        g_log->push_back(Handle()->isVisible() ? "shown early" : "not shown yet");
    }
    void Event_Open() override { g_log->push_back(Handle()->isVisible() ? "shown at Open" : "window.Open"); }
};

class WindowTest : public testenv::GuiFixture {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        g_log = &log;
    }
};

TEST_F(WindowTest, BuildRunsLayoutControlsThenOpenEventsAndFindsControls)
{
    BuiltWindow* w = fw::WindowInstance<BuiltWindow>();
    EXPECT_EQ(log, (Log{"Layout", "reachable", "visible flag set", "not shown yet",
                        "first(" + std::to_string(fw::kNoIndex) + ").Open", "cell(1).Open", "cell(0).Open",
                        "window.Open"}));
    EXPECT_TRUE(w->Handle()->isVisible());
    EXPECT_EQ(w->Content()->size(), QSize(240, 120));
    EXPECT_EQ(w->Handle()->windowTitle(), "Built");

    // By name, set index and creation index; a set by name alone gives its lowest index.
    ASSERT_EQ(w->ControlCount(), 4u);
    const std::tuple<fw::Control*, std::string, std::int32_t> rows[] = {
        {w->FindControl("first"), "first", fw::kNoIndex}, {w->FindControl("cell", 1), "cell", 1},
        {w->FindControl("cell"), "cell", 0}, {w->ControlAt(3), "label", fw::kNoIndex},
    };
    for (const auto& [found, name, index] : rows) {
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(std::pair(found->Name(), found->Index()), std::pair(name, index));
    }
    EXPECT_EQ(w->FindControl("cell", 2), nullptr);
    EXPECT_EQ(w->ControlAt(4), nullptr);
    EXPECT_EQ(w->Find<fw::StaticText>("first"), nullptr);
    // Objects that are no controls are found by name too, as controls are.
    EXPECT_NE(w->Find<fw::Timer>("Timer1"), nullptr);
    EXPECT_EQ(w->FindObject("Timer1"), w->Find<fw::Timer>("Timer1"));
    EXPECT_EQ(w->Find<Probe>("Timer1"), nullptr);
    EXPECT_EQ(w->FindObject("cell"), w->FindControl("cell", 0));
    EXPECT_NE(w->Find<fw::HTTPSocket>("http"), nullptr);
    EXPECT_EQ(w->FindObject("none"), nullptr);
}

// A member of a control set, which constructs itself with its index.
class Member : public fw::StaticText {
public:
    using StaticText::StaticText;
    void Construct(std::int32_t index)
    {
        SetIndex(index);
        Constructor();
    }
};

TEST_F(WindowTest, AControlIsMadeThenConstructedThenRegistered)
{
    fw::Window* w = MakeWindow([](testenv::TestWindow& t) { t.AddControl<fw::StaticText>("label", fw::kNoIndex); });
    Member* m = w->NewControl<Member>();
    EXPECT_EQ(w->ControlCount(), 1u);
    // Constructed, it lies above the controls before it; registered, it is found.
    m->Construct(3);
    EXPECT_EQ(w->ControlAt(1), m);
    EXPECT_EQ(w->FindControl("m", 3), nullptr);
    w->AddControl("m", m);
    EXPECT_EQ(w->FindControl("m", 3), m);
    EXPECT_EQ(m->Name(), "m");

    EXPECT_THROW(m->Construct(4), std::logic_error);
    EXPECT_EQ(w->ControlCount(), 2u);
    fw::Window* other = MakeWindow([](testenv::TestWindow&) {});
    EXPECT_THROW(other->AddControl("m", m), std::logic_error);
    EXPECT_EQ(other->FindControl("m"), nullptr);
}

TEST_F(WindowTest, FrameKindsAndPlacement)
{
    struct Row { int frame; Qt::WindowType type; bool frameless; Qt::WindowModality modality; };
    const Row rows[] = {
        {fw::Window::kDocument, Qt::Window, false, Qt::NonModal},
        {fw::Window::kFloating, Qt::Tool, false, Qt::NonModal},
        {fw::Window::kPlainBox, Qt::Window, true, Qt::NonModal},
        {fw::Window::kGlobalFloating, Qt::Tool, false, Qt::NonModal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.frame);
        auto w = std::make_unique<fw::Window>();
        w->SetFrame(row.frame);
        w->SetPlacement(fw::Window::kPlaceMainScreen);
        w->Build();
        w->Show();
        const Qt::WindowFlags flags = w->Handle()->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, row.type);
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), row.frameless);
        EXPECT_EQ(w->Handle()->windowModality(), row.modality);
        const QPoint off = w->Handle()->frameGeometry().center() -
                           QGuiApplication::primaryScreen()->availableGeometry().center();
        EXPECT_LE(off.manhattanLength(), 2);
    }
}

// Floating windows, and windows placed on their parent window, are kept
// above the window they are opened from, so that a click on that window
// cannot hide them: they are transient for it, as the platform's dialog when
// they are documents, and never modal.
TEST_F(WindowTest, KeptAboveTheWindowTheyAreOpenedFrom)
{
    using W = fw::Window;
    // The frames of the windows shown first, in order, and the frame and
    // placement of the one shown last; which of the first it must be
    // transient for (-1: none).
    struct Row { const char* name; std::vector<int> before; int frame; int placement; int parent; };
    const Row rows[] = {
        {"floating over a document", {W::kDocument}, W::kFloating, W::kPlaceDefault, 0},
        {"global floating over a document", {W::kDocument}, W::kGlobalFloating, W::kPlaceDefault, 0},
        {"floating over the front document", {W::kDocument, W::kDocument}, W::kFloating, W::kPlaceDefault, 1},
        {"floating over floating over a document", {W::kDocument, W::kFloating}, W::kFloating, W::kPlaceDefault, 0},
        {"floating over a title-less box only", {W::kPlainBox}, W::kFloating, W::kPlaceDefault, -1},
        {"a document over a document", {W::kDocument}, W::kDocument, W::kPlaceDefault, -1},
        {"a document placed on its parent window", {W::kDocument, W::kDocument}, W::kDocument, W::kPlaceParent, 1},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        std::vector<std::unique_ptr<W>> shown;
        for (const int frame : row.before) {
            shown.push_back(std::make_unique<W>());
            shown.back()->SetFrame(frame);
            shown.back()->Build();
            shown.back()->Show();
        }
        auto w = std::make_unique<W>();
        w->SetFrame(row.frame);
        w->SetPlacement(row.placement);
        w->Build();
        w->Show();
        const QWindow* parent = w->Handle()->windowHandle()->transientParent();
        EXPECT_EQ(parent, row.parent < 0 ? nullptr : shown[std::size_t(row.parent)]->Handle()->windowHandle());
        EXPECT_EQ(w->Handle()->windowModality(), Qt::NonModal);
        if (row.frame == W::kDocument) {
            EXPECT_EQ(w->Handle()->windowType(), row.parent < 0 ? Qt::Window : Qt::Dialog);
        }
        // Shown again after the opener went, it is no longer held by it.
        if (row.parent >= 0) {
            w->Hide();
            shown[std::size_t(row.parent)]->Hide();
            w->Show();
            EXPECT_NE(w->Handle()->windowHandle()->transientParent(), parent);
        }
    }
}

// ShowWithin names the window to stay above, whichever is in front; a second
// ShowWithin of a shown window moves it to its new parent.
TEST_F(WindowTest, ShowWithinKeepsTheWindowAboveItsParent)
{
    using W = fw::Window;
    std::vector<std::unique_ptr<W>> documents;
    for (int i = 0; i < 2; ++i) {
        documents.push_back(std::make_unique<W>());
        documents.back()->Build();
        documents.back()->Show();
    }
    W& back = *documents[0];
    W& front = *documents[1];
    ASSERT_EQ(fw::FrontWindow(), &front);
    const auto transientParent = [](const W& w) { return w.Handle()->windowHandle()->transientParent(); };
    for (const int frame : {W::kFloating, W::kGlobalFloating, W::kDocument}) {
        SCOPED_TRACE(frame);
        auto w = std::make_unique<W>();
        w->SetFrame(frame);
        w->Build();
        w->ShowWithin(&back, 0);
        EXPECT_TRUE(w->Visible());
        EXPECT_EQ(fw::FrontWindow(), w.get());
        EXPECT_EQ(fw::Windows().front(), w.get());
        EXPECT_EQ(transientParent(*w), back.Handle()->windowHandle());
        EXPECT_EQ(w->Handle()->windowModality(), Qt::NonModal);
        w->ShowWithin(&front, 0);
        EXPECT_EQ(transientParent(*w), front.Handle()->windowHandle());
    }
    // Without a parent it is Show: a document placed by default stays free.
    auto free = std::make_unique<W>();
    free->Build();
    free->ShowWithin(nullptr, 0);
    EXPECT_TRUE(free->Visible());
    EXPECT_EQ(transientParent(*free), nullptr);
}

// The collapse box is the minimize button; the other attributes change
// nothing. A floating window without one is the platform's torn-off toolbar,
// which every window manager gives its close button only.
TEST_F(WindowTest, ChangeWindowAttributesSetsAndClearsTheCollapseBox)
{
    using W = fw::Window;
    constexpr std::uint32_t kBox = fw::kWindowCollapseBoxAttribute;
    struct Row { const char* name; int frame; bool before; std::uint32_t set, clear; bool after; };
    const Row rows[] = {
        {"document, cleared", W::kDocument, true, 0, kBox, false},
        {"floating, cleared", W::kFloating, true, 0, kBox, false},
        {"floating, set", W::kFloating, false, kBox, 0, true},
        {"set, then cleared", W::kDocument, true, kBox, kBox, false},
        {"other attributes", W::kFloating, true, ~kBox, ~kBox, true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto w = std::make_unique<W>();
        w->SetFrame(row.frame);
        w->SetMinimizeButton(row.before);
        w->Build();
        w->Show();
        // Changed on the shown window, which stays shown throughout: a window
        // hidden and shown again at once can be lost by a window manager.
        int hides = 0;
        const testenv::EventWatch watch(w->Handle(), QEvent::Hide, [&] { ++hides; });
        w->Show();
        fw::ChangeWindowAttributes(*w, row.set, row.clear);
        EXPECT_EQ(w->MinimizeButton(), row.after);
        EXPECT_EQ(hides, 0);
        EXPECT_TRUE(w->Handle()->isVisible());
        const Qt::WindowFlags flags = w->Handle()->windowFlags();
        EXPECT_EQ(flags.testFlag(Qt::WindowMinimizeButtonHint), row.after);
        EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
        const bool toolbar = row.frame == W::kFloating && !row.after;
        EXPECT_EQ(w->Handle()->windowHandle()->property("_q_xcb_wm_window_type"),
                  toolbar ? QVariant(0x08) : QVariant());
    }
}

// The keyboard goes back to the window beneath when the window that had it
// hides or closes; a window that did not have it leaves it where it is.
TEST_F(WindowTest, TheWindowBeneathGetsTheKeyboardBackWhenTheFrontOneGoes)
{
    for (const bool close : {false, true}) {
        SCOPED_TRACE(close ? "closed" : "hidden");
        // Shown in this order: the last one has the keyboard.
        std::vector<std::unique_ptr<fw::Window>> shown;
        for (int i = 0; i < 3; ++i) {
            shown.push_back(std::make_unique<fw::Window>());
            shown.back()->Build();
            shown.back()->Show();
        }
        fw::Window& beneath = *shown[0];
        fw::Window& aside = *shown[1];
        fw::Window& front = *shown[2];
        ASSERT_TRUE(QTest::qWaitForWindowActive(front.Handle()));
        aside.Hide();
        QCoreApplication::processEvents();
        EXPECT_EQ(QApplication::activeWindow(), front.Handle());
        if (close)
            front.Close();
        else
            front.Hide();
        EXPECT_TRUE(QTest::qWaitForWindowActive(beneath.Handle()));
    }
}

// Return pushes the default button of the window that took both its press
// and its release, once; a press meant for one window never pushes another
// window's button, and a key held down pushes nothing with its repeats.
TEST_F(WindowTest, ReturnPushesTheDefaultButtonOfTheWindowThatTookItsPressWhenReleased)
{
    using Key = testenv::SentKey;
    struct Row {
        const char* name;
        std::vector<std::pair<int, Key>> sent; // to window 0 or 1
        int pushed0, pushed1;
    };
    const Row rows[] = {
        {"pressed and released", {{0, Key::Press}, {0, Key::Release}}, 1, 0},
        {"held, then released", {{0, Key::Press}, {0, Key::Repeat}, {0, Key::Repeat}, {0, Key::Release}}, 1, 0},
        {"only pressed", {{0, Key::Press}}, 0, 0},
        {"pressed in one, released in the other", {{0, Key::Press}, {1, Key::Release}}, 0, 0},
        {"pressed in one, held over the other", {{0, Key::Press}, {1, Key::Repeat}, {1, Key::Repeat}}, 0, 0},
        {"released in one, held over the other", {{0, Key::Press}, {0, Key::Release}, {1, Key::Repeat}}, 1, 0},
        {"a release without its press", {{1, Key::Release}}, 0, 0},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        int pushed[2] = {0, 0};
        fw::Window* w[2];
        for (int i = 0; i < 2; ++i) {
            w[i] = MakeWindow([&pushed, i](testenv::TestWindow& t) {
                auto* ok = t.Add<fw::PushButton>("Ok", 10, 10, 80, 20);
                ok->SetDefault(true);
                // As a dialog's Ok: counted, and the window goes.
                ok->Action.InstallInstanceEventHandler([&pushed, i, &t] {
                    ++pushed[i];
                    t.Hide();
                });
            });
            w[i]->Show();
        }
        for (const auto& [to, key] : row.sent)
            testenv::sendReturn(key, w[to]);
        EXPECT_EQ(pushed[0], row.pushed0);
        EXPECT_EQ(pushed[1], row.pushed1);
        // Whatever came before, a window shown stays shown while the key
        // repeats, and a whole key press pushes its button.
        w[1]->Show();
        testenv::sendReturn(Key::Repeat, w[1]);
        EXPECT_TRUE(w[1]->Visible());
        testenv::sendReturn(Key::Press, w[1]);
        testenv::sendReturn(Key::Release, w[1]);
        EXPECT_FALSE(w[1]->Visible());
        EXPECT_EQ(pushed[1], row.pushed1 + 1);
    }
}

TEST_F(WindowTest, BackColourAndBackdropFillTheContentFromItsOrigin)
{
    auto backdrop = fw::Picture::New(20, 10);
    backdrop->Graphics().SetForeColor(fw::RGB(0, 0, 200));
    backdrop->Graphics().FillRect(0, 0, 20, 10);
    auto w = std::make_unique<fw::Window>();
    w->SetWidth(50);
    w->SetHeight(40);
    w->SetHasBackColor(true);
    w->SetBackColor(fw::RGB(250, 240, 230));
    w->SetBackdrop(backdrop);
    w->Build();
    w->Show();
    const QImage content = w->Content()->grab().toImage();
    EXPECT_EQ(content.pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(content.pixel(19, 9), qRgb(0, 0, 200));
    EXPECT_EQ(content.pixel(20, 10), qRgb(250, 240, 230));
    w->SetBackdrop(nullptr);
    EXPECT_EQ(w->Content()->grab().toImage().pixel(0, 0), qRgb(250, 240, 230));
}

} // namespace
