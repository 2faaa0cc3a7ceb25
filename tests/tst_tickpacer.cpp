// The tick pacing class: busy marking, the tick test and the paused wait,
// with real timers.
#include "foundation/tickpacer.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

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
    QTest::newRow("pause lifted") << false;
    QTest::newRow("stop requested") << true;
}

void TstTickPacer::waitEndsWhenAHandlerLiftsPauseOrStops()
{
    QFETCH(bool, byStop);
    fnd::P_Cls_Tick t;
    t.setOPause(true);
    // The handler runs inside the wait, after a few ticks of another timer.
    int ticks = 0;
    QTimer other;
    connect(&other, &QTimer::timeout, [&] {
        if (++ticks == 5)
            byStop ? t.setOStop(true) : t.setOPause(false);
    });
    other.start(10);
    t.WaitPauseOrStop(25);
    QVERIFY(ticks >= 5);
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
