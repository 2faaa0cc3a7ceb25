#include "platform/ui/download.h"

#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <memory>

namespace plat {

namespace {

// One transfer on a thread of its own, with its own event loop and network
// access; the caller only starts it and waits for its end.
class Transfer : public QThread
{
public:
    Transfer(const QString &address, const QString &path, const DownloadLimits &limits)
        : address_(address), path_(path), limits_(limits)
    {
    }

    bool ok = false;
    QByteArray bytes; // the body, when no path was given
    QString why;

protected:
    void run() override
    {
        std::unique_ptr<QSaveFile> file;
        if (!path_.isEmpty()) {
            // A missing folder, a folder or a read-only file at the target:
            // failed before anything is requested.
            // A file marked read-only is kept, whoever runs the program.
            const QFileInfo existing(path_);
            if (existing.isFile() && !(existing.permissions() & QFileDevice::WriteOwner)) {
                why = QStringLiteral("The file is read-only: ") + path_;
                return;
            }
            file = std::make_unique<QSaveFile>(path_);
            if (!file->open(QIODevice::WriteOnly)) {
                why = file->errorString();
                return;
            }
        }
        QNetworkAccessManager network;
        QNetworkRequest request{QUrl(address_)};
        request.setTransferTimeout(limits_.idleMs);
        // The body as sent, so that its length is the Content-Length.
        request.setRawHeader("Accept-Encoding", "identity");
        QNetworkReply *reply = network.get(request);

        qint64 received = 0;
        bool refused = false;
        auto take = [&] {
            const QByteArray chunk = reply->readAll();
            received += chunk.size();
            if (limits_.maxBytes >= 0 && received > limits_.maxBytes) {
                refused = true;
                why = QStringLiteral("The answer is larger than %1 bytes").arg(limits_.maxBytes);
            } else if (file && file->write(chunk) != chunk.size()) {
                refused = true;
                why = file->errorString();
            } else if (!file) {
                bytes += chunk;
            }
            if (refused)
                reply->abort();
        };
        QEventLoop loop;
        QTimer deadline;
        deadline.setSingleShot(true);
        bool late = false;
        QObject::connect(reply, &QNetworkReply::readyRead, reply, [&] {
            if (!refused)
                take();
        });
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
            late = true;
            reply->abort();
        });
        deadline.start(limits_.totalMs);
        if (!reply->isFinished())
            loop.exec();
        if (!refused && reply->bytesAvailable() > 0)
            take();

        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (refused) {
            // why is set
        } else if (late) {
            why = QStringLiteral("The transfer took longer than %1 ms").arg(limits_.totalMs);
        } else if (reply->error() != QNetworkReply::NoError) {
            why = reply->errorString();
        } else if (status < 200 || status > 299) {
            why = QStringLiteral("HTTP status %1").arg(status);
        } else if (length.isValid() && length.toLongLong() != received) {
            why = QStringLiteral("The body ended after %1 of %2 bytes").arg(received).arg(length.toLongLong());
        } else if (file && !file->commit()) {
            why = file->errorString();
        } else {
            ok = true;
        }
        delete reply;
    }

private:
    QString address_;
    QString path_;
    DownloadLimits limits_;
};

} // namespace

bool downloadToFile(const QString &address, const QString &path, const DownloadLimits &limits, QString *why)
{
    if (path.isEmpty()) {
        if (why)
            *why = QStringLiteral("No target file");
        return false;
    }
    Transfer t(address, path, limits);
    t.start();
    t.wait();
    if (why)
        *why = t.why;
    return t.ok;
}

std::optional<QByteArray> downloadBytes(const QString &address, const DownloadLimits &limits, QString *why)
{
    Transfer t(address, QString(), limits);
    t.start();
    t.wait();
    if (why)
        *why = t.why;
    if (!t.ok)
        return std::nullopt;
    return t.bytes;
}

} // namespace plat
