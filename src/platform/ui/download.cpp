#include "platform/ui/download.h"

#include "platform/wholefile.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSaveFile>
#include <QThread>
#include <QTimer>
#include <memory>
#include <optional>

namespace plat {

namespace {

// What waits unread at a time, in the reply and in our hands: the server is
// held back to the pace the file takes the bytes.
constexpr qint64 ReadBuffer = 256 * 1024;

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
        // The body as sent, so that its length is the Content-Length.
        request.setRawHeader("Accept-Encoding", "identity");
        QNetworkReply *reply = network.get(request);
        reply->setReadBufferSize(ReadBuffer);

        QEventLoop loop;
        QElapsedTimer clock;
        clock.start();
        qint64 received = 0;
        bool refused = false;
        auto refuse = [&](const QString &reason) {
            if (refused)
                return;
            refused = true;
            why = reason;
            reply->abort();
        };
        const auto tooLarge = [&] { return QStringLiteral("The answer is larger than %1 bytes").arg(limits_.maxBytes); };
        QByteArray chunk(ReadBuffer, Qt::Uninitialized);
        auto take = [&] {
            while (!refused) {
                const qint64 n = reply->read(chunk.data(), chunk.size());
                if (n <= 0)
                    return;
                received += n;
                if (received > limits_.maxBytes)
                    refuse(tooLarge());
                else if (file && file->write(chunk.constData(), n) != n)
                    refuse(file->errorString());
                else if (!file)
                    bytes.append(chunk.constData(), n);
            }
        };
        QObject::connect(reply, &QNetworkReply::metaDataChanged, reply, [&] {
            const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
            if (length.isValid() && length.toLongLong() > limits_.maxBytes)
                refuse(tooLarge());
        });
        QObject::connect(reply, &QNetworkReply::readyRead, reply, take);
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        QTimer deadline;
        deadline.setSingleShot(true);
        QObject::connect(&deadline, &QTimer::timeout, reply, [&] {
            refuse(QStringLiteral("The transfer took longer than %1 ms").arg(limits_.totalMs));
        });
        deadline.start(limits_.totalMs);
        std::optional<PaceWatch> pace;
        QTimer paceTicks;
        if (limits_.pace) {
            pace.emplace(*limits_.pace);
            QObject::connect(&paceTicks, &QTimer::timeout, reply, [&] {
                if (!pace->keepsPace(clock.elapsed(), received))
                    refuse(QStringLiteral("Fewer than %1 bytes a second over %2 ms")
                               .arg(limits_.pace->bytesPerSecond)
                               .arg(limits_.pace->windowMs));
            });
            paceTicks.start(pace->noteEveryMs());
        }
        if (!reply->isFinished())
            loop.exec();
        take();

        const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
        if (refused) {
            // why is set
        } else if (reply->error() != QNetworkReply::NoError) {
            why = reply->errorString();
        } else if (status < 200 || status > 299) {
            why = QStringLiteral("HTTP status %1").arg(status);
        } else if (length.isValid() && length.toLongLong() != received) {
            why = QStringLiteral("The body ended after %1 of %2 bytes").arg(received).arg(length.toLongLong());
        } else if (file && !commitWhole(*file, received, &why)) {
            // why is set; the old file stays
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
