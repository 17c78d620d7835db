// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/modules/netmodule.h"

#include <QNetworkAccessManager>
#include <QNetworkInterface>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>

namespace fw::net {

namespace {

Failure FailureOf(QNetworkReply::NetworkError error)
{
    // Errors of the connection itself.
    const bool connection = (error > QNetworkReply::NoError && error < QNetworkReply::ContentAccessDenied)
        || error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::ProtocolFailure;
    if (!connection)
        return Failure::None;
    switch (error) {
    case QNetworkReply::HostNotFoundError:
        return Failure::Lookup;
    case QNetworkReply::TimeoutError:
        return Failure::Timeout;
    case QNetworkReply::SslHandshakeFailedError:
        return Failure::Secure;
    case QNetworkReply::ProtocolUnknownError:
    case QNetworkReply::ProtocolFailure:
        return Failure::Protocol;
    default:
        return Failure::Refused;
    }
}

class ReplyRequest final : public Request {
public:
    ReplyRequest(QNetworkReply* reply, RequestClient& client) : m_reply(reply)
    {
        // The client may end the request from inside any of these; the
        // reply then goes later, not under its own signal.
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&client] { client.HeadersArrived(); });
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [&client] { client.DataArrived(); });
        QObject::connect(reply, &QNetworkReply::finished, reply, [&client] { client.Finished(); });
    }
    ~ReplyRequest() override
    {
        if (QNetworkReply* reply = m_reply) {
            // Disconnected first: abort() reports synchronously.
            reply->disconnect();
            if (!reply->isFinished())
                reply->abort();
            reply->deleteLater();
        }
    }
    int Status() const override
    {
        return m_reply ? m_reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() : 0;
    }
    std::vector<std::pair<std::string, std::string>> Headers() const override
    {
        std::vector<std::pair<std::string, std::string>> headers;
        if (m_reply)
            for (const auto& [name, value] : m_reply->rawHeaderPairs())
                headers.emplace_back(name.toStdString(), value.toStdString());
        return headers;
    }
    QByteArray ReadAll() override { return m_reply ? m_reply->readAll() : QByteArray(); }
    Failure ConnectionFailure() const override { return m_reply ? FailureOf(m_reply->error()) : Failure::Refused; }

private:
    QPointer<QNetworkReply> m_reply;
};

class ManagerSession final : public Session {
public:
    std::unique_ptr<Request> Get(const QUrl& url, RequestClient& client) override
    {
        QNetworkRequest request(url);
        request.setRawHeader("Accept", "*/*");
        request.setRawHeader("Accept-Language", "en");
        // No compression, so that the announced length is that of the bytes
        // we get and a download is the file itself.
        request.setRawHeader("Accept-Encoding", "identity");
        return std::make_unique<ReplyRequest>(m_manager.get(request), client);
    }

private:
    QNetworkAccessManager m_manager;
};

std::unique_ptr<Session> NewSession()
{
    return std::make_unique<ManagerSession>();
}

std::vector<InterfaceState> Interfaces()
{
    std::vector<InterfaceState> states;
    for (const QNetworkInterface& i : QNetworkInterface::allInterfaces()) {
        InterfaceState state;
        state.up = i.flags().testFlag(QNetworkInterface::IsUp);
        state.running = i.flags().testFlag(QNetworkInterface::IsRunning);
        state.loopback = i.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : i.addressEntries()) {
            const QHostAddress address = entry.ip();
            if (address.isNull())
                continue;
            state.addresses.push_back(address.isLoopback()    ? AddressScope::Loopback
                                      : address.isLinkLocal() ? AddressScope::LinkLocal
                                                              : AddressScope::Beyond);
        }
        states.push_back(std::move(state));
    }
    return states;
}

constexpr Module kModule{NewSession, Interfaces};

} // namespace

} // namespace fw::net

extern "C" __attribute__((visibility("default"))) const fw::net::Module* cyclane_net_module()
{
    return &fw::net::kModule;
}
