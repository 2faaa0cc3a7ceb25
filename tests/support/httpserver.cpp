#include "httpserver.h"

#include <QTcpSocket>
#include <memory>

namespace ts {

HttpServer::HttpServer()
{
    QObject::connect(&server_, &QTcpServer::newConnection, &server_, [this] { onConnection(); });
    server_.listen(QHostAddress::LocalHost, 0);
}

HttpServer::~HttpServer()
{
    for (QTcpSocket *s : open_)
        s->abort();
}

QString HttpServer::base() const { return QStringLiteral("http://127.0.0.1:%1").arg(port()); }

void HttpServer::answer(int status, const QByteArray &body)
{
    status_ = status;
    body_ = body;
    silent_ = false;
}

void HttpServer::onConnection()
{
    while (QTcpSocket *s = server_.nextPendingConnection()) {
        open_.append(s);
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
            *buffer += s->readAll();
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            requestLines_ << QString::fromLatin1(buffer->left(buffer->indexOf("\r\n")));
            buffer->remove(0, end + 4);
            if (silent_)
                return;
            QByteArray reply = "HTTP/1.1 " + QByteArray::number(status_) + " Status\r\n"
                               "Content-Type: text/html\r\n"
                               "Content-Length: " + QByteArray::number(body_.size()) + "\r\n"
                               "Connection: close\r\n\r\n" + body_;
            s->write(reply);
            s->disconnectFromHost();
        });
    }
}

} // namespace ts
