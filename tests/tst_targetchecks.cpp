// The main target, the hot-spot pictures and the drag source: which clicks,
// double clicks, pointings, presses, drags and releases complete a step.
#include "foundation/gbkfile.h"
#include "simwin/checks/dragdrop.h"
#include "simwin/checks/maintarget.h"
#include "simwin/scene/linecache.h"
#include "steplines.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace chk;

Q_DECLARE_METATYPE(chk::StepMove)

namespace {
using Pieces = QList<std::pair<int, QByteArray>>;

QString line(const Pieces &pieces)
{
    QString r = ts::stepLine({});
    for (const auto &[pos, text] : pieces)
        r.replace(pos - 1, text.size(), QString::fromUtf8(text));
    return r;
}

const StepMove none{};
StepMove next() { return StepMove::next(); }
StepMove go(char c) { return StepMove::go(QChar::fromLatin1(c)); }
} // namespace

class TstTargetChecks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void label1Release_data();
    void label1Release();
    void doubleClickAndPointing();
    void pictureClicks();
    void label4Gestures_data();
    void label4Gestures();
    void dropGeometry_data();
    void dropGeometry();

private:
    QTemporaryDir dir_;
    QString answers_; // the answer-text file
};

void TstTargetChecks::initTestCase()
{
    scene::clearLineCache();
    answers_ = dir_.filePath("288890.mxy");
    QVERIFY(fnd::writeLines(answers_, {"001Index.htm|index.html", "002abc"}));
}

void TstTargetChecks::label1Release_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("shift");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<int>("overrideMenu"); // -1 none
    QTest::addColumn<StepMove>("move");
    QTest::addColumn<int>("popup"); // -1 none

    const Pieces c9001{{8, "9001"}};
    QTest::newRow("9001 left") << c9001 << 1 << 0 << "" << -1 << next() << -1;
    QTest::newRow("9001 shift-left") << c9001 << 1 << 1 << "" << -1 << none << -1;
    QTest::newRow("9001 right") << c9001 << 2 << 0 << "" << -1 << none << -1;
    QTest::newRow("9001 middle") << c9001 << 4 << 0 << "" << -1 << none << -1;
    const Pieces c9101{{8, "9101"}, {71, "5"}};
    QTest::newRow("9101 shift-left jumps") << c9101 << 1 << 1 << "" << -1 << go('5') << -1;
    QTest::newRow("9101 shift-ctrl-left") << c9101 << 1 << 3 << "" << -1 << none << -1;
    QTest::newRow("9101 left") << c9101 << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("9401 alt-left") << Pieces{{8, "9401"}} << 1 << 4 << "" << -1 << next() << -1;
    QTest::newRow("9999 never") << Pieces{{8, "9999"}} << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("0001 ctrl-left") << Pieces{{8, "0001"}} << 1 << 2 << "" << -1 << none << -1;
    QTest::newRow("0001 left") << Pieces{{8, "0001"}, {71, "A"}} << 1 << 0 << "" << -1 << go('A') << -1;
    QTest::newRow("0003 right with keys") << Pieces{{8, "0003"}} << 2 << 7 << "" << -1 << next() << -1;
    QTest::newRow("0003 left") << Pieces{{8, "0003"}, {71, "4"}} << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("3000 right opens") << Pieces{{8, "3000"}} << 2 << 0 << "" << -1 << none << 0;
    QTest::newRow("6000 right opens") << Pieces{{8, "6000"}} << 2 << 1 << "" << -1 << none << 0;
    QTest::newRow("3123 left nothing") << Pieces{{8, "3123"}, {71, "4"}} << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("8245 right opens") << Pieces{{8, "8245"}} << 2 << 0 << "" << -1 << none << 2;
    QTest::newRow("6001 is a key code") << Pieces{{8, "6001"}} << 2 << 0 << "" << -1 << none << -1;
    QTest::newRow("6001 with a jump") << Pieces{{8, "6001"}, {71, "7"}} << 2 << 0 << "" << -1 << go('7') << -1;
    QTest::newRow("R8123 on 9002, then 9002")
        << Pieces{{8, "9002"}, {86, "R8123"}} << 2 << 0 << "" << 1 << next() << -1;
    QTest::newRow("RA245 on 9002") << Pieces{{8, "9002"}, {86, "RA245"}} << 2 << 0 << "" << 2 << next() << -1;
    QTest::newRow("R8123 left does not open")
        << Pieces{{8, "9002"}, {86, "R8123"}} << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("R9001 opens nothing") << Pieces{{8, "9002"}, {86, "R9001"}} << 2 << 0 << "" << -1 << next() << -1;
    QTest::newRow("R4312 on 3123: two pop-ups")
        << Pieces{{8, "3123"}, {86, "R4312"}} << 2 << 0 << "" << 3 << none << 1;
    QTest::newRow("0002 single click") << Pieces{{8, "0002"}, {71, "5"}} << 1 << 0 << "" << -1 << none << -1;
    QTest::newRow("0020 jumps whatever typed") << Pieces{{8, "0020"}, {71, "3"}} << 2 << 0 << "x" << -1 << go('3') << -1;
    QTest::newRow("0020 no jump") << Pieces{{8, "0020"}} << 1 << 0 << "x" << -1 << none << -1;
    QTest::newRow("list step reads 0") << Pieces{{8, "L012"}, {71, "6"}} << 1 << 0 << "" << -1 << go('6') << -1;
    const Pieces c26{{8, "0026"}, {109, "001"}};
    QTest::newRow("0026 red box right") << c26 << 1 << 2 << " INDEX.HTML  " << -1 << next() << -1;
    QTest::newRow("0026 right button") << c26 << 2 << 0 << "index.html" << -1 << none << -1;
    QTest::newRow("0026 no compact form") << c26 << 1 << 0 << "index .htm" << -1 << none << -1;
    QTest::newRow("0026 answer 000, empty box")
        << Pieces{{8, "0026"}, {109, "000"}} << 1 << 0 << "   " << -1 << next() << -1;
    QTest::newRow("0022 red box") << Pieces{{8, "0022"}, {109, "002"}} << 1 << 0 << "ABC" << -1 << next() << -1;
    QTest::newRow("0024 no red box") << Pieces{{8, "0024"}, {109, "002"}} << 1 << 0 << "abc" << -1 << none << -1;
}

void TstTargetChecks::label1Release()
{
    QFETCH(Pieces, pieces);
    QFETCH(int, button);
    QFETCH(int, shift);
    QFETCH(QString, text1);
    QFETCH(int, overrideMenu);
    QFETCH(StepMove, move);
    QFETCH(int, popup);
    const Label1Release r = chk::label1Release(line(pieces), button, shift, text1, answers_);
    QCOMPARE(r.overrideMenu.value_or(-1), overrideMenu);
    QCOMPARE(r.then.move, move);
    QCOMPARE(r.then.popupMenu.value_or(-1), popup);
}

void TstTargetChecks::doubleClickAndPointing()
{
    QCOMPARE(label1DoubleClick(line({{8, "0002"}, {71, "5"}})), go('5'));
    QCOMPARE(label1DoubleClick(line({{8, "0002"}})), next());
    QCOMPARE(label1DoubleClick(line({{8, "9001"}})), none);
    QCOMPARE(label1Pointing(line({{8, "0030"}, {71, "5"}})), next());
    QCOMPARE(label1Pointing(line({{8, "0031"}})), none);
}

void TstTargetChecks::pictureClicks()
{
    const QString l = line({{23, "1"}, {55, "B"}, {140, "Z"}, {202, "2"}});
    QCOMPARE(pictureClick(l, 1), go('1'));
    QCOMPARE(pictureClick(l, 2), none);
    QCOMPARE(pictureClick(l, 3), go('B'));
    QCOMPARE(pictureClick(l, 4), go('Z'));
    QCOMPARE(pictureClick(l, 5), none);
    QCOMPARE(pictureClick(l, 6), go('2'));
    QCOMPARE(pictureClick(l, 7), none);
}

// One gesture on the drag source: a press, a move, a release with the keys
// held at each, and where the release lands.
void TstTargetChecks::label4Gestures_data()
{
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("pressShift");
    QTest::addColumn<int>("releaseShift");
    QTest::addColumn<bool>("inside");
    QTest::addColumn<QString>("text1");
    QTest::addColumn<StepMove>("pressMove"); // when it advances the gesture ends
    QTest::addColumn<bool>("outline");
    QTest::addColumn<int>("dragPointer"); // -1: none shown
    QTest::addColumn<StepMove>("releaseMove");

    QTest::newRow("0040 plain press completes") << Pieces{{8, "0040"}} << 1 << 0 << 0 << false << ""
                                                << next() << false << -1 << none;
    QTest::newRow("0040 EE drop inside") << Pieces{{4, "EE"}, {8, "0040"}, {101, "S7012"}} << 1 << 0 << 0 << true
                                         << "" << none << true << 12 << next();
    // Pointer field "00000": not "S", so the drag pointer comes from file ico00.CUR (99).
    QTest::newRow("0040 EE drop outside") << Pieces{{4, "EE"}, {8, "0040"}} << 1 << 0 << 0 << false << ""
                                          << none << true << 99 << none;
    QTest::newRow("0041 EE no shift at press") << Pieces{{4, "EE"}, {8, "0041"}} << 1 << 0 << 1 << true << ""
                                               << none << false << -1 << none;
    QTest::newRow("0041 EE shift drop") << Pieces{{4, "EE"}, {8, "0041"}} << 1 << 1 << 1 << true << ""
                                        << none << true << 99 << next();
    QTest::newRow("0041 EE shift let go") << Pieces{{4, "EE"}, {8, "0041"}} << 1 << 1 << 0 << true << ""
                                          << none << true << 99 << none;
    QTest::newRow("0041 EE right button drag")
        << Pieces{{4, "EE"}, {8, "0041"}} << 2 << 1 << 1 << true << "" << none << true << 99 << next();
    QTest::newRow("0050 pointer drag jumps") << Pieces{{6, "EE"}, {8, "0050"}, {101, "S4012"}} << 1 << 0 << 0
                                             << true << "" << none << false << 12 << go('4');
    QTest::newRow("0050 pointer 0 never drops") << Pieces{{6, "EE"}, {8, "0050"}, {101, "S0000"}} << 1 << 0 << 0
                                                << true << "" << none << false << 0 << none;
    QTest::newRow("0052 drop outside follows release jump")
        << Pieces{{6, "EE"}, {8, "0052"}, {101, "S0012"}, {182, "7"}} << 1 << 2 << 2 << false << "" << none
        << false << 12 << go('7');
    QTest::newRow("9001 plain press") << Pieces{{8, "9001"}} << 1 << 0 << 0 << false << "" << next() << false << -1
                                      << none;
    QTest::newRow("9001 right press") << Pieces{{8, "9001"}} << 2 << 0 << 0 << false << "" << none << false << -1
                                      << none;
    QTest::newRow("9001 release jump") << Pieces{{8, "9001"}, {182, "7"}} << 1 << 0 << 0 << false << "" << none
                                       << false << -1 << go('7');
    QTest::newRow("0028 typed right") << Pieces{{8, "0028"}, {109, "001"}} << 1 << 0 << 0 << false << "index.htm"
                                      << none << false << -1 << next();
    QTest::newRow("0028 typed wrong") << Pieces{{8, "0028"}, {109, "001"}, {182, "3"}} << 1 << 0 << 0 << false
                                      << "index" << none << false << -1 << go('3');
}

void TstTargetChecks::label4Gestures()
{
    QFETCH(Pieces, pieces);
    QFETCH(int, button);
    QFETCH(int, pressShift);
    QFETCH(int, releaseShift);
    QFETCH(bool, inside);
    QFETCH(QString, text1);
    QFETCH(StepMove, pressMove);
    QFETCH(bool, outline);
    QFETCH(int, dragPointer);
    QFETCH(StepMove, releaseMove);
    const QString l = line(pieces);

    const Label4Press press = label4Press(l, button, pressShift);
    QCOMPARE(press.move, pressMove);
    if (press.move.advances())
        return; // the rest of this gesture does nothing
    QCOMPARE(press.startOutline, outline);
    bool outlineVisible = press.startOutline;
    bool dragging = press.startDrag;

    const Label4Move move = label4Move(l, pressShift, outlineVisible, dragging);
    QCOMPARE(move.stretchOutline, outline);
    QCOMPARE(move.dragPointer ? move.dragPointer->mousePointer : -1, dragPointer);
    const int pointer = move.dragPointer ? move.dragPointer->mousePointer : 0;

    const Label4Release rel = label4Release(l, releaseShift, outlineVisible, inside, pointer, text1, answers_);
    QCOMPARE(rel.move, releaseMove);
    if (!rel.move.advances() && outline && releaseShift == pressShift)
        QVERIFY(rel.hideOutline);
    // A completed outline drop ends the handler before the drag flag is cleared.
    if (dragging && releaseShift == pressShift && !(outline && rel.move.advances()))
        QVERIFY(rel.endDrag);
}

void TstTargetChecks::dropGeometry_data()
{
    QTest::addColumn<QPointF>("drop");
    QTest::addColumn<bool>("inside");
    // The main target at (1000, 2000), 300 by 150.
    QTest::newRow("middle") << QPointF(1100, 2100) << true;
    QTest::newRow("right edge") << QPointF(1300, 2100) << true;
    QTest::newRow("bottom-right corner") << QPointF(1300, 2150) << true;
    QTest::newRow("left-top corner") << QPointF(1000, 2000) << true;
    QTest::newRow("just right") << QPointF(1300.5, 2100) << false;
    QTest::newRow("just above") << QPointF(1100, 1999.5) << false;
}

void TstTargetChecks::dropGeometry()
{
    QFETCH(QPointF, drop);
    QFETCH(bool, inside);
    QCOMPARE(dropInside(drop, QRectF(1000, 2000, 300, 150)), inside);
    // Dragging up and left draws the outline right of and below the press point.
    QCOMPARE(outlineRect(QPointF(500, 600), QPointF(420, 550)), QRectF(500, 600, 80, 50));
}

QTEST_GUILESS_MAIN(TstTargetChecks)
#include "tst_targetchecks.moc"
