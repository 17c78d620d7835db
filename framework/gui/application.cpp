// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/application.h"
#include "framework/gui/application_seam.h"

#include "framework/core/appversion.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/menubar.h"
#include "framework/gui/window.h"

#include <QApplication>
#include <QDesktopServices>
#include <QEventLoop>
#include <QMessageBox>
#include <QTimer>
#include <QUrl>

#include <cxxabi.h>

#include <cstdlib>
#include <exception>
#include <memory>
#include <stdexcept>
#include <typeinfo>

namespace fw {

class Application::Loop : public QEventLoop {};

namespace {

Application* s_app = nullptr;
int s_dispatchDepth = 0;
TextHook s_msgBoxHook;
TextHook s_showURLHook;
std::string s_title;

std::string Demangle(const char* name)
{
    int status = 0;
    std::unique_ptr<char, void (*)(void*)> out(abi::__cxa_demangle(name, nullptr, nullptr, &status), std::free);
    return status == 0 && out ? std::string(out.get()) : std::string(name);
}

void ReportError(const std::string& className, const std::string& message)
{
    // A failure inside the report itself must not report again.
    static bool reporting = false;
    if (reporting)
        return;
    reporting = true;
    std::string text = "An exception of class " + className + " was not handled. The application must shut down.";
    if (!message.empty())
        text += "\r" + message;
    try {
        MsgBox(text);
    } catch (...) {
    }
    reporting = false;
    if (s_app)
        s_app->Quit(1);
}

} // namespace

namespace detail {
int DispatchDepth()
{
    return s_dispatchDepth;
}
} // namespace detail

void Dispatch(const std::function<void()>& handler)
{
    struct Depth {
        Depth() { ++s_dispatchDepth; }
        ~Depth() { --s_dispatchDepth; }
    } depth;
    try {
        handler();
    } catch (const std::exception& e) {
        ReportError(Demangle(typeid(e).name()), e.what());
    } catch (...) {
        ReportError("unknown", {});
    }
}

void DispatchAfterPaint(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (...) {
        // One report at a time: the next paint may throw again before it runs.
        static bool pending = false;
        if (pending)
            return;
        pending = true;
        QTimer::singleShot(0, qApp, [error = std::current_exception()] {
            pending = false;
            Dispatch([&] { std::rethrow_exception(error); });
        });
    }
}

Application::Application()
{
    if (s_app)
        throw std::logic_error("there is already an application object");
    s_app = this;
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        gui->setQuitOnLastWindowClosed(false);
}

Application::~Application()
{
    DestroyAllWindows();
    s_app = nullptr;
}

Application* App()
{
    return s_app;
}

int Application::Run()
{
    if (m_quitting)
        return m_status;
    Loop loop;
    m_loop = &loop;
    m_running = true;
    // Registered late, so that it runs before the destructors of everything
    // made before the loop starts.
    static const bool registered = std::atexit(ExitDuringRun) == 0;
    (void)registered;
    QTimer::singleShot(0, &loop, [this] {
        Dispatch([this] {
            if (!m_quitting)
                Event_Open();
        });
        m_opened = true;
    });
    if (!m_quitting)
        loop.exec();
    m_running = false;
    m_loop = nullptr;
    return m_status;
}

void Application::ExitDuringRun()
{
    Application* app = s_app;
    // Before Open has put the stored inputs back, saving would store defaults.
    if (!app || !app->m_running || !app->m_opened || app->m_quitting)
        return;
    app->m_quitting = true;
    try {
        app->Event_ExitDuringRun();
    } catch (...) {
        // Nothing can report it any more.
    }
}

void Application::Quit(int status)
{
    if (m_quitting) {
        // A failure while quitting still ends the process as a failure.
        if (status != 0)
            m_status = status;
        if (m_loop)
            m_loop->exit(m_status);
        return;
    }
    m_quitting = true;
    m_status = status;
    for (Window* w : Windows())
        Dispatch([w] { w->Close(); });
    Dispatch([this] { Event_Close(); });
    if (m_loop)
        m_loop->exit(m_status);
}

void Application::SetMenuBar(fw::MenuBar* bar)
{
    m_menuBar = bar;
}

std::int32_t Application::MajorVersion() const
{
    return fw::AppVersion().MajorVersion;
}

std::int32_t Application::MinorVersion() const
{
    return fw::AppVersion().MinorVersion;
}

std::int32_t Application::BugVersion() const
{
    return fw::AppVersion().BugVersion;
}

std::int32_t Application::StageCode() const
{
    return fw::AppVersion().StageCode;
}

std::int32_t Application::NonReleaseVersion() const
{
    return fw::AppVersion().NonReleaseVersion;
}

std::string Application::ShortVersion() const
{
    return fw::ShortVersion();
}

void Quit(int status)
{
    if (s_app)
        s_app->Quit(status);
}

void MsgBox(std::string_view text)
{
    if (s_msgBoxHook) {
        s_msgBoxHook(std::string(text));
        return;
    }
    detail::ActOnDefaultKeysWhenReleased();
    Window* front = FrontWindow();
    QMessageBox box(QMessageBox::NoIcon, detail::ToQString(ApplicationTitle()), detail::DisplayText(text),
                    QMessageBox::Ok, front ? front->Handle() : nullptr);
    box.exec();
    detail::KeyboardBackAfterDialog(&box);
}

void SetApplicationTitle(std::string_view title)
{
    s_title = title;
}

const std::string& ApplicationTitle()
{
    return s_title;
}

void ShowURL(std::string_view url)
{
    if (s_showURLHook) {
        s_showURLHook(std::string(url));
        return;
    }
    QDesktopServices::openUrl(QUrl(detail::ToQString(url)));
}

TextHook SetMsgBoxHook(TextHook hook)
{
    std::swap(s_msgBoxHook, hook);
    return hook;
}

TextHook SetShowURLHook(TextHook hook)
{
    std::swap(s_showURLHook, hook);
    return hook;
}

} // namespace fw
