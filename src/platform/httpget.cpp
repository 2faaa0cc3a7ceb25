#include "platform/httpget.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

namespace net {

namespace {
// One manager for the program, owned by the application object so it goes
// before the application does.
QNetworkAccessManager *manager()
{
    static QPointer<QNetworkAccessManager> m;
    if (!m)
        m = new QNetworkAccessManager(QCoreApplication::instance());
    return m;
}
} // namespace

HttpGet::HttpGet(const QString &address, QObject *parent) : QObject(parent)
{
    QNetworkRequest request{QUrl(address)};
    reply_ = manager()->get(request);
    connect(reply_, &QNetworkReply::finished, this, &HttpGet::onFinished);
}

HttpGet::~HttpGet()
{
    if (reply_) {
        reply_->disconnect(this);
        if (!complete_)
            reply_->abort();
        reply_->deleteLater();
    }
}

void HttpGet::onFinished()
{
    complete_ = true;
    // A status code means a server answered; its body counts whatever the status.
    answered_ = reply_->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid();
    if (answered_) {
        body_ = reply_->readAll();
    } else {
        errorCode_ = int(reply_->error());
        errorText_ = reply_->errorString();
    }
    emit completed();
}

std::optional<QByteArray> HttpGet::body() const
{
    if (!complete_ || !answered_)
        return std::nullopt;
    return body_;
}

} // namespace net
