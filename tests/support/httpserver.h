// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

class QTcpServer;

namespace testenv {

// A scripted HTTP server on 127.0.0.1 (loopback only) for the update
// checker's tests. Each path has a reply, sent byte for byte as scripted;
// other paths get 404 unless "*" is scripted. It closes every connection
// when it goes.
class HttpServer {
public:
    struct Reply {
        // Status line and header lines, each ending in CR LF, without the
        // empty line that closes the head.
        std::string head;
        // Body pieces, sent pieceDelayMs apart.
        std::vector<std::string> pieces;
        int pieceDelayMs = 0;
        // After the last piece the connection stays open and silent.
        bool stall = false;

        // Status 200 or the given one, with Content-Length, in one piece.
        static Reply Ok(const std::string& body, int status = 200);
    };
    struct Request {
        std::string method;
        std::string path;
        std::map<std::string, std::string> headers; // names in lower case
    };

    HttpServer();
    ~HttpServer();
    HttpServer(const HttpServer&) = delete;
    HttpServer& operator=(const HttpServer&) = delete;

    // "http://127.0.0.1:<port>".
    std::string BaseURL() const;
    // The reply for a path; "*" serves every path without its own.
    void Script(const std::string& path, Reply reply);
    const std::vector<Request>& Requests() const { return m_requests; }

    // A loopback address where nothing listens.
    static std::string RefusingURL();

private:
    std::unique_ptr<QTcpServer> m_server;
    std::map<std::string, Reply> m_replies;
    std::vector<Request> m_requests;
};

} // namespace testenv
