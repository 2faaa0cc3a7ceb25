#include "httpserver.h"

#include <QTcpSocket>
#include <QTimer>
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
    stream_.reset();
}

void HttpServer::streamWithoutEnd(Stream what, int pauseMs)
{
    stream_ = what;
    pauseMs_ = pauseMs;
    silent_ = false;
}

int HttpServer::openConnections() const
{
    int n = 0;
    for (QTcpSocket *s : open_)
        n += s->state() == QAbstractSocket::ConnectedState;
    return n;
}

void HttpServer::startStream(QTcpSocket *s)
{
    QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n";
    if (*stream_ == Stream::Body)
        head += "Connection: close\r\n\r\n";
    sent_ += s->write(head);
    if (pauseMs_ > 0) {
        auto *t = new QTimer(s);
        t->setInterval(pauseMs_);
        QObject::connect(t, &QTimer::timeout, s, [this, s] { feed(s); });
        t->start();
    } else {
        // Keep about 256 KiB on the way.
        QObject::connect(s, &QTcpSocket::bytesWritten, s, [this, s] {
            if (s->bytesToWrite() < 256 * 1024)
                feed(s);
        });
        feed(s);
    }
}

void HttpServer::feed(QTcpSocket *s)
{
    // Past 256 MiB the stream pauses for good, so that a client that reads
    // without bound fails its test instead of filling the machine's memory.
    if (s->state() != QAbstractSocket::ConnectedState || sent_ > 256 * 1024 * 1024)
        return;
    const QByteArray piece = *stream_ == Stream::Headers ? QByteArray("X-Pad: ") + QByteArray(56, 'h') + "\r\n"
                                                         : QByteArray(64, 'b');
    const int pieces = pauseMs_ > 0 ? 1 : 1024;
    for (int i = 0; i < pieces; ++i)
        sent_ += s->write(piece);
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
            const QString line = QString::fromLatin1(buffer->left(buffer->indexOf("\r\n")));
            requestLines_ << line;
            buffer->remove(0, end + 4);
            if (silent_)
                return;
            if (const auto raw = raw_.constFind(line.section(u' ', 1, 1)); raw != raw_.cend()) {
                s->write(*raw);
                s->disconnectFromHost();
                return;
            }
            if (stream_) {
                startStream(s);
                return;
            }
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
