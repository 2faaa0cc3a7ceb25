// The bars of the simulated window: the cells' places at every scale, which
// cell takes the mouse, the tooltips, and the hover pictures with the
// open-popup state they reset, on the real window.
#include "bankstep.h"
#include "barcells.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "foundation/globals.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QtTest>

using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }

// Hover pictures of the fixture: plain colours, each name its own size so a
// test can tell which one an image shows.
void writeExamData(const ts::SceneFixture &fx, const QString &name, QSize size)
{
    QDir().mkpath(fx.programDir() + QStringLiteral("/examdata"));
    QImage img(size, QImage::Format_RGB32);
    img.fill(Qt::darkYellow);
    QVERIFY(img.save(fx.programDir() + QStringLiteral("/examdata/") + name + QStringLiteral(".mxy"), "PNG"));
}

// A one-step question with the menu bar and toolbars shown, the pane field
// and extra panel given.
FrmMain &openStep(ts::SceneFixture &fx, const QString &pane = QStringLiteral("EE"), int panel = 0,
                  const QString &bars = QStringLiteral("B7"))
{
    QString t2 = panel ? QStringLiteral("H%1000000").arg(panel) : QString();
    fx.writeUnit(0, {{record({{4, pane}, {6, bars}, {8, s("9001")}, {86, t2}, {96, s("08400")}, {102, s("1650")}})}});
    [] { QVERIFY(ts::composeUnit(0)); }();
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
    return w;
}

QList<simwin::PictureBox *> highlights(FrmMain &w) { return {w.ImgMenu, w.ImgHui, w.ImgTool, w.ImgElse}; }
int shownHighlights(FrmMain &w)
{
    int n = 0;
    for (auto *img : highlights(w))
        n += !img->picture().isNull();
    return n;
}
} // namespace

class TstChrome : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();

    void cellsAtEveryScale_data();
    void cellsAtEveryScale();
    void whichCellTakesTheMouse();
    void noBarNoCell();
    void tooltips();
    void hoverPicture_data();
    void hoverPicture();
    void hoverResetsTheOpenPopups();
    void closingRows();
    void probeHoverAndHit();
};

void TstChrome::cleanup()
{
    FrmMain::unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    fnd::resetGlobals();
    scene::resetSceneState();
}

void TstChrome::cellsAtEveryScale_data()
{
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::newRow("1") << 1.0 << 1.0;
    QTest::newRow("0.8") << 0.8 << 0.8;
    QTest::newRow("1 by 1.25") << 1.0 << 1.25;
    QTest::newRow("1.25 by 0.8") << 1.25 << 0.8;
}

void TstChrome::cellsAtEveryScale()
{
    QFETCH(double, x);
    QFETCH(double, y);
    ts::SceneFixture fx;
    fnd::XBiLi = x;
    fnd::YBiLi = y;
    FrmMain &w = openStep(fx);
    // Twips: lefts and widths follow XBiLi, tops and heights YBiLi.
    for (const ts::BarCell &b : ts::barCells()) {
        const QRectF d = b.at;
        const QRectF t = simwin::twipsRect(w.LblZHU[b.cell]);
        QVERIFY2(qAbs(t.left() - d.left() * x) < 1e-6 && qAbs(t.width() - d.width() * x) < 1e-6,
                 qPrintable(QString::number(b.cell)));
        QVERIFY2(qAbs(t.top() - d.top() * y) < 1e-6 && qAbs(t.height() - d.height() * y) < 1e-6,
                 qPrintable(QString::number(b.cell)));
    }
    // Pixels stay those of scale 1: cell 1 covers 10-67 of the menu bar,
    // cell 11 590-647, cell 41 10-32 and cell 70 10-105 of their rows.
    QCOMPARE(w.LblZHU[1]->geometry(), QRect(10, 1, 58, 18));
    QCOMPARE(w.LblZHU[11]->geometry(), QRect(590, 1, 58, 18));
    QCOMPARE(w.LblZHU[41]->geometry(), QRect(10, 1, 23, 22));
    QCOMPARE(w.LblZHU[70]->geometry(), QRect(10, 28, 96, 22));
    QCOMPARE(w.LblZHU[88]->geometry(), QRect(762, 27, 23, 22));
    QCOMPARE(w.PicTool->pos(), QPoint(0, 49));
}

void TstChrome::whichCellTakesTheMouse()
{
    ts::SceneFixture fx;
    writeExamData(fx, QStringLiteral("440088"), QSize(35, 22));
    FrmMain &w = openStep(fx);
    auto at = [&w](int px, int py) { return w.PicTool->childAt(QPoint(px, py)); };
    // The 15-twip overlaps belong to the higher cell.
    for (int cell : {43, 45, 53}) {
        const QRect g = w.LblZHU[cell]->geometry();
        QCOMPARE(at(g.left(), g.center().y()), w.LblZHU[cell]);
    }
    // Pixels 0-9 of a bar belong to no cell.
    QVERIFY(!qobject_cast<simwin::HotSpot *>(at(5, 10)));
    // Cell 88 after cell 87: no point of cell 70 is its.
    const QRect c70 = w.LblZHU[70]->geometry();
    for (int px = c70.left(); px <= c70.right(); ++px)
        QCOMPARE(at(px, c70.center().y()), w.LblZHU[70]);
    QCOMPARE(at(770, 35), w.LblZHU[88]);
    QCOMPARE(at(760, 35), w.LblZHU[87]);
    // Hovering 44 draws its picture over 43 too; 43 still takes the mouse.
    QTest::mouseMove(w.LblZHU[44], QPoint(3, 3));
    QCOMPARE(w.ImgTool->pictureName(), QStringLiteral("440088"));
    QCOMPARE(at(w.LblZHU[43]->geometry().center().x(), 10), w.LblZHU[43]);
    // The hint frame never takes the mouse.
    simwin::setTwipsRect(w.ShapeTool, simwin::twipsRect(w.LblZHU[45]));
    w.ShapeTool->show();
    QCOMPARE(at(w.LblZHU[45]->geometry().center().x(), w.LblZHU[45]->geometry().center().y()), w.LblZHU[45]);
}

void TstChrome::noBarNoCell()
{
    ts::SceneFixture fx;
    FrmMain &w = openStep(fx, QStringLiteral("EE"), 0, QStringLiteral("EE"));
    for (int cell : {1, 12, 41, 70, 88}) {
        const QPoint p = w.LblZHU[cell]->mapTo(&w, w.LblZHU[cell]->rect().center());
        QVERIFY2(!w.childAt(p) || !w.childAt(p)->objectName().startsWith(u"LblZHU"), qPrintable(QString::number(cell)));
    }
    // The cells keep their places for the next step.
    QCOMPARE(w.LblZHU[41]->geometry(), QRect(10, 1, 23, 22));
}

void TstChrome::tooltips()
{
    ts::SceneFixture fx;
    FrmMain &w = FrmMain::get();
    QHash<int, QString> table;
    const std::pair<int, const char *> rows[] = {
        {41, "新建普通网页"}, {43, "打开"}, {45, "保存"}, {46, "查找"}, {47, "发布网站"}, {48, "切换窗格"},
        {50, "打印"}, {51, "在浏览器中预览"}, {53, "拼写检查"}, {54, "剪切"}, {55, "复制"}, {56, "粘贴"},
        {57, "格式刷"}, {58, "撤消"}, {59, "恢复"}, {60, "Web组件"}, {61, "插入表格"}, {62, "插入层"},
        {63, "插入文件中的图片"}, {64, "绘图"}, {65, "插入超链接"}, {66, "刷新"}, {67, "停止"},
        {68, "全部显示"}, {69, "中文简繁转换"}, {70, "样式"}, {71, "字体"}, {72, "字号"}, {73, "加粗"},
        {74, "倾斜"}, {75, "下划线"}, {76, "左对齐"}, {77, "居中对齐"}, {78, "右对齐"}, {79, "两端对齐"},
        {80, "增大字号"}, {81, "减小字号"}, {82, "编号"}, {83, "项目符号"}, {84, "减少缩进量"},
        {85, "增加缩进量"}, {86, "框线"}, {87, "突出显示(非突出显示)"}, {14, "直线"}, {15, "箭头"},
        {16, "矩形"}, {17, "椭圆"}, {18, "文本框"}, {19, "竖排文本框"}, {20, "插入艺术字"},
        {21, "插入组织结构图或其它图示"}, {22, "插入剪贴画"}, {23, "插入文件中的图片"}, {24, "填充颜色"},
        {25, "线条颜色"}, {26, "字体颜色"}, {27, "线型"}, {28, "虚线线型"}, {29, "箭头样式"},
        {30, "阴影样式"}, {31, "三维效果样式"}};
    for (const auto &[cell, text] : rows)
        table.insert(cell, s(text));
    for (int i = 0; i <= FrmMain::LastHotSpot; ++i)
        QVERIFY2(w.LblZHU[i]->toolTip() == table.value(i), qPrintable(QString::number(i)));
}

void TstChrome::hoverPicture_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<QString>("image");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QPoint>("pos"); // in the bar, pixels
    QTest::newRow("menu title 2") << 2 << "EE" << "ImgMenu" << "020088" << QPoint(68, 1);
    QTest::newRow("drawing cell 17") << 17 << "EE" << "ImgHui" << "170088" << QPoint(248, 2);
    QTest::newRow("split arrow 44: 345 twips left") << 44 << "EE" << "ImgTool" << "440088" << QPoint(44, 1);
    QTest::newRow("open button 43 at itself") << 43 << "EE" << "ImgTool" << "430088" << QPoint(44, 1);
    QTest::newRow("panel 36, pane set 2") << 36 << "X2" << "ImgElse" << "XX0288" << QPoint(0, 0);
    QTest::newRow("panel 36, no pane set") << 36 << "EE" << "ImgElse" << "360088" << QPoint(0, 0);
    QTest::newRow("panel 36, pane set without a hover") << 36 << "X7" << "ImgElse" << "360088" << QPoint(0, 0);
    QTest::newRow("missing picture: nothing shown") << 50 << "EE" << "ImgTool" << "" << QPoint(-1, -1);
}

void TstChrome::hoverPicture()
{
    QFETCH(int, cell);
    QFETCH(QString, pane);
    QFETCH(QString, image);
    QFETCH(QString, picture);
    QFETCH(QPoint, pos);
    ts::SceneFixture fx;
    for (const char *n : {"020088", "170088", "440088", "430088", "360088", "XX0288"})
        writeExamData(fx, QString::fromLatin1(n), QSize(20, 12));
    FrmMain &w = openStep(fx, pane, 36);
    // From the bare window (a move to the point the last row ended on would
    // be no move at all).
    QTest::mouseMove(&w, QPoint(400, 300));
    QTest::mouseMove(w.LblZHU[cell], QPoint(2, 2));
    auto *img = w.findChild<simwin::PictureBox *>(image);
    QCOMPARE(img->pictureName(), picture);
    if (!picture.isEmpty())
        QCOMPARE(img->pos(), pos);
    QCOMPARE(shownHighlights(w), picture.isEmpty() ? 0 : 1);
    QCOMPARE(w.CurZHU, 0);
}

void TstChrome::hoverResetsTheOpenPopups()
{
    ts::SceneFixture fx;
    for (int c = 1; c <= 11; ++c)
        writeExamData(fx, QStringLiteral("%1").arg(c, 2, 10, QChar(u'0')) + QStringLiteral("0088"), QSize(20, 12));
    FrmMain &w = openStep(fx);
    // Across the menu bar: one title's picture at a time.
    for (int c = 1; c <= 11; ++c) {
        QTest::mouseMove(w.LblZHU[c], QPoint(3 + c % 2, 3));
        QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("%1").arg(c, 2, 10, QChar(u'0')) + QStringLiteral("0088"));
        QCOMPARE(shownHighlights(w), 1);
    }
    // Over the pressed title nothing changes; onto the next one everything
    // open closes, Cur1J stays.
    w.CurZHU = 3;
    w.Cur1J = 7;
    w.Pic1J->show();
    w.Pic2J->show();
    w.ImgMenu->clearPicture();
    QTest::mouseMove(w.LblZHU[3], QPoint(4, 4));
    QTest::mouseMove(w.LblZHU[3], QPoint(6, 5));
    QCOMPARE(w.CurZHU, 3);
    QVERIFY(w.Pic1J->isVisible() && w.Pic2J->isVisible());
    QCOMPARE(shownHighlights(w), 0);
    QTest::mouseMove(w.LblZHU[4], QPoint(4, 4));
    QCOMPARE(w.CurZHU, 0);
    QCOMPARE(w.Cur1J, 7);
    QVERIFY(!w.Pic1J->isVisible() && !w.Pic2J->isVisible());
    QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("040088"));
    // Back onto title 3: its hover, no drop-down.
    QTest::mouseMove(w.LblZHU[3], QPoint(4, 4));
    QCOMPARE(w.ImgMenu->pictureName(), QStringLiteral("030088"));
    QVERIFY(!w.Pic1J->isVisible());
    // The step's preset popup closes too when a bar cell is hovered.
    w.CurZHU = 33;
    w.Pic1J->show();
    QTest::mouseMove(w.LblZHU[5], QPoint(4, 4));
    QCOMPARE(w.CurZHU, 0);
    QVERIFY(!w.Pic1J->isVisible());
}

// frmCsh, doNext and setData against the open-popup state.
void TstChrome::closingRows()
{
    ts::SceneFixture fx;
    writeExamData(fx, QStringLiteral("050088"), QSize(20, 12));
    fx.writeUnit(0, {{record({{6, s("A3")}, {8, s("9001")}}), record({{6, s("A3")}, {8, s("9001")}}),
                      record({{6, s("A3")}, {8, s("9999")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &w = ts::shownWindow();
    ts::buildStep(1, 1);
    auto open = [&w](int cur) {
        w.CurZHU = cur;
        w.Cur1J = 4;
        w.Pic1J->show();
        w.Pic2J->show();
        w.ImgMenu->loadPicture(w.examDataPicture(QStringLiteral("050088")));
    };
    open(34);
    w.frmCsh();
    QCOMPARE(w.CurZHU, 34);
    QVERIFY(w.Pic1J->isVisible());
    QVERIFY(!w.Pic2J->isVisible());
    QCOMPARE(shownHighlights(w), 0);
    QCOMPARE(w.Cur1J, 4);
    open(5);
    w.frmCsh();
    QCOMPARE(w.CurZHU, 0);
    QVERIFY(!w.Pic1J->isVisible());
    // A new scene keeps the preset popup's cell through its closing.
    open(33);
    ts::buildStep(1, 2);
    QCOMPARE(w.CurZHU, 33);
    QVERIFY(!w.Pic2J->isVisible());
    QCOMPARE(shownHighlights(w), 0);
    QCOMPARE(w.Cur1J, 4);
    // doNext leaves both at 0 even with the preset open.
    open(33);
    w.doNext();
    QCOMPARE(w.CurZHU, 0);
    QCOMPARE(w.Cur1J, 0);
    QVERIFY(!w.Pic2J->isVisible());
}

// The probe on a copy of the sample bank (its start writes records): the
// hover shows the generated picture at the title's place in window pixels;
// `hit` names the cell that takes the mouse.
void TstChrome::probeHoverAndHit()
{
    const ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    const QList<QJsonObject> lines =
        ts::playProbe(copy.path(), 0, 1, "move LblZHU_2\nscene\nhit 44 59\nhit 5 30\nhit 20 60\n");
    QCOMPARE(lines.size(), 5);
    const QJsonObject &scene = lines[1];
    QCOMPARE(scene["CurZHU"].toInt(), 0);
    QCOMPARE(scene["Cur1J"].toInt(), 0);
    bool found = false;
    for (const QJsonValue &v : scene["controls"].toArray()) {
        if (v["name"].toString() != u"ImgMenu")
            continue;
        found = true;
        QCOMPARE(v["picture"].toString(), QStringLiteral("020088"));
        QCOMPARE(QPoint(v["x"].toInt(), v["y"].toInt()), QPoint(68, 27));
    }
    QVERIFY(found);
    QCOMPARE(lines[2]["control"].toString(), QStringLiteral("LblZHU_43"));
    QCOMPARE(lines[3]["control"].toString(), QStringLiteral("PicMenu"));
    QCOMPARE(lines[4]["control"].toString(), QStringLiteral("LblZHU_41"));
}

QTEST_MAIN(TstChrome)
#include "tst_chrome.moc"
