// The tick pacing class: busy marking, the tick test and the paused wait,
// with real timers.
#include "foundation/tickpacer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <ctime>

namespace {
// Opens the protected wait for the test.
struct Pacer : fnd::P_Cls_Tick {
    using fnd::P_Cls_Tick::PumpWait;
};
} // namespace

class TstTickPacer : public QObject
{
    Q_OBJECT
private slots:
    void initTickWhileBusy();
    void initTickResetsPauseAndStop();
    void doTickEventsFiresOncePerInterval();
    void waitReturnsAtOnceUnlessPaused();
    void waitEndsWhenAHandlerLiftsPauseOrStops_data();
    void waitEndsWhenAHandlerLiftsPauseOrStops();
    void pumpWaitHandlesEventsForItsTime();
};

void TstTickPacer::initTickWhileBusy()
{
    fnd::P_Cls_Tick t;
    QSignalSpy busy(&t, &fnd::P_Cls_Tick::Busy);
    QVERIFY(t.InitTick(false));
    QVERIFY(t.isBusy());
    QVERIFY(!t.InitTick(true));
    QCOMPARE(busy.size(), 1);
    t.OverTick();
    QVERIFY(!t.isBusy());
    QVERIFY(t.InitTick(false));
    QCOMPARE(busy.size(), 3);
    QCOMPARE(busy[0][0].toBool(), true);
    QCOMPARE(busy[1][0].toBool(), false);
}

void TstTickPacer::initTickResetsPauseAndStop()
{
    fnd::P_Cls_Tick t;
    t.setOPause(true);
    t.setOStop(true);
    QSignalSpy pause(&t, &fnd::P_Cls_Tick::HavePause);
    QSignalSpy stop(&t, &fnd::P_Cls_Tick::HaveStop);
    QVERIFY(t.InitTick(true));
    QVERIFY(!t.oPause() && !t.oStop());
    QCOMPARE(pause.size(), 1);
    QCOMPARE(pause[0][0].toBool(), false);
    QCOMPARE(stop.size(), 0); // the stop is cleared without an event
}

void TstTickPacer::doTickEventsFiresOncePerInterval()
{
    fnd::P_Cls_Tick t;
    QSignalSpy ok(&t, &fnd::P_Cls_Tick::TickOk);
    QVERIFY(!t.DoTickEvents(60000, false, 0)); // not a minute since creation
    QVERIFY(t.DoTickEvents(0, false, 0));
    QVERIFY(!t.DoTickEvents(60000, false, 0));
    QCOMPARE(ok.size(), 1);
    bool fired = false; // QTRY_* evaluates its condition more than once
    QTRY_VERIFY(fired || (fired = t.DoTickEvents(20, false, 0)));
    QCOMPARE(ok.size(), 2);
}

void TstTickPacer::waitReturnsAtOnceUnlessPaused()
{
    fnd::P_Cls_Tick t;
    QElapsedTimer e;
    e.start();
    t.WaitPauseOrStop(1000);
    t.setOPause(true);
    t.setOStop(true);
    t.WaitPauseOrStop(1000);
    QVERIFY(e.elapsed() < 1000);
}

void TstTickPacer::waitEndsWhenAHandlerLiftsPauseOrStops_data()
{
    QTest::addColumn<bool>("byStop");
    QTest::addColumn<int>("waitTime");
    QTest::newRow("pause lifted") << false << 25;
    QTest::newRow("stop requested") << true << 25;
    QTest::newRow("wait time 0 does not spin") << false << 0;
}

void TstTickPacer::waitEndsWhenAHandlerLiftsPauseOrStops()
{
    QFETCH(bool, byStop);
    QFETCH(int, waitTime);
    fnd::P_Cls_Tick t;
    t.setOPause(true);
    // The handler runs inside the wait, after a few ticks of another timer.
    int ticks = 0;
    QTimer other;
    connect(&other, &QTimer::timeout, [&] {
        if (++ticks == 5)
            byStop ? t.setOStop(true) : t.setOPause(false);
    });
    other.start(40);
    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    t.WaitPauseOrStop(waitTime);
    const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
    QVERIFY(ticks >= 5);
    // The wait sleeps between its steps.
    QVERIFY2(cpuMs < wall.elapsed() * 0.5, qPrintable(QStringLiteral("%1 ms of processor in %2 ms").arg(cpuMs).arg(wall.elapsed())));
}

void TstTickPacer::pumpWaitHandlesEventsForItsTime()
{
    Pacer t;
    bool handled = false;
    QTimer::singleShot(0, [&] { handled = true; });
    QElapsedTimer e;
    e.start();
    QVERIFY(t.PumpWait(25));
    QVERIFY(e.elapsed() >= 25);
    QVERIFY(handled);
}

QTEST_GUILESS_MAIN(TstTickPacer)
#include "tst_tickpacer.moc"
