// The demonstration window's bars, drop-downs, sub-menus and clicks on the
// real window, offscreen: the cells on the window at the simulated window's
// geometry, the extra panel and the presets, the item layouts with their
// aims, the clicks with the sample bank's chrome pictures, the jumps within
// the question, and the between-step reset.
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "demo/window/frmyanshi.h"
#include "demo/window/lineshape.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QtTest>
#include <cmath>

using ts::demoOn;
using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }
QRectF twips(const QWidget *w) { return simwin::twipsRect(w); }

// A "7000" step with its path at 125 (and pane, bars, characters 86-105).
QString pathStep(const char *path, const char *pane = "00", const char *at86 = "0000000000",
                 const char *at96 = "0000000000")
{
    return record({{4, s(pane) + s("A7") + s("7000")}, {86, s(at86)}, {96, s(at96)}, {125, s(path)}});
}

// The window on a fixture question whose records are these, showing the
// sample bank's chrome pictures.
FrmYanShi &onSteps(ts::SceneFixture &fx, const QStringList &records)
{
    FrmYanShi &w = demoOn(fx, records);
    w.ExamDataPath = ts::sampleProgramDir() + QStringLiteral("/examdata/");
    w.setData(); // step 1 again, with the pictures
    return w;
}

// The question's steps: the path first, then nine plain steps, so that a
// step's end shows step 2 and jumps stay within the question.
QStringList withTail(const QString &first)
{
    QStringList r{first};
    for (int i = 2; i <= 10; ++i)
        r << record({{8, s("9001")}});
    return r;
}

// A drop-down or sub-menu panel at (left, top) showing a picture of the
// given pixels.
void panelAt(simwin::PictureBox *panel, double left, double top, QSize px)
{
    QPixmap pm(px);
    pm.fill(Qt::white);
    panel->setBasePicture(pm);
    simwin::moveTwips(panel, left, top);
    simwin::syncTwipsFromPixels(panel);
    panel->show();
}
} // namespace

class TstDemoBars : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void hotSpots_data();
    void hotSpots();
    void extraPanel_data();
    void extraPanel();
    void dropDownLayouts_data();
    void dropDownLayouts();
    void subMenuLayouts_data();
    void subMenuLayouts();
    void aimsAndGlides();
    void clickPath();
    void clickCells_data();
    void clickCells();
    void subMenuKeptInside();
    void ownPicture();
    void presetsAndDeadEnds();
    void jumpsWithinTheQuestion();
    void resetBetweenSteps();
};

void TstDemoBars::cleanup()
{
    FrmYanShi::unload();
    ts::unloadRunWindows();
    run::YanShiRun = false;
    fnd::resetGlobals();
}

void TstDemoBars::hotSpots_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("scale 1") << 1.0 << 1.0;
    QTest::newRow("0.8 across, 1.2 down") << 0.8 << 1.2;
}

// The cells in window twips, as the simulated window has them in its bars
// (cell 88 after cell 87 in both), the same after a second scene.
void TstDemoBars::hotSpots()
{
    QFETCH(double, x);
    QFETCH(double, y);
    ts::SceneFixture fx;
    fnd::XBiLi = x;
    fnd::YBiLi = y;
    FrmYanShi &w = onSteps(fx, withTail(record({{6, s("A7")}, {8, s("9001")}})));
    const struct
    {
        int cell;
        QRectF at; // design twips on the window
    } cells[] = {{1, {150, 405, 870, 270}},     {11, {8850, 405, 870, 270}},   {41, {150, 750, 345, 330}},
                 {69, {10230, 780, 1320, 330}}, {70, {150, 1155, 1440, 330}}, {13, {1455, 8385, 1230, 270}},
                 {88, {11430, 1140, 345, 330}}};
    FrmMain &m = FrmMain::get();
    m.setData();
    for (int round = 0; round < 2; ++round) {
        for (const auto &c : cells) {
            const QRectF want(c.at.x() * x, c.at.y() * y, c.at.width() * x, c.at.height() * y);
            const QRectF got = twips(w.LblZHU[c.cell]);
            QVERIFY2(qAbs(got.x() - want.x()) < 1e-6 && qAbs(got.y() - want.y()) < 1e-6 &&
                         qAbs(got.width() - want.width()) < 1e-6 && qAbs(got.height() - want.height()) < 1e-6,
                     qPrintable(QString::number(c.cell)));
            // Where the simulated window has it in its bar.
            const QRectF main = twips(m.LblZHU[c.cell]).translated(twips(m.LblZHU[c.cell]->parentWidget()).topLeft());
            QVERIFY2(qAbs(main.x() - got.x()) < 1e-6 && qAbs(main.y() - got.y()) < 1e-6,
                     qPrintable(QString::number(c.cell)));
        }
        w.doNext();
    }
    QCOMPARE(int(w.DemoStep), 3);
    // No tooltips on the demonstration's cells.
    for (const auto *cell : w.LblZHU)
        QVERIFY(cell->toolTip().isEmpty());
}

void TstDemoBars::extraPanel_data()
{
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("at86");    // 86-95
    QTest::addColumn<QString>("place");   // 96-105
    QTest::addColumn<QString>("panel");   // PicElse's picture, empty when hidden
    QTest::addColumn<QString>("preset");  // Pic1J's picture, empty when hidden
    QTest::addColumn<QPointF>("corner");  // the panel's or preset's corner
    QTest::addColumn<int>("cell");
    QTest::addColumn<QSizeF>("cellSize");
    QTest::newRow("H32 at its fixed place") << "00" << "H320000000" << "0120000300" << "320000" << ""
                                            << QPointF(9090, 1605) << 32 << QSizeF(2655, 300);
    QTest::newRow("H33, a preset") << "00" << "H330900000" << "0720002100" << "" << "330077" << QPointF(7200, 2100)
                                   << 33 << QSizeF(30, 30);
    QTest::newRow("H34 as 33") << "00" << "H341200000" << "0600002400" << "" << "340077" << QPointF(6000, 2400) << 34
                               << QSizeF(30, 30);
    QTest::newRow("H36 with pane set 3") << "X3" << "H360500000" << "0840001650" << "XX0300" << ""
                                         << QPointF(8400, 1650) << 36 << QSizeF(0, 0);
    QTest::newRow("H37 at the step's place") << "00" << "H370200000" << "0624000420" << "370000" << ""
                                             << QPointF(6240, 420) << 37 << QSizeF(0, 0);
    QTest::newRow("H05, no panel") << "00" << "H050100000" << "0100001000" << "" << "" << QPointF() << 0 << QSizeF();
    QTest::newRow("not H") << "00" << "D320000000" << "0100001000" << "" << "" << QPointF() << 0 << QSizeF();
}

// The step's extra panel or its preset drop-down, and the panel's cells at
// its corner.
void TstDemoBars::extraPanel()
{
    QFETCH(QString, pane);
    QFETCH(QString, at86);
    QFETCH(QString, place);
    QFETCH(QString, panel);
    QFETCH(QString, preset);
    QFETCH(QPointF, corner);
    QFETCH(int, cell);
    QFETCH(QSizeF, cellSize);
    ts::SceneFixture fx;
    QVERIFY(QDir().mkpath(fx.programDir() + QStringLiteral("/examdata")));
    for (const QString &name : {QStringLiteral("320000"), QStringLiteral("330077"), QStringLiteral("340077"),
                                QStringLiteral("360000"), QStringLiteral("370000"), QStringLiteral("XX0300")})
        QVERIFY(QFile::copy(ts::sampleProgramDir() + QStringLiteral("/examdata/") + name + QStringLiteral(".mxy"),
                            fx.programDir() + QStringLiteral("/examdata/") + name + QStringLiteral(".mxy")));
    FrmYanShi &w = demoOn(fx, withTail(record({{4, pane + s("B3") + s("9001")}, {86, at86}, {96, place}})));
    QCOMPARE(w.PicElse->isVisibleTo(&w), !panel.isEmpty());
    QCOMPARE(w.Pic1J->isVisibleTo(&w), !preset.isEmpty());
    if (!panel.isEmpty()) {
        QCOMPARE(w.PicElse->pictureName(), panel);
        QCOMPARE(twips(w.PicElse).topLeft(), corner);
    }
    if (!preset.isEmpty()) {
        QCOMPARE(w.Pic1J->pictureName(), preset);
        QCOMPARE(twips(w.Pic1J).topLeft(), corner);
    }
    for (int i = 32; i <= 40; ++i) {
        QCOMPARE(twips(w.LblZHU[i]).topLeft(), twips(w.PicElse).topLeft());
        QCOMPARE(twips(w.LblZHU[i]).size(), i == cell ? cellSize : QSizeF(0, 0));
    }
    // The next scene's layout hides what this one showed, unless it shows
    // it again.
    w.doNext();
    QVERIFY(!w.PicElse->isVisibleTo(&w));
    QVERIFY(!w.Pic1J->isVisibleTo(&w));
}

void TstDemoBars::dropDownLayouts_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QList<int>>("items");  // the items checked
    QTest::addColumn<QList<double>>("tops"); // their tops within the panel (-100: parked)
    QTest::newRow("menu 1, item 21") << 1 << QList<int>{1, 21, 22} << QList<double>{30, 7170, -100};
    QTest::newRow("menu 2, item 21") << 2 << QList<int>{21} << QList<double>{7110};
    QTest::newRow("37, menu 9's items") << 37 << QList<int>{1, 2, 3, 4, 5, 6, 7}
                                        << QList<double>{30, 375, 750, 1095, 1440, 1815, -100};
    QTest::newRow("12 lays out nothing") << 12 << QList<int>{1, 2, 44} << QList<double>{-100, -100, -100};
    QTest::newRow("24, palette") << 24 << QList<int>{1, 41, 43} << QList<double>{600, 210, 2400};
}

// Tool1JCSH over a drop-down at (2000, 1000), 3000 twips wide: items on the
// window, menu items as wide as the panel less 30, parked ones at the
// panel's corner less 100; nothing of the last drop-down stays.
void TstDemoBars::dropDownLayouts()
{
    QFETCH(int, cell);
    QFETCH(QList<int>, items);
    QFETCH(QList<double>, tops);
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, withTail(record({{8, s("9001")}})));
    panelAt(w.Pic1J, 2000, 1000, QSize(200, 600));
    w.AimZHU = 3;
    w.Aim1J = 1;
    w.Tool1JCSH(); // an earlier drop-down
    w.AimZHU = qint16(cell);
    w.Aim1J = 2;
    w.Tool1JCSH();
    for (int k = 0; k < items.size(); ++k) {
        const QRectF r = twips(w.Lbl1J[size_t(items[k])]);
        if (tops[k] < 0) {
            QCOMPARE(r, QRectF(2000 - 100, 1000 - 100, 0, 0));
            continue;
        }
        QCOMPARE(r.top(), 1000 + tops[k]);
        if (cell <= 11 || cell == 37)
            QCOMPARE(r, QRectF(2030, 1000 + tops[k], 3000 - 30, 330));
    }
    if (cell == 12) {
        for (int i = 1; i <= 44; ++i)
            QCOMPARE(twips(w.Lbl1J[size_t(i)]), QRectF(1900, 900, 0, 0));
        QCOMPARE(w.MbX, 1900);
        QCOMPARE(w.MbY, 900);
        QCOMPARE(twips(w.Shape1).size(), QSizeF(0, 0));
    }
    QVERIFY(w.Timer[6]->isActive());
}

void TstDemoBars::subMenuLayouts_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("count");           // items laid out
    QTest::addColumn<QList<int>>("items");
    QTest::addColumn<QList<QRectF>>("rects"); // within the panel
    const double w = 2400 - 30;               // a 2400-twip panel
    QTest::newRow("0113") << 113 << 4 << QList<int>{1, 2, 3, 4}
                          << QList<QRectF>{{30, 30, w, 330}, {30, 375, w, 330}, {30, 720, w, 330}, {30, 1095, w, 330}};
    QTest::newRow("0412, three gaps") << 412 << 16 << QList<int>{1, 2, 5, 16}
                                      << QList<QRectF>{{30, 30, w, 330}, {30, 405, w, 330}, {30, 1470, w, 330},
                                                       {30, 5295, w, 330}};
    QTest::newRow("0315") << 315 << 15 << QList<int>{14, 15}
                          << QList<QRectF>{{30, 30 + 13 * 345, w, 330}, {30, 30 + 14 * 345 + 30, w, 330}};
    QTest::newRow("1301") << 1301 << 9 << QList<int>{1, 9} << QList<QRectF>{{30, 180, 345, 330}, {720, 840, 345, 330}};
    QTest::newRow("1305") << 1305 << 32 << QList<int>{4, 32}
                          << QList<QRectF>{{30 + 3 * 345, 180, 345, 330}, {30 + 3 * 345, 180 + 7 * 330, 345, 330}};
    QTest::newRow("7310") << 7310 << 42 << QList<int>{1, 40, 41, 42}
                          << QList<QRectF>{{375, 465, 270, 270}, {375 + 7 * 270, 465 + 4 * 270, 270, 270},
                                           {375, 60, 2160, 330}, {375, 1890, 2160, 330}};
    QTest::newRow("0611, nothing") << 611 << 0 << QList<int>{} << QList<QRectF>{};
}

// Tool2JCSH over a sub-menu at (5000, 2000), 2400 twips wide.
void TstDemoBars::subMenuLayouts()
{
    QFETCH(int, key);
    QFETCH(int, count);
    QFETCH(QList<int>, items);
    QFETCH(QList<QRectF>, rects);
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, withTail(record({{8, s("9001")}})));
    panelAt(w.Pic2J, 5000, 2000, QSize(160, 400));
    w.AimZHU = qint16(key / 100);
    w.Aim1J = qint16(key % 100);
    w.Aim2J = 1;
    w.PointX = 100;
    w.PointY = 100;
    w.Tool2JCSH();
    for (int k = 0; k < items.size(); ++k)
        QCOMPARE(twips(w.Lbl2J[size_t(items[k])]), rects[k].translated(5000, 2000));
    for (int i = count + 1; i <= 44; ++i)
        QCOMPARE(twips(w.Lbl2J[size_t(i)]), QRectF(4900, 1900, 0, 0));
    const QRectF first = twips(w.Lbl2J[1]);
    QCOMPARE(twips(w.Shape1), first);
    // Centres rounded half to even.
    QCOMPARE(QPointF(w.MbX, w.MbY), QPointF(std::nearbyint(first.center().x()), std::nearbyint(first.center().y())));
    QVERIFY(w.Timer[7]->isActive());
}

// The aim on the chosen item: 3000 across and 400 down from the pointer
// gives steps of 202 and 27 (negative towards the pointer's left and top);
// an item outside 1-44 keeps the last target and box, and the glide still
// starts.
void TstDemoBars::aimsAndGlides()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, withTail(record({{8, s("9001")}})));
    panelAt(w.Pic1J, 2000, 1000, QSize(200, 600));
    w.AimZHU = 3;
    w.Aim1J = 1; // item 1: (2030, 1030, 2970, 330), centre (3515, 1195)
    w.PointX = 3515 - 3000;
    w.PointY = 1195 - 400;
    w.Tool1JCSH();
    QCOMPARE(QPoint(w.MbX, w.MbY), QPoint(3515, 1195));
    QCOMPARE(w.StepX, qint16(202));
    QCOMPARE(w.StepY, qint16(27));
    QVERIFY(qAbs(w.StepLen - 201.77) < 0.01);
    w.PointX = 3515 + 3000;
    w.PointY = 1195 + 400;
    w.Tool1JCSH();
    QCOMPARE(w.StepX, qint16(-202));
    QCOMPARE(w.StepY, qint16(-27));
    QVERIFY(w.Timer[6]->isActive());

    const QRectF box = twips(w.Shape1);
    for (int outside : {0, 45, 99}) {
        w.Timer[6]->stop();
        w.Aim1J = qint16(outside);
        w.Tool1JCSH();
        QCOMPARE(QPoint(w.MbX, w.MbY), QPoint(3515, 1195));
        QCOMPARE(twips(w.Shape1), box);
        QVERIFY(w.Timer[6]->isActive());
    }
    panelAt(w.Pic2J, 5000, 2000, QSize(160, 400));
    w.Aim1J = 8;
    w.Aim2J = 50;
    w.Tool2JCSH();
    QCOMPARE(QPoint(w.MbX, w.MbY), QPoint(3515, 1195));
    QVERIFY(w.Timer[7]->isActive());
}

// A path to a menu item on the sample bank's pictures: the pressed title,
// the drop-down under it, the item's highlight, then the step ends; a path
// that ends at the title ends the step without pressing it.
void TstDemoBars::clickPath()
{
    ts::SceneFixture fx;
    FrmYanShi &w = onSteps(fx, withTail(pathStep("H030500000")));
    QCOMPARE(QList<int>({w.AimZHU, w.Aim1J, w.Aim2J}), QList<int>({3, 5, 0}));
    w.ClickZHU(w.AimZHU);
    QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("030099"));
    QCOMPARE(twips(w.ImgMenu).topLeft(), QPointF(1890, 405));
    QVERIFY(w.Pic1J->isVisibleTo(&w));
    QCOMPARE(w.Pic1J->pictureName(), QStringLiteral("030077"));
    QCOMPARE(twips(w.Pic1J).topLeft(), QPointF(1890, 675));
    QVERIFY(w.Timer[6]->isActive());
    const QRectF item5 = twips(w.Lbl1J[5]);
    QCOMPARE(item5, QRectF(1920, 675 + 30 + 4 * 345, twips(w.Pic1J).width() - 30, 330)); // menu 3: "7244"
    QCOMPARE(twips(w.Shape1), item5);
    w.Timer[6]->stop();
    w.Click1J(w.Aim1J);
    QCOMPARE(int(w.DemoStep), 2); // the step ended
    QCOMPARE(w.Img1J->pictureName(), QStringLiteral("030500"));
    QCOMPARE(twips(w.Img1J).topLeft(), item5.topLeft());

    // H 03 00 00: the step ends at the title, nothing pressed or opened.
    FrmYanShi::unload();
    ts::unloadRunWindows();
    ts::SceneFixture fx2;
    FrmYanShi &v = onSteps(fx2, withTail(pathStep("H030000000")));
    v.ClickZHU(v.AimZHU);
    QCOMPARE(int(v.DemoStep), 2);
    QVERIFY(!v.Pic1J->isVisibleTo(&v));
    QVERIFY(v.ImgMenu->pictureName().isEmpty());
}

void TstDemoBars::clickCells_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("at86");
    QTest::addColumn<QString>("pressed");  // the pressed picture's image and name
    QTest::addColumn<QString>("image");
    QTest::addColumn<double>("pressedLeft");
    QTest::addColumn<QString>("drop");     // the drop-down's left rule, tested below
    QTest::addColumn<int>("item");         // the item clicked
    QTest::addColumn<QString>("highlight");
    QTest::newRow("menu 11") << "H110200000" << "00" << "0000000000" << "110099" << "ImgMenu" << 8850.0 << "7785"
                             << 2 << "110200";
    QTest::newRow("palette 24, item 12") << "H241200000" << "00" << "0000000000" << "240099" << "ImgHui" << 6225.0
                                         << "upward" << 12 << "499912";
    QTest::newRow("palette 24, item 41") << "H244100000" << "00" << "0000000000" << "240099" << "ImgHui" << 6225.0
                                         << "upward" << 41 << "244100";
    QTest::newRow("split arrow 44") << "H440100000" << "00" << "0000000000" << "440099" << "ImgTool"
                                    << 1005.0 - 345 << "-345" << 1 << "440100";
    QTest::newRow("86") << "H860800000" << "00" << "0000000000" << "860099" << "ImgTool" << 10410.0 << "-585" << 8
                        << "860800";
    QTest::newRow("69") << "H690200000" << "00" << "0000000000" << "690099" << "ImgTool" << 10230.0 << "-735" << 2
                        << "690200";
    QTest::newRow("panel 32, pane X3") << "H320300000" << "X3" << "H320300000" << "XX0399" << "ImgElse" << 9090.0
                                       << "+240" << 3 << "320300";
}

// The clicks on bar cells by the placement table, and the item's highlight.
void TstDemoBars::clickCells()
{
    QFETCH(QString, path);
    QFETCH(QString, pane);
    QFETCH(QString, at86);
    QFETCH(QString, pressed);
    QFETCH(QString, image);
    QFETCH(double, pressedLeft);
    QFETCH(QString, drop);
    QFETCH(int, item);
    QFETCH(QString, highlight);
    ts::SceneFixture fx;
    const QString first = record({{4, pane + s("B7") + s("7000")}, {86, at86}, {125, path}});
    FrmYanShi &w = onSteps(fx, withTail(first));
    const int cell = w.AimZHU;
    const QRectF cellRect = twips(w.LblZHU[cell]);
    w.ClickZHU(w.AimZHU);
    auto *img = w.findChild<simwin::PictureBox *>(image);
    QCOMPARE(img->pictureName(), pressed);
    QCOMPARE(twips(img).topLeft(), QPointF(pressedLeft, cellRect.top()));
    QVERIFY(w.Pic1J->isVisibleTo(&w));
    QCOMPARE(w.Pic1J->pictureName(), QStringLiteral("%1").arg(cell, 2, 10, QChar(u'0')) + QStringLiteral("0077"));
    const QRectF d = twips(w.Pic1J);
    if (drop == u"7785") {
        QCOMPARE(d.topLeft(), QPointF(7785, cellRect.bottom()));
    } else if (drop == u"upward") {
        QCOMPARE(d.left(), cellRect.left());
        QCOMPARE(d.top(), twips(w.PicHui).top() - d.height());
    } else if (drop == u"+240") {
        const QRectF panel = twips(w.PicElse);
        QCOMPARE(d.topLeft(), QPointF(panel.left() + 240, panel.bottom()));
    } else {
        QCOMPARE(d.left(), cellRect.left() + drop.toDouble());
        QCOMPARE(d.top(), cellRect.top() + twips(w.ImgTool).height());
    }
    QVERIFY(w.Timer[6]->isActive());
    w.Timer[6]->stop();
    const QRectF itemRect = twips(w.Lbl1J[size_t(item)]);
    w.Click1J(qint16(item));
    QCOMPARE(int(w.DemoStep), 2);
    QCOMPARE(w.Img1J->pictureName(), highlight);
    QCOMPARE(twips(w.Img1J).topLeft(), itemRect.topLeft());
}

// The sub-menu of key 0308 beside the drop-down, 15 over its right edge, at
// the item's top; lifted to end at 8820 and flipped to the drop-down's left
// past 11850; with no sub-item the step ends with it open.
void TstDemoBars::subMenuKeptInside()
{
    ts::SceneFixture fx;
    FrmYanShi &w = onSteps(fx, withTail(pathStep("H030804000")));
    w.ClickZHU(w.AimZHU);
    w.Timer[6]->stop();
    const QRectF drop = twips(w.Pic1J);
    const double itemTop = twips(w.Lbl1J[8]).top();
    w.Click1J(8);
    QVERIFY(w.Pic2J->isVisibleTo(&w));
    QCOMPARE(w.Pic2J->pictureName(), QStringLiteral("030877"));
    QCOMPARE(twips(w.Pic2J).topLeft(), QPointF(drop.right() - 15, itemTop));
    QVERIFY(w.Timer[7]->isActive());
    QCOMPARE(int(w.DemoStep), 1);
    // Sub-item 4 on the window.
    QCOMPARE(twips(w.Shape1), twips(w.Lbl2J[4]));
    QCOMPARE(twips(w.Lbl2J[1]).topLeft(), twips(w.Pic2J).topLeft() + QPointF(30, 30));

    // The drop-down low and far right: the sub-menu is lifted and flipped.
    w.Timer[7]->stop();
    simwin::moveTwips(w.Pic1J, 9000, 7000);
    w.Tool1JCSH();
    w.Timer[6]->stop();
    w.Click1J(8);
    const QRectF sub = twips(w.Pic2J);
    QCOMPARE(sub.bottom(), 8820.0);
    QCOMPARE(sub.left(), 9000 - sub.width() + 15);

    // 0308 with no sub-item: the sub-menu opens and the step ends.
    FrmYanShi::unload();
    ts::unloadRunWindows();
    ts::SceneFixture fx2;
    FrmYanShi &v = onSteps(fx2, withTail(pathStep("H030800000")));
    v.ClickZHU(v.AimZHU);
    v.Click1J(8);
    QCOMPARE(int(v.DemoStep), 2);
    QCOMPARE(v.Pic2J->pictureName(), QStringLiteral("030877"));
}

// A "D" item at 86-95 shows its own picture for the clicked item only; one
// at 96-105 changes nothing.
void TstDemoBars::ownPicture()
{
    const struct
    {
        const char *path, *at86, *at96;
        int item;
        const char *shown;
    } rows[] = {{"H030500000", "D030507031", "0000000000", 5, "703100"},
                {"H030400000", "D030507031", "0000000000", 4, "030400"},
                {"H030500000", "0000000000", "D030507031", 5, "030500"}};
    for (const auto &r : rows) {
        ts::SceneFixture fx;
        FrmYanShi &w = onSteps(fx, withTail(pathStep(r.path, "00", r.at86, r.at96)));
        w.ClickZHU(w.AimZHU);
        w.Click1J(qint16(r.item));
        QCOMPARE(w.Img1J->pictureName(), s(r.shown));
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

// Presets 33 and 34 keep their drop-down where the bar layout opened it and
// the pointer glides on into it; a path item under a cell that opens no
// drop-down ends the step at its pressed picture; a cell beyond 88 ends it
// with nothing pressed.
void TstDemoBars::presetsAndDeadEnds()
{
    for (const char *field : {"H3309000000720002100", "H3412000000600002400"}) {
        ts::SceneFixture fx;
        FrmYanShi &w = onSteps(fx, withTail(record({{6, s("A3")}, {8, s("7000")}, {86, s(field)}})));
        const QRectF preset = twips(w.Pic1J);
        QVERIFY(w.Pic1J->isVisibleTo(&w));
        w.ClickZHU(w.AimZHU);
        QVERIFY(w.Pic1J->isVisibleTo(&w));
        QCOMPARE(twips(w.Pic1J), preset);
        for (const auto *img : {w.ImgMenu, w.ImgTool, w.ImgHui, w.ImgElse})
            QVERIFY(img->pictureName().isEmpty());
        QVERIFY(w.Timer[6]->isActive());
        QCOMPARE(twips(w.Shape1), twips(w.Lbl1J[size_t(w.Aim1J)]));
        QVERIFY(preset.contains(twips(w.Shape1).center()));
        w.Timer[6]->stop();
        const int item = w.Aim1J;
        w.Click1J(w.Aim1J);
        QCOMPARE(int(w.DemoStep), 2);
        QCOMPARE(w.Img1J->pictureName(), QStringLiteral("4999%1").arg(item, 2, 10, QChar(u'0')));
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
    for (const char *path : {"H410200000", "H120300000", "H350100000", "H950300000"}) {
        ts::SceneFixture fx;
        FrmYanShi &w = onSteps(fx, withTail(pathStep(path)));
        w.ClickZHU(w.AimZHU);
        QCOMPARE(int(w.DemoStep), 2);
        QVERIFY(!w.Timer[6]->isActive());
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

// Jumps name steps of the question; one beyond its steps ends the
// demonstration as the final step does.
void TstDemoBars::jumpsWithinTheQuestion()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, withTail(record({{8, s("9001")}})));
    w.GoStep(QStringLiteral("7"));
    QCOMPARE(int(w.DemoStep), 7);
    w.GoStep(QStringLiteral("A"));
    QCOMPARE(int(w.DemoStep), 10);
    w.GoStep(QStringLiteral("0"));
    QCOMPARE(int(w.DemoStep), 10);
    const QString line = scene::StepLine;
    w.GoStep(QStringLiteral("B")); // step 11 of a 10-step question
    QCOMPARE(int(w.DemoStep), 10);
    QCOMPARE(scene::StepLine, line);
    QVERIFY(w.TimEnd->isActive());
    QCOMPARE(QPoint(w.PointX, w.PointY), QPoint(-500, -500));
    QCOMPARE(twips(w.Shape5).topLeft(), QPointF(-500, -500));

    // The next step past the last one ends it too.
    ts::SceneFixture fx2;
    FrmYanShi::unload();
    ts::unloadRunWindows();
    FrmYanShi &v = demoOn(fx2, {record({{8, s("9001")}}), record({{8, s("9001")}})});
    v.doNext();
    QCOMPARE(int(v.DemoStep), 2);
    QVERIFY(!v.TimEnd->isActive());
    v.doNext();
    QCOMPARE(int(v.DemoStep), 2);
    QVERIFY(v.TimEnd->isActive());
}

// The reset before each scene: every drawn menu control hidden with an empty
// caption, the sub-menu hidden, the drop-down kept only for 33 and 34, the
// pressed pictures removed; nothing while no demonstration runs.
void TstDemoBars::resetBetweenSteps()
{
    ts::SceneFixture fx;
    FrmYanShi &w = onSteps(fx, withTail(record({{8, s("9001")}})));
    auto drawEverything = [&] {
        for (int i = 0; i < 10; ++i) {
            for (QLabel *l : {w.LRM2[size_t(i)], w.LRM4[size_t(i)], w.LRM6[size_t(i)], w.LRM9[size_t(i)],
                              w.LRS[size_t(i)]}) {
                l->setText(QStringLiteral("x"));
                l->show();
            }
            w.LRFGX[size_t(i)]->show();
        }
        for (int k : {1, 3, 5, 7, 8}) {
            w.LRMJL[size_t(k)]->setText(QStringLiteral("c"));
            w.LRMJL[size_t(k)]->show();
            w.ImgJLSanjiao[size_t(k)]->show();
        }
        for (auto *l : w.LRSFgx)
            l->show();
        for (QWidget *c : {static_cast<QWidget *>(w.LRightMMenu), static_cast<QWidget *>(w.ShapeRMain),
                           static_cast<QWidget *>(w.LRightSub), static_cast<QWidget *>(w.ShapeRSUB),
                           static_cast<QWidget *>(w.Pic1J), static_cast<QWidget *>(w.Pic2J)})
            c->show();
        for (auto *img : {w.ImgMenu, w.ImgTool, w.ImgHui, w.ImgElse})
            img->loadPicture(w.examDataPicture(QStringLiteral("030099")));
    };
    auto anyDrawn = [&] {
        for (const QWidget *c : w.findChildren<QWidget *>()) {
            const QString n = c->objectName();
            if (n.startsWith(u"LR") || n.startsWith(u"ImgJLSanjiao") || n.startsWith(u"ShapeR"))
                if (c->isVisibleTo(&w))
                    return true;
            if (const auto *l = qobject_cast<const QLabel *>(c); l && n.startsWith(u"LR") && !l->text().isEmpty())
                return true;
        }
        return false;
    };
    for (int aim : {33, 34, 3}) {
        drawEverything();
        w.AimZHU = qint16(aim);
        w.CSH();
        QVERIFY(!anyDrawn());
        QVERIFY(!w.Pic2J->isVisibleTo(&w));
        QCOMPARE(w.Pic1J->isVisibleTo(&w), aim != 3);
        for (const auto *img : {w.ImgMenu, w.ImgTool, w.ImgHui, w.ImgElse})
            QVERIFY(img->pictureName().isEmpty());
    }
    drawEverything();
    run::YanShiRun = false;
    w.CSH();
    QVERIFY(anyDrawn());
    QVERIFY(w.Pic2J->isVisibleTo(&w));
    QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("030099"));
}

QTEST_MAIN(TstDemoBars)
#include "tst_demobars.moc"
