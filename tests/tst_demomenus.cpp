// The demonstration's drawn right-click menus on the real window, offscreen,
// with small context-menu files written by the tests: the block a code
// names, the layout of entries, separators and cascade marks, the keeping
// inside the window, the cascade sub-menu, the arrivals, the entries a
// menu did not draw, and the fixed numbers of controls.
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "demo/player/motion.h"
#include "demo/window/demoinfo.h"
#include "demo/window/frmyanshi.h"
#include "demo/window/lineshape.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/window/twips.h"

#include <QJsonArray>
#include <QtTest>
#include <cmath>

using ts::boxField;
using ts::demoOn;
using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }
QRectF twips(const QWidget *w) { return simwin::twipsRect(w); }
QPoint centre(const QWidget *w)
{
    const QRectF r = twips(w);
    return QPoint(int(std::nearbyint(r.left() + r.width() / 2)), int(std::nearbyint(r.top() + r.height() / 2)));
}

// A right-click step with its code (and an override at 86-90), its spot
// Label1 at (3000, 2000).
QString rightClick(const char *code, const char *override = "00000")
{
    return record({{8, s(code)}, {66, boxField(3000, 2000, 900, 300)}, {86, s(override)}});
}

// The context-menu file: 540 lines, block (family f, menu m) line j at
// (m - 1) x 15 + (f - 1) x 135 + j; `block` overrides the lines of family
// 1, menu 1.
void writeMenus(const ts::SceneFixture &fx, const QStringList &block = {})
{
    QStringList lines;
    for (int n = 1; n <= 540; ++n)
        lines << (n <= block.size() ? block[n - 1] : QString::number(n));
    QVERIFY(fnd::writeLines(fx.programDir() + QStringLiteral("/sMenu.sys"), lines));
}

// A block of 15 lines, all "0" but those given (line number, text).
QStringList block(std::initializer_list<std::pair<int, const char *>> lines)
{
    QStringList b(15, QStringLiteral("0"));
    for (const auto &[n, text] : lines)
        b[n - 1] = s(text);
    return b;
}

// The window on a question of this step and plain ones; the pointer at
// (x, y) and on its spot, the menu drawn by the pointer's arrival.
FrmYanShi &menuAt(ts::SceneFixture &fx, const QString &step, int x = 3000, int y = 2000)
{
    QStringList steps{step};
    for (int i = 2; i <= 5; ++i)
        steps << record({{8, s("9001")}, {66, boxField(3000, 2000, 900, 300)}});
    FrmYanShi &w = demoOn(fx, steps);
    w.Timer[2]->stop();
    w.PointX = x;
    w.PointY = y;
    w.MbX = x;
    w.MbY = y;
    w.setUpMotion();
    w.Timer2_Timer();
    w.Timer[5]->stop();
    return w;
}

// The glide's ticks driven directly (its timer left on, the event loop not
// run) until its arrival switches the timer off.
void glide(FrmYanShi &w, QTimer *timer, void (FrmYanShi::*tick)())
{
    for (int n = 0; n < 100 && timer->isActive(); ++n)
        (w.*tick)();
}
} // namespace

class TstDemoMenus : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void addressing_data();
    void addressing();
    void layout();
    void layoutEdges_data();
    void layoutEdges();
    void keptInside_data();
    void keptInside();
    void cascade();
    void arrivals_data();
    void arrivals();
    void notRunning();
    void looks();
    void captionsShownLiterally_data();
    void captionsShownLiterally();
};

void TstDemoMenus::cleanup()
{
    FrmYanShi::unload();
    ts::unloadRunWindows();
    run::YanShiRun = false;
    fnd::resetGlobals();
}

void TstDemoMenus::addressing_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("override");
    QTest::addColumn<int>("first"); // the block's first line
    QTest::addColumn<QString>("aimed");
    QTest::newRow("3120: lines 1-15") << "3120" << "00000" << 1 << "LRM2_0";
    QTest::newRow("4210: lines 151-165") << "4210" << "00000" << 151 << "LRMJL_1";
    QTest::newRow("5320 with RA123: lines 406-420") << "5320" << "RA123" << 406 << "LRM2_0";
    QTest::newRow("3320 with RA123: the code's 3 wins") << "3320" << "RA123" << 1 << "LRM2_0";
    QTest::newRow("5110 with R5210: lines 286-300") << "5110" << "R5210" << 286 << "LRMJL_1";
    QTest::newRow("8340: family 4, menu 3") << "8340" << "00000" << 436 << "LRM4_0";
}

// The block a code names, its override, and the aim by the code's own tens
// and units digits.
void TstDemoMenus::addressing()
{
    QFETCH(QString, code);
    QFETCH(QString, override);
    QFETCH(int, first);
    QFETCH(QString, aimed);
    ts::SceneFixture fx;
    writeMenus(fx);
    FrmYanShi &w = menuAt(fx, rightClick(code.toLatin1(), override.toLatin1()));
    QVERIFY(w.LRightMMenu->isVisibleTo(&w));
    QCOMPARE(w.LRMJL[1]->text(), QString::number(first + 1));
    QCOMPARE(w.LRM2[0]->text(), QString::number(first + 3));
    QCOMPARE(w.LRMJL[8]->text(), QString::number(first + 12));
    QCOMPARE(w.LRM9[0]->text(), QString::number(first + 14));
    QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.findChild<QWidget *>(aimed)));
    QVERIFY(w.TimerRM->isActive());
    QVERIFY(!w.PicMenu->isVisibleTo(&w) && !w.PicTool->isVisibleTo(&w) && !w.PicHui->isVisibleTo(&w));
}

// A group line "A|-|B": A at label 0 at top + 90, a separator at top + 360
// from left + 60 to right - 60, B at label 2 at top + 495, label 1 unfilled,
// the panel 765 high and as wide as the widest item + 690; the marks 180
// inside the right edge; the box across the menu, 270 high around B.
void TstDemoMenus::layout()
{
    ts::SceneFixture fx;
    writeMenus(fx, block({{4, "A|-|B"}, {2, "a much longer cascade caption than any item"}}));
    FrmYanShi &w = menuAt(fx, rightClick("3122"));
    const double top = 2000, left = 3000;
    QCOMPARE(twips(w.LRightMMenu).topLeft(), QPointF(left, top));
    QCOMPARE(twips(w.LRMJL[1]).topLeft(), QPointF(left + 300, top + 90));
    QCOMPARE(twips(w.ImgJLSanjiao[1]).top(), top + 90 + 30);
    QCOMPARE(twips(w.LRM2[0]).topLeft(), QPointF(left + 300, top + 360));
    QCOMPARE(w.LRFGX[0]->line(), QLineF(left + 60, top + 630, left + twips(w.LRightMMenu).width() - 60, top + 630));
    QVERIFY(w.LRFGX[0]->isVisibleTo(&w));
    QVERIFY(!w.LRFGX[1]->isVisibleTo(&w));
    QCOMPARE(twips(w.LRM2[2]).topLeft(), QPointF(left + 300, top + 765));
    QVERIFY(!w.LRM2[1]->isVisibleTo(&w));
    QVERIFY(w.LRM2[1]->text().isEmpty());
    const double widest = std::max(std::nearbyint(twips(w.LRM2[0]).width()), std::nearbyint(twips(w.LRM2[2]).width()));
    QVERIFY(twips(w.LRMJL[1]).width() > widest); // the caption does not widen the menu
    QCOMPARE(twips(w.LRightMMenu).size(), QSizeF(widest + 690, 270 + 765));
    QCOMPARE(twips(w.ShapeRMain), twips(w.LRightMMenu));
    for (int k : {1, 3, 5, 7, 8})
        QCOMPARE(twips(w.ImgJLSanjiao[k]).left(), left + widest + 690 - 180);
    QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.LRM2[2]));
    QCOMPARE(twips(w.Shape1), QRectF(left, w.MbY - 135, widest + 690, 270));

    // The probe's description lists the drawn controls, shown or not.
    QHash<QString, QJsonObject> listed;
    for (const QJsonValue v : demo::describe(w)["drawnMenus"].toArray())
        listed.insert(v["name"].toString(), v.toObject());
    QCOMPARE(listed.size(), 2 + 10 + 40 + 2 + 10);
    QCOMPARE(listed["LRM2_2"]["caption"].toString(), QStringLiteral("B"));
    QVERIFY(listed["LRM2_2"]["visible"].toBool());
    QCOMPARE(listed["LRM2_2"]["twips"].toArray().at(1).toDouble(), top + 765);
    QVERIFY(!listed["LRM2_1"]["visible"].toBool());
    QVERIFY(!listed["LRightSub"]["visible"].toBool());
}

void TstDemoMenus::layoutEdges_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("items");      // LRM2 labels shown
    QTest::addColumn<int>("separators"); // lines shown
    QTest::addColumn<double>("height");
    QTest::newRow("twelve items draw ten") << block({{4, "a|b|c|d|e|f|g|h|i|j|k|l"}}) << "3129" << 10 << 0
                                           << 90.0 + 10 * 270;
    QTest::newRow("all nine lines 0") << block({}) << "3120" << 0 << 0 << 90.0;
    QTest::newRow("eleven separators draw ten lines")
        << block({{4, "a|-|-|-|-|-|-"}, {7, "-|-|-|-|-|b"}}) << "3120" << 1 << 10 << 90.0 + 2 * 270 + 11 * 135;
    QTest::newRow("an empty group line: one empty item") << block({{4, ""}}) << "3120" << 1 << 0 << 90.0 + 270;
}

void TstDemoMenus::layoutEdges()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, code);
    QFETCH(int, items);
    QFETCH(int, separators);
    QFETCH(double, height);
    ts::SceneFixture fx;
    writeMenus(fx, lines);
    FrmYanShi &w = menuAt(fx, rightClick(code.toLatin1()));
    int shown = 0, drawnLines = 0;
    for (const QLabel *l : w.LRM2)
        shown += l->isVisibleTo(&w);
    for (const auto *l : w.LRFGX)
        drawnLines += l->isVisibleTo(&w);
    QCOMPARE(shown, items);
    QCOMPARE(drawnLines, separators);
    QCOMPARE(twips(w.LRightMMenu).height(), height);
    if (items == 0)
        QCOMPARE(twips(w.LRightMMenu), QRectF(3000, 2000, 690, 90));
    if (items == 10)
        QCOMPARE(w.LRM2[9]->text(), QStringLiteral("j"));
}

void TstDemoMenus::keptInside_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<bool>("left");   // opens to the pointer's left
    QTest::addColumn<bool>("lifted"); // ends 600 above the bottom
    QTest::newRow("room on the right") << 3000 << 2000 << false << false;
    QTest::newRow("near the right edge") << 11000 << 2000 << true << false;
    QTest::newRow("near the bottom") << 3000 << 8500 << false << true;
    QTest::newRow("both") << 11500 << 8800 << true << true;
}

// With at most twice the menu's width to the window's right edge the menu's
// right edge sits on the pointer; a menu reaching within 300 of the bottom
// ends 600 above it; every control moves with it, the box too.
void TstDemoMenus::keptInside()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(bool, left);
    QFETCH(bool, lifted);
    ts::SceneFixture fx;
    writeMenus(fx, block({{2, "C"}, {4, "A|-|B"}, {15, "Z"}}));
    FrmYanShi &w = menuAt(fx, rightClick("3122"), x, y);
    const QRectF m = twips(w.LRightMMenu);
    if (left)
        QCOMPARE(m.right(), double(x));
    else
        QCOMPARE(m.left(), double(x));
    if (lifted)
        QCOMPARE(m.bottom(), 9000.0 - 600);
    else
        QCOMPARE(m.top(), double(y));
    QCOMPARE(twips(w.ShapeRMain), m);
    QCOMPARE(twips(w.LRM2[0]).topLeft(), m.topLeft() + QPointF(300, 90 + 270));
    QCOMPARE(twips(w.ImgJLSanjiao[1]).topLeft(), QPointF(m.right() - 180, m.top() + 90 + 30));
    QCOMPARE(w.LRFGX[0]->line(), QLineF(m.left() + 60, m.top() + 630, m.right() - 60, m.top() + 630));
    QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.LRM2[2]));
    QCOMPARE(twips(w.Shape1), QRectF(m.left(), w.MbY - 135, m.width(), 270));
}

// Cascade 2 (k = 3): the sub-menu at the menu's right edge less 60, its top
// level with the entry's; "A|-|B" gives items at + 135 and + 540, a line at
// + 405, a panel 810 high; the box 285 high from the item's top less 60;
// seven separators draw six lines and take seven times 135; near the right
// edge it runs past the window.
void TstDemoMenus::cascade()
{
    for (const bool seven : {false, true}) {
        ts::SceneFixture fx;
        const char *items = seven ? "a submenu item much wider than the room left|-|-|-|-|-|-|-|y" : "A|-|B";
        writeMenus(fx, block({{4, "first"}, {5, "Cascade"}, {6, items}}));
        FrmYanShi &w = menuAt(fx, rightClick(seven ? "3138" : "3132"), seven ? 9000 : 3000, 2000);
        QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.LRMJL[3]));
        const QRectF menu = twips(w.LRightMMenu);
        glide(w, w.TimerRM, &FrmYanShi::TimerRM_Timer);
        QVERIFY(w.TimerRS->isActive());
        // No ring at a cascade entry: it stays where the right click put it.
        QVERIFY(twips(w.Shape5).topLeft() != QPointF(w.PointX - 180, w.PointY - 180));
        QVERIFY(w.LRightMMenu->isVisibleTo(&w));
        const QRectF sub = twips(w.LRightSub);
        QCOMPARE(sub.topLeft(), QPointF(menu.right() - 60, twips(w.LRMJL[3]).top()));
        QCOMPARE(twips(w.ShapeRSUB), sub);
        const double top = sub.top();
        if (!seven) {
            QCOMPARE(twips(w.LRS[0]).topLeft(), QPointF(sub.left() + 300, top + 135));
            QCOMPARE(w.LRSFgx[0]->line(), QLineF(sub.left() + 60, top + 405, sub.right() - 60, top + 405));
            QCOMPARE(twips(w.LRS[2]).top(), top + 540);
            QVERIFY(!w.LRS[1]->isVisibleTo(&w));
            QCOMPARE(sub.height(), 810.0);
            QCOMPARE(sub.width(), std::max(std::nearbyint(twips(w.LRS[0]).width()),
                                           std::nearbyint(twips(w.LRS[2]).width())) + 690);
            QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.LRS[2]));
            QCOMPARE(twips(w.Shape1), QRectF(sub.left(), twips(w.LRS[2]).top() - 60, sub.width(), 285));
        } else {
            int lines = 0;
            for (const auto *l : w.LRSFgx)
                lines += l->isVisibleTo(&w);
            QCOMPARE(lines, 6);
            QCOMPARE(sub.height(), 135.0 + 2 * 270 + 7 * 135);
            QCOMPARE(twips(w.LRS[8]).top(), top + 135 + 270 + 7 * 135);
            QCOMPARE(menu.left(), 9000.0); // the menu itself had room
            QVERIFY(sub.right() > 12000);  // the sub-menu is never shifted
        }
        glide(w, w.TimerRS, &FrmYanShi::TimerRS_Timer);
        QCOMPARE(int(w.DemoStep), 2);
        // The ring at the pointer (the next step stops its blink).
        QCOMPARE(twips(w.Shape5).topLeft(), QPointF(w.PointX - 180, w.PointY - 180));
        FrmYanShi::unload();
        ts::unloadRunWindows();
    }
}

void TstDemoMenus::arrivals_data()
{
    QTest::addColumn<QStringList>("lines"); // empty: no menu file
    QTest::addColumn<QString>("code");
    QTest::addColumn<bool>("file");
    QTest::addColumn<QString>("aimedAtCentreOf"); // the panel when the entry is undrawn
    QTest::newRow("a plain item") << block({{4, "A|B"}}) << "3121" << true << "LRM2_1";
    QTest::newRow("past the line's items") << block({{4, "A|B"}}) << "3125" << true << "LRightMMenu";
    QTest::newRow("on a separator") << block({{4, "A|-|B"}}) << "3121" << true << "LRightMMenu";
    QTest::newRow("a cascade whose caption is 0") << block({{4, "A"}, {6, "x|y"}}) << "3131" << true
                                                  << "LRightMMenu";
    QTest::newRow("tens digit 0") << block({{4, "A"}}) << "3101" << true << "LRightMMenu";
    QTest::newRow("no menu file: nine empty entries") << QStringList() << "3120" << false << "LRM2_0";
    QTest::newRow("menu number 0: the empty block") << QStringList() << "3020" << true << "LRM2_0";
    QTest::newRow("no family through the override") << QStringList() << "5120" << true << "LRM2_0";
}

// An arrival on a plain item, on an entry the menu did not draw, with no
// menu file or an empty block: the ring and the next step, no sub-menu.
void TstDemoMenus::arrivals()
{
    QFETCH(QStringList, lines);
    QFETCH(QString, code);
    QFETCH(bool, file);
    QFETCH(QString, aimedAtCentreOf);
    ts::SceneFixture fx;
    if (file)
        writeMenus(fx, lines);
    const char *override = QTest::currentDataTag() == QByteArray("no family through the override") ? "R2120" : "00000";
    FrmYanShi &w = menuAt(fx, rightClick(code.toLatin1(), override));
    if (!file || lines.isEmpty()) {
        // Nine empty entries when the block has no lines: five cascades and
        // one empty item a group.
        int entries = 0;
        for (int k : {1, 3, 5, 7, 8})
            entries += w.LRMJL[k]->isVisibleTo(&w) && w.LRMJL[k]->text().isEmpty();
        for (const auto *array : {&w.LRM2, &w.LRM4, &w.LRM6, &w.LRM9})
            entries += (*array)[0]->isVisibleTo(&w) && (*array)[0]->text().isEmpty();
        if (code != u"3020" && override == QByteArray("00000") && !file)
            QCOMPARE(entries, 9);
    }
    QCOMPARE(QPoint(w.MbX, w.MbY), centre(w.findChild<QWidget *>(aimedAtCentreOf)));
    glide(w, w.TimerRM, &FrmYanShi::TimerRM_Timer);
    QCOMPARE(int(w.DemoStep), 2);
    QVERIFY(!w.TimerRS->isActive());
    QVERIFY(!w.LRightSub->isVisibleTo(&w));
    QCOMPARE(twips(w.Shape5).topLeft(), QPointF(w.PointX - 180, w.PointY - 180));
}

// While no demonstration runs, neither procedure nor tick changes anything.
void TstDemoMenus::notRunning()
{
    ts::SceneFixture fx;
    writeMenus(fx, block({{4, "A"}, {5, "C"}, {6, "x|y"}}));
    FrmYanShi &w = menuAt(fx, rightClick("3131"));
    const QPoint pointer(w.PointX, w.PointY);
    const QRectF menu = twips(w.LRightMMenu);
    run::YanShiRun = false;
    w.RightKeyMenu();
    w.TimerRM_Timer();
    w.RightKeySub();
    w.TimerRS_Timer();
    QCOMPARE(QPoint(w.PointX, w.PointY), pointer);
    QCOMPARE(twips(w.LRightMMenu), menu);
    QVERIFY(!w.LRightSub->isVisibleTo(&w));
    QVERIFY(w.TimerRM->isActive());
    QVERIFY(!w.TimerRS->isActive());
}

// Panels opaque white, frames and separators silver, entries in the
// window's font; a caption thousands of characters long moves the menu left
// past the window's edge without harm; non-GBK bytes show as decoded.
void TstDemoMenus::looks()
{
    ts::SceneFixture fx;
    const QString huge(3000, QChar(u'长'));
    QStringList b = block({{4, "x"}});
    b[3] = huge;
    writeMenus(fx, b);
    QFile f(fx.programDir() + QStringLiteral("/sMenu.sys"));
    QVERIFY(f.open(QIODevice::Append));
    f.write("\xff\xfe\x80|-\r\n");
    f.close();
    FrmYanShi &w = menuAt(fx, rightClick("3120"));
    QVERIFY(twips(w.LRightMMenu).left() < 0);
    QCOMPARE(w.LRightMMenu->palette().color(QPalette::Window), QColor(Qt::white));
    QVERIFY(w.LRightMMenu->autoFillBackground());
    QCOMPARE(w.ShapeRMain->borderColor(), QColor(192, 192, 192));
    QCOMPARE(w.LRFGX[0]->color(), QColor(192, 192, 192));
    QCOMPARE(w.LRM2[0]->font(), w.font());
    QVERIFY(!w.LRM2[0]->autoFillBackground());
}

void TstDemoMenus::captionsShownLiterally_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("panel"); // the panel whose width the label sets; empty: none
    QTest::newRow("cascade entry") << "LRMJL_1" << "";
    QTest::newRow("plain item") << "LRM2_0" << "LRightMMenu";
    QTest::newRow("cascade item") << "LRS_0" << "LRightSub";
}

// A caption that looks like markup is drawn as the file gives it, tags and
// all, and measured so: the label as wide as its literal text, the panel
// that text's width + 690.
void TstDemoMenus::captionsShownLiterally()
{
    QFETCH(QString, label);
    QFETCH(QString, panel);
    const QString caption = s("<b>查看</b>");
    ts::SceneFixture fx;
    writeMenus(fx, block({{2, "<b>查看</b>"}, {3, "<b>查看</b>|x"}, {4, "<b>查看</b>|x"}}));
    FrmYanShi &w = menuAt(fx, rightClick(label == u"LRS_0" ? "3110" : "3120"));
    if (label == u"LRS_0")
        glide(w, w.TimerRM, &FrmYanShi::TimerRM_Timer); // the cascade opens
    const auto *l = w.findChild<QLabel *>(label);
    QVERIFY(l && l->isVisibleTo(&w));
    QCOMPARE(l->text(), caption);
    const int literal = QFontMetrics(l->font()).horizontalAdvance(caption);
    QVERIFY2(std::abs(l->width() - literal) <= 1, qPrintable(QStringLiteral("%1 px, the text %2").arg(l->width()).arg(literal)));
    if (!panel.isEmpty())
        QCOMPARE(twips(w.findChild<QWidget *>(panel)).width(), std::nearbyint(twips(l).width()) + 690);
}

QTEST_MAIN(TstDemoMenus)
#include "tst_demomenus.moc"
