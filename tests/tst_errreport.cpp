// Error reports: the exact log entry in GBK, the exact request the endpoint
// receives, and reports that never nest.
#include "app/startup.h"
#include "foundation/errreport.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "httpserver.h"
#include "reportlog.h"
#include "run/runstate.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using ts::fileBytes;
static QStringList reported(const QString &log) { return ts::loggedReports(log); }

class TstErrReport : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void logEntryBytes();
    void twoReportsInOneSecond();
    void noLogBeforeItIsNamed();
    void longTextIsBoundedAndWhole();
    void requestLine_data();
    void requestLine();
    void failedSendIsLoggedNotReportedAgain();
    void reportDuringAWaitIsNotSent();

private:
    QTemporaryDir dir_;
    QString log_;
};

void TstErrReport::init()
{
    // The report's sender and bank version, as the program's start wires them.
    app::wire();
    fnd::resetGlobals();
    run::resetRunState();
    fnd::setErrorEndpoint(QString());
    fnd::ExamTitle = QStringLiteral("计算机应用能力考试");
    fnd::OsVer = QStringLiteral("6.1");
    run::BankVersion = QStringLiteral("202401150900");
    // The log's folder does not exist yet: the report creates it.
    log_ = dir_.filePath(QStringLiteral("ksdata/20240305140709.txt"));
    fnd::ErrLogFile = log_;
}

void TstErrReport::cleanup()
{
    QFile::remove(log_);
    QDir(dir_.filePath("ksdata")).removeRecursively();
}

void TstErrReport::logEntryBytes()
{
    const QDateTime before = QDateTime::currentDateTime();
    fnd::trapError(QStringLiteral("readInfo"), 53, QStringLiteral("File not found"));
    const QDateTime after = QDateTime::currentDateTime();

    const QByteArray bytes = fileBytes(log_);
    const QByteArray stamp = bytes.mid(2, 19);
    const QDateTime at = QDateTime::fromString(QString::fromLatin1(stamp), QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    QVERIFY(at.isValid());
    QVERIFY(at >= before.addMSecs(-before.time().msec()) && at <= after);
    const QByteArray expected = "\r\n" + stamp + "\r\n"
                                "\xC8\xED\xBC\xFE\xD4\xCB\xD0\xD0\xCC\xE1\xCA\xBE:readInfoFile not found\r\n"
                                "\xCF\xB5\xCD\xB3\xB0\xE6\xB1\xBE:6.1,\xC8\xED\xBC\xFE\xB0\xE6\xB1\xBE:202401150900,53\r\n"
                                "\r\n";
    QCOMPARE(bytes, expected);
}

void TstErrReport::twoReportsInOneSecond()
{
    fnd::trapError(QStringLiteral("clickbotn"), -5, QStringLiteral("a"));
    fnd::trapError(QStringLiteral("clickbotn"), 7, QStringLiteral("b"));
    const QStringList lines = *fnd::readLines(log_);
    QCOMPARE(lines.size(), 10);
    QCOMPARE(lines[3], QStringLiteral("系统版本:6.1,软件版本:202401150900,-5"));
    QCOMPARE(lines[7], QStringLiteral("软件运行提示:clickbotnb"));
    QVERIFY(QRegularExpression("^\\d{4}-\\d\\d-\\d\\d \\d\\d:\\d\\d:\\d\\d$").match(lines[6]).hasMatch());
}

void TstErrReport::noLogBeforeItIsNamed()
{
    fnd::ErrLogFile.clear();
    fnd::trapError(QStringLiteral("startload"), 1, QStringLiteral("x"));
    QVERIFY(!QFile::exists(log_));
}

// A bank version of megabytes (a damaged version file) makes no entry of
// megabytes: the entry is cut to its bound and still ends its lines; the
// entry before it stays as it was.
void TstErrReport::longTextIsBoundedAndWhole()
{
    fnd::trapError(QStringLiteral("readInfo"), 53, QStringLiteral("File not found"));
    const QByteArray first = fileBytes(log_);
    run::BankVersion = QString(5 * 1024 * 1024, u'9');
    fnd::trapError(QStringLiteral("fengmaincsh"), 53, QStringLiteral("File not found"));
    const QByteArray bytes = fileBytes(log_);
    QVERIFY(bytes.startsWith(first));
    const QByteArray second = bytes.mid(first.size());
    // An empty line, the time, the text's first 4096 characters, a line end.
    QCOMPARE(fnd::decodeGbk(second).size(), 2 + 19 + 2 + 4096 + 2);
    QVERIFY(second.startsWith("\r\n"));
    QVERIFY(second.endsWith("9999\r\n"));
    QVERIFY(second.mid(23).startsWith("\xC8\xED\xBC\xFE\xD4\xCB\xD0\xD0\xCC\xE1\xCA\xBE:fengmaincshFile not found\r\n"));
}

void TstErrReport::requestLine_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<long>("number");
    QTest::addColumn<QString>("query");
    const QString head = QStringLiteral("pronm=%E8%AE%A1%E7%AE%97%E6%9C%BA%E5%BA%94%E7%94%A8%E8%83%BD%E5%8A%9B%E8%80%83%E8%AF%95"
                                        "&pver=202401150900&osver=6.1&errsub=readInfo");
    QTest::newRow("plain") << "File not found" << 53L << head + "&errno=53&errdescript=File%20not%20found";
    QTest::newRow("cannot inject keys") << "a&errno=1&x=y" << -2L
                                        << head + "&errno=-2&errdescript=a%26errno%3D1%26x%3Dy";
    QTest::newRow("Chinese and symbols") << "文件 #?%+/" << 0L
                                         << head + "&errno=0&errdescript=%E6%96%87%E4%BB%B6%20%23%3F%25%2B%2F";
}

void TstErrReport::requestLine()
{
    QFETCH(QString, description);
    QFETCH(long, number);
    QFETCH(QString, query);
    ts::HttpServer server;
    server.answer(200, "ok");
    fnd::setErrorEndpoint(server.base() + "/");
    fnd::trapError(QStringLiteral("readInfo"), number, description);
    QCOMPARE(server.requestLines(), QStringList{"GET /up/error/submit.asp?" + query + " HTTP/1.1"});
    QCOMPARE(reported(log_), QStringList{"readInfo" + description});
}

void TstErrReport::failedSendIsLoggedNotReportedAgain()
{
    quint16 closedPort;
    {
        ts::HttpServer gone;
        closedPort = gone.port();
    }
    fnd::setErrorEndpoint(QStringLiteral("http://127.0.0.1:%1").arg(closedPort));
    fnd::trapError(QStringLiteral("readInfo"), 53, QStringLiteral("File not found"));
    // The request's own failure is logged (inside the report, so first), and
    // the report still logs its own tag and text.
    const QStringList r = reported(log_);
    QCOMPARE(r.size(), 2);
    QVERIFY(r[0].startsWith(QStringLiteral("getHtmlStr")));
    QCOMPARE(r[1], QStringLiteral("readInfoFile not found"));
    QVERIFY(fileBytes(log_).endsWith(",53\r\n\r\n"));
}

void TstErrReport::reportDuringAWaitIsNotSent()
{
    ts::HttpServer server;
    server.setSilent(true);
    fnd::setErrorEndpoint(server.base());
    // A handler that fails while the first report waits for the endpoint.
    QTimer::singleShot(200, [] { fnd::trapError(QStringLiteral("lblinfo"), 5, QStringLiteral("inner")); });
    fnd::trapError(QStringLiteral("clickbotn"), 6, QStringLiteral("outer"));
    QCOMPARE(server.requestLines().size(), 1);
    QVERIFY(server.requestLines()[0].contains("errsub=clickbotn"));
    QCOMPARE(reported(log_), (QStringList{"lblinfoinner", "clickbotnouter"}));
}

QTEST_GUILESS_MAIN(TstErrReport)
#include "tst_errreport.moc"
