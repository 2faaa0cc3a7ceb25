// The bar hint frames drawn from a step's three target fields.
#include "simwin/checks/hintframes.h"
#include "steplines.h"

#include <QtTest>

using namespace chk;

namespace {
using Pieces = QList<std::pair<int, QByteArray>>;

// Cell n lies at (100 n, n) and is 90 by 80.
QList<QRectF> cells()
{
    QList<QRectF> out;
    for (int n = 0; n <= 88; ++n)
        out << QRectF(100 * n, n, 90, 80);
    return out;
}
} // namespace

class TstHintFrames : public QObject
{
    Q_OBJECT
private slots:
    void frames_data();
    void frames();
    void panelFrame();
    void hiddenOutsideHintMode();
};

void TstHintFrames::frames_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<int>("length");
    // Cell outlined by each frame, or -1 for a frame left alone.
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("tool");
    QTest::addColumn<int>("hui");

    QTest::newRow("no target") << Pieces{{125, "Q0002X"}} << 212 << -1 << -1 << -1;
    QTest::newRow("D at 125 only") << Pieces{{125, "D0301"}} << 212 << -1 << -1 << -1;
    QTest::newRow("menu 3 then menu 7: the later wins") << Pieces{{96, "H0302"}, {125, "H0701"}} << 212 << 7 << -1 << -1;
    QTest::newRow("86 over 96") << Pieces{{96, "H0302"}, {86, "H0901"}} << 212 << 9 << -1 << -1;
    QTest::newRow("menu and toolbar") << Pieces{{96, "H0302"}, {86, "H4500"}} << 212 << 3 << 45 << -1;
    QTest::newRow("D at 86 marks its cell") << Pieces{{86, "D1203x0042"}} << 212 << -1 << -1 << 12;
    QTest::newRow("H3215 none, others kept") << Pieces{{125, "H3215"}, {96, "H0500"}} << 212 << 5 << -1 << -1;
    QTest::newRow("H3216 none") << Pieces{{86, "H3216"}} << 212 << -1 << -1 << -1;
    QTest::newRow("S in char 2") << Pieces{{86, "HS5"}} << 212 << -1 << -1 << -1;
    QTest::newRow("Z in char 2") << Pieces{{86, "HZ5"}} << 212 << -1 << -1 << -1;
    QTest::newRow("X5 marks menu 5") << Pieces{{86, "HX5"}} << 212 << 5 << -1 << -1;
    QTest::newRow("cell 0") << Pieces{{86, "H0000"}} << 212 << -1 << -1 << -1;
    QTest::newRow("cell 89") << Pieces{{86, "H8900"}} << 212 << -1 << -1 << -1;
    QTest::newRow("cell 88") << Pieces{{125, "H8800"}} << 212 << -1 << 88 << -1;
    QTest::newRow("line ends before 96") << Pieces{{86, "H07"}} << 90 << 7 << -1 << -1;
    QTest::newRow("line ends inside 86") << Pieces{{86, "H"}} << 87 << -1 << -1 << -1;
}

void TstHintFrames::frames()
{
    QFETCH(Pieces, pieces);
    QFETCH(int, length);
    QFETCH(int, menu);
    QFETCH(int, tool);
    QFETCH(int, hui);
    QString line = ts::stepLine({});
    for (const auto &[pos, text] : pieces)
        line.replace(pos - 1, text.size(), QString::fromUtf8(text));
    line.truncate(length);

    const QList<QRectF> c = cells();
    const HintFramePlan plan = hintFrames(line, c, QSizeF(8100, 6000), 1, 1, true);
    const std::array<int, 3> want{menu, tool, hui};
    for (int f = FrameMenu; f <= FrameHui; ++f) {
        QCOMPARE(plan.rect[f].has_value(), want[f] >= 0);
        QCOMPARE(plan.visible[f], want[f] >= 0);
        if (want[f] >= 0)
            QCOMPARE(*plan.rect[f], c[want[f]]);
    }
    QVERIFY(!plan.rect[FrameElse]);
}

void TstHintFrames::panelFrame()
{
    QList<QRectF> c = cells();
    c[35] = QRectF(0, 0, 8100 * 1.2, 6000 * 1.5);
    const QString line = ts::stepLine({{86, "H35"}});
    const HintFramePlan plan = hintFrames(line, c, QSizeF(4000, 3000), 1.2, 1.5, true);
    QVERIFY(plan.visible[FrameElse]);
    QCOMPARE(*plan.rect[FrameElse], QRectF(18, 22.5, 4000 - 18, 3000 - 22.5));
}

void TstHintFrames::hiddenOutsideHintMode()
{
    const QString line = ts::stepLine({{96, "H0302"}, {86, "H4500"}});
    const HintFramePlan plan = hintFrames(line, cells(), QSizeF(), 1, 1, false);
    QVERIFY(plan.rect[FrameMenu] && plan.rect[FrameTool]);
    for (bool v : plan.visible)
        QVERIFY(!v);
}

QTEST_GUILESS_MAIN(TstHintFrames)
#include "tst_hintframes.moc"
