#pragma once
// One HTTP GET through QtNetwork, in the shape the program's text request
// expects of its platform: started at once, asynchronous, complete once, with
// the raw response body of any answered request (error pages included).

#include <QByteArray>
#include <QObject>
#include <QString>
#include <optional>

class QNetworkReply;

namespace net {

class HttpGet : public QObject
{
    Q_OBJECT
public:
    // Sends the request; no request headers of our own are set.
    explicit HttpGet(const QString &address, QObject *parent = nullptr);
    // An unfinished request is abandoned.
    ~HttpGet() override;

    bool isComplete() const { return complete_; }

    // The raw body when a server answered (any status); nullopt when no
    // answer came (refused connection, unknown host, bad address) or the
    // request is not complete.
    std::optional<QByteArray> body() const;

    // Why no answer came: the network error's number and text.
    int errorCode() const { return errorCode_; }
    QString errorText() const { return errorText_; }

signals:
    void completed();

private:
    void onFinished();

    QNetworkReply *reply_ = nullptr;
    bool complete_ = false;
    bool answered_ = false;
    QByteArray body_;
    int errorCode_ = 0;
    QString errorText_;
};

} // namespace net
