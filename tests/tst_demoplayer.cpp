// The demonstration's player on the real window, offscreen: the motion
// set-up and arrival test, the pointer's lines, the targets of each kind of
// step, the click ring, the arrival actions (jumps, typing, drags, tab
// switches), the item glides of a menu path, unknown codes and bad input.
// The ticks are driven directly where the arithmetic is checked, and by the
// window's own timers where the timing is.
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "demo/player/motion.h"
#include "demo/window/frmyanshi.h"
#include "demo/window/lineshape.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/twips.h"

#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>
#include <cmath>
#include <tuple>

using ts::areaField;
using ts::boxField;
using ts::demoOn;
using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }
QRectF twips(const QWidget *w) { return simwin::twipsRect(w); }
QPoint target(const FrmYanShi &w) { return QPoint(w.MbX, w.MbY); }

// Label1 at (3000, 2000, 900, 300): centre (3450, 2150).
const QString Label1Box = boxField(3000, 2000, 900, 300);
// Label4 at (600, 900, 400, 200): centre (800, 1000).
const QString Label4Box = boxField(600, 900, 400, 200);
// Text1 at (1200, 900, 3000, 300).
const QString Text1Box = boxField(1200, 900, 3000, 300);

// A question of the given steps followed by plain ones, up to ten.
QStringList question(QStringList steps)
{
    while (steps.size() < 10)
        steps << record({{8, s("9001")}, {66, Label1Box}});
    return steps;
}

// The pointer put on its target, so that the next tick arrives.
void onTarget(FrmYanShi &w)
{
    w.PointX = w.MbX;
    w.PointY = w.MbY;
    w.setUpMotion();
}

// Drives a tick directly until `done` holds; the ticks made.
template <class Done>
int ticksUntil(FrmYanShi &w, void (FrmYanShi::*tick)(), Done done, int most = 100)
{
    int n = 0;
    while (!done() && n < most) {
        (w.*tick)();
        ++n;
    }
    return n;
}
int ticksToNextStep(FrmYanShi &w, void (FrmYanShi::*tick)())
{
    const int step = w.DemoStep;
    return ticksUntil(w, tick, [&] { return w.DemoStep != step; });
}
} // namespace

class TstDemoPlayer : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void motionSetUp_data();
    void motionSetUp();
    void glideLengths_data();
    void glideLengths();
    void pointerLines();
    void targets_data();
    void targets();
    void pausesDoNotMove();
    void ringColours_data();
    void ringColours();
    void ringPlaceAndBlink();
    void ringSize_data();
    void ringSize();
    void clickJumps();
    void typing_data();
    void typing();
    void typingTimesAndGlide();
    void dragAndDrop_data();
    void dragAndDrop();
    void handleDrags();
    void tabSwitch();
    void menuPathGlides();
    void unknownCodesEndTheirSteps();
    void badInput();
    void pace();
};

void TstDemoPlayer::init() { QVERIFY(FrmYanShi::setPace(1)); }

void TstDemoPlayer::cleanup()
{
    FrmYanShi::unload();
    ts::unloadRunWindows();
    run::YanShiRun = false;
    fnd::resetGlobals();
    FrmYanShi::setPace(1);
}

void TstDemoPlayer::motionSetUp_data()
{
    QTest::addColumn<int>("dx");
    QTest::addColumn<int>("dy");
    QTest::addColumn<double>("stepLen");
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("stepY");
    QTest::newRow("3000 x 400") << 3000 << 400 << 201.77 << 202 << 27;
    QTest::newRow("mirrored") << -3000 << -400 << 201.77 << -202 << -27;
    QTest::newRow("|dx| = |dy|") << 300 << -300 << 28.28 << 28 << -28;
    QTest::newRow("dy = 0") << -3000 << 0 << 200.0 << -200 << 0;
    QTest::newRow("zero distance") << 0 << 0 << 0.0 << 0 << 0;
    // Halves go to the even neighbour: 0.5 to 0, 1.5 to 2, 2.5 to 2.
    QTest::newRow("0.5") << 8 << 6 << 0.667 << 1 << 0;
    QTest::newRow("1.5") << 24 << 18 << 2.0 << 2 << 2;
    QTest::newRow("2.5") << 40 << 30 << 3.333 << 3 << 2;
}

void TstDemoPlayer::motionSetUp()
{
    QFETCH(int, dx);
    QFETCH(int, dy);
    QFETCH(double, stepLen);
    QFETCH(int, stepX);
    QFETCH(int, stepY);
    const demo::Motion m = demo::motionSetUp(1000, 2000, 1000 + dx, 2000 + dy);
    QVERIFY2(qAbs(m.StepLen - stepLen) < 0.01, qPrintable(QString::number(m.StepLen)));
    QCOMPARE(int(m.StepX), stepX);
    QCOMPARE(int(m.StepY), stepY);
}

void TstDemoPlayer::glideLengths_data()
{
    QTest::addColumn<int>("distance");
    QTest::addColumn<double>("xScale");
    QTest::addColumn<int>("ticks"); // the tick that arrives
    QTest::newRow("3000 along x") << 3000 << 1.0 << 14;
    QTest::newRow("200 at scale 1") << 200 << 1.0 << 7;
    QTest::newRow("within 120") << 119 << 1.0 << 1;
    QTest::newRow("zero distance") << 0 << 1.0 << 1;
    QTest::newRow("within 120 x 0.8") << 100 << 0.8 << 1;
}

// A glide's ticks until the arrival test passes; the pointer is never put on
// the target.
void TstDemoPlayer::glideLengths()
{
    QFETCH(int, distance);
    QFETCH(double, xScale);
    QFETCH(int, ticks);
    qint32 x = 0;
    const demo::Motion m = demo::motionSetUp(0, 0, distance, 0);
    int n = 0;
    do {
        x += m.StepX;
        ++n;
    } while (!demo::arrived(x, 0, distance, 0, m.StepLen, xScale) && n < 100);
    QCOMPARE(n, ticks);
    if (distance == 3000)
        QCOMPARE(x, 2800);
}

// The fourteen lines around the pointer, their offsets times the scale;
// LPoint 7 from LPoint 2's end to LPoint 6's start.
void TstDemoPlayer::pointerLines()
{
    ts::SceneFixture fx;
    fnd::XBiLi = 0.8;
    fnd::YBiLi = 1.2;
    FrmYanShi &w = demoOn(fx, question({record({{8, s("8888")}})}));
    w.PointX = 3000;
    w.PointY = 2000;
    w.pointMove();
    const int table[14][4] = {{60, 0, 60, 240},     {60, 240, 120, 180},  {120, 180, 180, 300}, {150, 150, 225, 285},
                              {165, 150, 240, 150}, {60, -15, 240, 165},  {195, 300, 225, 270}, {180, 300, 195, 300},
                              {75, 15, 75, 210},    {105, 45, 105, 180},  {135, 75, 135, 150},  {165, 105, 165, 135},
                              {195, 120, 195, 135}, {135, 165, 210, 300}};
    for (int i = 0; i < 14; ++i) {
        const demo::LineShape *l = i < 8 ? w.LPoint[size_t(i)] : w.LPoinB[size_t(i - 8)];
        const QLineF want(3000 + table[i][0] * 0.8, 2000 + table[i][1] * 1.2, 3000 + table[i][2] * 0.8,
                          2000 + table[i][3] * 1.2);
        QVERIFY2(qAbs(l->X1() - want.x1()) < 1e-6 && qAbs(l->Y1() - want.y1()) < 1e-6 &&
                     qAbs(l->X2() - want.x2()) < 1e-6 && qAbs(l->Y2() - want.y2()) < 1e-6,
                 qPrintable(l->objectName()));
    }
    QCOMPARE(QPointF(w.LPoint[7]->X1(), w.LPoint[7]->Y1()), QPointF(w.LPoint[2]->X2(), w.LPoint[2]->Y2()));
    QCOMPARE(QPointF(w.LPoint[7]->X2(), w.LPoint[7]->Y2()), QPointF(w.LPoint[6]->X1(), w.LPoint[6]->Y1()));
    QCOMPARE(w.LPoint[0]->color(), QColor(Qt::black));
    QCOMPARE(w.LPoinB[0]->color(), QColor(Qt::white));
}

void TstDemoPlayer::targets_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QPoint>("at");
    const QString areas = areaField(5000, 4000, QStringLiteral("p00001")); // 40 x 30 pixels
    QTest::newRow("0003 at Label1") << record({{8, s("0003")}, {66, Label1Box}}) << QPoint(3450, 2150);
    QTest::newRow("3123 at Label1") << record({{8, s("3123")}, {66, Label1Box}}) << QPoint(3450, 2150);
    QTest::newRow("9001 at Label1") << record({{8, s("9001")}, {66, Label1Box}}) << QPoint(3450, 2150);
    QTest::newRow("8001 at Image5") << record({{8, s("8001")}, {66, Label1Box}, {151, areas}}) << QPoint(5300, 4225);
    QTest::newRow("0041 at Label4") << record({{8, s("0041")}, {66, Label1Box}, {177, Label4Box}}) << QPoint(800, 1000);
    QTest::newRow("0052 at Label4") << record({{8, s("0052")}, {66, Label1Box}, {177, Label4Box}}) << QPoint(800, 1000);
    QTest::newRow("0022 into Text1") << record({{8, s("0022")}, {66, Label1Box}, {86, Text1Box}}) << QPoint(1500, 1050);
    QTest::newRow("7000 at its cell") << record({{6, s("A3")}, {8, s("7000")}, {125, s("H030500000")}})
                                      << QPoint(1890 + 435, 405 + 135);
    QTest::newRow("L002 at the list") << record({{8, s("L002")}, {86, boxField(1200, 900, 3000, 900)}})
                                      << QPoint(2700, 1350);
    QTest::newRow("a pending tab, whatever the code")
        << record({{8, s("0022")}, {18, areaField(600, 300, QStringLiteral("p00001"))}, {66, Label1Box},
                   {86, Text1Box}, {130, s("XA121")}})
        << QPoint(1500 + 435, 810 + 165);
    // A Label1 without height is 1 x 1 at its corner: its centre, halves to
    // even.
    QTest::newRow("zero-size Label1") << record({{8, s("0001")}, {66, boxField(3001, 2001, 900, 0)}})
                                      << QPoint(3002, 2002);
    QTest::newRow("an unknown code keeps the last target") << record({{8, s("K123")}, {66, Label1Box}}) << QPoint(0, 0);
    QTest::newRow("a cell past 88 keeps the last target")
        << record({{6, s("A3")}, {8, s("7000")}, {125, s("H950100000")}}) << QPoint(0, 0);
    QTest::newRow("a tab past the strip keeps the last target")
        << record({{8, s("9001")}, {66, Label1Box}, {130, s("XZ1E1")}}) << QPoint(0, 0);
}

// The target of each kind of step, aimed at the scene's set-up, and the move
// started.
void TstDemoPlayer::targets()
{
    QFETCH(QString, line);
    QFETCH(QPoint, at);
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    for (const char *page : {"300227", "300228", "300229"})
        fx.writePicture(QString::fromLatin1(page), QSize(20, 20), Qt::gray);
    FrmYanShi &w = demoOn(fx, question({line}));
    QCOMPARE(target(w), at);
    QVERIFY(w.Timer[2]->isActive());
    QVERIFY(!w.Timer[4]->isActive());
    const demo::Motion m = demo::motionSetUp(7680, 5760, at.x(), at.y());
    QCOMPARE(QPoint(w.StepX, w.StepY), QPoint(m.StepX, m.StepY));
    if (scene::stepTypeText(line) == u"7000" && w.AimZHU == 3) {
        QVERIFY(w.Shape1->isVisibleTo(&w));
        QCOMPARE(twips(w.Shape1), twips(w.LblZHU[3]));
    }
}

// A key step and an automatic advance do not move: the next step follows
// 1 s after the scene, on the pause's fifth tick.
void TstDemoPlayer::pausesDoNotMove()
{
    for (const char *code : {"6282", "8888"}) {
        ts::SceneFixture fx;
        QElapsedTimer clock;
        clock.start();
        FrmYanShi &w = demoOn(fx, question({record({{8, s(code)}, {66, Label1Box}})}));
        QVERIFY(!w.Timer[2]->isActive());
        QVERIFY(w.Timer[4]->isActive());
        const QPoint pointer(w.PointX, w.PointY);
        QSignalSpy pause(w.Timer[4], &QTimer::timeout);
        QTRY_COMPARE(int(w.DemoStep), 2);
        QCOMPARE(pause.count(), 5);
        QVERIFY(clock.elapsed() >= 950);
        QCOMPARE(QPoint(w.PointX, w.PointY), pointer);
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

void TstDemoPlayer::ringColours_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QColor>("colour");
    const QColor red(255, 0, 0), green(0, 255, 0), yellow(255, 255, 0);
    QTest::newRow("0001 red") << "0001" << red;
    QTest::newRow("0002 green") << "0002" << green;
    QTest::newRow("0003 yellow") << "0003" << yellow;
    QTest::newRow("3123 yellow") << "3123" << yellow;
    QTest::newRow("4111 yellow") << "4111" << yellow;
    QTest::newRow("5111 yellow") << "5111" << yellow;
    QTest::newRow("8001 yellow") << "8001" << yellow;
    QTest::newRow("9001 red") << "9001" << red;
    QTest::newRow("0022 red") << "0022" << red;
}

// The ring's colour by the kind of step, set at every tick of the move.
void TstDemoPlayer::ringColours()
{
    QFETCH(QString, code);
    QFETCH(QColor, colour);
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, question({record({{8, code}, {66, Label1Box}, {86, Text1Box}})}));
    w.Timer[2]->stop();
    w.Timer2_Timer(); // far from the target: no arrival
    QCOMPARE(w.Shape5->borderColor(), colour);
    QCOMPARE(int(w.DemoStep), 1);
}

// The ring's corner 180 twips left of and above the pointer, unscaled, at
// any scale; a click step's ring does not blink (the next step stops it), a
// typing step's shows, hides, and is hidden from its third tick.
void TstDemoPlayer::ringPlaceAndBlink()
{
    ts::SceneFixture fx;
    fnd::XBiLi = 0.8;
    fx.writeAnswers({s("abcdefghij")});
    FrmYanShi &w = demoOn(fx, question({record({{8, s("0022")}, {66, Label1Box}, {86, Text1Box}, {109, s("001")}})}));
    w.Timer[2]->stop();
    onTarget(w);
    QSignalSpy ring(w.Timer[5], &QTimer::timeout);
    QList<bool> shown;
    connect(w.Timer[5], &QTimer::timeout, this, [&] { shown << w.Shape5->isVisible(); });
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Timer2_Timer();
    QCOMPARE(twips(w.Shape5).topLeft(), QPointF(w.PointX - 180, w.PointY - 180));
    QVERIFY(w.Timer[1]->isActive()); // typing
    QVERIFY(w.Timer[5]->isActive());
    QTRY_VERIFY(!w.Timer[5]->isActive());
    QCOMPARE(shown, (QList<bool>{true, false, false}));
    QVERIFY(!w.Shape5->isVisible());

    // A click: the next step's scene stops the ring before its first tick.
    FrmYanShi::unload();
    ts::unloadRunWindows();
    ts::SceneFixture fx2;
    FrmYanShi &v = demoOn(fx2, question({record({{8, s("0001")}, {66, Label1Box}})}));
    v.Timer[2]->stop();
    onTarget(v);
    v.Timer2_Timer();
    QCOMPARE(int(v.DemoStep), 2);
    QVERIFY(!v.Timer[5]->isActive());
}

void TstDemoPlayer::ringSize_data()
{
    QTest::addColumn<double>("scale");
    QTest::newRow("scale 1") << 1.0;
    QTest::newRow("scale 0.8") << 0.8;
}

// The ring keeps its design size, 375 x 375 twips (25 x 25 pixels at scale
// 1), at any scale, with a border two pixels wide and nothing inside.
void TstDemoPlayer::ringSize()
{
    QFETCH(double, scale);
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = scale;
    fx.writeAnswers({s("abc")});
    FrmYanShi &w = demoOn(fx, question({record({{8, s("0020")}, {66, Label1Box}, {86, Text1Box}, {109, s("001")}})}));
    w.Timer[2]->stop();
    onTarget(w);
    w.Timer2_Timer(); // the arrival places the ring and starts its blink
    QVERIFY(w.Timer[5]->isActive());
    w.Timer[5]->stop();
    w.Timer5_Timer(); // its first tick shows it
    QVERIFY(w.Shape5->isVisibleTo(&w));
    QCOMPARE(twips(w.Shape5), QRectF(w.PointX - 180, w.PointY - 180, 375, 375));
    if (scale == 1)
        QCOMPARE(w.Shape5->size(), QSize(25, 25));
    const QImage ring = w.Shape5->grab().toImage();
    const QColor red(255, 0, 0);
    const int last = ring.width() - 1, mid = ring.height() / 2;
    for (const auto &[x, y, border] : {std::tuple{0, mid, true}, std::tuple{1, mid, true}, std::tuple{2, mid, false},
                                       std::tuple{last, mid, true}, std::tuple{last - 1, mid, true},
                                       std::tuple{last - 2, mid, false}, std::tuple{mid, 0, true},
                                       std::tuple{mid, 1, true}, std::tuple{mid, 2, false}, std::tuple{mid, mid, false}})
        QVERIFY2((ring.pixelColor(x, y) == red) == border, qPrintable(QStringLiteral("(%1, %2)").arg(x).arg(y)));
}

// A click with Label1's jump digit goes to that step; "0" to the next.
void TstDemoPlayer::clickJumps()
{
    for (const auto &[jump, step] : {std::pair{u'3', 3}, std::pair{u'0', 2}}) {
        ts::SceneFixture fx;
        FrmYanShi &w = demoOn(fx, question({record({{8, s("0001")}, {66, boxField(3000, 2000, 900, 300, jump)}})}));
        w.Timer[2]->stop();
        onTarget(w);
        w.Timer2_Timer();
        QCOMPARE(int(w.DemoStep), step);
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

void TstDemoPlayer::typing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("answer");  // 109-111
    QTest::addColumn<QString>("initial"); // 106-108
    QTest::addColumn<QStringList>("typed"); // the box's texts, tick by tick
    QTest::addColumn<QString>("box");
    QTest::newRow("0020") << "0020" << "001" << "000" << QStringList{"a", "ab", "abc"} << "Text1";
    QTest::newRow("prefilled ab") << "0020" << "001" << "002" << QStringList{"abc"} << "Text1";
    QTest::newRow("0021 into Text2") << "0021" << "001" << "000" << QStringList{"a", "ab", "abc"} << "Text2";
    QTest::newRow("0023 types nothing") << "0023" << "003" << "000" << QStringList{} << "Text1";
    QTest::newRow("an empty answer") << "0020" << "000" << "000" << QStringList{} << "Text1";
    QTest::newRow("no such line: the last") << "0020" << "099" << "000" << QStringList{"z"} << "Text1";
    QTest::newRow("GBK characters") << "0020" << "004" << "000" << QStringList{"网", "网页"} << "Text1";
}

// The typing: one character more per tick, from the answer line's text
// before its first "|", after a beginning the box already holds; then the
// next step. "0023" and an empty text end on the first tick.
void TstDemoPlayer::typing()
{
    QFETCH(QString, code);
    QFETCH(QString, answer);
    QFETCH(QString, initial);
    QFETCH(QStringList, typed);
    QFETCH(QString, box);
    ts::SceneFixture fx;
    fx.writeAnswers({s("abc|x"), s("ab"), QString(400, QChar(u'q')), s("网页|站"), s("z")});
    FrmYanShi &w = demoOn(fx, question({record({{8, code}, {66, Label1Box}, {86, Text1Box}, {106, initial},
                                                {109, answer}})}));
    w.Timer[2]->stop();
    onTarget(w);
    w.Timer2_Timer();
    QVERIFY(w.Timer[1]->isActive());
    w.Timer[1]->stop();
    auto *edit = w.findChild<QLineEdit *>(box);
    QStringList seen;
    // The tick that types the last character ends the step, whose next
    // scene fills the box anew.
    for (int tick = 0; tick < 500 && int(w.DemoStep) == 1; ++tick) {
        w.Timer1_Timer();
        if (int(w.DemoStep) == 1)
            seen << edit->text();
    }
    QCOMPARE(int(w.DemoStep), 2);
    QCOMPARE(seen, typed.mid(0, std::max<qsizetype>(0, typed.size() - 1)));
    QCOMPARE(w.TypePos, 0);
}

// "0022": the text typed 500 ms a character, then the glide to Label1,
// whose arrival ends the step.
void TstDemoPlayer::typingTimesAndGlide()
{
    ts::SceneFixture fx;
    fx.writeAnswers({s("abc|x")});
    FrmYanShi &w = demoOn(fx, question({record({{8, s("0022")}, {66, Label1Box}, {86, Text1Box}, {109, s("001")}})}));
    w.Timer[2]->stop();
    onTarget(w);
    QElapsedTimer clock;
    QList<qint64> at;
    QStringList texts;
    connect(w.Text1, &QLineEdit::textChanged, this, [&](const QString &t) {
        texts << t;
        at << clock.elapsed();
    });
    clock.start();
    w.Timer2_Timer();
    QTRY_COMPARE(texts.size(), 3);
    QCOMPARE(texts, (QStringList{"a", "ab", "abc"}));
    QVERIFY(qAbs(at[1] - at[0] - 500) < 150 && qAbs(at[2] - at[1] - 500) < 150);
    QVERIFY(w.Timer[2]->isActive());
    QCOMPARE(target(w), QPoint(3450, 2150));
    QCOMPARE(twips(w.Shape4).left(), -100.0);
    QTRY_COMPARE(int(w.DemoStep), 2);
}

void TstDemoPlayer::dragAndDrop_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("band");
    QTest::newRow("0041 with its band") << "0041" << true;
    QTest::newRow("0052 without") << "0052" << false;
}

// A drag and drop: to Label4 (drawn as the pointer, and for "004" as the
// cursor picture), the pick-up, the cursor picture on to Label1 with the
// dotted band growing from the source ("004" only), the pointer's lines out
// of view; the arrival there ends the step.
void TstDemoPlayer::dragAndDrop()
{
    QFETCH(QString, code);
    QFETCH(bool, band);
    ts::SceneFixture fx;
    QVERIFY(QFile::copy(ts::sampleProgramDir() + QStringLiteral("/ico00.CUR"), fx.programDir() + QStringLiteral("/ico00.CUR")));
    QString line = record({{8, code}, {66, Label1Box}, {177, Label4Box}});
    line.replace(100, 5, QStringLiteral("S0002"));
    FrmYanShi &w = demoOn(fx, question({line}));
    w.Timer[2]->stop();
    w.Timer2_Timer(); // the first half
    QCOMPARE(w.ImgICO->isVisibleTo(&w), band);
    if (!band)
        QVERIFY(w.LPoint[0]->X1() != -100);
    onTarget(w);
    w.Timer2_Timer(); // arrives on Label4: picked up, and the first step on
    QVERIFY(w.DragPhase);
    QCOMPARE(target(w), QPoint(3450, 2150));
    QCOMPARE(twips(w.Shape4).left(), -100.0);
    QVERIFY(w.ImgICO->isVisibleTo(&w));
    QCOMPARE(w.ImgICO->pictureName(), QStringLiteral("ico00.CUR"));
    QCOMPARE(twips(w.ImgICO).topLeft(), QPointF(w.PointX, w.PointY));
    for (const auto *l : w.LPoint)
        QVERIFY(l->X1() == -100 && l->X2() == -100);
    for (const auto *l : w.LPoinB)
        QVERIFY(l->X1() == -100 && l->X2() == -100);
    QCOMPARE(w.Shape6->isVisibleTo(&w), band);
    QCOMPARE(twips(w.Shape6).topLeft(), QPointF(600, 900));
    const double width = twips(w.Shape6).width();
    w.Timer2_Timer();
    if (band) {
        QVERIFY(twips(w.Shape6).width() > width);
        QCOMPARE(twips(w.Shape6).width(), w.PointX - 600 + 120.0);
    }
    const int ticks = ticksToNextStep(w, &FrmYanShi::Timer2_Timer);
    QVERIFY(ticks < 20);
    QCOMPARE(int(w.DemoStep), 2);
}

// A handle drag: with no end point it drags Image5 onto the aimed centre and
// the step ends at the first tick, 1 s after the arrival, without snapping;
// with an end point Image5's centre follows the pointer once a second.
void TstDemoPlayer::handleDrags()
{
    ts::SceneFixture fx;
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    const QString area5 = areaField(5000, 4000, QStringLiteral("p00001"));
    FrmYanShi &w = demoOn(fx, question({record({{8, s("8001")}, {66, Label1Box}, {151, area5}})}));
    w.Timer[2]->stop();
    w.PointX = 5300 + 50;
    w.PointY = 4225 - 30;
    w.setUpMotion();
    w.Timer2_Timer();
    QVERIFY(w.Timer[3]->isActive());
    QCOMPARE(w.Timer[3]->interval(), 1000);
    // The arrival blinks the ring, yellow for a drag.
    QVERIFY(w.Timer[5]->isActive());
    QCOMPARE(w.Shape5->borderColor(), QColor(255, 255, 0));
    QSignalSpy drag(w.Timer[3], &QTimer::timeout);
    QTRY_COMPARE(int(w.DemoStep), 2);
    QCOMPARE(drag.count(), 1);
    const QPointF centre = twips(w.Image[5]).center();
    QVERIFY(QLineF(centre, QPointF(5300, 4225)).length() < 120);

    // An end point: the whole drag at a tenth of the pace.
    FrmYanShi::unload();
    ts::unloadRunWindows();
    ts::SceneFixture fx2;
    fx2.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    QVERIFY(FrmYanShi::setPace(0.1));
    FrmYanShi &v = demoOn(fx2, question({record({{8, s("8001")}, {66, Label1Box}, {151, area5},
                                                 {167, s("0200001500")}})}));
    QList<QPointF> follows;
    connect(v.Timer[3], &QTimer::timeout, this, [&] {
        if (FrmYanShi::loaded() && v.DemoStep == 1)
            follows << twips(v.Image[5]).center() - QPointF(v.PointX, v.PointY);
    });
    QTRY_VERIFY(v.Timer[3]->isActive());
    QCOMPARE(target(v), QPoint(2000, 1500));
    QTRY_COMPARE(int(v.DemoStep), 2);
    QVERIFY(follows.size() >= 10);
    for (const QPointF &d : follows)
        QVERIFY(qAbs(d.x()) <= 1 && qAbs(d.y()) <= 1);
}

// A dialog step showing another tab: the pointer goes to the expected tab,
// its page shows, Label1 and the hint come back, then on to Label1, whose
// arrival ends the step.
void TstDemoPlayer::tabSwitch()
{
    ts::SceneFixture fx;
    fx.writeAnswers({s("单击“确定”")});
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    for (const char *page : {"300227", "300228", "300229"})
        fx.writePicture(QString::fromLatin1(page), QSize(20, 20), Qt::gray);
    FrmYanShi &w = demoOn(fx, question({record({{8, s("9001")},
                                                {18, areaField(600, 300, QStringLiteral("p00001"))},
                                                {66, Label1Box},
                                                {112, s("0030000600001")},
                                                {130, s("XA121")}})}));
    QCOMPARE(w.Image[1]->pictureName(), QStringLiteral("300227"));
    QCOMPARE(twips(w.Label1).size(), QSizeF(1, 1));
    w.Timer[2]->stop();
    onTarget(w);
    w.Timer2_Timer(); // the switch, and at once the first step on
    QCOMPARE(w.Image[1]->pictureName(), QStringLiteral("p00001"));
    QCOMPARE(twips(w.Label1), QRectF(3000, 2000, 900, 300));
    QVERIFY(w.Label1->isVisibleTo(&w));
    QCOMPARE(w.LHelp->text(), s("单击“确定”"));
    QCOMPARE(twips(w.Shape1), twips(w.Label1));
    QCOMPARE(target(w), QPoint(3450, 2150));
    QCOMPARE(twips(w.Shape4).left(), -100.0);
    QCOMPARE(int(w.DemoStep), 1);
    QVERIFY(ticksToNextStep(w, &FrmYanShi::Timer2_Timer) < 20);
    QCOMPARE(int(w.DemoStep), 2);
}

// A menu path on the sample bank's pictures: the glide to the title, the
// click, the glide into the drop-down in about 14 ticks (each glide starting
// where the last one stopped), the ring with the counter at 0, the item's
// click; through a sub-menu at Timer7's 200 ms ticks.
void TstDemoPlayer::menuPathGlides()
{
    for (const char *path : {"H030500000", "H030805000"}) {
        ts::SceneFixture fx;
        FrmYanShi &w = demoOn(fx, question({record({{6, s("A3")}, {8, s("7000")}, {125, s(path)}})}));
        w.ExamDataPath = ts::sampleProgramDir() + QStringLiteral("/examdata/");
        w.setData();
        w.Timer[2]->stop();
        const int toTitle = ticksUntil(w, &FrmYanShi::Timer2_Timer, [&] { return w.Timer[6]->isActive(); });
        QVERIFY2(toTitle >= 9 && toTitle <= 15, qPrintable(QString::number(toTitle)));
        QVERIFY(w.Timer[6]->isActive());
        QVERIFY(w.Pic1J->isVisibleTo(&w));
        // From where the pointer stopped, not from the title's centre.
        QVERIFY(QPoint(w.PointX, w.PointY) != QPoint(2325, 540));
        QCOMPARE(QPoint(w.StepX, w.StepY),
                 QPoint(demo::motionSetUp(w.PointX, w.PointY, w.MbX, w.MbY).StepX,
                        demo::motionSetUp(w.PointX, w.PointY, w.MbX, w.MbY).StepY));
        w.Timer[6]->stop();
        w.TickCount = 2;
        QSignalSpy clicked(w.Timer[5], &QTimer::timeout);
        int toItem = 0;
        while (int(w.DemoStep) == 1 && !w.Timer[7]->isActive() && toItem < 100) {
            w.Timer6_Timer();
            ++toItem;
        }
        QVERIFY2(toItem >= 9 && toItem <= 15, qPrintable(QString::number(toItem)));
        if (QByteArray(path) == "H030500000") {
            QCOMPARE(int(w.DemoStep), 2);
            QCOMPARE(w.Img1J->pictureName(), QStringLiteral("030500"));
        } else {
            QCOMPARE(w.TickCount, qint16(0));
            QVERIFY(w.Timer[5]->isActive());
            QCOMPARE(twips(w.Shape5).topLeft(), QPointF(w.PointX - 180, w.PointY - 180));
            QCOMPARE(w.Timer[7]->interval(), 200);
            QVERIFY(w.Pic2J->isVisibleTo(&w));
            w.Timer[7]->stop();
            int toSub = 0;
            while (int(w.DemoStep) == 1 && toSub++ < 100)
                w.Timer7_Timer();
            QVERIFY(toSub <= 15);
            QCOMPARE(int(w.DemoStep), 2);
        }
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

// Codes no arrival action takes end their steps: a question made only of
// them ends by itself.
void TstDemoPlayer::unknownCodesEndTheirSteps()
{
    ts::SceneFixture fx;
    QVERIFY(FrmYanShi::setPace(0.1));
    demoOn(fx, {record({{8, s("K123")}, {66, Label1Box}}), record({{8, s("7001")}, {66, Label1Box}}),
                record({{8, s("0005")}, {66, Label1Box}}), record({{8, s("9999")}})});
    QTRY_VERIFY(!FrmYanShi::loaded());
}

// Bad input: a missing answer file types nothing; a missing cursor file and
// a missing tab page keep the last pictures; letters in the drag end read
// 0; a tab picture area outside 1-5 loads no page; a short record and a
// garbage one end their steps.
void TstDemoPlayer::badInput()
{
    {
        ts::SceneFixture fx; // no answer file
        FrmYanShi &w = demoOn(fx, question({record({{8, s("0020")}, {66, Label1Box}, {86, Text1Box}, {109, s("005")}})}));
        w.Timer[2]->stop();
        onTarget(w);
        w.Timer2_Timer();
        w.Timer[1]->stop();
        w.Timer1_Timer();
        QCOMPARE(int(w.DemoStep), 2);
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
    {
        ts::SceneFixture fx; // no cursor file
        QString line = record({{8, s("0041")}, {66, Label1Box}, {177, Label4Box}});
        line.replace(100, 5, QStringLiteral("S0002"));
        FrmYanShi &w = demoOn(fx, question({line}));
        QPixmap earlier(7, 7);
        earlier.fill(Qt::red);
        w.ImgICO->setBasePicture(earlier);
        w.Timer[2]->stop();
        w.Timer2_Timer();
        QVERIFY(w.ImgICO->isVisibleTo(&w));
        QCOMPARE(w.ImgICO->picture().size(), QSize(7, 7));
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
    {
        ts::SceneFixture fx; // a tab page that is missing; a picture area 7
        for (const char *page : {"300227", "300228", "300229"})
            fx.writePicture(QString::fromLatin1(page), QSize(20, 20), Qt::gray);
        for (const char *tab : {"XA121", "XA127"}) {
            FrmYanShi &w = demoOn(fx, question({record({{8, s("9001")},
                                                        {18, areaField(600, 300, QStringLiteral("nopage"))},
                                                        {66, Label1Box},
                                                        {130, s(tab)}})}));
            w.Timer[2]->stop();
            onTarget(w);
            const QString page = w.Image[1]->pictureName(); // tab 1's, or none for area 7
            QCOMPARE(page, QString(tab) == u"XA121" ? QStringLiteral("300227") : QString());
            w.Timer2_Timer();
            QCOMPARE(w.Image[1]->pictureName(), page);
            QCOMPARE(twips(w.Label1), QRectF(3000, 2000, 900, 300));
            FrmYanShi::unload();
            ts::unloadRunWindows();
        }
    }
    {
        ts::SceneFixture fx; // letters in the drag end
        fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
        FrmYanShi &w = demoOn(fx, question({record({{8, s("8001")}, {151, areaField(5000, 4000, QStringLiteral("p00001"))},
                                                    {167, s("0AB1200CD7")}})}));
        w.Timer[2]->stop();
        onTarget(w);
        w.Timer2_Timer();
        QCOMPARE(target(w), QPoint(5300, 4225));
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
    for (const QString &line : {record({{8, s("7000")}}, 20), QString(s("垃圾\x01\x02|||HHHH")), QString()}) {
        ts::SceneFixture fx;
        QVERIFY(FrmYanShi::setPace(0.1));
        FrmYanShi &w = demoOn(fx, question({line}));
        QTRY_VERIFY(!FrmYanShi::loaded() || w.DemoStep >= 2);
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

// The pace: a positive factor of every interval; anything else changes
// nothing.
void TstDemoPlayer::pace()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, question({record({{8, s("8888")}})}));
    for (double bad : {0.0, -1.0, std::nan(""), double(INFINITY)})
        QVERIFY(!FrmYanShi::setPace(bad));
    QCOMPARE(FrmYanShi::pace(), 1.0);
    QCOMPARE(w.Timer[1]->interval(), 500);
    QVERIFY(FrmYanShi::setPace(0.5));
    QCOMPARE(w.Timer[1]->interval(), 250);
    QCOMPARE(w.Timer[3]->interval(), 500);
    QCOMPARE(w.TimEnd->interval(), 50);
    QCOMPARE(w.Timer[1]->timerType(), Qt::PreciseTimer);
}

QTEST_MAIN(TstDemoPlayer)
#include "tst_demoplayer.moc"
