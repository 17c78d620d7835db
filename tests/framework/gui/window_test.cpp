// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/core/propertyblock.h"
#include "framework/gui/canvas.h"
#include "framework/gui/graphics.h"
#include "framework/gui/picture.h"
#include "framework/gui/statictext.h"
#include "framework/gui/timer.h"
#include "framework/gui/window.h"
#include "support/guifixture.h"

#include <QTest>
#include <QWidget>
#include "support/gui.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using GuiTest = testenv::GuiFixture;

std::vector<std::string>* g_log = nullptr;
void Note(const std::string& entry)
{
    g_log->push_back(entry);
}

// A Window block of the given properties.
std::vector<std::uint8_t> WindowBlock(std::initializer_list<std::pair<const char*, fw::PropertyValue>> values)
{
    const fw::PropertyTable& table = *fw::PropertyTableFor("Window");
    std::vector<fw::PropertyRecord> records;
    for (const auto& [name, value] : values)
        records.push_back({table.Find(std::string_view(name))->id, value});
    return fw::EncodeBlock(records, table);
}

// A control that logs its Open and Close.
class Probe : public fw::Canvas {
public:
    explicit Probe(fw::Window& w) : Canvas(w) {}

protected:
    void Event_Open() override { Note(Name() + "(" + std::to_string(Index()) + ").Open"); }
    void Event_Close() override { Note(Name() + ".Close"); }
};

// Built the way the generated layout code builds a window.
class BuiltWindow : public fw::Window {
protected:
    void Layout() override
    {
        Note("Layout");
        ApplyWindowBlock(
            WindowBlock({{"Width", 240}, {"Height", 120}, {"Title", std::string("Built")}, {"Visible", true}}));
    }
    void CreateControls() override
    {
        Note("CreateControls");
        // The instance is reachable while it is built.
        Note(fw::WindowInstance<BuiltWindow>() == this ? "reachable" : "not reachable");
        AddControl<Probe>("first", fw::kNoIndex)->SetProperty("Width", 10);
        AddControl<Probe>("cell", 1);
        AddControl<Probe>("cell", 0);
        AddControl<fw::Timer>("Timer1", fw::kNoIndex)->SetProperty("Mode", 0);
        AddControl<fw::StaticText>("label", fw::kNoIndex);
        Note(Visible() ? "visible flag set" : "not visible");
        Note(Handle()->isVisible() ? "shown early" : "not shown yet");
    }
    void Event_Open() override
    {
        Note("window.Open");
        Note(Handle()->isVisible() ? "shown early" : "not shown yet");
    }
    void Event_Close() override { Note("window.Close"); }
};

class WindowTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiFixture::SetUp();
        g_log = &log;
    }
};

TEST_F(WindowTest, BuildRunsLayoutControlsThenOpenEvents)
{
    BuiltWindow* w = fw::WindowInstance<BuiltWindow>();
    EXPECT_EQ(log, (std::vector<std::string>{"Layout", "CreateControls", "reachable", "visible flag set",
                                             "not shown yet", "first(" + std::to_string(fw::kNoIndex) + ").Open",
                                             "cell(1).Open", "cell(0).Open", "window.Open", "not shown yet"}));
    EXPECT_TRUE(w->Handle()->isVisible());
    EXPECT_EQ(w->Content()->size(), QSize(240, 120));
    EXPECT_EQ(w->Handle()->windowTitle(), "Built");
    EXPECT_EQ(fw::WindowInstance<BuiltWindow>(), w);
    EXPECT_EQ(log.size(), 10u);
}

TEST_F(WindowTest, FindsControlsByNameSetIndexAndCreationOrder)
{
    BuiltWindow* w = fw::WindowInstance<BuiltWindow>();
    ASSERT_EQ(w->ControlCount(), 4u);
    struct Row { const char* name; fw::Control* found; std::string expectName; std::int32_t expectIndex; };
    const Row rows[] = {
        {"by name", w->FindControl("first"), "first", fw::kNoIndex},
        {"set member 0", w->FindControl("cell", 0), "cell", 0},
        {"set member 1", w->FindControl("cell", 1), "cell", 1},
        {"a set by name alone gives its lowest index", w->FindControl("cell"), "cell", 0},
        {"creation index 1", w->ControlAt(1), "cell", 1},
        {"creation index 3", w->ControlAt(3), "label", fw::kNoIndex},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_NE(row.found, nullptr);
        EXPECT_EQ(row.found->Name(), row.expectName);
        EXPECT_EQ(row.found->Index(), row.expectIndex);
    }
    EXPECT_EQ(w->FindControl("cell", 2), nullptr);
    EXPECT_EQ(w->FindControl("nothing"), nullptr);
    EXPECT_EQ(w->ControlAt(4), nullptr);
    EXPECT_EQ(w->Find<fw::StaticText>("first"), nullptr);
    EXPECT_NE(w->Find<fw::StaticText>("label"), nullptr);
    EXPECT_NE(w->Find<fw::Timer>("Timer1"), nullptr);
    EXPECT_EQ(w->Find<fw::Timer>("Timer1")->Mode(), 0);
}

TEST_F(WindowTest, CloseButtonDecidesWhetherTheWindowManagerMayClose)
{
    for (const bool closeButton : {false, true}) {
        SCOPED_TRACE(closeButton ? "close button" : "no close button");
        log.clear();
        BuiltWindow* w = fw::WindowInstance<BuiltWindow>();
        w->SetCloseButton(closeButton);
        log.clear();
        QCloseEvent request;
        QCoreApplication::sendEvent(w->Handle(), &request);
        if (closeButton) {
            EXPECT_EQ(log, (std::vector<std::string>{"window.Close", "first.Close", "cell.Close", "cell.Close"}));
            EXPECT_FALSE(w->Handle()->isVisible());
            EXPECT_TRUE(w->Closing());
            // Destroyed once the event has been handled; the accessor makes
            // a new one.
            testenv::runFor(20);
            log.clear();
            EXPECT_NE(fw::WindowInstance<BuiltWindow>(), nullptr);
            EXPECT_EQ(log.front(), "Layout");
        } else {
            EXPECT_EQ(log, std::vector<std::string>{});
            EXPECT_TRUE(w->Handle()->isVisible());
            EXPECT_FALSE(w->Closing());
        }
    }
}

TEST_F(WindowTest, FrameKindsAndPlacement)
{
    struct Row { const char* name; int frame; Qt::WindowType type; bool frameless; Qt::WindowModality modality; };
    const Row rows[] = {
        {"document", fw::Window::kDocument, Qt::Window, false, Qt::NonModal},
        {"movable modal", fw::Window::kMovableModal, Qt::Dialog, false, Qt::ApplicationModal},
        {"floating", fw::Window::kFloating, Qt::Tool, false, Qt::NonModal},
        {"plain box", fw::Window::kPlainBox, Qt::Window, true, Qt::NonModal},
        {"global floating", fw::Window::kGlobalFloating, Qt::Tool, false, Qt::NonModal},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        auto w = std::make_unique<fw::Window>();
        w->SetFrame(row.frame);
        w->SetPlacement(fw::Window::kPlaceMainScreen);
        w->Build();
        w->Show();
        const Qt::WindowFlags flags = w->Handle()->windowFlags();
        EXPECT_EQ(flags & Qt::WindowType_Mask, row.type);
        EXPECT_EQ(flags.testFlag(Qt::FramelessWindowHint), row.frameless);
        EXPECT_EQ(w->Handle()->windowModality(), row.modality);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        EXPECT_LE(std::abs(w->Handle()->frameGeometry().center().x() - screen.center().x()), 1);
        EXPECT_LE(std::abs(w->Handle()->frameGeometry().center().y() - screen.center().y()), 1);
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
