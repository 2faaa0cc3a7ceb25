// Handle drag arithmetic, tab-strip clicks and the Cancel spot.
#include "simwin/checks/handledrag.h"
#include "simwin/checks/tabclick.h"
#include "simwin/scene/tabstrip.h"
#include "steplines.h"

#include <QtTest>

using namespace chk;

namespace {
const QString layoutA = QStringLiteral(
    "A3051033030022701203002280900300229177000000024750000000000000000000000000000000000000000000000000000000000000000000000000000000000000000007650579011100300");
const QString layoutF = QStringLiteral(
    "FA049530030019001203001911215300192270030019339303001945190300195645030019901203001981855300197357030019656400000007530000000000000000000006450711011100300");
} // namespace

class TstDialogParts : public QObject
{
    Q_OBJECT
private slots:
    void handleFollowsHalfWay_data();
    void handleFollowsHalfWay();
    void handleRelease_data();
    void handleRelease();
    void tabClicks_data();
    void tabClicks();
    void twoRowStrip();
    void cancelSpot_data();
    void cancelSpot();
};

void TstDialogParts::handleFollowsHalfWay_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<double>("left"); // -1: untouched
    QTest::addColumn<double>("top");
    QTest::addColumn<int>("dragX");
    QTest::addColumn<int>("dragY");
    QTest::newRow("8002 half way") << 8002 << 1 << 100.0 << 40.0 << true << 1050.0 << -1.0 << 1050 << 500;
    QTest::newRow("8002 half to even down") << 8002 << 1 << 101.0 << 0.0 << true << 1050.5 << -1.0 << 1050 << 500;
    QTest::newRow("8001 half to even up") << 8001 << 1 << 103.0 << 0.0 << true << 1051.5 << -1.0 << 1052 << 500;
    QTest::newRow("8001 leftwards") << 8001 << 1 << -300.0 << 0.0 << true << 850.0 << -1.0 << 850 << 500;
    QTest::newRow("8004 vertical only") << 8004 << 1 << 100.0 << 60.0 << true << -1.0 << 530.0 << 1000 << 530;
    QTest::newRow("8008 both") << 8008 << 1 << -20.0 << -20.0 << true << 990.0 << 490.0 << 990 << 490;
    QTest::newRow("8005 never moves") << 8005 << 1 << 100.0 << 100.0 << false << -1.0 << -1.0 << 0 << 0;
    QTest::newRow("right button") << 8002 << 2 << 100.0 << 0.0 << false << -1.0 << -1.0 << 0 << 0;
    QTest::newRow("left with right held") << 8002 << 3 << 100.0 << 0.0 << false << -1.0 << -1.0 << 0 << 0;
}

void TstDialogParts::handleFollowsHalfWay()
{
    QFETCH(int, code);
    QFETCH(int, buttons);
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(bool, moves);
    const auto m = handleMove(code, buttons, x, y, 1000, 500);
    QCOMPARE(bool(m), moves);
    if (!m)
        return;
    QFETCH(double, left);
    QFETCH(double, top);
    QFETCH(int, dragX);
    QFETCH(int, dragY);
    QCOMPARE(m->left.value_or(-1), left);
    QCOMPARE(m->top.value_or(-1), top);
    QCOMPARE(m->dragX, dragX);
    QCOMPARE(m->dragY, dragY);
}

void TstDialogParts::handleRelease_data()
{
    // Limits (3000, 2000), start (1000, 1000), scale x 1, y 1.5.
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("dragX");
    QTest::addColumn<int>("dragY");
    QTest::addColumn<bool>("advance");
    QTest::addColumn<double>("left"); // -1: untouched
    QTest::addColumn<double>("top");
    QTest::newRow("8002 short of limit goes back") << 8002 << 2990 << 0 << false << 1000.0 << -1.0;
    QTest::newRow("8002 on the limit snaps") << 8002 << 3000 << 0 << true << 3000.0 << -1.0;
    QTest::newRow("8002 beyond snaps") << 8002 << 3500 << 0 << true << 3000.0 << -1.0;
    QTest::newRow("8001 already left of limit") << 8001 << 1000 << 0 << true << 3000.0 << -1.0;
    QTest::newRow("8003 fails: top only") << 8003 << 0 << 3001 << false << -1.0 << 1500.0;
    QTest::newRow("8004 scaled limit") << 8004 << 0 << 3000 << true << -1.0 << 3000.0;
    QTest::newRow("8004 below scaled limit") << 8004 << 0 << 2999 << false << -1.0 << 1500.0;
    QTest::newRow("8007 below but left: both back") << 8007 << 2000 << 3100 << false << 1000.0 << 1500.0;
    QTest::newRow("8007 both met") << 8007 << 3000 << 3100 << true << 3000.0 << 3000.0;
    QTest::newRow("8009 up and right") << 8009 << 3100 << 100 << true << 3000.0 << 3000.0;
}

void TstDialogParts::handleRelease()
{
    QFETCH(int, code);
    QFETCH(int, dragX);
    QFETCH(int, dragY);
    QFETCH(bool, advance);
    QFETCH(double, left);
    QFETCH(double, top);
    // Picture area 5 at (1000, 1000); limits (3000, 2000).
    const QString line = ts::stepLine({{151, "0100001000h00001"}, {167, "0300002000"}});
    const HandleLimits lim = handleLimits(line, 1.0, 1.5);
    const auto r = chk::handleRelease(code, dragX, dragY, lim);
    QVERIFY(r);
    QCOMPARE(r->advance, advance);
    QCOMPARE(r->left.value_or(-1), left);
    QCOMPARE(r->top.value_or(-1), top);
    // A failed drag stores the restored coordinates, and only those.
    QCOMPARE(r->dragX.has_value(), !advance && left >= 0);
    QCOMPARE(r->dragY.has_value(), !advance && top >= 0);
    if (r->dragY)
        QCOMPARE(*r->dragY, 1500);
    QVERIFY(!chk::handleRelease(8005, 0, 0, lim));
}

void TstDialogParts::tabClicks_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("page");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("hint");
    QTest::newRow("wrong tab") << 1 << 2 << "300227" << false << "请选择第2个选项卡";
    QTest::newRow("right tab") << 3 << 3 << "300229" << true << "第一行\r\n第二行";
    QTest::newRow("target 13") << 2 << 13 << "300228" << false << "请选择第13个选项卡";
}

void TstDialogParts::tabClicks()
{
    QFETCH(int, index);
    QFETCH(int, target);
    QFETCH(QString, page);
    QFETCH(bool, right);
    QFETCH(QString, hint);
    const TabStrip strip{layoutA, 3, target, 3, 1500, QStringLiteral("第一行|第二行")};
    // Picture area 3 of the record holds "888888": loaded by name for the right tab.
    const QString line = ts::stepLine({{50, "0200000150888888"}});
    const TabClick c = tabClick(index, strip, line);
    QCOMPARE(c.pagePicture, page);
    QCOMPARE(c.rightTab, right);
    QCOMPARE(c.ownPicture, right ? QString("888888") : QString());
    QCOMPARE(c.hint, hint);
    QVERIFY(!c.newRow); // three tabs: rows never move
    // A dialog area outside 1-5 loads nothing.
    TabStrip noArea = strip;
    noArea.image = 6;
    QVERIFY(tabClick(index, noArea, line).pagePicture.isEmpty());
    QVERIFY(tabClick(index, noArea, line).ownPicture.isEmpty());
}

void TstDialogParts::twoRowStrip()
{
    const TabStrip strip{layoutF, 10, 2, 1, 1000, QString()};
    const TabClick c8 = tabClick(8, strip, ts::stepLine({}));
    QCOMPARE(c8.pagePicture, QString("300198"));
    QCOMPARE(c8.newRow.value_or(0), 2);
    QList<double> tops = scene::tabCellTops(layoutF, 10, 2, 1000, 1.0);
    QCOMPARE(tops.size(), 10);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tops[i], 1495.0);
    for (int i = 6; i < 10; ++i)
        QCOMPARE(tops[i], 1795.0);
    // Tab 3 afterwards swaps the rows.
    QCOMPARE(tabClick(3, strip, ts::stepLine({})).newRow.value_or(0), 1);
    tops = scene::tabCellTops(layoutF, 10, 1, 1000, 2.0);
    QCOMPARE(tops[0], 2590.0);
    QCOMPARE(tops[9], 1990.0);
}

void TstDialogParts::cancelSpot_data()
{
    QTest::addColumn<QString>("backSpec");
    QTest::addColumn<int>("stepNo");
    QTest::addColumn<int>("result");
    QTest::newRow("NONO at step 1 stays") << "NONO" << 1 << 1;
    QTest::newRow("NONO back one") << "NONO" << 4 << 3;
    QTest::newRow("Q ending 2") << "Q0002" << 4 << 2;
    QTest::newRow("Q ending 0 counts 1") << "Q0000" << 4 << 3;
    QTest::newRow("only the last character") << "Q1203" << 9 << 6;
    QTest::newRow("never below step 1") << "Q0009" << 3 << 1;
    QTest::newRow("letter counts 1") << "Q000X" << 3 << 2;
}

void TstDialogParts::cancelSpot()
{
    QFETCH(QString, backSpec);
    QFETCH(int, stepNo);
    QFETCH(int, result);
    QCOMPARE(cancelStep(backSpec, stepNo), result);
}

QTEST_GUILESS_MAIN(TstDialogParts)
#include "tst_dialogparts.moc"
