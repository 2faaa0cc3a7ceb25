#pragma once
// A small HTTP server on 127.0.0.1 (a free port) for tests of the program's
// requests: it records what arrives and answers with a set status and body,
// or keeps silent.

#include <QByteArray>
#include <QList>
#include <QStringList>
#include <QTcpServer>

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
    // Accept connections and read requests, never answer.
    void setSilent(bool silent) { silent_ = silent; }

    // The request lines received so far ("GET /path?query HTTP/1.1").
    QStringList requestLines() const { return requestLines_; }

private:
    void onConnection();

    QTcpServer server_;
    QList<QTcpSocket *> open_;
    QStringList requestLines_;
    int status_ = 200;
    QByteArray body_;
    bool silent_ = false;
};

} // namespace ts
