// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/application.h"
#include "framework/gui/modules_seam.h"
#include "framework/gui/platform.h"
#include "framework/gui/printersetup.h"
#include "framework/gui/pushbutton.h"
#include "framework/gui/statictext.h"
#include "framework/gui/window.h"
#include "support/guifixture.h"
#include "support/gui.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <stdexcept>

namespace {

using Log = std::vector<std::string>;
Log* g_log = nullptr;
void Note(const std::string& entry)
{
    if (g_log)
        g_log->push_back(entry);
}

class RecordingApp : public fw::Application {
protected:
    void Event_Open() override { Note("app.Open"); }
    void Event_Close() override { Note("app.Close"); }
};

// Windows reached through their accessors, one class per tag.
template <char Tag>
class Logged : public fw::Window {
protected:
    void Event_Close() override { Note(std::string(1, Tag) + ".Close"); }
};
using First = Logged<'1'>;
using Second = Logged<'2'>;

// A control whose set-up fails while its window is built: it quits, then
// waits in a nested loop (as a message box does).
class FailingOnOpen : public fw::StaticText {
public:
    using fw::StaticText::StaticText;

protected:
    void Event_Open() override
    {
        fw::Quit(1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
};

class QuittingWhileBuilt : public fw::Window {
protected:
    void CreateControls() override
    {
        AddControl<FailingOnOpen>("first", fw::kNoIndex);
        AddControl<FailingOnOpen>("second", fw::kNoIndex);
        AddControl<fw::StaticText>("third", fw::kNoIndex);
    }
    void Event_Close() override { Note("built.Close"); }
};

class ApplicationTest : public testenv::GuiFixture {
protected:
    std::unique_ptr<fw::Application> CreateApplication() override { return std::make_unique<RecordingApp>(); }
    void SetUp() override
    {
        GuiFixture::SetUp();
        g_log = &log;
    }
    void TearDown() override
    {
        GuiFixture::TearDown();
        g_log = nullptr;
    }
};

TEST_F(ApplicationTest, QuitBeforeTheEventLoopRunsCloseHandlersOnce)
{
    fw::WindowInstance<First>();
    fw::WindowInstance<Second>()->Show();
    fw::Quit();
    fw::Quit(2);
    EXPECT_EQ(log, (Log{"2.Close", "1.Close", "app.Close"}));
    EXPECT_EQ(fw::WindowInstance<First>(), nullptr);
    // The loop never starts, and Open never comes.
    EXPECT_EQ(app->Run(), 2);
    EXPECT_EQ(log.size(), 3u);
}

TEST_F(ApplicationTest, AWindowClosedWhileItIsBuiltOutlivesItsBuild)
{
    // Built outside any handler, as the default window is at start-up. The
    // nested loops must not destroy the window under Build().
    fw::WindowInstance<QuittingWhileBuilt>();
    EXPECT_EQ(log, (Log{"built.Close", "app.Close"}));
    EXPECT_EQ(app->ExitStatus(), 1);
    testenv::runFor(50);
}

TEST_F(ApplicationTest, AutoQuitWhenTheLastShownWindowCloses)
{
    for (const bool autoQuit : {false, true}) {
        app.reset();
        app = std::make_unique<RecordingApp>();
        app->SetAutoQuit(autoQuit);
        fw::WindowInstance<First>()->Show();
        fw::WindowInstance<Second>()->Show();
        fw::WindowInstance<Second>()->Close();
        EXPECT_FALSE(app->Quitting());
        // A new instance after closing.
        fw::WindowInstance<Second>()->Close();
        fw::WindowInstance<First>()->Close();
        EXPECT_EQ(app->Quitting(), autoQuit);
    }
}

TEST_F(ApplicationTest, AnEscapingExceptionBecomesTheErrorReport)
{
    fw::PushButton* button = nullptr;
    MakeWindow([&](testenv::TestWindow& w) { button = w.Add<fw::PushButton>("button", 0, 0, 80, 20); });
    button->Action.InstallInstanceEventHandler([] { throw std::runtime_error("Error in Open Class"); });
    testenv::click(button);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("std::runtime_error"), std::string::npos) << messages[0];
    EXPECT_NE(messages[0].find("Error in Open Class"), std::string::npos) << messages[0];
    EXPECT_EQ(log, (Log{"window.Open", "window.Close", "app.Close"}));
    EXPECT_EQ(app->Run(), 1);
}

TEST_F(ApplicationTest, AFailureWhileQuittingStillClosesEverythingAndFails)
{
    fw::WindowInstance<First>()->Show();
    MakeWindow({});
    struct Thrower : fw::Window {
        void Event_Close() override { throw std::logic_error("close failed"); }
    };
    auto thrower = std::make_unique<Thrower>();
    thrower->Build();
    thrower->Show();
    fw::Quit();
    EXPECT_EQ(messages.size(), 1u);
    EXPECT_EQ(app->ExitStatus(), 1);
    EXPECT_EQ(log, (Log{"window.Open", "window.Close", "1.Close", "app.Close"}));
}

// Raises its signal in Open, then waits there: in events, or in a dialog.
class SignalledApp : public RecordingApp {
public:
    int signal = 0;
    bool dialog = false;

protected:
    void Event_Open() override
    {
        ::raise(signal);
        if (dialog)
            QDialog().exec();
        else
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
        RecordingApp::Event_Open();
    }
};

TEST_F(ApplicationTest, TerminationSignalsQuitAsTheQuitCommandOnceOpenHasReturned)
{
    fw::QuitOnTerminationSignals();
    // Each signal once: a second one of the same kind is not caught.
    for (const auto& [signal, dialog] : {std::pair{SIGHUP, false}, std::pair{SIGINT, true}}) {
        SCOPED_TRACE(signal);
        app.reset();
        log.clear();
        auto signalled = std::make_unique<SignalledApp>();
        signalled->signal = signal;
        signalled->dialog = dialog;
        app = std::move(signalled);
        fw::WindowInstance<First>()->Show();
        EXPECT_EQ(app->Run(), 0);
        EXPECT_EQ(log, (Log{"app.Open", "1.Close", "app.Close"}));
    }
}

TEST_F(ApplicationTest, UntitledWindowsAndMessageBoxesShowTheApplicationTitle)
{
    fw::SetApplicationTitle("Some Program");
    EXPECT_EQ(MakeWindow({})->Handle()->windowTitle(), "Some Program");
    // Nor does a window without a title bar show the title it keeps.
    for (const std::int32_t frame : {fw::Window::kPlainBox, fw::Window::kShadowedBox, fw::Window::kFloating}) {
        SCOPED_TRACE(frame);
        fw::Window* w = MakeWindow({});
        w->SetFrame(frame);
        w->SetTitle("Untitled");
        w->Show();
        EXPECT_EQ(w->Title(), "Untitled");
        EXPECT_EQ(w->Handle()->windowTitle(), frame == fw::Window::kFloating ? "Untitled" : "Some Program");
    }
    // The real box, read and dismissed from the event loop.
    const fw::TextHook recording = fw::SetMsgBoxHook({});
    QString boxTitle;
    QTimer::singleShot(0, [&] {
        boxTitle = QApplication::activeModalWidget()->windowTitle();
        QApplication::activeModalWidget()->close();
    });
    fw::MsgBox("text");
    fw::SetMsgBoxHook(recording);
    fw::SetApplicationTitle({});
    EXPECT_EQ(boxTitle, "Some Program");
}

TEST_F(ApplicationTest, PageSetupKeepsTheSetupItWasGivenWhenConfirmedAndItsOwnWhenCancelled)
{
    // The real dialog, from a module loaded on first use, over the front
    // window; A5 landscape with margins of 10, 20, 30 and 40 points goes in
    // and comes out unchanged.
    fw::Window* front = MakeWindow({});
    front->Show();
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm);
        fw::PrinterSetup setup;
        setup.SetSetupString("9 1 10 20 30 40");
        QWidget* parent = nullptr;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            parent = dialog->parentWidget();
            // What the dialog shows does not reach the settings when cancelled.
            confirm ? dialog->accept() : dialog->reject();
        });
        EXPECT_EQ(setup.PageSetupDialog(), confirm);
        EXPECT_EQ(setup.SetupString(), "9 1 10 20 30 40");
        ASSERT_NE(parent, nullptr);
        EXPECT_EQ(parent->window(), front->Handle());
    }
}

// Without a window manager nobody gives the keyboard back when a dialog
// closes: the front window takes it again, however the dialog ends.
TEST_F(ApplicationTest, TheFrontWindowGetsTheKeyboardBackWhenADialogCloses)
{
    fw::Window* front = MakeWindow({});
    front->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(front->Handle()));
    const fw::TextHook recording = fw::SetMsgBoxHook({});
    const auto message = [] { fw::MsgBox("The file could not be saved."); };
    const auto pageSetup = [] { fw::PrinterSetup().PageSetupDialog(); };
    struct Row {
        const char* name;
        std::function<void()> open;
        void (QDialog::*end)();
    };
    const Row rows[] = {
        {"message, Ok", message, &QDialog::accept},
        {"message, Escape", message, &QDialog::reject},
        {"Page Setup, Ok", pageSetup, &QDialog::accept},
        {"Page Setup, Escape", pageSetup, &QDialog::reject},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        bool hadKeyboard = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            hadKeyboard = QTest::qWaitForWindowActive(dialog);
            (dialog->*row.end)();
        });
        row.open();
        EXPECT_TRUE(hadKeyboard);
        EXPECT_TRUE(QTest::qWaitForWindowActive(front->Handle()));
    }
    fw::SetMsgBoxHook(recording);
}

TEST_F(ApplicationTest, PageSetupWithoutItsModuleSaysSoAndKeepsTheSettings)
{
    fw::detail::SetModulesMissing(true);
    fw::PrinterSetup setup;
    setup.SetSetupString("9 1 10 20 30 40");
    const bool confirmed = setup.PageSetupDialog();
    fw::detail::SetModulesMissing(false);
    EXPECT_FALSE(confirmed);
    EXPECT_EQ(setup.SetupString(), "9 1 10 20 30 40");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].find("Page Setup is not available"), std::string::npos);
}

} // namespace
