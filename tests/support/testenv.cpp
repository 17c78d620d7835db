// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/testenv.h"

#include <QPixmap>
#include <QWidget>

#include <atomic>
#include <fstream>
#include <iterator>
#include <sstream>
#include <csignal>
#include <cstring>
#include <linux/capability.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <cstdlib>
#include <ctime>
#include <unistd.h>

namespace testenv {

namespace {
std::string getenvOr(const char* name)
{
    const char* v = std::getenv(name);
    return v ? v : "";
}

void restore(const char* name, const std::string& value)
{
    if (value.empty())
        ::unsetenv(name);
    else
        ::setenv(name, value.c_str(), 1);
}
} // namespace

TempFolders::TempFolders() : m_oldHome(getenvOr("HOME")), m_oldConfig(getenvOr("XDG_CONFIG_HOME"))
{
    static std::atomic<int> counter{0};
    m_home = std::filesystem::temp_directory_path()
        / ("cyc-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(m_home);
    std::filesystem::create_directories(config());
    std::filesystem::create_directories(desktop());
    ::setenv("HOME", m_home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", config().c_str(), 1);
}

TempFolders::~TempFolders()
{
    restore("HOME", m_oldHome);
    restore("XDG_CONFIG_HOME", m_oldConfig);
    std::error_code ec;
    std::filesystem::remove_all(m_home, ec);
}

ScopedFileSizeLimit::ScopedFileSizeLimit(unsigned long bytes) : m_oldHandler(std::signal(SIGXFSZ, SIG_IGN))
{
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    m_old[0] = limit.rlim_cur;
    m_old[1] = limit.rlim_max;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

ScopedFileSizeLimit::~ScopedFileSizeLimit()
{
    const rlimit limit{m_old[0], m_old[1]};
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, m_oldHandler);
}

// Only the effective set changes, so that the destructor can take the
// capabilities back from the permitted one.
ScopedModeBitsBind::ScopedModeBitsBind()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[2]{};
    static_assert(sizeof m_saved == sizeof data);
    ::syscall(SYS_capget, &header, data);
    std::memcpy(m_saved, data, sizeof data);
    data[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH) | (1u << CAP_FOWNER));
    ::syscall(SYS_capset, &header, data);
}

ScopedModeBitsBind::~ScopedModeBitsBind()
{
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    ::syscall(SYS_capset, &header, m_saved);
}

ScopedTimeZone::ScopedTimeZone(const char* zone) : m_old(getenvOr("TZ"))
{
    ::setenv("TZ", zone, 1);
    ::tzset();
}

ScopedTimeZone::~ScopedTimeZone()
{
    restore("TZ", m_old);
    ::tzset();
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::vector<std::uint8_t> Hex(std::string_view hex)
{
    std::vector<std::uint8_t> out;
    std::istringstream in{std::string(hex)};
    std::string byte;
    while (in >> byte)
        out.push_back(std::uint8_t(std::stoul(byte, nullptr, 16)));
    return out;
}

std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::filesystem::path screenshot(QWidget* widget, const std::string& name)
{
    const std::filesystem::path dir = CYC_SCREENSHOT_DIR;
    std::filesystem::create_directories(dir);
    const std::filesystem::path file = dir / (name + ".png");
    QWidget* window = widget->window();
    window->grab().save(QString::fromStdString(file.string()), "PNG");
    return file;
}

} // namespace testenv
