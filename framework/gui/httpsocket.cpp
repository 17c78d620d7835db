// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/gui/httpsocket.h"

#include "framework/gui/application.h"
#include "framework/gui/gui_p.h"
#include "framework/gui/window.h"

#include "framework/gui/modules_p.h"
#include "framework/modules/netmodule.h"

#include <QObject>
#include <QTimer>
#include <QUrl>

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fw {

struct HTTPSocket::Impl final : net::RequestClient {
    explicit Impl(HTTPSocket& socket) : socket(socket) {}
    void HeadersArrived() override { socket.HeadersArrived(); }
    void DataArrived() override { socket.DataArrived(); }
    void Finished() override { socket.Finished(); }

    HTTPSocket& socket;
    QObject context;
    QTimer timer;
    // Made with the first request.
    std::unique_ptr<net::Session> session;
    std::unique_ptr<net::Request> request;
};

namespace {

std::int32_t ErrorCodeOf(net::Failure failure)
{
    switch (failure) {
    case net::Failure::Lookup:
        return HTTPSocket::kErrorLookup;
    case net::Failure::Timeout:
        return HTTPSocket::kErrorTimeout;
    case net::Failure::Secure:
        return HTTPSocket::kErrorSecure;
    case net::Failure::Protocol:
        return HTTPSocket::kErrorProtocol;
    default:
        return HTTPSocket::kErrorRefused;
    }
}

bool WriteAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        data += n;
        size -= std::size_t(n);
    }
    return true;
}

} // namespace

HTTPSocket::HTTPSocket() : m_impl(std::make_unique<Impl>(*this))
{
    m_impl->timer.setSingleShot(true);
    QObject::connect(&m_impl->timer, &QTimer::timeout, &m_impl->context, [this] { Fail(kErrorTimeout); });
}

HTTPSocket::HTTPSocket(Window& owner) : HTTPSocket()
{
    m_owner = &owner;
}

HTTPSocket::~HTTPSocket()
{
    Close();
}

std::span<const PropertyInfo> HTTPSocket::StoredProperties()
{
    static constexpr PropertyInfo kRows[] = {
        Row<&HTTPSocket::m_port>(0x00, "Port"),
        Row<&HTTPSocket::m_address>(0x06, "Address"),
        {0x1f, "yield", PropertyKind::Boolean},
    };
    return kRows;
}

void HTTPSocket::Get(std::string_view url)
{
    Close();
    Start(url);
}

void HTTPSocket::Get(std::string_view url, FolderItemPtr file)
{
    Close();
    m_file = std::move(file);
    m_targetIdentity.reset();
    if (m_file)
        m_fd = ::open(m_file->Path().c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (m_fd < 0) {
        m_file.reset();
        const std::uint64_t generation = m_generation;
        QTimer::singleShot(0, &m_impl->context, [this, generation] {
            if (generation == m_generation)
                Fail(kErrorFile);
        });
        return;
    }
    struct stat st {};
    if (::fstat(m_fd, &st) == 0)
        m_targetIdentity = FileIdentity{std::uint64_t(st.st_dev), std::uint64_t(st.st_ino)};
    Start(url);
}

void HTTPSocket::Start(std::string_view url)
{
    m_url = url;
    m_body.clear();
    m_headers.Clear();
    m_status = 0;
    m_received = 0;
    m_total = 0;
    const QUrl address(detail::ToQString(url));
    const QString scheme = address.scheme();
    const bool valid = address.isValid() && !address.host().isEmpty() && (scheme == "http" || scheme == "https");
    const net::Module* module = valid ? detail::NetModule() : nullptr;
    if (!module) {
        const std::int32_t code = valid ? kErrorDriver : kErrorProtocol;
        const std::uint64_t generation = m_generation;
        QTimer::singleShot(0, &m_impl->context, [this, generation, code] {
            if (generation == m_generation)
                Fail(code);
        });
        return;
    }
    if (!m_impl->session)
        m_impl->session = module->newSession();
    m_impl->request = m_impl->session->Get(address, *m_impl);
    ArmTimer(m_connectTimeout);
}

void HTTPSocket::Close()
{
    ++m_generation;
    m_impl->timer.stop();
    m_impl->request.reset();
    CloseFile();
}

void HTTPSocket::CloseFile()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool HTTPSocket::Deliverable() const
{
    return !m_owner || !m_owner->Closing();
}

void HTTPSocket::ArmTimer(std::int32_t ms)
{
    m_impl->timer.start(std::max(ms, 0));
}

void HTTPSocket::HeadersArrived()
{
    const net::Request* request = m_impl->request.get();
    if (!request)
        return;
    m_status = request->Status();
    m_headers.Clear();
    for (const auto& [name, value] : request->Headers())
        m_headers.AppendHeader(name, value);
    m_total = 0;
    if (const auto length = m_headers.Value("Content-Length")) {
        std::int64_t n = 0;
        const auto [end, ec] = std::from_chars(length->data(), length->data() + length->size(), n);
        if (ec == std::errc() && end == length->data() + length->size() && n >= 0)
            m_total = n;
    }
    ArmTimer(m_idleTimeout);
}

void HTTPSocket::DataArrived()
{
    net::Request* request = m_impl->request.get();
    if (!request)
        return;
    const QByteArray data = request->ReadAll();
    if (data.isEmpty())
        return;
    if (m_fd >= 0) {
        if (!WriteAll(m_fd, data.constData(), std::size_t(data.size()))) {
            Fail(kErrorFile);
            return;
        }
    } else if (!m_file) {
        m_body.append(data.constData(), std::size_t(data.size()));
    }
    m_received += data.size();
    ArmTimer(m_idleTimeout);
    if (!Deliverable())
        return;
    const std::string piece(data.constData(), std::size_t(data.size()));
    Dispatch([&] { ReceiveProgress.Raise(m_received, m_total, piece); });
}

void HTTPSocket::Finished()
{
    const std::uint64_t generation = m_generation;
    DataArrived();
    const net::Request* request = m_impl->request.get();
    if (generation != m_generation || !request)
        return;
    const net::Failure failure = request->ConnectionFailure();
    if (failure != net::Failure::None || m_status == 0) {
        Fail(failure != net::Failure::None ? ErrorCodeOf(failure) : kErrorProtocol);
        return;
    }
    // A connection closed before the announced length is a lost one.
    if (m_total > 0 && m_received < m_total) {
        Fail(kErrorRefused);
        return;
    }
    m_impl->timer.stop();
    m_impl->request.reset();
    if (m_fd >= 0 && ::fsync(m_fd) != 0 && errno != EINVAL) {
        Fail(kErrorFile);
        return;
    }
    CloseFile();
    if (!Deliverable())
        return;
    const std::string url = m_url;
    if (m_file) {
        const FolderItemPtr file = m_file;
        Dispatch([&] { DownloadComplete.Raise(url, m_status, m_headers, file); });
    } else {
        const std::string body = std::move(m_body);
        m_body.clear();
        Dispatch([&] { PageReceived.Raise(url, m_status, m_headers, body); });
    }
}

void HTTPSocket::Fail(std::int32_t code)
{
    Close();
    m_lastError = code;
    if (Deliverable())
        Dispatch([&] { Error.Raise(code); });
}

} // namespace fw
