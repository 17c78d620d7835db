// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/application_seam.h"
#include "support/guifixture.h"

#include <QGuiApplication>
#include <QPainter>
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
    QWidget* content = control->ParentWindow().Content();
    QWidget* top = content->window();
    const QPoint at = content->mapTo(top, QPoint(control->Left(), control->Top()));
    return QGuiApplication::primaryScreen()
        ->grabWindow(top->winId(), at.x(), at.y(), control->Width(), control->Height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

namespace {
// Reaches the drawing of a control, which only its shared widget calls.
struct DrawAccess : fw::Control {
    static void DrawOf(fw::Control& control, QPainter& painter)
    {
        const auto draw = &DrawAccess::Draw;
        (control.*draw)(painter);
    }
};
} // namespace

QImage DrawnAlone(fw::Control* control)
{
    QImage image(control->Width(), control->Height(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawAccess::DrawOf(*control, painter);
    painter.end();
    return image.convertToFormat(QImage::Format_ARGB32);
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
