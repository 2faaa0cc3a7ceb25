// Left clicks on the bar cells: pressed pictures, where each drop-down opens,
// its item cells and marker, and the targets a click advances by, on the real
// window with the generated chrome pictures.
#include "bankstep.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "foundation/globals.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

using Fields = QList<std::pair<int, QString>>;
// A question of 12 steps with every bar shown; steps[i] gives step i + 1's
// own fields over the plain step.
FrmMain &openSteps(ts::SceneFixture &fx, const QList<Fields> &steps, bool pictures = true)
{
    if (pictures) {
        QDir(fx.programDir() + QStringLiteral("/examdata")).removeRecursively();
        QFile::link(ts::sampleProgramDir() + QStringLiteral("/examdata"), fx.programDir() + QStringLiteral("/examdata"));
    }
    QStringList records;
    for (int i = 0; i < 12; ++i) {
        QString r = record({{6, s("A7")}, {8, s("9001")}});
        for (const auto &[pos, text] : steps.value(i))
            r = r.left(pos - 1) + text + r.mid(pos - 1 + text.size());
        records << r;
    }
    fx.writeUnit(0, {records});
    [] { QVERIFY(ts::composeUnit(0)); }();
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
    return w;
}

// The same with step 1's fields alone.
FrmMain &openQuestion(ts::SceneFixture &fx, std::initializer_list<std::pair<int, QString>> step1, bool pictures = true)
{
    return openSteps(fx, {Fields(step1)}, pictures);
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

    void subMenuPlaces();
    void subMenuCells();
    void subMenuLiftedAndFlipped();
    void itemHover_data();
    void itemHover();
    void itemTargets_data();
    void itemTargets();
    void oneAdvanceFromAPreset();
    void pointingClosesTheSubMenu();
    void panels();
    void presetPopup();
    void tickReadsTheCurrentStep();
    void probeSolvesThroughASubMenu();
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

// On copies of the sample bank: the probe's start writes records.
void TstChromeClicks::probeOpensMenu1()
{
    const ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QList<QJsonObject> lines =
        ts::playProbe(copy.path(), 0, 1, "click LblZHU_1\nscene\nmove LblZHU_2\nscene\n");
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

// Sub-menus beside the drop-down: 0113 in place, the bank's 0412 lifted onto
// the bottom limit and 0704 flipped to the drop-down's left.
void TstChromeClicks::subMenuPlaces()
{
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {});
    const std::tuple<int, int, QString, QPoint> rows[] = {{1, 13, "011377", QPoint(273, 331)},
                                                          {4, 12, "041277", QPoint(447, 211)},
                                                          {7, 4, "070477", QPoint(95, 118)}};
    for (const auto &[cell, item, picture, at] : rows) {
        click(w.LblZHU[cell]);
        click(w.Lbl1J[item]);
        QCOMPARE(w.Cur1J, item);
        QVERIFY(w.Pic2J->isVisible());
        QCOMPARE(w.Pic2J->pictureName(), picture);
        QCOMPARE(w.Pic2J->pos(), at);
    }
    // An item not in the list opens nothing.
    click(w.LblZHU[5]);
    w.Pic2J->hide();
    click(w.Lbl1J[12]);
    QCOMPARE(w.Cur1J, 12);
    QVERIFY(!w.Pic2J->isVisible());
}

void TstChromeClicks::subMenuCells()
{
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = 0.8;
    FrmMain &w = openSteps(fx, {});
    click(w.LblZHU[1]);
    click(w.Lbl1J[13]);
    const QList<double> tops{24, 300, 576, 876};
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(simwin::twipsRect(w.Lbl2J[i]), QRectF(24, tops[i - 1], 3120, 264));
    cleanup();
    ts::SceneFixture fx1;
    FrmMain &v = openSteps(fx1, {});
    click(v.LblZHU[4]);
    click(v.Lbl1J[12]);
    QVERIFY(!v.Lbl2J[16]->size().isEmpty());
    click(v.LblZHU[1]);
    click(v.Lbl1J[13]);
    for (int i = 5; i <= 16; ++i)
        QCOMPARE(simwin::twipsRect(v.Lbl2J[i]), QRectF(-100, -100, 0, 0));
    QCOMPARE(simwin::twipsRect(v.Lbl2J[4]), QRectF(30, 1095, 3900, 330));
    click(v.LblZHU[13]);
    click(v.Lbl1J[3]);
    QCOMPARE(simwin::twipsRect(v.Lbl2J[5]), QRectF(30, 510, 345, 330));
    QCOMPARE(simwin::twipsRect(v.Lbl2J[32]), QRectF(1065, 2490, 345, 330));
    click(v.LblZHU[13]);
    click(v.Lbl1J[1]);
    QCOMPARE(simwin::twipsRect(v.Lbl2J[9]), QRectF(720, 840, 345, 330));
    QCOMPARE(v.Lbl2J[10]->size(), QSize(0, 0));
}

// A tall sub-menu near the right edge is both lifted and flipped.
void TstChromeClicks::subMenuLiftedAndFlipped()
{
    ts::SceneFixture fx;
    QDir().mkpath(fx.programDir() + QStringLiteral("/examdata"));
    for (const auto &[name, size] : {std::pair{"070077", QSize(264, 400)}, std::pair{"071677", QSize(300, 300)}}) {
        QImage img(size, QImage::Format_RGB32);
        img.fill(Qt::gray);
        QVERIFY(img.save(fx.programDir() + QStringLiteral("/examdata/") + QString::fromLatin1(name) + QStringLiteral(".mxy"), "PNG"));
    }
    FrmMain &w = openSteps(fx, {}, false);
    click(w.LblZHU[7]);
    click(w.Lbl1J[16]);
    QCOMPARE(w.Pic2J->pos(), QPoint(358 - 300 + 1, 588 - 300));
}

void TstChromeClicks::itemHover_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("picture");
    QTest::newRow("menu 5 item 3") << 5 << 3 << "050300";
    QTest::newRow("palette cell 7 of 24") << 24 << 7 << "499907";
    QTest::newRow("wide entry 41 of 24") << 24 << 41 << "244100";
    QTest::newRow("highlight grid cell 7 of 87") << 87 << 7 << "870700";
}

void TstChromeClicks::itemHover()
{
    QFETCH(int, cell);
    QFETCH(int, item);
    QFETCH(QString, picture);
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {});
    click(w.LblZHU[cell]);
    QTest::mouseMove(w.Lbl1J[item], QPoint(2, 2));
    QCOMPARE(w.Img1J->pictureName(), picture);
    QCOMPARE(simwin::twipsRect(w.Img1J).topLeft(), simwin::twipsRect(w.Lbl1J[item]).topLeft());
    if (cell == 5)
        QCOMPARE(simwin::twipsRect(w.Img1J).topLeft(), QPointF(30, 720));
}

// (fields of step 1, clicks, step reached, sub-menu open)
void TstChromeClicks::itemTargets_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<int>("step");
    QTest::newRow("item: opens, then advances") << 125 << "H011300000" << QStringList{"LblZHU_1", "Lbl1J_13"} << 2;
    QTest::newRow("sub-item 4 of a target on 3: stays") << 125 << "H011303000" << QStringList{"LblZHU_1", "Lbl1J_13", "Lbl2J_4"} << 1;
    QTest::newRow("sub-item 3 advances") << 125 << "H011303000" << QStringList{"LblZHU_1", "Lbl1J_13", "Lbl2J_3"} << 2;
    QTest::newRow("jump B: step 11") << 86 << "H01010000B" << QStringList{"LblZHU_1", "Lbl1J_1"} << 11;
    QTest::newRow("D in T3 advances whatever its last character") << 96 << "D0204x7031" << QStringList{"LblZHU_2", "Lbl1J_4"} << 2;
    QTest::newRow("D in T1 never advances") << 125 << "D0204x7031" << QStringList{"LblZHU_2", "Lbl1J_4"} << 1;
    QTest::newRow("an unmatched item") << 125 << "H020500000" << QStringList{"LblZHU_2", "Lbl1J_4"} << 1;
    QTest::newRow("a sub-item target is not the item's") << 125 << "H041201000" << QStringList{"LblZHU_4", "Lbl1J_12"} << 1;
}

void TstChromeClicks::itemTargets()
{
    QFETCH(int, field);
    QFETCH(QString, target);
    QFETCH(QStringList, clicks);
    QFETCH(int, step);
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {{{field, target}}});
    for (const QString &name : clicks) {
        // Pointing at a marked item shows its own hover picture, in T3 only.
        if (target == u"D0204x7031" && name == u"Lbl1J_4") {
            QTest::mouseMove(w.Lbl1J[2], QPoint(field % 7, 4)); // elsewhere first, so the next move is one
            QTest::mouseMove(w.Lbl1J[4], QPoint(3, 3));
            QCOMPARE(w.Img1J->pictureName(), field == 96 ? QStringLiteral("703100") : QStringLiteral("020400"));
        }
        click(w.findChild<QWidget *>(name));
    }
    QCOMPARE(scene::StepNo, qint16(step));
    if (step == 1) {
        QCOMPARE(w.CurZHU, clicks.first().mid(7).toInt());
        QCOMPARE(w.Cur1J, clicks.at(1).mid(6).toInt());
        QVERIFY(w.Pic1J->isVisible());
    }
}

// A jump from a preset drop-down keeps CurZHU 33 and Cur1J through the next
// scene's build; the second field naming the same item no longer advances.
void TstChromeClicks::oneAdvanceFromAPreset()
{
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {{{125, s("H330900003")}, {86, s("H330900002")}, {96, s("07200")}, {102, s("2100")}}});
    QTRY_COMPARE(w.CurZHU, 33);
    click(w.Lbl1J[9]);
    QCOMPARE(scene::StepNo, qint16(3));
    QCOMPARE(w.CurZHU, 33);
    QCOMPARE(w.Cur1J, 9);
}

void TstChromeClicks::pointingClosesTheSubMenu()
{
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {});
    click(w.LblZHU[1]);
    click(w.Lbl1J[13]);
    QTest::mouseMove(w.Lbl1J[13], QPoint(5, 5));
    QVERIFY(w.Pic2J->isVisible());
    QTest::mouseMove(w.Lbl1J[12], QPoint(5, 5));
    QVERIFY(!w.Pic2J->isVisible());
    QCOMPARE(w.Img1J->pictureName(), QStringLiteral("011200"));
    QTest::mouseMove(w.Lbl1J[13], QPoint(6, 5));
    QVERIFY(!w.Pic2J->isVisible()); // pointing opens nothing
    QCOMPARE(w.Img1J->pictureName(), QStringLiteral("011300"));
    QCOMPARE(w.Cur1J, 13);
}

void TstChromeClicks::panels()
{
    ts::SceneFixture fx;
    fnd::XBiLi = fnd::YBiLi = 0.8;
    auto panel = [](const char *t2, const char *left, const char *top, const char *pane = "EE") {
        return Fields{{4, s(pane)}, {86, s(t2)}, {96, s(left)}, {102, s(top)}};
    };
    FrmMain &w = openSteps(fx, {panel("H050000000", "06000", "1200"), panel("H380000000", "06000", "1200"),
                                panel("H350000000", "06000", "1200"), panel("H320000000", "00000", "0000"),
                                panel("H370000000", "00000", "0000"), panel("H360500000", "06000", "1200", "X3"),
                                Fields{{4, s("X3")}}});
    QVERIFY(!w.PicElse->isVisible()); // "H05": a menu title, no panel
    ts::buildStep(1, 2);
    QVERIFY(w.PicElse->isVisible());
    QCOMPARE(w.PicElse->pos(), QPoint(400, 80));
    QCOMPARE(w.PicElse->pictureName(), QStringLiteral("380000"));
    QVERIFY(!w.LblZHU[38]->size().isEmpty());
    ts::buildStep(1, 3); // two panels in a row: the first's cell collapses
    QCOMPARE(w.LblZHU[38]->size(), QSize(0, 0));
    QVERIFY(!w.LblZHU[35]->size().isEmpty());
    click(w.LblZHU[35]); // no picture, no drop-down; its own target advances
    QVERIFY(w.ImgElse->picture().isNull());
    QCOMPARE(scene::StepNo, qint16(4));
    QCOMPARE(w.PicElse->pos(), QPoint(605, 107));
    ts::buildStep(1, 5);
    QCOMPARE(w.PicElse->pos(), QPoint(416, 28));
    ts::buildStep(1, 6);
    QCOMPARE(w.PicElse->pictureName(), QStringLiteral("XX0300"));
    click(w.LblZHU[36]);
    QCOMPARE(w.ImgElse->pictureName(), QStringLiteral("XX0399"));
    QCOMPARE(w.Pic1J->pictureName(), QStringLiteral("360077"));
    QCOMPARE(w.Pic1J->pos(), QPoint(400, 80 + w.PicElse->height()));
    QVERIFY(!w.Lbl1J[14]->size().isEmpty());
    QCOMPARE(w.Lbl1J[15]->size(), QSize(0, 0));
    ts::buildStep(1, 7); // a pane set without a panel loads nothing
    QVERIFY(!w.PicElse->isVisible());
}

void TstChromeClicks::presetPopup()
{
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {{{86, s("H340000000")}, {96, s("06000")}, {102, s("2400")}},
                                {{86, s("H330000000")}, {96, s("07200")}, {102, s("2100")}}});
    QVERIFY(w.Pic1J->isVisible());
    QVERIFY(!w.PicElse->isVisible());
    QCOMPARE(w.Pic1J->pictureName(), QStringLiteral("340077"));
    QCOMPARE(w.Pic1J->pos(), QPoint(400, 160));
    QCOMPARE(w.CurZHU, 0);
    QTRY_COMPARE(w.CurZHU, 34);
    QCOMPARE(simwin::twipsRect(w.Lbl1J[1]), QRectF(0, 0, 270, 270));
    ts::buildStep(1, 2);
    QTRY_COMPARE(w.CurZHU, 33);
    QCOMPARE(simwin::twipsRect(w.Lbl1J[1]), QRectF(60, 480, 270, 270));
    // Open over the background; closed by a bar cell.
    QTest::mouseMove(&w, QPoint(400, 300));
    QVERIFY(w.Pic1J->isVisible());
    QTest::mouseMove(w.LblZHU[45], QPoint(3, 3));
    QVERIFY(!w.Pic1J->isVisible());
    QCOMPARE(w.CurZHU, 0);
}

// The tick reads the step current at the tick, not the one that armed it.
void TstChromeClicks::tickReadsTheCurrentStep()
{
    ts::SceneFixture fx;
    FrmMain &w = openSteps(fx, {{{86, s("H330000000")}, {96, s("07200")}, {102, s("2100")}},
                                {{86, s("H050000000")}}});
    QVERIFY(w.TimTool->isActive());
    w.doNext();
    QTRY_VERIFY(!w.TimTool->isActive());
    QCOMPARE(w.CurZHU, 5);
    QVERIFY(!w.Lbl1J[16]->size().isEmpty()); // menu 5's items
}

// Title, item and sub-item through the probe on the sample bank.
void TstChromeClicks::probeSolvesThroughASubMenu()
{
    const ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QList<QJsonObject> lines =
        ts::playProbe(copy.path(), 0, 9, "scene\nclick LblZHU_4\nclick Lbl1J_12\nscene\nclick Lbl2J_1\nscene\n");
    QCOMPARE(lines.size(), 6);
    QCOMPARE(lines[0]["StepLine"].toString().mid(124, 7), QStringLiteral("H041201"));
    bool open = false;
    for (const QJsonValue &v : lines[3]["controls"].toArray())
        if (v["name"].toString() == u"Pic2J")
            open = v["picture"].toString() == u"041277";
    QVERIFY(open);
    QCOMPARE(lines[3]["StepNo"].toInt(), 1);
    QCOMPARE(lines[5]["StepNo"].toInt(), 2);
}

QTEST_MAIN(TstChromeClicks)
#include "tst_chromeclicks.moc"
