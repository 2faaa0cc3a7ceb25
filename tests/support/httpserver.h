#pragma once
// A small HTTP server on 127.0.0.1 (a free port) for tests of the program's
// requests: it records what arrives and answers with a set status and body,
// keeps silent, or streams an answer that never ends.

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QStringList>
#include <QTcpServer>
#include <optional>

class QTcpSocket;

namespace ts {

class HttpServer
{
public:
    HttpServer();
    ~HttpServer();
    bool isListening() const { return server_.isListening(); }
    quint16 port() const { return server_.serverPort(); }
    // "http://127.0.0.1:<port>"
    QString base() const;

    // The answer to every request from now on.
    void answer(int status, const QByteArray &body);
    // The answer to requests for one path ("/x?a=1"), written exactly as
    // given, after which the server closes the connection.
    void answerRaw(const QString &target, const QByteArray &raw) { raw_.insert(target, raw); }
    // Accept connections and read requests, never answer.
    void setSilent(bool silent) { silent_ = silent; }

    // Answer every request with a stream that never ends: a status line and
    // header lines without end (Headers), or a complete header followed by a
    // body without end (Body). With a pause, one short piece each pause;
    // without, as fast as the connection takes it.
    enum class Stream { Headers, Body };
    void streamWithoutEnd(Stream what, int pauseMs = 0);

    // Connections the client has not closed yet.
    int openConnections() const;
    // Bytes sent on all connections so far.
    qint64 bytesSent() const { return sent_; }

    // The request lines received so far ("GET /path?query HTTP/1.1").
    QStringList requestLines() const { return requestLines_; }

private:
    void onConnection();
    void startStream(QTcpSocket *s);
    void feed(QTcpSocket *s);

    QTcpServer server_;
    QList<QTcpSocket *> open_;
    QStringList requestLines_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
    QHash<QString, QByteArray> raw_;
    std::optional<Stream> stream_;
    int pauseMs_ = 0;
    qint64 sent_ = 0;
};

} // namespace ts
