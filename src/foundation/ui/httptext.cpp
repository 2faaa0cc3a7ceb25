#include "foundation/ui/httptext.h"

#include "foundation/answertext.h"
#include "foundation/errreport.h"
#include "platform/ui/httpget.h"

#include <QDateTime>
#include <QEventLoop>
#include <QTimer>

namespace fnd {

QString getHtmlStr(const QString &address, qint16 seconds)
{
    plat::HttpGet request(address);

    // The time-out is counted in whole-second boundaries of the clock: it
    // strikes at the start of second (start second + seconds + 1).
    const qint64 startMs = QDateTime::currentMSecsSinceEpoch();
    const qint64 startSecond = startMs >= 0 ? startMs / 1000 : (startMs - 999) / 1000;
    const qint64 deadlineMs = (startSecond + seconds + 1) * 1000;

    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    QObject::connect(&request, &plat::HttpGet::completed, &loop, &QEventLoop::quit);
    QObject::connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    while (!request.isComplete()) {
        const qint64 left = deadlineMs - QDateTime::currentMSecsSinceEpoch();
        if (left <= 0)
            break;
        deadline.start(int(std::min<qint64>(left, 24 * 3600 * 1000)));
        loop.exec();
    }
    // Stopped here and now: nothing of it goes on after the return.
    request.abandon();
    if (!request.isComplete() || request.tooLarge())
        return TimeoutText;

    const auto body = request.body();
    if (!body) {
        // No answer at all (refused, bad address): a failure of its own, and
        // the caller sees it as it sees a time-out.
        trapError(QStringLiteral("getHtmlStr"), request.errorCode(), request.errorText());
        return TimeoutText;
    }
    return answerText(*body);
}

} // namespace fnd
