// The text request against a real local server: bodies of any status,
// trimming, GBK, a real time-out during which timers keep ticking and the
// process does not spin, and a request that gets no answer at all.
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/httptext.h"
#include "httpserver.h"
#include "reportlog.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <ctime>

class TstHttpText : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void answeredBody_data();
    void answeredBody();
    void silentServerTimesOut();
    void timeoutZeroGivesUpAtNextSecond();
    void noAnswerGivesEmptyTextAndReport();

private:
    QTemporaryDir dir_;
};

void TstHttpText::init()
{
    fnd::resetGlobals();
    fnd::setErrorEndpoint(QString());
    fnd::ErrLogFile = dir_.filePath("log.txt");
    QFile::remove(fnd::ErrLogFile);
}

void TstHttpText::answeredBody_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::newRow("200") << 200 << QByteArray("hello") << "hello";
    QTest::newRow("404 gives its page") << 404 << QByteArray("<h1>not here</h1>") << "<h1>not here</h1>";
    QTest::newRow("500 gives its page") << 500 << QByteArray("oops") << "oops";
    QTest::newRow("blanks trimmed, line breaks stay") << 200 << QByteArray("  \r\nab c\r\n  ") << "\r\nab c\r\n";
    QTest::newRow("GBK body") << 200 << gbk::encode(QStringLiteral("202401150900 题库")) << "202401150900 题库";
    QTest::newRow("empty body") << 200 << QByteArray() << "";
}

void TstHttpText::answeredBody()
{
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    ts::HttpServer server;
    QVERIFY(server.isListening());
    server.answer(status, body);
    QCOMPARE(fnd::getHtmlStr(server.base() + "/up/288895.txt?a=1", 2), text);
    QCOMPARE(server.requestLines(), QStringList{"GET /up/288895.txt?a=1 HTTP/1.1"});
}

void TstHttpText::silentServerTimesOut()
{
    ts::HttpServer server;
    server.setSilent(true);
    int ticks = 0;
    QTimer ticker;
    ticker.setInterval(100);
    connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start();

    QElapsedTimer wall;
    wall.start();
    const std::clock_t cpuStart = std::clock();
    const QString text = fnd::getHtmlStr(server.base() + "/x", 1);
    const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
    const qint64 waited = wall.elapsed();

    QCOMPARE(text, QStringLiteral("error-timeout，网络状况不好，请重试！"));
    QCOMPARE(server.requestLines().size(), 1);
    // One second's boundaries: gives up between 1 and 2 seconds after sending.
    QVERIFY2(waited >= 1000 && waited < 2600, qPrintable(QString::number(waited)));
    // The 100 ms timer kept ticking all along the wait.
    QVERIFY2(ticks >= int(waited / 100) - 3, qPrintable(QStringLiteral("%1 ticks in %2 ms").arg(ticks).arg(waited)));
    // The wait sleeps in the event loop instead of spinning a core.
    QVERIFY2(cpuMs < waited * 0.3, qPrintable(QStringLiteral("%1 ms of processor in %2 ms").arg(cpuMs).arg(waited)));
    // A time-out is no failure of its own.
    QVERIFY(!QFile::exists(fnd::ErrLogFile));
}

void TstHttpText::timeoutZeroGivesUpAtNextSecond()
{
    ts::HttpServer server;
    server.setSilent(true);
    QElapsedTimer wall;
    wall.start();
    QCOMPARE(fnd::getHtmlStr(server.base() + "/x", 0), fnd::TimeoutText);
    QVERIFY(wall.elapsed() <= 1500);
}

void TstHttpText::noAnswerGivesEmptyTextAndReport()
{
    quint16 closedPort;
    {
        ts::HttpServer gone;
        closedPort = gone.port();
    }
    const QString text = fnd::getHtmlStr(QStringLiteral("http://127.0.0.1:%1/x").arg(closedPort), 2);
    QCOMPARE(text, QString());
    QCOMPARE(fnd::ErrSub, QStringLiteral("getHtmlStr"));
    const QStringList r = ts::loggedReports(fnd::ErrLogFile);
    QCOMPARE(r.size(), 1);
    QVERIFY(r[0].startsWith(QStringLiteral("getHtmlStr")));
}

QTEST_GUILESS_MAIN(TstHttpText)
#include "tst_httptext.moc"
