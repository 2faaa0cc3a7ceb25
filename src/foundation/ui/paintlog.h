#pragma once
// A seam for measuring the start: when the environment variable
// EXAMSIM_PAINT_LOG names a file, the first paint of each window that calls
// notePaint appends one line to it, "<window> <clock> <processor>": the time
// on the monotonic clock that every process of the machine shares (so a
// parent that started the program can subtract its own time of the exec)
// and the processor time of the painting thread, the program's main thread,
// both in nanoseconds. Without the variable nothing is written. Header-only
// and QtCore alone: the bare Qt window that start-up times are compared with
// reports the same way.

#include <QByteArray>
#include <QByteArrayList>
#include <QFile>
#include <time.h>

namespace fnd {

inline void notePaint(const char *window)
{
    static const QByteArray path = qgetenv("EXAMSIM_PAINT_LOG");
    static QByteArrayList noted;
    if (path.isEmpty() || noted.contains(window))
        return;
    noted << window;
    auto ns = [](clockid_t clock) {
        timespec t{};
        clock_gettime(clock, &t);
        return QByteArray::number(qint64(t.tv_sec) * 1000000000 + t.tv_nsec);
    };
    const QByteArray line = QByteArray(window) + ' ' + ns(CLOCK_MONOTONIC) + ' ' + ns(CLOCK_THREAD_CPUTIME_ID) + '\n';
    QFile log(QFile::decodeName(path));
    if (log.open(QIODevice::WriteOnly | QIODevice::Append))
        log.write(line);
}

} // namespace fnd
