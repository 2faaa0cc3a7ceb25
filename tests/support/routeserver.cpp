#include "routeserver.h"

#include <QSemaphore>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <memory>

namespace ts {

namespace {
const QString ErrorPath = QStringLiteral("/up/error/submit.asp");

// With a negative length, no Content-Length: the body ends with the connection.
QByteArray head(int status, qint64 length)
{
    QByteArray h = "HTTP/1.1 " + QByteArray::number(status) + " Status\r\nContent-Type: application/octet-stream\r\n";
    if (length >= 0)
        h += "Content-Length: " + QByteArray::number(length) + "\r\n";
    return h + "Connection: close\r\n\r\n";
}
} // namespace

RouteServer::RouteServer()
{
    QSemaphore ready;
    server_ = new QTcpServer;
    server_->moveToThread(&thread_);
    QObject::connect(&thread_, &QThread::started, server_, [this, &ready] {
        QObject::connect(server_, &QTcpServer::newConnection, server_, [this] { onConnection(); });
        if (server_->listen(QHostAddress::LocalHost, 0))
            port_ = server_->serverPort();
        ready.release();
    });
    QObject::connect(&thread_, &QThread::finished, server_, &QObject::deleteLater);
    thread_.start();
    ready.acquire();
}

RouteServer::~RouteServer()
{
    QMetaObject::invokeMethod(server_, [this] {
        for (QTcpSocket *s : server_->findChildren<QTcpSocket *>())
            s->abort();
        server_->close();
    }, Qt::BlockingQueuedConnection);
    thread_.quit();
    thread_.wait();
}

QString RouteServer::base() const { return QStringLiteral("http://127.0.0.1:%1/").arg(port_); }

void RouteServer::route(const QString &path, const Route &r)
{
    routeInTurn(path, {r});
}

void RouteServer::routeInTurn(const QString &path, const QList<Route> &answers)
{
    QMutexLocker lock(&mutex_);
    routes_.insert(path, answers);
}

QStringList RouteServer::requestLines() const
{
    QMutexLocker lock(&mutex_);
    return lines_;
}

QStringList RouteServer::requestedPaths() const
{
    QStringList out;
    for (const QString &line : requestLines()) {
        const QString path = QUrl::fromPercentEncoding(line.section(u' ', 1, 1).section(u'?', 0, 0).toLatin1());
        if (path != ErrorPath)
            out << path;
    }
    return out;
}

QList<ErrorReport> RouteServer::reports() const
{
    QMutexLocker lock(&mutex_);
    return reports_;
}

void RouteServer::onConnection()
{
    while (QTcpSocket *s = server_->nextPendingConnection()) {
        auto buffer = std::make_shared<QByteArray>();
        QObject::connect(s, &QTcpSocket::disconnected, s, &QObject::deleteLater);
        QObject::connect(s, &QTcpSocket::readyRead, s, [this, s, buffer] {
            *buffer += s->readAll();
            const qsizetype end = buffer->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QString line = QString::fromLatin1(buffer->left(buffer->indexOf("\r\n")));
            buffer->clear();
            {
                QMutexLocker lock(&mutex_);
                lines_ << line;
            }
            answer(s, line.section(u' ', 1, 1));
        });
    }
}

void RouteServer::answer(QTcpSocket *s, const QString &target)
{
    const QString path = QUrl::fromPercentEncoding(target.section(u'?', 0, 0).toLatin1());
    Route r{404, "Not Found"};
    if (path == ErrorPath) {
        const QUrlQuery q(target.section(u'?', 1));
        const auto value = [&q](const char *key) {
            return q.queryItemValue(QString::fromLatin1(key), QUrl::FullyDecoded);
        };
        QMutexLocker lock(&mutex_);
        reports_.append({value("errsub"), value("errno"), value("errdescript")});
        r = Route{200, "ok"};
    } else {
        QMutexLocker lock(&mutex_);
        if (auto it = routes_.find(path); it != routes_.end() && !it->isEmpty())
            r = it->size() > 1 ? it->takeFirst() : it->first();
    }
    const auto send = [this, s, r] {
        const QByteArray half = r.body.left(r.body.size() / 2);
        switch (r.shape) {
        case Route::Whole:
            s->write(head(r.status, r.body.size()) + r.body);
            s->disconnectFromHost();
            break;
        case Route::Short:
            s->write(head(r.status, r.body.size()) + half);
            s->disconnectFromHost();
            break;
        case Route::EarlyClose:
            s->write("HTTP/1.1 2");
            s->disconnectFromHost();
            break;
        case Route::Stall:
            s->write(head(r.status, r.body.size()) + half);
            break;
        case Route::Silent:
            break;
        case Route::Endless:
            s->write(head(r.status, -1));
            endless(s);
            break;
        case Route::Trickle:
            s->write(head(r.status, r.body.size()));
            trickle(s, r.body, r.pauseMs);
            break;
        }
    };
    if (r.delayMs > 0)
        QTimer::singleShot(r.delayMs, s, send);
    else
        send();
}

void RouteServer::endless(QTcpSocket *s)
{
    // About 1 MiB on the way at a time.
    const QByteArray piece(64 * 1024, 'e');
    auto feed = [this, s, piece] {
        while (s->state() == QAbstractSocket::ConnectedState && s->bytesToWrite() < 1024 * 1024
               && streamed_.loadRelaxed() < EndlessBytes)
            streamed_.fetchAndAddRelaxed(s->write(piece));
    };
    QObject::connect(s, &QTcpSocket::bytesWritten, s, feed);
    feed();
}

void RouteServer::trickle(QTcpSocket *s, const QByteArray &body, int pauseMs)
{
    auto *t = new QTimer(s);
    auto next = std::make_shared<qsizetype>(0);
    QObject::connect(t, &QTimer::timeout, s, [this, s, t, body, next] {
        if (*next >= body.size()) {
            t->stop();
            s->disconnectFromHost();
            return;
        }
        streamed_.fetchAndAddRelaxed(s->write(body.mid((*next)++, 1)));
    });
    t->start(pauseMs);
}

} // namespace ts
