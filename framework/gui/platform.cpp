// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/platform.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"

#include <QApplication>
#include <QBackingStore>
#include <QDialog>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QSocketNotifier>
#include <QThreadPool>
#include <QTimer>

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>
#include <fcntl.h>
#include <unistd.h>

namespace fw {

namespace detail {
int DispatchDepth();
} // namespace detail

namespace {

// The write end of the pipe that wakes the event loop.
int g_wakeFd = -1;

extern "C" void OnTerminationSignal(int)
{
    // Only what is safe in a signal handler: one byte into the pipe.
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t n = ::write(g_wakeFd, &byte, 1);
    errno = saved;
}

void QuitWhenReady()
{
    // A dialog's nested loop would hold the quit until someone answers it.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
    Application* app = App();
    if (!app || app->Quitting())
        return;
    // Quitting before Open has put the stored inputs back would save the
    // defaults over them; quitting inside a handler would pull its windows
    // away under it.
    if (!app->Opened() || detail::DispatchDepth() > 0) {
        QTimer::singleShot(10, qApp, QuitWhenReady);
        return;
    }
    Dispatch([] { Quit(0); });
}

// A hidden window gives back the pixels of its backing store (on X11 a
// shared memory segment of 4 bytes per pixel): the splash stays hidden for
// the rest of the run. Qt makes the store again, whole, on the next show.
class HiddenStoreRelease : public QObject {
protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() != QEvent::Hide || !object->isWidgetType())
            return false;
        auto* widget = static_cast<QWidget*>(object);
        const Qt::WindowType type = widget->windowType();
        if (!widget->isWindow() || (type != Qt::Window && type != Qt::Dialog))
            return false;
        // After the hide has finished, and only if nothing showed it again.
        QTimer::singleShot(0, this, [window = QPointer<QWidget>(widget)] {
            if (!window || window->isVisible())
                return;
            if (QBackingStore* store = window->backingStore(); store && !store->size().isEmpty())
                store->resize(QSize(0, 0));
        });
        return false;
    }
};

// An icon that asks the style for its pictures when first drawn or measured.
class DeferredIconEngine : public QIconEngine {
public:
    DeferredIconEngine(QPointer<QStyle> style, QStyle::StandardPixmap which) : m_style(style), m_which(which) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        Icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return Icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return Icon().availableSizes(mode, state);
    }
    bool isNull() override { return Icon().isNull(); }
    QIconEngine* clone() const override { return new DeferredIconEngine(m_style, m_which); }

private:
    const QIcon& Icon()
    {
        if (!m_icon)
            m_icon = m_style ? m_style->standardIcon(m_which) : QIcon();
        return *m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    std::optional<QIcon> m_icon;
};

// The application's style, but every menu bar's overflow button gets its
// picture only if it ever shows: the style reads it from an image file, and
// telling that file's format loads every image format plug-in, before the
// first window can show.
class MenuBarStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option, const QWidget* widget) const override
    {
        if (which == SP_ToolBarHorizontalExtensionButton || which == SP_ToolBarVerticalExtensionButton)
            return QIcon(new DeferredIconEngine(baseStyle(), which));
        return QProxyStyle::standardIcon(which, option, widget);
    }
};

// The program's name as the user started it, for what is said on its behalf
// before any window can show.
std::string g_programName;
QtMessageHandler g_qtHandler = nullptr;

// What Qt said while connecting, told once the connection is made: without
// one, its warnings only restate that there is no display, in words that
// suggest a broken installation.
struct HeldMessage {
    QtMsgType type;
    std::string category, file, function;
    int line;
    QString text;
};
std::mutex g_heldMutex;
std::vector<HeldMessage> g_held;

// Qt's words, before it gives up, when the display itself refused or could
// not be reached (bad DISPLAY, no server, no permission).
bool DisplayNotOpened(const std::vector<HeldMessage>& held)
{
    return std::any_of(held.begin(), held.end(), [](const HeldMessage& m) {
        return m.category == "qt.qpa.xcb" && m.text.startsWith(QLatin1String("could not connect to display"));
    });
}

// Every line of Qt's own account, each on behalf of the program.
void TellLines(const QString& text)
{
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        std::fprintf(stderr, "%s: %s\n", g_programName.c_str(), line.toLocal8Bit().constData());
}

// While the connection to the display is made: Qt's platform plugin gives
// up with a fatal message that tells the user to reinstall the program, then
// aborts. No display is a failure like any other, and is said as such; any
// other failure (a platform that cannot be loaded, say) in Qt's own words.
void WhileConnecting(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    const std::lock_guard lock(g_heldMutex);
    if (type != QtFatalMsg) {
        g_held.push_back({type, context.category ? context.category : "", context.file ? context.file : "",
                          context.function ? context.function : "", context.line, message});
        return;
    }
    if (DisplayNotOpened(g_held)) {
        const char* display = std::getenv("DISPLAY");
        std::fprintf(stderr, "%s: no display could be opened (%s%s).\n", g_programName.c_str(),
                     display ? "DISPLAY=" : "DISPLAY is not set", display ? display : "");
    } else {
        for (const HeldMessage& m : g_held)
            TellLines(m.text);
        TellLines(message);
    }
    std::fflush(stderr);
    // Nothing has started that could be saved or freed: no window, no
    // application object, no file.
    std::_Exit(1);
}

std::unique_ptr<QApplication> Connect(int& argc, char** argv)
{
    const std::string path = argc > 0 && argv[0] ? argv[0] : "";
    g_programName = path.substr(path.find_last_of('/') + 1);
    g_qtHandler = qInstallMessageHandler(WhileConnecting);
    auto app = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(g_qtHandler);
    const std::lock_guard lock(g_heldMutex);
    for (const HeldMessage& m : std::exchange(g_held, {})) {
        const QMessageLogContext context(m.file.c_str(), m.line, m.function.c_str(), m.category.c_str());
        g_qtHandler(m.type, context, m.text);
    }
    return app;
}

// Without a thread Qt reads it itself when it first needs it.
std::thread ReadFontConfiguration()
{
    try {
        return std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
        return {};
    }
}

} // namespace

Platform::Platform(int& argc, char** argv)
    // The first window's size needs its menu bar's font, and finding fonts
    // starts with reading the system's font configuration, some milliseconds
    // of parsing: that runs meanwhile Qt connects to the display, and Qt
    // then finds it read (one configuration wins if both read it).
    : m_fontConfiguration(ReadFontConfiguration()), m_app(Connect(argc, argv))
{
    // Qt splits the scaling and blending of large images across its global
    // pool, a thread per core, each with its own stack and allocation arena
    // kept for the life of the program; what these windows draw gains
    // nothing from that.
    QThreadPool::globalInstance()->setMaxThreadCount(1);
    // Around the style the platform chose; the proxy takes it over.
    QApplication::setStyle(new MenuBarStyle(QApplication::style()));
    ReleaseStoresOfHiddenWindows();
    QuitOnTerminationSignals();
}

Platform::~Platform()
{
    if (m_fontConfiguration.joinable())
        m_fontConfiguration.join();
}

void ReleaseStoresOfHiddenWindows()
{
    detail::InstallApplicationFilter<HiddenStoreRelease>();
}

void QuitOnTerminationSignals()
{
    if (g_wakeFd >= 0)
        return;
    int fds[2];
    if (::pipe2(fds, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    g_wakeFd = fds[1];
    auto* notifier = new QSocketNotifier(fds[0], QSocketNotifier::Read, qApp);
    QObject::connect(notifier, &QSocketNotifier::activated, notifier, [fd = fds[0]] {
        char bytes[16];
        while (::read(fd, bytes, sizeof bytes) > 0) {
        }
        QuitWhenReady();
    });
    struct sigaction action {};
    action.sa_handler = OnTerminationSignal;
    sigemptyset(&action.sa_mask);
    // A second signal of the same kind is not caught: it ends the process.
    action.sa_flags = SA_RESTART | SA_RESETHAND;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(signal, &action, nullptr);
}

} // namespace fw
