// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/app.h"
#include "app/splashreg.h"
#include "calendar/mainwindow.h"
#include "calendar/module1.h"
#include "framework/gui/menubar.h"
#include "prefs/bprefs.h"
#include "prefs/bprefs_seam.h"
#include "prefs/window/preferences.h"
#include "resources/menubars.h"
#include "support/gui.h"
#include "support/guifixture.h"

#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cstring>
#include <filesystem>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace shelltest {

// The preferences window's three lists and its disclaimer, help tip and
// update boxes, as shown.
using Shown = std::tuple<std::string, std::string, std::string, bool, bool, bool>;

inline Shown ShownBy(windows::preferences& prefs)
{
    return {prefs.durmens->Text(),     prefs.fertpre->Text(),     prefs.fertpost->Text(),
            prefs.CheckBox1->Value(), prefs.CheckBox2->Value(), prefs.CheckBox3->Value()};
}

// Chooses the menu item as the user does: the enabling pass, then the item.
inline void Choose(fw::MenuBar* bar, const char* item)
{
    bar->EnableMenuItems();
    bar->FindItem(item)->Handle()->trigger();
}

// Counts the complete writes of one file in a folder: a save lands as the
// creation of the final name or as a rename onto it, once per save.
class FileWrites {
public:
    FileWrites(const std::filesystem::path& folder, std::string name) : m_name(std::move(name))
    {
        std::filesystem::create_directories(folder);
        m_fd = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        EXPECT_GE(inotify_add_watch(m_fd, folder.c_str(), IN_CREATE | IN_MOVED_TO), 0);
    }
    ~FileWrites() { ::close(m_fd); }
    FileWrites(const FileWrites&) = delete;
    FileWrites& operator=(const FileWrites&) = delete;

    int Count()
    {
        alignas(inotify_event) std::array<char, 8192> buffer{};
        for (ssize_t n; (n = ::read(m_fd, buffer.data(), buffer.size())) > 0;)
            for (ssize_t at = 0; at < n;) {
                inotify_event event{};
                std::memcpy(&event, buffer.data() + at, sizeof event);
                m_count += event.len > 0 && m_name == buffer.data() + at + sizeof(inotify_event);
                at += static_cast<ssize_t>(sizeof(inotify_event) + event.len);
            }
        return m_count;
    }

private:
    std::string m_name;
    int m_fd = -1;
    int m_count = 0;
};

// A run of the program in a fresh preferences folder: start-up as the
// entry point does it, then the application's Open as the event loop raises
// it. Message boxes are recorded, not shown.
class ShellTest : public testenv::GuiFixture {
protected:
    // The program makes its own application object.
    std::unique_ptr<fw::Application> CreateApplication() override { return nullptr; }
    void SetUp() override
    {
        BPrefs::ResetForTesting();
        GuiFixture::SetUp();
    }
    void TearDown() override
    {
        End();
        GuiFixture::TearDown();
    }

    // Start-up up to the event loop, then what the event loop does first.
    void Start()
    {
        application = app::StartUp();
        ASSERT_NE(application, nullptr);
        application->Event_Open();
    }
    // The process ends; the next start reads the file afresh.
    void End()
    {
        application.reset();
        fw::DestroyAllWindows();
        BPrefs::ResetForTesting();
    }

    std::filesystem::path PrefsPath() const { return folders.config() / "com.tarcyc Prefs"; }

    // Writes a preferences file holding exactly these values; none: no file.
    void StoreFile(const std::vector<std::pair<std::string, fw::Variant>>& values)
    {
        std::filesystem::remove(PrefsPath());
        BPrefs::ResetForTesting();
        for (const auto& [key, value] : values)
            BPrefs::SetValue(key, value);
        ASSERT_TRUE(values.empty() || BPrefs::Save());
        BPrefs::ResetForTesting();
    }

    template <class W>
    static bool Exists()
    {
        for (fw::Window* w : fw::Windows())
            if (dynamic_cast<W*>(w))
                return true;
        return false;
    }

    static void WaitShown(fw::Window* window) { ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Handle())); }

    // Agree on the disclaimer, then the quick start's Ok, as a first start
    // asks of the user.
    static void PastTheFirstStartPanels()
    {
        windows::main* calendar = win::main();
        testenv::click(calendar->PushButton5);
        testenv::click(calendar->PushButton6);
    }

    // Splash Ok, then what the calendar window's Preferences button does.
    windows::preferences* OpenPreferences()
    {
        testenv::click(win::splashreg()->PushButton1);
        Module1::botonesmain(false);
        win::main()->SetMenuBar(MenuBar2());
        windows::preferences* prefs = win::preferences();
        prefs->Show();
        WaitShown(prefs);
        return prefs;
    }

    std::unique_ptr<App> application;
};

} // namespace shelltest
