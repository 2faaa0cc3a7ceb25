// Left clicks on the bar cells: pressed pictures, where each drop-down opens,
// its item cells and marker, and the targets a click advances by, on the real
// window with the generated chrome pictures.
#include "bankstep.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "cover/runstart.h"
#include "foundation/globals.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDir>
#include <QFile>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// A question of 12 steps with every bar shown; step 1 carries the fields
// given. The generated chrome pictures are linked in unless told otherwise.
FrmMain &openQuestion(ts::SceneFixture &fx, std::initializer_list<std::pair<int, QString>> step1, bool pictures = true)
{
    if (pictures) {
        QDir(fx.programDir() + QStringLiteral("/examdata")).removeRecursively();
        QFile::link(ts::sampleProgramDir() + QStringLiteral("/examdata"), fx.programDir() + QStringLiteral("/examdata"));
    }
    QStringList steps{record({{6, s("A7")}, {8, s("9001")}})};
    for (const auto &[pos, text] : step1)
        steps[0] = steps[0].left(pos - 1) + text + steps[0].mid(pos - 1 + text.size());
    for (int i = 2; i <= 12; ++i)
        steps << record({{6, s("A7")}, {8, s("9001")}});
    fx.writeUnit(0, {steps});
    [] { QVERIFY(cover::startUnitPractice(0)); }();
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
    return w;
}

void click(QWidget *w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b, {}, QPoint(3, 3)); }

QPoint inWindow(const QWidget *c) { return c->mapTo(c->window(), QPoint(0, 0)); }
} // namespace

class TstChromeClicks : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void opening_data();
    void opening();
    void targets_data();
    void targets();
    void reclickKeepsTheSubMenu();
    void pressOnAnEarlierScene();
    void itemCellsFollowTheScale();
    void itemsOfAnEarlierDropDownGo();
    void overlappingItemsGoToTheHigher();
    void presetGridsShowTheirPanel();
    void markerOfTheBanksMarkedItem();
    void missingPictures();
    void probeOpensMenu1();
};

void TstChromeClicks::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::resetGlobals();
    scene::resetSceneState();
}

// Where each drop-down opens in window pixels, with the pressed picture.
void TstChromeClicks::opening_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QPoint>("pressedAt");
    QTest::newRow("menu 3") << 3 << "030077" << QPoint(126, 45) << "ImgMenu" << QPoint(126, 27);
    QTest::newRow("menu 4") << 4 << "040077" << QPoint(184, 45) << "ImgMenu" << QPoint(184, 27);
    QTest::newRow("menu 11 at 7785") << 11 << "110077" << QPoint(519, 45) << "ImgMenu" << QPoint(590, 27);
    QTest::newRow("fill colour opens upwards") << 24 << "240077" << QPoint(415, 373) << "ImgHui" << QPoint(415, 557);
    QTest::newRow("shapes opens upwards") << 13 << "130077" << QPoint(97, 361) << "ImgHui" << QPoint(97, 559);
    QTest::newRow("new page arrow") << 42 << "420077" << QPoint(10, 72) << "ImgTool" << QPoint(10, 50);
    QTest::newRow("conversion box") << 69 << "690077" << QPoint(633, 74) << "ImgTool" << QPoint(682, 52);
    QTest::newRow("style box") << 70 << "700077" << QPoint(10, 99) << "ImgTool" << QPoint(10, 77);
    QTest::newRow("highlight") << 87 << "870077" << QPoint(645, 98) << "ImgTool" << QPoint(728, 76);
    QTest::newRow("bold: no drop-down") << 73 << "" << QPoint() << "ImgTool" << QPoint(371, 76);
}

void TstChromeClicks::opening()
{
    QFETCH(int, cell);
    QFETCH(QString, picture);
    QFETCH(QPoint, at);
    QFETCH(QString, image);
    QFETCH(QPoint, pressedAt);
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {});
    click(w.LblZHU[cell]);
    QCOMPARE(w.CurZHU, cell);
    QCOMPARE(scene::StepNo, qint16(1));
    auto *img = w.findChild<simwin::PictureBox *>(image);
    QCOMPARE(img->pictureName(), QStringLiteral("%1").arg(cell, 2, 10, QChar(u'0')) + QStringLiteral("0099"));
    QCOMPARE(inWindow(img), pressedAt);
    QCOMPARE(w.Pic1J->isVisible(), !picture.isEmpty());
    if (picture.isEmpty())
        return;
    QCOMPARE(w.Pic1J->pictureName(), picture);
    QCOMPARE(w.Pic1J->pos(), at);
    // Its items are laid out over it.
    QVERIFY(!w.Lbl1J[1]->size().isEmpty());
}

// The targets a left release compares, and how far it advances.
void TstChromeClicks::targets_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("second"); // T2, when T1 is given too
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("step");
    QTest::newRow("T1 names the title clicked") << 125 << "H030000000" << "" << 3 << 2;
    QTest::newRow("T1 names another title") << 125 << "H030000000" << "" << 4 << 1;
    QTest::newRow("T2 jumps to 5") << 86 << "H410000005" << "" << 41 << 5;
    QTest::newRow("T2 jumps to A = 10") << 86 << "H41000000A" << "" << 41 << 10;
    QTest::newRow("T3 cell target") << 96 << "H450000000" << "" << 45 << 2;
    QTest::newRow("an item target only opens") << 125 << "H050300000" << "" << 5 << 1;
    QTest::newRow("matched by number") << 125 << "H050000000" << "" << 5 << 2;
    QTest::newRow("a D target never matches a cell") << 96 << "D4203x7031" << "" << 42 << 1;
    QTest::newRow("letters read 0") << 125 << "Hxx0000000" << "" << 1 << 1;
    QTest::newRow("two fields naming one cell advance once") << 125 << "H030000000" << "H030000000" << 3 << 2;
    QTest::newRow("after an advance a field reading 0 is not compared") << 125 << "H030000000" << "H000000000" << 3 << 2;
    QTest::newRow("after an advance a field of letters is not compared") << 125 << "H030000000" << "Hxx0000000" << 3 << 2;
}

void TstChromeClicks::targets()
{
    QFETCH(int, field);
    QFETCH(QString, target);
    QFETCH(QString, second);
    QFETCH(int, cell);
    QFETCH(int, step);
    ts::SceneFixture fx;
    FrmMain &w = second.isEmpty() ? openQuestion(fx, {{field, target}}) : openQuestion(fx, {{field, target}, {86, second}});
    click(w.LblZHU[cell]);
    QCOMPARE(scene::StepNo, qint16(step));
    if (step == 1) {
        QCOMPARE(w.CurZHU, cell);
    } else {
        QCOMPARE(w.CurZHU, 0);
        QVERIFY(!w.Pic1J->isVisible());
    }
}

void TstChromeClicks::reclickKeepsTheSubMenu()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {{125, s("H030400000")}});
    click(w.LblZHU[3]);
    w.Cur1J = 4;
    w.Pic2J->show();
    w.Lbl1J[30]->setGeometry(1, 1, 5, 5); // a leftover the next layout clears
    click(w.LblZHU[3]);
    QVERIFY(w.Pic1J->isVisible());
    QCOMPARE(w.Pic1J->pictureName(), QStringLiteral("030077"));
    QVERIFY(w.Pic2J->isVisible());
    QCOMPARE(w.Cur1J, 4);
    QCOMPARE(w.Lbl1J[30]->size(), QSize(0, 0));
    QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("030099"));
}

// A release ending a press made before the scene changed does nothing.
void TstChromeClicks::pressOnAnEarlierScene()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {{125, s("H030000000")}});
    QTest::mousePress(w.LblZHU[3], Qt::LeftButton, {}, QPoint(3, 3));
    w.doNext();
    QTest::mouseRelease(w.LblZHU[3], Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(scene::StepNo, qint16(2));
    QCOMPARE(w.CurZHU, 0);
    QVERIFY(!w.Pic1J->isVisible());
}

void TstChromeClicks::itemCellsFollowTheScale()
{
    ts::SceneFixture fx;
    fnd::XBiLi = 1;
    fnd::YBiLi = 1.25;
    FrmMain &w = openQuestion(fx, {});
    click(w.LblZHU[9]);
    // Whole twips, halves to even: half up would give 1369 and 2269.
    const QList<double> tops{38, 469, 938, 1368, 1800, 2268};
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(simwin::twipsRect(w.Lbl1J[i]), QRectF(30, tops[i - 1], 3900, 330 * 1.25));
    // Fixed layouts: heights follow YBiLi, unrounded.
    click(w.LblZHU[28]);
    QCOMPARE(simwin::twipsRect(w.Lbl1J[2]), QRectF(60, 300 * 1.25, 1470, 210 * 1.25));
}

void TstChromeClicks::itemsOfAnEarlierDropDownGo()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {});
    click(w.LblZHU[1]);
    QVERIFY(!w.Lbl1J[21]->size().isEmpty());
    click(w.LblZHU[9]);
    for (int i = 1; i <= 6; ++i)
        QVERIFY(!w.Lbl1J[i]->size().isEmpty());
    for (int i = 7; i <= FrmMain::MenuItems; ++i) {
        QCOMPARE(w.Lbl1J[i]->size(), QSize(0, 0));
        QCOMPARE(simwin::twipsRect(w.Lbl1J[i]), QRectF(-100, -100, 0, 0));
    }
    click(w.LblZHU[8]);
    QVERIFY(!w.Lbl1J[1]->size().isEmpty());
    QCOMPARE(w.Lbl1J[2]->size(), QSize(0, 0));
}

// Cell 71's items overlap by 30 twips: the higher item takes the pointer.
void TstChromeClicks::overlappingItemsGoToTheHigher()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {});
    click(w.LblZHU[71]);
    const QRect second = w.Lbl1J[2]->geometry();
    QVERIFY(w.Lbl1J[1]->geometry().intersects(second));
    QCOMPARE(w.Pic1J->childAt(second.topLeft() + QPoint(5, 0)), w.Lbl1J[2]);
    QCOMPARE(w.Pic1J->childAt(w.Lbl1J[1]->geometry().topLeft() + QPoint(5, 1)), w.Lbl1J[1]);
}

void TstChromeClicks::presetGridsShowTheirPanel()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {});
    for (const auto &[cell, first] : {std::pair{33, QRectF(60, 480, 270, 270)}, std::pair{34, QRectF(0, 0, 270, 270)}}) {
        w.Pic1J->hide();
        w.CurZHU = cell;
        w.Tool1JCSH();
        QVERIFY(w.Pic1J->isVisible());
        QCOMPARE(simwin::twipsRect(w.Lbl1J[1]), first);
    }
}

// The bank's marked item: menu 7's item 3 shows its marker "703177" at the
// item's corner; another menu shows none.
void TstChromeClicks::markerOfTheBanksMarkedItem()
{
    ts::BankSteps bank;
    FrmMain *w = bank.open(2, 13, 1);
    QVERIFY(w);
    QVERIFY(scene::StepLine.mid(95, 10) == u"D070307031");
    click(w->LblZHU[7]);
    QVERIFY(w->Img1jBK->isVisible());
    QCOMPARE(w->Img1jBK->pictureName(), QStringLiteral("703177"));
    QCOMPARE(simwin::twipsRect(w->Img1jBK).topLeft(), QPointF(30, 720));
    QCOMPARE(scene::StepNo, qint16(1));
    click(w->LblZHU[6]);
    QVERIFY(!w->Img1jBK->isVisible());
}

// Without any chrome picture: no highlight, the drop-down still placed,
// shown and laid out.
void TstChromeClicks::missingPictures()
{
    ts::SceneFixture fx;
    FrmMain &w = openQuestion(fx, {{96, s("D0103x7031")}}, false);
    click(w.LblZHU[1]);
    QVERIFY(w.ImgMenu->picture().isNull());
    QVERIFY(w.Pic1J->isVisible());
    QCOMPARE(w.Pic1J->x(), 10);
    QVERIFY(!w.Lbl1J[21]->size().isEmpty());
    QVERIFY(!w.Img1jBK->isVisible());
    click(w.LblZHU[24]);
    QVERIFY(w.Pic1J->isVisible());
    QVERIFY(w.ImgHui->picture().isNull());
}

void TstChromeClicks::probeOpensMenu1()
{
    const QList<QJsonObject> lines =
        ts::playProbe(ts::sampleProgramDir(), 0, 1, "click LblZHU_1\nscene\nmove LblZHU_2\nscene\n");
    QCOMPARE(lines.size(), 4);
    QHash<QString, QJsonObject> open;
    for (const QJsonValue &v : lines[1]["controls"].toArray())
        open.insert(v["name"].toString(), v.toObject());
    QCOMPARE(lines[1]["CurZHU"].toInt(), 1);
    QCOMPARE(open["Pic1J"]["picture"].toString(), QStringLiteral("010077"));
    QCOMPARE(QRect(open["Pic1J"]["x"].toInt(), open["Pic1J"]["y"].toInt(), open["Pic1J"]["w"].toInt(), open["Pic1J"]["h"].toInt()),
             QRect(10, 45, 264, 502));
    QCOMPARE(open["ImgMenu"]["picture"].toString(), QStringLiteral("010099"));
    QCOMPARE(QRect(open["Lbl1J_21"]["x"].toInt(), open["Lbl1J_21"]["y"].toInt(), open["Lbl1J_21"]["w"].toInt(),
                   open["Lbl1J_21"]["h"].toInt()),
             QRect(12, 523, 260, 22));
    QVERIFY(!open.contains(QStringLiteral("Lbl1J_22")));
    bool pic1J = false;
    for (const QJsonValue &v : lines[3]["controls"].toArray())
        pic1J = pic1J || v["name"].toString() == u"Pic1J";
    QVERIFY(!pic1J);
    QCOMPARE(lines[3]["CurZHU"].toInt(), 0);
}

QTEST_MAIN(TstChromeClicks)
#include "tst_chromeclicks.moc"
