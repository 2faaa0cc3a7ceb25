// examsim-probe app with an update server: the cover's update button opens
// the update window, whose texts the probe reads; the question and the
// count message come as modal lines answered through the probe, and a
// performed update ends the program.
#include "banksolver.h"
#include "routeserver.h"
#include "testsupport.h"

#include "foundation/globals.h"
#include "foundation/productinfo.h"

#include <QJsonArray>
#include <QtTest>

namespace {

using solver::findNamed;

QString s(const char *utf8) { return QString::fromUtf8(utf8); }

QByteArray bytesOf(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

} // namespace

class TstProbeUpdate : public QObject
{
    Q_OBJECT
private slots:
    void updateThroughTheProbe_data();
    void updateThroughTheProbe();
};

void TstProbeUpdate::updateThroughTheProbe_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("Yes") << true;
    QTest::newRow("No") << false;
}

void TstProbeUpdate::updateThroughTheProbe()
{
    QFETCH(bool, yes);
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    fnd::resetGlobals();
    fnd::readInfo();
    const QString installed = QString::fromLatin1(bytesOf(copy.file(QStringLiteral("wydata/288895.mxy")))).section(u'\r', 0, 0);
    QVERIFY(!installed.isEmpty());

    ts::RouteServer server;
    QVERIFY(server.isListening());
    const QByteArray manifest = "209901010000\r\nK209901010000170200\r\n";
    const QString quilt = QStringLiteral("/up/quilt/") + fnd::ExamTitle + u'/';
    // The answer comes late enough for the window's texts to be read first.
    server.route(quilt + QStringLiteral("wydata/288895.txt"), ts::Route{200, manifest, ts::Route::Whole, 1000});
    server.route(quilt + QStringLiteral("ksdata/170200.rar"), 200, "served");

    qputenv("EXAMSIM_UPDATE_SERVER", server.base().toUtf8());
    solver::ProbeSession probe(ts::toolPath(QStringLiteral("examsim-probe")), {QStringLiteral("app"), copy.path()});
    qunsetenv("EXAMSIM_UPDATE_SERVER");
    QVERIFY2(probe.next()["ready"].toBool(), qPrintable(probe.errors()));

    // A loaded machine may answer the click before the window has filled
    // its texts: they are read again until they are there. The question may
    // come meanwhile, even as the click's answer: its line comes in place of
    // an answer (or before it: a marker command tells which) and is kept for
    // below.
    QJsonObject question = probe.send(QStringLiteral("click FrmFengmian/ClickBotn_8"));
    QVERIFY(!question.contains(u"error"));
    if (!question.contains(u"modal"))
        question = {};
    QJsonArray widgets;
    const auto label4 = [&] {
        QJsonObject answer = probe.send(QStringLiteral("widgets FrmUpdata"));
        if (answer.contains(u"modal")) {
            question = answer;
            if (probe.send(QStringLiteral("windows")).contains(u"widgets"))
                probe.next(); // the marker's own answer
            answer = probe.send(QStringLiteral("widgets FrmUpdata"));
        }
        widgets = answer["widgets"].toArray();
        return findNamed(widgets, QStringLiteral("Label4"))["text"].toString();
    };
    QTRY_COMPARE(label4(), s("新版本检测——") + fnd::ModuleName);
    QCOMPARE(findNamed(widgets, QStringLiteral("Label3"))["text"].toString(), s("当前题库版本是："));
    QCOMPARE(findNamed(widgets, QStringLiteral("LblVer"))["text"].toString(), installed);
    QCOMPARE(findNamed(widgets, QStringLiteral("Label1"))["text"].toString(), s("最新题库版本是：") + installed);
    QCOMPARE(findNamed(widgets, QStringLiteral("Label2"))["text"].toString(), s("已是最新版本，无需升级。"));
    QCOMPARE(findNamed(widgets, QStringLiteral("Command1"))["picture"].toString(), QStringLiteral("l20001"));

    if (question.isEmpty())
        question = probe.next();
    QCOMPARE(question["title"].toString(), s("升级软件"));
    QCOMPARE(question["prompt"].toString(), s("题库有新文件，是否要进行升级？"));
    if (!yes) {
        QCOMPARE(probe.send(QStringLiteral("answer No"))["answered"].toString(), QStringLiteral("No"));
        const QJsonArray windows = probe.send(QStringLiteral("windows"))["windows"].toArray();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.first().toObject()["name"].toString(), QStringLiteral("FrmFengmian"));
        QVERIFY(!QFileInfo::exists(copy.file(QStringLiteral("ksdata/170200.mxy"))));
        QCOMPARE(probe.finish(), 0);
        return;
    }
    // When the question came as the click's answer, the click is still
    // running: an answer closing the question is handed to it, and the next
    // window's line, or the end, comes in its place.
    QJsonObject count = probe.send(QStringLiteral("answer Yes"));
    if (!count.contains(u"modal")) {
        QCOMPARE(count["answered"].toString(), QStringLiteral("Yes"));
        count = probe.next();
    }
    QCOMPARE(count["title"].toString(), fnd::AppTitle);
    QCOMPARE(count["prompt"].toString(), s("已更新1/1文件。请重新打开软件！"));
    QJsonObject end = probe.send(QStringLiteral("answer OK"));
    if (!end.contains(u"ended")) {
        QCOMPARE(end["answered"].toString(), QStringLiteral("OK"));
        end = probe.next();
    }
    QCOMPARE(end, (QJsonObject{{"ended", 0}}));
    QCOMPARE(probe.finish(), 0);
    QCOMPARE(bytesOf(copy.file(QStringLiteral("ksdata/170200.mxy"))), QByteArray("served"));
    QCOMPARE(bytesOf(copy.file(QStringLiteral("wydata/288895.mxy"))), manifest);
}

QTEST_MAIN(TstProbeUpdate)
#include "tst_probeupdate.moc"
