#include "platform/ui/httpget.h"

#include <QSslSocket>
#include <QTcpSocket>
#include <utility>

namespace plat {

namespace {
// Numbers of the failures that are not the socket's own.
constexpr int BadAddress = -1;
constexpr int BrokenAnswer = -2;

// What a socket holds for us at a time: a fast endless answer waits in the
// connection, not in memory.
constexpr qint64 SocketBuffer = 64 * 1024;

bool isRedirect(int status) { return status == 301 || status == 302 || status == 303 || status == 307 || status == 308; }

QByteArray requestFor(const QUrl &url)
{
    QByteArray target = url.path(QUrl::FullyEncoded).toLatin1();
    if (target.isEmpty())
        target = "/";
    if (url.hasQuery())
        target += '?' + url.query(QUrl::FullyEncoded).toLatin1();
    QByteArray host = url.host(QUrl::FullyEncoded).toLatin1();
    if (host.contains(':'))
        host = '[' + host + ']';
    if (url.port() != -1)
        host += ':' + QByteArray::number(url.port());
    return "GET " + target + " HTTP/1.1\r\nHost: " + host + "\r\nConnection: close\r\n\r\n";
}
} // namespace

HttpGet::HttpGet(const QString &address, QObject *parent) : QObject(parent) { start(QUrl(address)); }

HttpGet::~HttpGet() { dropSocket(); }

void HttpGet::start(const QUrl &url)
{
    dropSocket();
    url_ = url;
    in_.clear();
    stage_ = Stage::Head;
    headBytes_ = 0;
    status_ = 0;
    contentLength_ = -1;
    chunked_ = false;
    chunkLeft_ = 0;
    location_.clear();
    body_.clear();

    const QString scheme = url.scheme().toLower();
    const bool tls = scheme == QLatin1String("https");
    if (!url.isValid() || (scheme != QLatin1String("http") && !tls) || url.host().isEmpty()) {
        fail(BadAddress, QStringLiteral("Bad address: ") + url.toString());
        return;
    }
    if (tls && !QSslSocket::supportsSsl()) {
        fail(BadAddress, QStringLiteral("No TLS support for ") + url.toString());
        return;
    }
    QAbstractSocket *s = tls ? new QSslSocket(this) : new QTcpSocket(this);
    socket_ = s;
    s->setReadBufferSize(SocketBuffer);
    connect(s, &QAbstractSocket::readyRead, this, &HttpGet::onReadyRead);
    connect(s, &QAbstractSocket::disconnected, this, &HttpGet::onClosed);
    connect(s, &QAbstractSocket::errorOccurred, this, &HttpGet::onSocketError);
    const QByteArray request = requestFor(url);
    const quint16 port = quint16(url.port(tls ? 443 : 80));
    if (tls) {
        auto *ssl = static_cast<QSslSocket *>(s);
        connect(ssl, &QSslSocket::encrypted, this, [ssl, request] { ssl->write(request); });
        ssl->connectToHostEncrypted(url.host(), port);
    } else {
        connect(s, &QAbstractSocket::connected, this, [s, request] { s->write(request); });
        s->connectToHost(url.host(), port);
    }
}

void HttpGet::abandon() { dropSocket(); }

void HttpGet::dropSocket()
{
    if (!socket_)
        return;
    // Closed here and now; the object goes once its own signals are done.
    QAbstractSocket *s = std::exchange(socket_, nullptr);
    s->disconnect(this);
    s->abort();
    s->deleteLater();
}

void HttpGet::onReadyRead()
{
    in_ += socket_->readAll();
    parse();
}

void HttpGet::onSocketError(QAbstractSocket::SocketError error)
{
    if (error == QAbstractSocket::RemoteHostClosedError)
        onClosed();
    else
        fail(int(error), socket_->errorString());
}

void HttpGet::onClosed()
{
    QAbstractSocket *s = socket_;
    if (!s)
        return;
    in_ += s->readAll();
    parse();
    if (complete_ || socket_ != s)
        return;
    // Without a length, the answer's body ends with the connection.
    if (stage_ == Stage::Body && contentLength_ < 0)
        succeed();
    else
        fail(int(QAbstractSocket::RemoteHostClosedError),
             QStringLiteral("The connection closed before the answer was complete"));
}

void HttpGet::parse()
{
    const QAbstractSocket *s = socket_;
    qsizetype pos = 0;
    // Until the data runs out, the request ends, or a redirect starts afresh.
    while (!complete_ && socket_ == s && pos < in_.size()) {
        if (stage_ == Stage::Body || stage_ == Stage::ChunkData) {
            qint64 n = in_.size() - pos;
            if (stage_ == Stage::ChunkData)
                n = qMin(n, chunkLeft_);
            else if (contentLength_ >= 0)
                n = qMin(n, contentLength_ - body_.size());
            body_.append(in_.constData() + pos, n);
            pos += n;
            if (body_.size() > MaxBody) {
                refuseAsTooLarge();
            } else if (stage_ == Stage::ChunkData) {
                chunkLeft_ -= n;
                if (chunkLeft_ == 0)
                    stage_ = Stage::ChunkEnd;
            } else if (contentLength_ >= 0 && body_.size() == contentLength_) {
                succeed();
            }
            continue;
        }
        const qsizetype end = in_.indexOf('\n', pos);
        const qint64 lineBytes = (end < 0 ? in_.size() : end + 1) - pos;
        if (headBytes_ + lineBytes > MaxHead) {
            refuseAsTooLarge();
            break;
        }
        if (end < 0)
            break;
        headBytes_ += lineBytes;
        QByteArray line = in_.mid(pos, end - pos);
        pos = end + 1;
        if (line.endsWith('\r'))
            line.chop(1);
        onLine(line);
    }
    if (socket_ == s && !complete_)
        in_.remove(0, pos);
}

void HttpGet::onLine(const QByteArray &line)
{
    switch (stage_) {
    case Stage::Head:
        if (status_ == 0) {
            // "HTTP/1.1 200 OK"
            bool ok = false;
            const int status = line.startsWith("HTTP/") ? line.split(' ').value(1).toInt(&ok) : 0;
            if (!ok || status < 100 || status > 999)
                fail(BrokenAnswer, QStringLiteral("Not an HTTP answer"));
            else
                status_ = status;
        } else if (line.isEmpty()) {
            headDone();
        } else if (const qsizetype colon = line.indexOf(':'); colon > 0) {
            const QByteArray name = line.left(colon).trimmed().toLower();
            const QByteArray value = line.mid(colon + 1).trimmed();
            if (name == "content-length") {
                bool ok = false;
                contentLength_ = value.toLongLong(&ok);
                if (!ok || contentLength_ < 0)
                    fail(BrokenAnswer, QStringLiteral("Bad Content-Length"));
            } else if (name == "transfer-encoding") {
                chunked_ = value.toLower().contains("chunked");
            } else if (name == "location") {
                location_ = value;
            }
        }
        return;
    case Stage::ChunkSize: {
        // Hex digits, then maybe ";extension".
        const qsizetype semicolon = line.indexOf(';');
        const QByteArray digits = (semicolon < 0 ? line : line.left(semicolon)).trimmed();
        bool ok = false;
        const qint64 size = digits.toLongLong(&ok, 16);
        if (!ok || size < 0)
            fail(BrokenAnswer, QStringLiteral("Bad chunk size"));
        else if (size == 0)
            stage_ = Stage::Trailer;
        else if (body_.size() + size > MaxBody)
            refuseAsTooLarge();
        else {
            chunkLeft_ = size;
            stage_ = Stage::ChunkData;
        }
        return;
    }
    case Stage::ChunkEnd:
        if (line.isEmpty())
            stage_ = Stage::ChunkSize;
        else
            fail(BrokenAnswer, QStringLiteral("Bad chunk end"));
        return;
    case Stage::Trailer:
        if (line.isEmpty())
            succeed();
        return;
    case Stage::Body:
    case Stage::ChunkData:
        return;
    }
}

void HttpGet::headDone()
{
    if (status_ < 200) {
        // An interim answer: the real one follows on the same connection.
        status_ = 0;
        contentLength_ = -1;
        chunked_ = false;
        location_.clear();
        return;
    }
    if (isRedirect(status_) && !location_.isEmpty()) {
        const QUrl next = url_.resolved(QUrl::fromEncoded(location_));
        if (++redirects_ > MaxRedirects)
            fail(BrokenAnswer, QStringLiteral("Too many redirects"));
        else if (url_.scheme().toLower() == QLatin1String("https") && next.scheme().toLower() != QLatin1String("https"))
            fail(BrokenAnswer, QStringLiteral("Redirect to an unencrypted address refused"));
        else
            start(next);
        return;
    }
    if (status_ == 204 || status_ == 304 || contentLength_ == 0)
        succeed();
    else if (chunked_)
        stage_ = Stage::ChunkSize;
    else if (contentLength_ > MaxBody)
        refuseAsTooLarge();
    else
        stage_ = Stage::Body;
}

void HttpGet::succeed()
{
    answered_ = true;
    finish();
}

void HttpGet::fail(int code, const QString &text)
{
    errorCode_ = code;
    errorText_ = text;
    answered_ = false;
    body_.clear();
    finish();
}

void HttpGet::refuseAsTooLarge()
{
    tooLarge_ = true;
    answered_ = false;
    body_.clear();
    finish();
}

void HttpGet::finish()
{
    dropSocket();
    complete_ = true;
    emit completed();
}

std::optional<QByteArray> HttpGet::body() const
{
    if (!complete_ || !answered_ || tooLarge_)
        return std::nullopt;
    return body_;
}

} // namespace plat
