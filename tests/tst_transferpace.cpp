// The slowest pace a download may keep: under 1 KiB a second over any 30
// seconds fails. Each row notes the bytes received by the end of every
// second, as a transfer's once-a-second check does.
#include "platform/transferpace.h"

#include <QtTest>
#include <functional>

using Received = std::function<qint64(int second)>;
Q_DECLARE_METATYPE(Received)

class TstTransferPace : public QObject
{
    Q_OBJECT
private slots:
    void firstFailure_data();
    void firstFailure();
};

void TstTransferPace::firstFailure_data()
{
    constexpr qint64 KiB = 1024;
    QTest::addColumn<Received>("received");
    QTest::addColumn<int>("failsAt"); // the second of the first failure; 0 never in two minutes
    QTest::newRow("1 KiB a second") << Received([](int t) { return KiB * t; }) << 0;
    QTest::newRow("just under 1 KiB a second") << Received([](int t) { return (KiB - 1) * t; }) << 30;
    QTest::newRow("a byte a second") << Received([](int t) { return qint64(t); }) << 30;
    QTest::newRow("nothing") << Received([](int) { return qint64(0); }) << 30;
    QTest::newRow("30 KiB in the first second, then nothing") << Received([](int) { return 30 * KiB; }) << 31;
    QTest::newRow("40 KiB at once every 25 s") << Received([](int t) { return 40 * KiB * ((t + 24) / 25); }) << 0;
    QTest::newRow("40 KiB at once every 35 s") << Received([](int t) { return 40 * KiB * ((t + 34) / 35); }) << 31;
    QTest::newRow("1 MiB a second, then a byte a second after a minute")
        << Received([](int t) { return t <= 60 ? KiB * KiB * t : 60 * KiB * KiB + t - 60; }) << 90;
}

void TstTransferPace::firstFailure()
{
    QFETCH(Received, received);
    QFETCH(int, failsAt);
    plat::PaceWatch watch{plat::TransferPace{}};
    int failed = 0;
    for (int t = 1; t <= 120 && !failed; ++t)
        if (!watch.keepsPace(t * 1000, received(t)))
            failed = t;
    QCOMPARE(failed, failsAt);
}

QTEST_GUILESS_MAIN(TstTransferPace)
#include "tst_transferpace.moc"
