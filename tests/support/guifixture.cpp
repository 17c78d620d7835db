// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/application_seam.h"
#include "support/guifixture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QTest>
#include <QWidget>

namespace testenv {

void TestWindow::Event_Close()
{
    Note("window.Close");
    statusAtClose = fw::App() ? fw::App()->ExitStatus() : -1;
}

QImage OnScreen(fw::Control* control)
{
    QWidget* widget = control->Handle();
    QWidget* top = widget->window();
    const QPoint at = widget->mapTo(top, QPoint(0, 0));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), at.x(), at.y(), control->Width(), control->Height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

void GuiFixture::SetUp()
{
    app = CreateApplication();
    m_previousHook = fw::SetMsgBoxHook([this](const std::string& text) { messages.push_back(text); });
}

void GuiFixture::TearDown()
{
    windows.clear();
    app.reset();
    fw::SetMsgBoxHook(m_previousHook);
}

TestWindow* GuiFixture::MakeWindow(std::function<void(TestWindow&)> build, int width, int height)
{
    auto window = std::make_unique<TestWindow>();
    window->SetWidth(width);
    window->SetHeight(height);
    window->build = std::move(build);
    window->log = &log;
    window->Build();
    if (!app || !app->Quitting()) {
        window->Show();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window->Handle()));
    }
    windows.push_back(std::move(window));
    return windows.back().get();
}

} // namespace testenv
