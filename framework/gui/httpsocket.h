// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "framework/core/folderitem.h"
#include "framework/core/internetheaders.h"
#include "framework/core/propertyblock.h"
#include "framework/gui/event.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace fw {

class Window;

// An HTTP client for one request at a time, on Qt's network access manager
// (redirects, proxies and TLS come from there). Every event goes through the
// framework's dispatch, and none reaches a window that has begun to close.
class HTTPSocket : public PropertyTarget {
public:
    // Error codes.
    enum : std::int32_t {
        kErrorFile = 1,          // the target file could not be made or written
        kErrorDriver = 100,      // the network support could not be loaded
        kErrorRefused = 102,     // no connection (refused, unreachable, closed early)
        kErrorLookup = 103,      // the server name is unknown
        kErrorTimeout = 104,     // no connection in time, or the reply stalled
        kErrorSecure = 105,      // the TLS handshake failed
        kErrorProtocol = 106,    // a reply that is not HTTP, or a bad address
    };

    HTTPSocket();
    explicit HTTPSocket(Window& owner);
    ~HTTPSocket() override;
    HTTPSocket(const HTTPSocket&) = delete;
    HTTPSocket& operator=(const HTTPSocket&) = delete;

    std::string_view ClassName() const override { return "HTTPSocket"; }
    // Port, Address and yield: the address and port come with each URL, so
    // they are kept for show only.
    static std::span<const PropertyInfo> StoredProperties();
    // A closing window ends its socket's request.
    void OwnerClosed() override { Close(); }

    // Starts a GET whose body is kept in memory and handed to PageReceived.
    // Closes the request in progress first.
    void Get(std::string_view url);
    // Starts a GET whose body is streamed into the file, which the socket
    // makes new: a file or folder already there is never replaced (Error with
    // kErrorFile, raised from the event loop).
    void Get(std::string_view url, FolderItemPtr file);
    // Ends the request in progress and closes its file; no event follows.
    void Close();

    // The file the running or last download made, as it was when made.
    std::optional<FileIdentity> TargetIdentity() const { return m_targetIdentity; }
    // The last reply's status code (0 before one came) and header fields.
    std::int32_t HTTPStatusCode() const { return m_status; }
    const InternetHeaders& PageHeaders() const { return m_headers; }
    std::int32_t LastErrorCode() const { return m_lastError; }

    // Milliseconds allowed until the reply's header block arrives, and
    // between two pieces of its body.
    void SetConnectTimeout(std::int32_t ms) { m_connectTimeout = ms; }
    void SetIdleTimeout(std::int32_t ms) { m_idleTimeout = ms; }

    std::int32_t Port() const { return m_port; }
    const std::string& Address() const { return m_address; }

    // Each piece of body as it arrives: the bytes so far, the announced
    // length (0 when the reply gives none) and this piece alone.
    Event<void(std::int64_t bytesReceived, std::int64_t totalBytes, const std::string& newData)> ReceiveProgress;
    // The body is whole and its file closed.
    Event<void(const std::string& url, std::int32_t httpStatus, const InternetHeaders& headers,
               const FolderItemPtr& file)>
        DownloadComplete;
    Event<void(const std::string& url, std::int32_t httpStatus, const InternetHeaders& headers,
               const std::string& content)>
        PageReceived;
    // The request failed; its file, if any, is closed (and left in place).
    Event<void(std::int32_t code)> Error;

private:
    struct Impl;

    void Start(std::string_view url);
    void HeadersArrived();
    void DataArrived();
    void Finished();
    void Fail(std::int32_t code);
    void CloseFile();
    bool Deliverable() const;
    void ArmTimer(std::int32_t ms);

    std::unique_ptr<Impl> m_impl;
    Window* m_owner = nullptr;
    std::string m_url;
    std::string m_body;
    FolderItemPtr m_file;
    int m_fd = -1;
    std::optional<FileIdentity> m_targetIdentity;
    InternetHeaders m_headers;
    std::int32_t m_status = 0;
    std::int64_t m_received = 0;
    std::int64_t m_total = 0;
    std::int32_t m_lastError = 0;
    std::int32_t m_connectTimeout = 30000;
    std::int32_t m_idleTimeout = 30000;
    // Counts requests, so that a callback of an old one does nothing.
    std::uint64_t m_generation = 0;
    std::int32_t m_port = 80;
    std::string m_address;
};

} // namespace fw
