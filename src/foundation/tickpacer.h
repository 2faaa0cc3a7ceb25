#pragma once
// Pacing work in the user-interface thread: has a number of milliseconds
// passed since the last tick, mark a piece of work busy, and wait responsively
// while paused. Part of the toolbox; nothing creates one yet.

#include <QObject>

namespace fnd {

class P_Cls_Tick : public QObject
{
    Q_OBJECT
public:
    explicit P_Cls_Tick(QObject *parent = nullptr);

    // Milliseconds since the start tick.
    qint32 CrossedTick() const;
    qint32 CrossedTicks() const { return CrossedTick(); }

    // Starts a piece of work: false (and nothing changes) while busy.
    bool InitTick(bool bResetPauseAndStop);
    void OverTick();
    // Waits, handling events, while paused and not stopped.
    void WaitPauseOrStop(qint32 lWaitTime);
    // True (after TickOk) when lTicks milliseconds have passed since the last
    // tick that fired.
    bool DoTickEvents(qint32 lTicks, bool bWaitPauseOrStopForOver, qint32 lWaitPauseOrStopWaitTime);

    bool oPause() const { return pause_; }
    void setOPause(bool value);
    bool oStop() const { return stop_; }
    void setOStop(bool value);
    bool isBusy() const { return busy_; }

    // The tick counter: milliseconds of a monotonic clock, 32 bits, wrapping.
    // Differences are taken modulo 2^32, so a wrap between two readings does
    // not disturb them.
    static quint32 tickCount();

signals:
    void TickOk();
    void Busy(bool busy);
    void HavePause(bool pause);
    void HaveStop(bool stop);

protected:
    // Handles events for at least ms milliseconds, waiting in steps of ms
    // (below 10) or 10 ms; never spins.
    bool PumpWait(qint32 ms);

private:
    quint32 startTick_;
    quint32 lastTick_;
    bool pause_ = false;
    bool stop_ = false;
    bool busy_ = false;
};

} // namespace fnd
