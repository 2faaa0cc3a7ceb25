// The text request against a real local server: bodies of any status,
// trimming, GBK, a real time-out during which timers keep ticking and the
// process does not spin, a request that gets no answer at all, and answers
// that never end.
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/ui/httptext.h"
#include "httpserver.h"
#include "reportlog.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <ctime>

namespace {
// What a request that got no complete answer returns.
const QString Timeout = QStringLiteral("error-timeout，网络状况不好，请重试！");
} // namespace

class TstHttpText : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void answeredBody_data();
    void answeredBody();
    void answerForms_data();
    void answerForms();
    void silentServerTimesOut();
    void timeoutZeroGivesUpAtNextSecond();
    void noAnswerGivesTimeoutTextAndReport_data();
    void noAnswerGivesTimeoutTextAndReport();
    void endlessAnswerIsCutOff_data();
    void endlessAnswerIsCutOff();

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
    QTest::newRow("GBK body") << 200 << fnd::encodeGbk(QStringLiteral("202401150900 题库")) << "202401150900 题库";
    QTest::newRow("empty body") << 200 << QByteArray() << "";
    QTest::newRow("1 MiB body") << 200 << QByteArray(1 << 20, 'a') << QString(1 << 20, u'a');
    QTest::newRow("larger than 1 MiB fails") << 200 << QByteArray((1 << 20) + 1, 'a') << Timeout;
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

void TstHttpText::answerForms_data()
{
    // The answer to "/x" as the server writes it; "/y" answers "moved here".
    QTest::addColumn<QByteArray>("raw");
    QTest::addColumn<QString>("text");
    QTest::newRow("chunked") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n"
                                           "5\r\nhello\r\n6;x=y\r\n world\r\n0\r\nX-After: 1\r\n\r\n")
                             << "hello world";
    QTest::newRow("body to the close") << QByteArray("HTTP/1.0 200 OK\r\n\r\n to the end ") << "to the end";
    QTest::newRow("interim answer first")
        << QByteArray("HTTP/1.1 100 Continue\r\n\r\nHTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok") << "ok";
    QTest::newRow("line ends without CR") << QByteArray("HTTP/1.1 200 OK\nContent-Length: 2\n\nok") << "ok";
    QTest::newRow("redirect") << QByteArray("HTTP/1.1 302 Found\r\nLocation: /y\r\nContent-Length: 0\r\n\r\n")
                              << "moved here";
    // Broken or too large: no answer.
    QTest::newRow("redirect loop") << QByteArray("HTTP/1.1 302 Found\r\nLocation: /x\r\n\r\n") << Timeout;
    QTest::newRow("cut short") << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 10\r\n\r\nshort") << Timeout;
    QTest::newRow("not HTTP") << QByteArray("hello\r\n\r\n") << Timeout;
    QTest::newRow("chunk over 1 MiB") << QByteArray("HTTP/1.1 200 OK\r\nTransfer-Encoding: chunked\r\n\r\n100001\r\n")
                                      << Timeout;
    QTest::newRow("stated length over 1 MiB")
        << QByteArray("HTTP/1.1 200 OK\r\nContent-Length: 1048577\r\n\r\nabc") << Timeout;
}

void TstHttpText::answerForms()
{
    QFETCH(QByteArray, raw);
    QFETCH(QString, text);
    ts::HttpServer server;
    server.answer(200, "moved here");
    server.answerRaw("/x", raw);
    QElapsedTimer wall;
    wall.start();
    QCOMPARE(fnd::getHtmlStr(server.base() + "/x", 2), text);
    // Each comes to its end without waiting for the time-out.
    QVERIFY2(wall.elapsed() < 1000, qPrintable(QString::number(wall.elapsed())));
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

    QCOMPARE(text, Timeout);
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
    QCOMPARE(fnd::getHtmlStr(server.base() + "/x", 0), Timeout);
    QVERIFY(wall.elapsed() <= 1500);
}

void TstHttpText::noAnswerGivesTimeoutTextAndReport_data()
{
    QTest::addColumn<QString>("address");
    QTest::newRow("connection refused") << "http://127.0.0.1:%1/x";
    QTest::newRow("unknown scheme") << "htp://127.0.0.1/x";
    QTest::newRow("no host") << "http:///x";
}

void TstHttpText::noAnswerGivesTimeoutTextAndReport()
{
    QFETCH(QString, address);
    quint16 closedPort;
    {
        ts::HttpServer gone;
        closedPort = gone.port();
    }
    if (address.contains("%1"))
        address = address.arg(closedPort);
    // Callers tell a failure by the leading "error".
    QCOMPARE(fnd::getHtmlStr(address, 2), Timeout);
    QCOMPARE(fnd::ErrSub, QStringLiteral("getHtmlStr"));
    const QStringList r = ts::loggedReports(fnd::ErrLogFile);
    QCOMPARE(r.size(), 1);
    QVERIFY(r[0].startsWith(QStringLiteral("getHtmlStr")));
}

void TstHttpText::endlessAnswerIsCutOff_data()
{
    QTest::addColumn<ts::HttpServer::Stream>("stream");
    QTest::addColumn<int>("pauseMs");
    QTest::newRow("body at full speed") << ts::HttpServer::Stream::Body << 0;
    QTest::newRow("headers at full speed") << ts::HttpServer::Stream::Headers << 0;
    QTest::newRow("body trickling") << ts::HttpServer::Stream::Body << 20;
    QTest::newRow("headers trickling") << ts::HttpServer::Stream::Headers << 20;
}

void TstHttpText::endlessAnswerIsCutOff()
{
    QFETCH(ts::HttpServer::Stream, stream);
    QFETCH(int, pauseMs);
    ts::HttpServer server;
    server.streamWithoutEnd(stream, pauseMs);

    QElapsedTimer wall;
    wall.start();
    const QString text = fnd::getHtmlStr(server.base() + "/x", 1);
    const qint64 waited = wall.elapsed();
    const qint64 sent = server.bytesSent();

    // More than 1 MiB, or no end within the time-out, is a failure.
    QCOMPARE(text, Timeout);
    QVERIFY2(waited < 2600, qPrintable(QString::number(waited)));
    // A slow stream holds the request no longer, and no shorter, than the
    // time-out.
    if (pauseMs > 0)
        QVERIFY2(waited >= 1000, qPrintable(QString::number(waited)));
    // What was taken in stays near the cap (the connection holds a few MiB
    // on its way).
    QVERIFY2(sent < 32 * 1024 * 1024, qPrintable(QString::number(sent)));
    // Nothing goes on after the call: the connection is closed and the
    // process idles (a transfer still running keeps a processor busy for the
    // whole wait; the sanitizers on a loaded machine take up to a quarter).
    QTRY_COMPARE(server.openConnections(), 0);
    const std::clock_t cpuStart = std::clock();
    QTest::qWait(500);
    const double cpuMs = double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC;
    QVERIFY2(cpuMs < 250, qPrintable(QStringLiteral("%1 ms of processor in 500 ms").arg(cpuMs)));
}

QTEST_GUILESS_MAIN(TstHttpText)
#include "tst_httptext.moc"
