#pragma once
// src/platform/ui/ (layer 0, UI library, namespace plat): the platform
// services that need the network or widgets: the HTTP request, the
// platform's message box, the order of the program's windows.
//
// One HTTP GET, in the shape the program's text request expects of its
// platform: started at once, asynchronous, complete once, with the raw
// response body of any answered request (error pages included).
//
// The request runs on the calling thread over one socket of its own (HTTP/1.1,
// http and https, redirects followed), so that what it takes in stays
// bounded: header lines beyond MaxHead or a body beyond MaxBody make it a
// failure at once, and abandoning it closes its socket there and then; no
// network work of it goes on elsewhere.

#include <QAbstractSocket>
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUrl>
#include <optional>

namespace plat {

class HttpGet : public QObject
{
    Q_OBJECT
public:
    // The largest body a request takes in.
    static constexpr qint64 MaxBody = 1 << 20;
    // The most that the status line, header lines and chunk lines of one
    // answer may take together.
    static constexpr qint64 MaxHead = 64 * 1024;
    static constexpr int MaxRedirects = 5;

    // Sends the request; the only request headers are the host and that the
    // connection closes after the answer.
    explicit HttpGet(const QString &address, QObject *parent = nullptr);
    // An unfinished request is abandoned.
    ~HttpGet() override;

    bool isComplete() const { return complete_; }

    // The raw body when a server answered in full (any status); nullopt when
    // no answer came (refused connection, unknown host, bad address, broken
    // answer), the answer was too large, or the request is not complete.
    std::optional<QByteArray> body() const;

    // Why no answer came: a number and a text.
    int errorCode() const { return errorCode_; }
    QString errorText() const { return errorText_; }
    // True when the answer was larger than the bounds above.
    bool tooLarge() const { return tooLarge_; }

    // Stops the request and closes its connection; an incomplete request
    // stays incomplete.
    void abandon();

signals:
    void completed();

private:
    enum class Stage { Head, Body, ChunkSize, ChunkData, ChunkEnd, Trailer };

    void start(const QUrl &url);
    void onReadyRead();
    void onClosed();
    void onSocketError(QAbstractSocket::SocketError error);
    // Consumes what it can of in_: header lines, chunk lines, body bytes.
    void parse();
    void onLine(const QByteArray &line);
    void headDone();
    void succeed();
    void fail(int code, const QString &text);
    void refuseAsTooLarge();
    void finish();
    void dropSocket();

    QUrl url_;
    int redirects_ = 0;
    QAbstractSocket *socket_ = nullptr;
    QByteArray in_;
    Stage stage_ = Stage::Head;
    qint64 headBytes_ = 0;
    int status_ = 0;
    qint64 contentLength_ = -1;
    bool chunked_ = false;
    qint64 chunkLeft_ = 0;
    QByteArray location_;

    bool complete_ = false;
    bool answered_ = false;
    bool tooLarge_ = false;
    QByteArray body_;
    int errorCode_ = 0;
    QString errorText_;
};

} // namespace plat
