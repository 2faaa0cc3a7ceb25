#include "foundation/tickpacer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <climits>

namespace fnd {

quint32 P_Cls_Tick::tickCount()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return quint32(clock.msecsSinceReference() + clock.elapsed());
}

P_Cls_Tick::P_Cls_Tick(QObject *parent) : QObject(parent), startTick_(tickCount()), lastTick_(startTick_) {}

qint32 P_Cls_Tick::CrossedTick() const
{
    const quint32 d = tickCount() - startTick_;
    return d > quint32(INT_MAX) ? INT_MAX : qint32(d);
}

bool P_Cls_Tick::InitTick(bool bResetPauseAndStop)
{
    if (busy_)
        return false;
    startTick_ = lastTick_ = tickCount();
    busy_ = true;
    if (bResetPauseAndStop) {
        pause_ = false;
        emit HavePause(false);
        stop_ = false;
    }
    emit Busy(true);
    return true;
}

void P_Cls_Tick::OverTick()
{
    busy_ = false;
    emit Busy(false);
}

void P_Cls_Tick::WaitPauseOrStop(qint32 lWaitTime)
{
    while (pause_ && !stop_)
        PumpWait(lWaitTime);
}

bool P_Cls_Tick::DoTickEvents(qint32 lTicks, bool bWaitPauseOrStopForOver, qint32 lWaitPauseOrStopWaitTime)
{
    const quint32 now = tickCount();
    if (lTicks > 0 && now - lastTick_ < quint32(lTicks))
        return false;
    lastTick_ = now;
    emit TickOk();
    if (bWaitPauseOrStopForOver)
        WaitPauseOrStop(lWaitPauseOrStopWaitTime);
    QCoreApplication::processEvents();
    return true;
}

void P_Cls_Tick::setOPause(bool value)
{
    pause_ = value;
    emit HavePause(value);
}

void P_Cls_Tick::setOStop(bool value)
{
    stop_ = value;
    emit HaveStop(value);
}

bool P_Cls_Tick::PumpWait(qint32 ms)
{
    // Whole milliseconds of its own clock: two tick counts, each cut to the
    // millisecond, can differ by ms after only ms - 1 have passed.
    QElapsedTimer clock;
    clock.start();
    // At least 1 ms a step, so a wait of 0 does not spin.
    const int step = ms < 10 ? std::max(ms, 1) : 10;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    do {
        timer.start(step);
        loop.exec();
    } while (clock.elapsed() < qint64(ms));
    return true;
}

} // namespace fnd
