#pragma once
// An HTTP server on 127.0.0.1 (a free port) that answers from a thread of its
// own, so that a client which blocks its thread while it waits (a download)
// is still answered. Each path has its own answer: a status and body, a
// delay, a body cut short under a larger Content-Length, an early close, a
// stall after half the body, silence, a body without a length that never
// ends, or a body trickled a byte at a time. Unrouted paths get 404. It logs the
// request lines, and its error route (/up/error/submit.asp) collects the
// error reports the program sends.

#include <QAtomicInteger>
#include <QByteArray>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThread>

class QTcpServer;
class QTcpSocket;

namespace ts {

struct Route
{
    enum Shape {
        Whole,      // status, headers with the Content-Length, the body, close
        Short,      // the Content-Length of the body, half the body, close
        EarlyClose, // half the status line, close
        Stall,      // the Content-Length of the body, half the body, then nothing
        Silent,     // nothing at all
        Endless,    // headers without a length, then a body without end, as
                    // fast as the connection takes it (EndlessBytes at most)
        Trickle,    // the Content-Length of the body, then one byte of it
                    // every pauseMs, then close
    };
    int status = 200;
    QByteArray body;
    Shape shape = Whole;
    int delayMs = 0;    // before the answer starts
    int pauseMs = 1000; // Trickle: between two bytes
};

// An endless body stops growing here (the connection stays open), so that a
// client which keeps what it reads fails its test rather than filling the
// machine's memory.
constexpr qint64 EndlessBytes = qint64(768) << 20;

// One report the error route received: its decoded query values.
struct ErrorReport
{
    QString errsub;
    QString errno_;
    QString errdescript;
};

class RouteServer
{
public:
    RouteServer();
    ~RouteServer();
    bool isListening() const { return port_ != 0; }
    // "http://127.0.0.1:<port>/"
    QString base() const;

    // The answer to requests for a path (decoded, without the query, e.g.
    // "/up/quilt/标题/wydata/288895.txt").
    void route(const QString &path, const Route &r);
    void route(const QString &path, int status, const QByteArray &body) { route(path, Route{status, body}); }
    // Successive requests for the path get these answers in turn, the last
    // one from then on.
    void routeInTurn(const QString &path, const QList<Route> &answers);

    // The request lines received so far, as sent ("GET /up/%E8... HTTP/1.1").
    QStringList requestLines() const;
    // The paths requested so far, decoded, without the query, error reports
    // left out.
    QStringList requestedPaths() const;
    QList<ErrorReport> reports() const;
    // Bytes of endless and trickled bodies sent so far.
    qint64 streamedBytes() const { return streamed_.loadRelaxed(); }

private:
    void onConnection();
    void answer(QTcpSocket *s, const QString &target);
    void endless(QTcpSocket *s);
    void trickle(QTcpSocket *s, const QByteArray &body, int pauseMs);

    QThread thread_;
    QTcpServer *server_ = nullptr; // lives in thread_
    quint16 port_ = 0;
    mutable QMutex mutex_;
    QHash<QString, QList<Route>> routes_;
    QStringList lines_;
    QList<ErrorReport> reports_;
    QAtomicInteger<qint64> streamed_ = 0;
};

} // namespace ts
