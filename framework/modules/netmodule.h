// SPDX-License-Identifier: GPL-3.0-or-later
// Framework-internal: the Qt Network side of HTTP requests and of the
// network state, built as a module of its own that the framework loads the
// first time a request or the state is wanted. Linking Qt Network (and the
// Kerberos and proxy libraries it pulls in) would cost every start a few
// milliseconds and every run a few megabytes, for a check that may never run.
#pragma once

#include <QByteArray>
#include <QUrl>

#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace fw::net {

// Why a request ended without a whole reply; the other errors come with a
// reply whose status code tells what happened.
enum class Failure { None, Lookup, Timeout, Secure, Protocol, Refused };

// Told of a request's progress, from the event loop.
class RequestClient {
public:
    virtual void HeadersArrived() = 0;
    virtual void DataArrived() = 0;
    virtual void Finished() = 0;

protected:
    ~RequestClient() = default;
};

// One GET. Destroying it ends the request, if it runs, without telling the
// client.
class Request {
public:
    virtual ~Request() = default;
    virtual int Status() const = 0;
    virtual std::vector<std::pair<std::string, std::string>> Headers() const = 0;
    virtual QByteArray ReadAll() = 0;
    virtual Failure ConnectionFailure() const = 0;
};

// Requests share the session's connections, proxies and TLS set-up.
class Session {
public:
    virtual ~Session() = default;
    virtual std::unique_ptr<Request> Get(const QUrl& url, RequestClient& client) = 0;
};

// How far an interface's address reaches.
enum class AddressScope { Loopback, LinkLocal, Beyond };

struct InterfaceState {
    bool up = false;
    bool running = false;
    bool loopback = false;
    std::vector<AddressScope> addresses;
};

struct Module {
    std::unique_ptr<Session> (*newSession)();
    std::vector<InterfaceState> (*interfaces)();
};

} // namespace fw::net

// The module's one entry point, looked up by name.
extern "C" const fw::net::Module* cyclane_net_module();
