// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/httpserver.h"

#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <stdexcept>

namespace testenv {

namespace {

HttpServer::Request ParseHead(const std::string& head)
{
    HttpServer::Request request;
    const QList<QByteArray> lines = QByteArray::fromStdString(head).split('\n');
    const QList<QByteArray> first = lines.front().trimmed().split(' ');
    request.method = first.value(0).toStdString();
    request.path = first.value(1).toStdString();
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const qsizetype colon = lines[i].indexOf(':');
        if (colon > 0)
            request.headers[lines[i].left(colon).toLower().toStdString()] =
                lines[i].mid(colon + 1).trimmed().toStdString();
    }
    return request;
}

void SendPieces(QPointer<QTcpSocket> socket, HttpServer::Reply reply, std::size_t next)
{
    if (!socket)
        return;
    if (next < reply.pieces.size()) {
        socket->write(reply.pieces[next].data(), qint64(reply.pieces[next].size()));
        QTimer::singleShot(reply.pieceDelayMs, socket, [socket, reply, next] { SendPieces(socket, reply, next + 1); });
        return;
    }
    if (!reply.stall)
        socket->disconnectFromHost();
}

} // namespace

HttpServer::Reply HttpServer::Reply::Ok(const std::string& body, int status)
{
    return {"HTTP/1.1 " + std::to_string(status) + (status == 200 ? " OK" : " Error") +
                "\r\nContent-Type: text/plain\r\nConnection: close\r\nContent-Length: " +
                std::to_string(body.size()) + "\r\n",
            {body}};
}

HttpServer::HttpServer() : m_server(std::make_unique<QTcpServer>())
{
    if (!m_server->listen(QHostAddress::LocalHost, 0))
        throw std::runtime_error("the test server cannot listen on 127.0.0.1");
    QObject::connect(m_server.get(), &QTcpServer::newConnection, m_server.get(), [this] {
        while (QTcpSocket* socket = m_server->nextPendingConnection()) {
            auto head = std::make_shared<std::string>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, head] {
                if (head->empty() && socket->property("answered").toBool())
                    return;
                const QByteArray data = socket->readAll();
                head->append(data.constData(), std::size_t(data.size()));
                const std::size_t end = head->find("\r\n\r\n");
                if (end == std::string::npos)
                    return;
                Request request = ParseHead(head->substr(0, end));
                head->clear();
                socket->setProperty("answered", true);
                auto it = m_replies.find(request.path);
                if (it == m_replies.end())
                    it = m_replies.find("*");
                Reply reply = it != m_replies.end() ? it->second : Reply::Ok("not found", 404);
                m_requests.push_back(std::move(request));
                const std::string opening = reply.head + "\r\n";
                socket->write(opening.data(), qint64(opening.size()));
                SendPieces(socket, std::move(reply), 0);
            });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
}

HttpServer::~HttpServer()
{
    // The connections are children of the server and go with it.
    m_server->close();
}

std::string HttpServer::BaseURL() const
{
    return "http://127.0.0.1:" + std::to_string(m_server->serverPort());
}

void HttpServer::Script(const std::string& path, Reply reply)
{
    m_replies[path] = std::move(reply);
}

std::string HttpServer::RefusingURL()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return "http://127.0.0.1:" + std::to_string(port);
}

} // namespace testenv
