// The demonstration window on the real windows, offscreen: its controls and
// load, the scene set-up shared with the simulated window (every step of the
// sample bank through both windows, and the demonstration's own rules on
// small records), the step advance, the pause and the end, the right-click
// menu filling, the window order, and a whole demonstration through the
// probe.
#include "bankstep.h"
#include "scenefixture.h"
#include "testsupport.h"
#include "windowdrive.h"

#include "bank/bankfiles.h"
#include "demo/window/frmyanshi.h"
#include "examflow/frmtm.h"
#include "foundation/gbkfile.h"
#include "foundation/globals.h"
#include "foundation/productinfo.h"
#include "platform/pointers.h"
#include "platform/ui/windoworder.h"
#include "run/runstate.h"
#include "simwin/scene/scenestate.h"
#include "simwin/scene/steprecord.h"
#include "simwin/window/frmmain.h"
#include "simwin/window/twips.h"

#include <QAction>
#include <QCryptographicHash>
#include <QTextEdit>
#include <QDirIterator>
#include <QGuiApplication>
#include <QScreen>
#include <QJsonArray>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QtTest>

using ts::boxField;
using ts::demoOn;
using ts::record;

namespace {
QString s(const char *t) { return QString::fromUtf8(t); }
QRectF twips(const QWidget *w) { return simwin::twipsRect(w); }

// A hint field (112-124): left, top, answer-text line.
QString hintField(int left, int top, int line)
{
    return QStringLiteral("%1%2%3").arg(left, 5, 10, QChar(u'0')).arg(top, 5, 10, QChar(u'0')).arg(line, 3, 10, QChar(u'0'));
}

// Picture area 1 at (600, 300) showing "p00001", with pictures for the tab
// pages of layouts A and F.
QString areaOne(ts::SceneFixture &fx)
{
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    for (const char *page : {"300227", "300228", "300229", "300192", "300198"})
        fx.writePicture(QString::fromLatin1(page), QSize(20, 20), Qt::gray);
    return ts::areaField(600, 300, QStringLiteral("p00001"));
}

// The controls both windows have, in the order the windows stack them.
const char *const SharedControls[] = {
    "Image1", "Image2", "Image3", "Image4", "Image5", "Shape4", "Shape1", "Shape2", "Shape6", "LHelp", "Label4",
    "Label1", "LblXXK_0", "LblXXK_13", "Image6", "Text1", "Text2", "LstLA", "PicLeft", "PicTop", "PicRight",
    "PicBottom", "PicHui", "PicTool", "PicMenu", "PicElse"};

// Where a control lies among the window's controls (its index in the
// window's children); -1 when the window has none of that name.
int stackIndex(const QWidget &window, const QString &name)
{
    return int(window.children().indexOf(window.findChild<QObject *>(name, Qt::FindDirectChildrenOnly)));
}
} // namespace

class TstFrmYanShi : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void loadAndControls();
    void twinScenes_data();
    void twinScenes();
    void tabStrips_data();
    void tabStrips();
    void targetsAndText();
    void initialText_data();
    void initialText();
    void operationCodes_data();
    void operationCodes();
    void lists_data();
    void lists();
    void cursorsBarsAndPaths_data();
    void cursorsBarsAndPaths();
    void stepsPauseAndEnd();
    void systemMenu_data();
    void systemMenu();
    void windowOrder();
    void endOnTheFinalScene();
    void stops_data();
    void stops();
    void repeatedStopsStillEnd();
    void endAtTheLatestOnItsTenthTick();
    void loadPlaces_data();
    void loadPlaces();
    void noteKeepsItsLastLine();
    void wholeDemonstrationThroughTheProbe();
    void probeShowsTheChrome();
};

void TstFrmYanShi::cleanup()
{
    FrmYanShi::unload();
    ts::unloadRunWindows();
    run::YanShiRun = false;
    fnd::resetGlobals();
}

// One instance, frameless, at FrmMain's place and size, in hint mode at
// step 1; its timers with their intervals, all off; the pop-up's nine item
// arrays with elements 0 to 10; the shared controls of the same kinds and
// stacking as FrmMain's.
void TstFrmYanShi::loadAndControls()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}})}});
    QVERIFY(ts::composeUnit(0));
    run::AnswerMode = 2;
    FrmMain &main = ts::shownWindow();
    FrmYanShi &w = FrmYanShi::get();
    QCOMPARE(&FrmYanShi::get(), &w);
    QCOMPARE(w.geometry(), main.geometry());
    QVERIFY(w.windowFlags() & Qt::FramelessWindowHint);
    QCOMPARE(int(run::AnswerMode), 1);
    QCOMPARE(int(w.DemoStep), 1);
    QCOMPARE(w.ExamDataPath, fx.programDir() + QStringLiteral("/examdata/"));
    QCOMPARE(w.LHelp->font().pointSizeF(), 11.0);

    const struct
    {
        const char *name;
        int ms;
    } timers[] = {{"Timer1", 500}, {"Timer2", 100}, {"Timer3", 1000}, {"Timer4", 200}, {"Timer5", 100},
                  {"Timer6", 100}, {"Timer7", 200},  {"Timer8", 100},  {"Timer9", 100},  {"Timer10", 100},
                  {"Timer11", 100}, {"TimerRM", 100}, {"TimerRS", 100}, {"TimEnd", 100}};
    for (const auto &t : timers) {
        const QTimer *timer = w.findChild<QTimer *>(QString::fromLatin1(t.name));
        QVERIFY2(timer, t.name);
        QCOMPARE(timer->interval(), t.ms);
        QVERIFY2(!timer->isActive(), t.name);
    }
    for (const char *array : {"sKvelInde1", "sKvelInde4", "sKvelSub1", "sKvelSub5"})
        for (int e = 0; e <= 10; ++e)
            QVERIFY2(w.findChild<QAction *>(QStringLiteral("%1_%2").arg(QString::fromLatin1(array)).arg(e)), array);
    for (const char *own : {"Text4", "Img1J", "Pic1J", "Pic2J", "Shape5", "ImgLogo"})
        QVERIFY2(w.findChild<QWidget *>(QString::fromLatin1(own)), own);

    int lastMain = -1, lastDemo = -1;
    for (const char *name : SharedControls) {
        const QString n = QString::fromLatin1(name);
        const QWidget *a = main.findChild<QWidget *>(n);
        const QWidget *b = w.findChild<QWidget *>(n);
        QVERIFY2(a && b, name);
        QCOMPARE(b->metaObject()->className(), a->metaObject()->className());
        const int im = stackIndex(main, n), id = stackIndex(w, n);
        // The demonstration's red box lies over its drop-downs and drawn
        // menus, below the ring and the pointer.
        const bool raised = n == u"Shape1";
        QVERIFY2(im > lastMain && (raised || id > lastDemo), name);
        lastMain = im;
        if (!raised)
            lastDemo = id;
    }
    const int shape1 = stackIndex(w, QStringLiteral("Shape1"));
    for (const char *under : {"PicElse", "Pic1J", "Lbl1J_44", "Pic2J", "LRightMMenu", "LRM9_9", "LRightSub", "LRS_9",
                              "LRSFgx_5"})
        QVERIFY2(stackIndex(w, QString::fromLatin1(under)) < shape1, under);
    for (const char *over : {"Shape5", "ImgICO", "LPoinB_0", "LPoint_7"})
        QVERIFY2(stackIndex(w, QString::fromLatin1(over)) > shape1, over);
    QVERIFY(stackIndex(w, QStringLiteral("LPoint_0")) > stackIndex(w, QStringLiteral("LPoinB_5")));
    QVERIFY(stackIndex(w, QStringLiteral("LRightSub")) > stackIndex(w, QStringLiteral("LRFGX_9")));
    // The demonstration's cells and pressed pictures lie on the window.
    for (int i = 0; i <= FrmYanShi::LastHotSpot; ++i)
        QCOMPARE(w.LblZHU[i]->parentWidget(), &w);
    for (const QWidget *img : {w.ImgMenu, w.ImgTool, w.ImgHui, w.ImgElse, w.Img1J})
        QCOMPARE(img->parentWidget(), &w);
    // The controls of the Part's table, named as the window's own.
    for (const char *own : {"TimTool", "LRMJL_1", "LRMJL_8", "ImgJLSanjiao_5", "LRM2_0", "LRM9_9", "LRFGX_9", "LRS_9",
                            "LRSFgx_5", "LPoint_7", "LPoinB_5", "Lbl1J_0", "Lbl1J_44", "Lbl2J_44", "ShapeRMain",
                            "ShapeRSUB"})
        QVERIFY2(w.findChild<QObject *>(QString::fromLatin1(own)), own);
    // Drawn controls stay hidden until a menu draws them; wm100 is never shown.
    for (const char *hidden : {"LRightMMenu", "LRM2_0", "LRightSub", "LRS_0", "LRFGX_0", "ImgJLSanjiao_1"})
        QVERIFY2(!w.findChild<QWidget *>(QString::fromLatin1(hidden))->isVisibleTo(&w), hidden);
    QVERIFY(!w.wm100->isVisible());
    QCOMPARE(w.ImgJLSanjiao[1]->picture().size(), QSize(4, 7));
}

void TstFrmYanShi::twinScenes_data()
{
    QTest::addColumn<int>("unit");
    for (int u = 0; u <= 2; ++u)
        QTest::addRow("unit %d", u + 1) << u;
}

// Every step of every question of a unit, built by both windows: the shared
// controls agree, except where a rule of the demonstration says otherwise.
void TstFrmYanShi::twinScenes()
{
    QFETCH(int, unit);
    ts::BankSteps bank;
    QVERIFY(bank.isValid());
    run::resetRunState();
    scene::resetSceneState();
    QVERIFY(ts::composeUnit(unit));
    FrmMain &m = ts::shownWindow();
    FrmYanShi &d = FrmYanShi::get();
    const auto lines = fnd::readLines(run::TmFile);
    QVERIFY(lines && lines->size() == run::TmSum);
    int steps = 0;
    for (int q = 1; q <= run::TmSum; ++q) {
        const int count = scene::number(lines->at(q - 1), bank::Tm.stepCount.first, bank::Tm.stepCount.width);
        for (int step = 1; step <= count; ++step, ++steps) {
            ts::buildStep(q, step);
            d.DemoStep = qint16(step);
            d.setData();
            d.TimEnd->stop();
            const QString line = scene::StepLine;
            const QStringView code = scene::stepTypeText(line);
            const QByteArray where = QStringLiteral("question %1 step %2 (%3)").arg(q).arg(step).arg(code).toUtf8();
            for (int k = 1; k <= 6; ++k) {
                QVERIFY2(m.Image[k]->isVisibleTo(&m) == d.Image[k]->isVisibleTo(&d), where);
                if (!m.Image[k]->isVisibleTo(&m))
                    continue;
                QVERIFY2(m.Image[k]->geometry() == d.Image[k]->geometry(), where);
                QVERIFY2(m.Image[k]->pictureName() == d.Image[k]->pictureName(), where);
            }
            for (const char *name : {"Label1", "Label4", "Shape1", "Shape4", "Text1"}) {
                const QString n = QString::fromLatin1(name);
                QVERIFY2(twips(m.findChild<QWidget *>(n)) == twips(d.findChild<QWidget *>(n)), where + ' ' + name);
            }
            for (int i = 0; i < FrmMain::TabCells; ++i)
                QVERIFY2(twips(m.LblXXK[i]) == twips(d.LblXXK[i]), where);
            QVERIFY2(m.Text1->text() == d.Text1->text(), where);
            QVERIFY2(m.LstLA->count() == d.LstLA->count() && m.LstLA->currentRow() == d.LstLA->currentRow(), where);
            for (int i = 0; i < m.LstLA->count(); ++i)
                QVERIFY2(m.LstLA->item(i)->text() == d.LstLA->item(i)->text(), where);
            QVERIFY2(m.LHelp->pos() == d.LHelp->pos(), where);

            const QList<const QWidget *> mBars{m.PicMenu, m.PicTool, m.PicHui, m.PicElse};
            const QList<const QWidget *> dBars{d.PicMenu, d.PicTool, d.PicHui, d.PicElse};
            if (code == u"9999") {
                // The final scene ends the set-up: no bars, the success line.
                QVERIFY2(d.LHelp->text() == s("操作成功！"), where);
                for (const QWidget *b : dBars)
                    QVERIFY2(!b->isVisibleTo(&d), where);
                continue;
            }
            if (code == u"0025")
                QVERIFY2(m.LHelp->text() == s("输入 ") + d.LHelp->text(), where);
            else if (code == u"0028")
                QVERIFY2(d.LHelp->text() == s("在单元格或编辑栏中输入 ") + m.LHelp->text() +
                                                s(" 并按回车键或点编辑区或点“√”"),
                         where);
            else
                QVERIFY2(m.LHelp->text() == d.LHelp->text(), where);
            // Only "A" and "B" show bars, from both fields (the bank's pane
            // fields hold no bar letter).
            QVERIFY(scene::charAt(line, 4) != u'A' && scene::charAt(line, 4) != u'B');
            for (int i = 0; i < 4; ++i)
                QVERIFY2(mBars[i]->isVisibleTo(&m) == dBars[i]->isVisibleTo(&d) ||
                             scene::charAt(line, 6) == u'C',
                         where);
        }
    }
    // Every record of the unit's step file was walked.
    QCOMPARE(steps, int(fnd::readLines(run::StepFile).value_or(QStringList()).size()));
}

void TstFrmYanShi::tabStrips_data()
{
    QTest::addColumn<QString>("tabSpec");
    QTest::addColumn<bool>("back");         // a "Q" back field at 125 with its spot at 5000, 4000
    QTest::addColumn<QString>("page");      // Image1's picture after the scene
    QTest::addColumn<QList<QRectF>>("cells"); // cells 1.. as placed (window twips)
    QTest::addColumn<QRectF>("cancel");
    QTest::addColumn<bool>("onTarget");     // the shown tab is the target
    // Area 1 at (600, 300): tab lefts + 600, row top + 300.
    QTest::newRow("A, tab 1 shown, tab 2 to click")
        << "XA121" << false << "300227"
        << QList<QRectF>{{720, 810, 780, 330}, {1500, 810, 870, 330}, {2370, 810, 705, 330}}
        << QRectF(8250, 6090, 1110, 300) << false;
    QTest::newRow("A, tab 2 shown and to click")
        << "XA221" << false << "p00001"
        << QList<QRectF>{{720, 810, 780, 330}, {1500, 810, 870, 330}, {2370, 810, 705, 330}}
        << QRectF(8250, 6090, 1110, 300) << true;
    // Layout F: ten tabs in two rows; the row of the shown tab 300 lower.
    QTest::newRow("F, tab 8 shown") << "XF8A1" << false << "300198"
                                    << QList<QRectF>{{720, 795, 1095, 300},  {1815, 795, 1485, 300},
                                                     {3300, 795, 1230, 300}, {4530, 795, 1260, 300},
                                                     {5790, 795, 1260, 300}, {7050, 795, 1050, 300},
                                                     {720, 1095, 1735, 300}, {2455, 1095, 1715, 300},
                                                     {4170, 1095, 2070, 300}, {6240, 1095, 1890, 300}}
                                    << QRectF(7050, 7410, 1110, 300) << false;
    QTest::newRow("F, tab 3 shown") << "XF3A1" << false << "300192"
                                    << QList<QRectF>{{720, 1095, 1095, 300}, {1815, 1095, 1485, 300},
                                                     {3300, 1095, 1230, 300}, {4530, 1095, 1260, 300},
                                                     {5790, 1095, 1260, 300}, {7050, 1095, 1050, 300},
                                                     {720, 795, 1735, 300},  {2455, 795, 1715, 300},
                                                     {4170, 795, 2070, 300}, {6240, 795, 1890, 300}}
                                    << QRectF(7050, 7410, 1110, 300) << false;
    QTest::newRow("back field with a tab field") << "XA121" << true << "300227"
                                               << QList<QRectF>{{720, 810, 780, 330}} << QRectF(5000, 4000, 1095, 285)
                                               << false;
}

// The tab strip of a dialog step, its red frame and hint; the demonstration
// also hides Shape4 on a tab step.
void TstFrmYanShi::tabStrips()
{
    QFETCH(QString, tabSpec);
    QFETCH(bool, back);
    QFETCH(QString, page);
    QFETCH(QList<QRectF>, cells);
    QFETCH(QRectF, cancel);
    QFETCH(bool, onTarget);
    ts::SceneFixture fx;
    fx.writeAnswers({s("单击“确定”")});
    const QString area = areaOne(fx);
    QString r = record({{8, s("9001")}, {18, area}, {66, boxField(3000, 2000, 900, 300)}, {112, hintField(300, 600, 1)},
                        {130, tabSpec}});
    if (back)
        r = record({{8, s("9001")}, {18, area}, {66, boxField(3000, 2000, 900, 300)}, {112, hintField(300, 600, 1)},
                    {125, s("Q0001")}, {130, tabSpec}, {167, s("0500004000")}});
    FrmYanShi &w = demoOn(fx, {r});
    QCOMPARE(w.Image[1]->pictureName(), page);
    QCOMPARE(w.TabLeft, 600);
    QCOMPARE(w.TabTop, 300);
    for (int i = 0; i < cells.size(); ++i)
        QCOMPARE(twips(w.LblXXK[i + 1]), cells[i]);
    QCOMPARE(twips(w.LblXXK[0]), cancel);
    QVERIFY(!w.Shape4->isVisibleTo(&w));
    QVERIFY(w.Shape2->isVisibleTo(&w)); // hint mode: the hint's frames show
    if (onTarget) {
        QCOMPARE(twips(w.Label1), QRectF(3000, 2000, 900, 300));
        QCOMPARE(w.LHelp->text(), s("单击“确定”"));
        QCOMPARE(twips(w.Shape1), twips(w.Label1));
    } else {
        QCOMPARE(twips(w.Label1).size(), QSizeF(1, 1));
        QCOMPARE(w.LHelp->text(), QStringLiteral("请选择第%1个选项卡").arg(w.TabTarget));
        QCOMPARE(twips(w.Shape1), twips(w.LblXXK[w.TabTarget]));
    }
}

// The text box (caret after the text, nothing selected, the whole initial
// line kept to type, colour digit 3), Label4 parked by its zero size, the
// picture areas ("0000AB" hides area 6 only), the drag end, Shape6, the
// font size 000 and the hint's "|" on two lines; steps past the question
// read the next question's records, past the file the last.
void TstFrmYanShi::targetsAndText()
{
    ts::SceneFixture fx;
    fx.writeAnswers({s("初始|其它"), s("第一行|第二行")});
    fx.writePicture(QStringLiteral("0000AB"), QSize(10, 10), Qt::blue);
    const QString first = record({{8, s("9001")},
                                  {18, ts::areaField(100, 100, QStringLiteral("0000AB"))},
                                  {86, boxField(1200, 900, 3000, 300)},
                                  {106, s("001")},
                                  {112, hintField(300, 600, 2)},
                                  {125, s("0000000030")},
                                  {167, s("0123404567")},
                                  {177, s("12345006780000000000")},
                                  {197, ts::areaField(200, 200, QStringLiteral("0000AB"))}});
    const QString second = record({{8, s("9001")}, {66, boxField(2400, 1500, 600, 0)}});
    fx.writeUnit(0, {{first}, {second}});
    QVERIFY(ts::composeUnit(0));
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.setData(); // again, shown: the box takes the focus
    QCOMPARE(w.Text1->text(), s("初始"));
    QCOMPARE(w.focusWidget(), w.Text1);
    QCOMPARE(w.Text1->cursorPosition(), 2);
    QVERIFY(!w.Text1->hasSelectedText());
    QCOMPARE(w.TypeText, s("001初始|其它"));
    QCOMPARE(w.Text1->palette().color(QPalette::Text), QColor(85, 160, 153));
    QCOMPARE(w.Text1->font().pointSizeF(), 9.0);
    QVERIFY(w.Image[1]->isVisible());
    QVERIFY(!w.Image[6]->isVisible());
    QCOMPARE(twips(w.Label4), QRectF(-1, twips(w.Label4).top(), 1, 1));
    QCOMPARE(twips(w.Shape4), twips(w.Label4));
    QCOMPARE(int(w.DragEndX), 1234);
    QCOMPARE(int(w.DragEndY), 4567);
    QCOMPARE(twips(w.Shape6).size(), QSizeF(10, 10));
    QCOMPARE(w.LHelp->text(), s("第一行\r\n第二行"));
    QCOMPARE(w.HintText, s("第一行|第二行"));

    // Step 2 is the next question's first record; step 9 the file's last.
    for (int step : {2, 9}) {
        w.DemoStep = qint16(step);
        w.setData();
        QCOMPARE(scene::StepLine, second);
        QCOMPARE(twips(w.Label1), QRectF(2400, 1500, 1, 1));
        QVERIFY(!w.Shape1->isVisible());
    }
    QCOMPARE(int(scene::StepNo), 1);
}

void TstFrmYanShi::initialText_data()
{
    QTest::addColumn<QString>("line"); // the whole answer-text line
    QTest::addColumn<QString>("box");
    QTest::newRow("a|bcdef: the box empty") << "a|bcdef" << "";
    QTest::newRow("ab|cdef|g: the box empty") << "ab|cdef|g" << "";
    QTest::newRow("|abcdef: the box empty") << "|abcdef" << "";
    QTest::newRow("abc|def: the box empty") << "abc|def" << "";
    QTest::newRow("abcd|ef: the fourth character") << "abcd|ef" << "d";
    QTest::newRow("abcdef|x") << "abcdef|x" << "def";
    QTest::newRow("no bar") << "abcdef" << "def";
    QTest::newRow("three characters") << "abc" << "";
    QTest::newRow("GBK text") << s("001网页|站点") << s("网页");
}

// The initial text: the answer line's text before its first "|", from its
// fourth character on, in both windows; the demonstration keeps the whole
// line to type.
void TstFrmYanShi::initialText()
{
    QFETCH(QString, line);
    QFETCH(QString, box);
    ts::SceneFixture fx;
    QVERIFY(fnd::writeLines(fx.dataFile(bank::CommonDataFile), {line}));
    FrmYanShi &d = demoOn(fx, {record({{8, s("9001")}, {86, boxField(1200, 900, 3000, 300)}, {106, s("001")}})});
    QCOMPARE(d.Text1->text(), box);
    QCOMPARE(d.TypeText, line);
    ts::buildStep(1, 1);
    QCOMPARE(FrmMain::get().Text1->text(), box);
}

void TstFrmYanShi::operationCodes_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("hint");      // LHelp after the scene
    QTest::addColumn<bool>("redBox");       // Shape1 shown
    QTest::addColumn<QString>("typeText");
    QTest::addColumn<bool>("text2");        // Text2 in Text1's place
    QTest::addColumn<bool>("text4");
    QTest::addColumn<bool>("collapsed");    // Label1 and Label4 1 x 1
    QTest::newRow("0022") << "0022" << s("输入 abc或  def 并按回车键或点红色方框处") << true << "abc|def" << false
                          << false << false;
    QTest::newRow("0021") << "0021" << s("输入 abc或  def") << false << "abc|def" << true << false << false;
    QTest::newRow("0025, no prefix") << "0025" << s("abc或  def") << false << "abc|def" << false << false << false;
    QTest::newRow("0028") << "0028" << s("在单元格或编辑栏中输入 abc或  def 并按回车键或点编辑区或点“√”") << true
                          << "abc|def" << false << true << false;
    QTest::newRow("8003") << "8003" << s("abc\r\ndef") << false << "001初始" << false << false << true;
}

void TstFrmYanShi::operationCodes()
{
    QFETCH(QString, code);
    QFETCH(QString, hint);
    QFETCH(bool, redBox);
    QFETCH(QString, typeText);
    QFETCH(bool, text2);
    QFETCH(bool, text4);
    QFETCH(bool, collapsed);
    ts::SceneFixture fx;
    fx.writeAnswers({s("初始"), s("abc|def")});
    FrmYanShi &w = demoOn(fx, {record({{8, code},
                                       {66, boxField(3000, 2000, 900, 300)},
                                       {86, boxField(1200, 900, 3000, 300)},
                                       {106, s("001")},
                                       {112, hintField(300, 600, 2)},
                                       {177, boxField(4000, 3000, 600, 600)}})});
    QCOMPARE(w.LHelp->text(), hint);
    QCOMPARE(w.Shape1->isVisibleTo(&w), redBox);
    QCOMPARE(w.TypeText, typeText);
    QCOMPARE(w.Text2->isVisibleTo(&w), text2);
    QCOMPARE(w.Text1->isVisibleTo(&w), !text2);
    if (text2) {
        QCOMPARE(w.Text2->text(), s("初始"));
        QCOMPARE(twips(w.Text2), QRectF(1200, 900, 3000, 300));
    }
    QCOMPARE(w.Text4->isVisibleTo(&w), text4);
    if (text4) {
        QCOMPARE(twips(w.Text4), QRectF(2880, 1560, 8865, 225));
        QCOMPARE(w.Text4->font().pointSizeF(), 11.0);
    }
    QCOMPARE(twips(w.Label1).size() == QSizeF(1, 1), collapsed);
    QCOMPARE(twips(w.Label4).size() == QSizeF(1, 1), collapsed);
    QVERIFY(!w.Timer[3]->isActive());
}

void TstFrmYanShi::lists_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("index");
    QTest::addColumn<bool>("answerFile");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::newRow("L002, index 1") << "L002" << "001" << true << QStringList{"red", "green", "blue"} << 1;
    QTest::newRow("a||") << "L003" << "000" << true << QStringList{"a", "", ""} << 0;
    QTest::newRow("L000 lists the last line") << "L000" << "002" << true << QStringList{"x", "y", "z"} << 2;
    QTest::newRow("index past the end") << "L002" << "007" << true << QStringList{"red", "green", "blue"} << -1;
    QTest::newRow("no answer file") << "L002" << "000" << false << QStringList{""} << 0;
}

// The list of an "L" step at Text1's place, its items and selection, the
// selected item's text at the list's width.
void TstFrmYanShi::lists()
{
    QFETCH(QString, code);
    QFETCH(QString, index);
    QFETCH(bool, answerFile);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    ts::SceneFixture fx;
    if (answerFile)
        fx.writeAnswers({s("首"), s("red|green|blue"), s("a||"), s("x|y|z")});
    FrmYanShi &w = demoOn(fx, {record({{8, code}, {86, boxField(1200, 900, 3000, 900)}, {106, index}})});
    QVERIFY(w.LstLA->isVisibleTo(&w));
    QVERIFY(!w.Text1->isVisibleTo(&w));
    QCOMPARE(twips(w.LstLA), QRectF(1200, 900, 3000, 900));
    QStringList shown;
    for (int i = 0; i < w.LstLA->count(); ++i)
        shown << w.LstLA->item(i)->text();
    QCOMPARE(shown, items);
    QCOMPARE(w.LstLA->currentRow(), selected);
    QCOMPARE(w.LblXXK[0]->text(), selected >= 0 ? items[selected] : QString());
    if (selected >= 0)
        QCOMPARE(twips(w.LblXXK[0]).width(), 3000.0);
    QCOMPARE(twips(w.PicRight), QRectF(4185, 900, 15, 900));
}

void TstFrmYanShi::cursorsBarsAndPaths_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("pane");  // 4-5
    QTest::addColumn<QString>("bars");  // 6-7
    QTest::addColumn<QString>("cursor"); // 101-105
    QTest::addColumn<QString>("at86");
    QTest::addColumn<QString>("at125");
    QTest::addColumn<QString>("shown"); // M menu bar, T toolbars, H drawing bar, E extra panel
    QTest::addColumn<int>("pointer");   // -1 the custom pointer
    QTest::addColumn<QList<int>>("path"); // AimZHU, Aim1J, Aim2J
    QTest::addColumn<QString>("jump");
    QTest::newRow("A3, pointer 11") << "9001" << "00" << "A3" << "S0011" << "0000000000" << "0000000000" << "MT" << 11
                                    << QList<int>{0, 0, 0} << "0";
    QTest::newRow("B4, custom pointer") << "9001" << "00" << "B4" << "M0005" << "0000000000" << "0000000000" << "H"
                                        << -1 << QList<int>{0, 0, 0} << "0";
    QTest::newRow("A0, other pointer") << "9001" << "00" << "A0" << "X0011" << "0000000000" << "0000000000" << ""
                                       << 0 << QList<int>{0, 0, 0} << "0";
    QTest::newRow("C7 shows nothing") << "9001" << "00" << "C7" << "00000" << "0000000000" << "0000000000" << "" << 0
                                      << QList<int>{0, 0, 0} << "0";
    QTest::newRow("pane A1 adds the menu bar") << "9001" << "A1" << "A4" << "00000" << "0000000000" << "0000000000"
                                               << "MH" << 0 << QList<int>{0, 0, 0} << "0";
    QTest::newRow("7000, path at 125") << "7000" << "00" << "A3" << "00000" << "0000000000" << "H030507003" << "MT"
                                       << 0 << QList<int>{3, 5, 7} << "3";
    QTest::newRow("7000, path at 86, 86 stands for 57") << "7000" << "00" << "A3" << "00000" << "D048609002"
                                                        << "0000000000" << "MT" << 0 << QList<int>{4, 57, 9} << "2";
    QTest::newRow("another code keeps no path") << "9001" << "00" << "A3" << "00000" << "H030507003" << "H030507003"
                                                << "MT" << 0 << QList<int>{0, 0, 0} << "0";
}

// The pointer over Label1, the bars from both bar fields, and the bar path
// of a "7000" step.
void TstFrmYanShi::cursorsBarsAndPaths()
{
    QFETCH(QString, code);
    QFETCH(QString, pane);
    QFETCH(QString, bars);
    QFETCH(QString, cursor);
    QFETCH(QString, at86);
    QFETCH(QString, at125);
    QFETCH(QString, shown);
    QFETCH(int, pointer);
    QFETCH(QList<int>, path);
    QFETCH(QString, jump);
    ts::SceneFixture fx;
    QVERIFY(QFile::copy(ts::sampleProgramDir() + QStringLiteral("/ico07.CUR"), fx.programDir() + QStringLiteral("/ico05.CUR")));
    QString r = record({{4, pane + bars + code}, {66, boxField(3000, 2000, 900, 300)}, {86, at86}, {125, at125}});
    r.replace(100, 5, cursor);
    FrmYanShi &w = demoOn(fx, {r});
    QCOMPARE(w.PicMenu->isVisibleTo(&w), shown.contains(u'M'));
    QCOMPARE(w.PicTool->isVisibleTo(&w), shown.contains(u'T'));
    QCOMPARE(w.PicHui->isVisibleTo(&w), shown.contains(u'H'));
    QCOMPARE(w.PicElse->isVisibleTo(&w), shown.contains(u'E'));
    if (pointer < 0)
        QCOMPARE(w.Label1->cursor().shape(), Qt::BitmapCursor);
    else
        QCOMPARE(w.Label1->cursor().shape(), pointer ? plat::standardPointer(pointer)->shape() : Qt::ArrowCursor);
    QCOMPARE((QList<int>{w.AimZHU, w.Aim1J, w.Aim2J}), path);
    QCOMPARE(w.JumpStep, jump);
    // The cells lie at the simulated window's fixed geometry, on the window.
    FrmMain &m = FrmMain::get();
    for (int cell : {1, 12, 45, 88}) {
        const QWidget *bar = m.LblZHU[cell]->parentWidget();
        QCOMPARE(twips(w.LblZHU[cell]), twips(m.LblZHU[cell]).translated(twips(bar).topLeft()));
    }
}

// doNext, GoStep, the pause of an automatic advance, the final scene and the
// end counted on from TickCount; nothing moves while no demonstration runs.
void TstFrmYanShi::stepsPauseAndEnd()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, {record({{8, s("9001")}}), record({{8, s("8888")}}), record({{8, s("9001")}}),
                               record({{8, s("9001")}}), record({{8, s("9001")}}), record({{8, s("9001")}}),
                               record({{8, s("9001")}}), record({{8, s("9001")}}), record({{8, s("9001")}}),
                               record({{8, s("9001")}}), record({{8, s("9001")}}), record({{8, s("9999")}})});
    run::YanShiRun = false;
    w.doNext();
    QCOMPARE(int(w.DemoStep), 1);
    run::YanShiRun = true;
    w.Timer[5]->start();
    w.doNext();
    QCOMPARE(int(w.DemoStep), 2);
    QVERIFY(!w.Timer[5]->isActive());
    // "8888": the fifth 200 ms tick of Timer4 goes on.
    QVERIFY(w.Timer[4]->isActive());
    QSignalSpy pause(w.Timer[4], &QTimer::timeout);
    QTRY_COMPARE(int(w.DemoStep), 3);
    QCOMPARE(pause.count(), 5);
    QVERIFY(!w.Timer[4]->isActive());

    const struct
    {
        const char *digit;
        int step;
    } jumps[] = {{"0", 3}, {"7", 7}, {"x", 9}, {"A", 10}, {"B", 11}};
    for (const auto &j : jumps) {
        w.GoStep(QString::fromLatin1(j.digit));
        QCOMPARE(int(w.DemoStep), j.step);
    }
    // The final scene: "操作成功！", no red box, the end armed; doNext there
    // parks the click ring and arms the end again.
    w.doNext();
    QCOMPARE(scene::stepTypeText(scene::StepLine), u"9999");
    QCOMPARE(w.LHelp->text(), s("操作成功！"));
    QVERIFY(!w.Shape1->isVisibleTo(&w));
    QVERIFY(w.TimEnd->isActive());
    w.doNext();
    QCOMPARE(w.Shape5->pos(), QPoint(fnd::xTwipsToPx(-500), fnd::yTwipsToPx(-500)));
    // Counted on from TickCount: two more ticks end it.
    w.TickCount = 2;
    QSignalSpy end(w.TimEnd, &QTimer::timeout);
    QTRY_VERIFY(!FrmYanShi::loaded());
    QCOMPARE(end.count(), 2);
    QVERIFY(!run::YanShiRun);
}

void TstFrmYanShi::systemMenu_data()
{
    QTest::addColumn<bool>("running");
    QTest::addColumn<int>("stepType");
    QTest::addColumn<int>("menu");
    QTest::addColumn<bool>("file");
    QTest::addColumn<QStringList>("cascades"); // captions of the cascades shown
    QTest::addColumn<QStringList>("items1");   // sKvelInde1's items shown
    // The menu file: family f, menu m has the caption "Cfm" and the items
    // "Ifm-1|Ifm-2".
    QTest::newRow("not running: the last filling stays") << false << 5200 << 2 << true << QStringList{"C11"}
                                                         << QStringList{"I11-1", "I11-2"};
    QTest::newRow("family 1") << true << 3100 << 1 << true << QStringList{"C11"} << QStringList{"I11-1", "I11-2"};
    QTest::newRow("family 3 for 5xxx") << true << 5200 << 2 << true << QStringList{"C32"} << QStringList{"I32-1", "I32-2"};
    QTest::newRow("family 4 for 8xxx") << true << 8300 << 3 << true << QStringList{"C43"} << QStringList{"I43-1", "I43-2"};
    QTest::newRow("no menu file") << true << 3100 << 1 << false << QStringList{"", "", "", "", ""} << QStringList{""};
}

// The right-click menu's filling: cascades and items from the block of the
// step's family and menu, elements 1 to 10; empty texts where the file has
// no line.
void TstFrmYanShi::systemMenu()
{
    QFETCH(bool, running);
    QFETCH(int, stepType);
    QFETCH(int, menu);
    QFETCH(bool, file);
    QFETCH(QStringList, cascades);
    QFETCH(QStringList, items1);
    ts::SceneFixture fx;
    if (file) {
        QStringList lines;
        for (int f = 1; f <= 4; ++f)
            for (int m = 1; m <= 9; ++m) {
                const QString id = QStringLiteral("%1%2").arg(f).arg(m);
                lines << QStringLiteral("block") << QStringLiteral("C") + id
                      << QStringLiteral("S%1-1|S%1-2|S%1-3|S%1-4|S%1-5|S%1-6|S%1-7|S%1-8|S%1-9|S%1-10|S%1-11").arg(id)
                      << QStringLiteral("I%1-1|I%1-2").arg(id);
                for (int k = 5; k <= 15; ++k)
                    lines << QStringLiteral("0");
            }
        QVERIFY(fnd::writeLines(fx.programDir() + QStringLiteral("/sMenu.sys"), lines));
    }
    FrmYanShi &w = demoOn(fx, {record({{8, s("9001")}})});
    w.StepType = 3100; // filled once for family 1, menu 1
    w.PopMenuNo = 1;
    w.systemMenu();
    run::YanShiRun = running;
    w.StepType = stepType;
    w.PopMenuNo = menu;
    w.systemMenu();
    QStringList shownCascades, shownItems;
    for (int n = 1; n <= 5; ++n)
        if (w.sKvelMain[n]->menuAction()->isVisible())
            shownCascades << w.sKvelMain[n]->title();
    for (QAction *a : w.sKvelInde[1])
        if (a->isVisible() && a != w.sKvelInde[1][0])
            shownItems << a->text();
    QCOMPARE(shownCascades, cascades);
    QCOMPARE(shownItems, items1);
    if (running && file) {
        // Ten of eleven sub-items, from element 1; element 0 untouched.
        QCOMPARE(w.sKvelSub[1][1]->text(), QStringLiteral("S%1%2-1").arg(stepType / 1000 == 3 ? 1 : stepType / 1000 == 5 ? 3 : 4).arg(menu));
        QVERIFY(w.sKvelSub[1][10]->isVisible());
        QVERIFY(w.sKvelSub[1][0]->text().isEmpty());
    }
}

// Each scene puts the question window topmost and takes the demonstration
// out of the topmost band; a shown window leaves the band with its flags as
// they were, and a second request changes nothing.
void TstFrmYanShi::windowOrder()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}}), record({{8, s("9001")}})}});
    QVERIFY(ts::composeUnit(0));
    ts::startPractice();
    FrmTm &tm = FrmTm::get();
    tm.hide();
    FrmYanShi &w = FrmYanShi::get();
    QVERIFY(!plat::inTopmostBand(&w));
    QVERIFY(plat::inTopmostBand(&tm));
    QVERIFY(!tm.isVisible());

    QWidget shown(nullptr, Qt::Window | Qt::WindowStaysOnTopHint);
    shown.show();
    QVERIFY(QTest::qWaitForWindowExposed(&shown));
    QVERIFY(plat::inTopmostBand(&shown));
    plat::leaveTopmostBand(&shown);
    QVERIFY(!plat::inTopmostBand(&shown));
    QVERIFY(shown.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(shown.isVisible());
    plat::leaveTopmostBand(&shown);
    QVERIFY(!plat::inTopmostBand(&shown));
    plat::makeTopmost(&shown);
    QVERIFY(plat::inTopmostBand(&shown));
}

namespace {
// Every file under a folder with its hash, by relative path (the run's error
// logs left out).
QMap<QString, QByteArray> folderHashes(const QString &folder)
{
    QMap<QString, QByteArray> files;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        QFile f(it.next());
        if (f.fileName().endsWith(QLatin1String(".txt")) || !f.open(QIODevice::ReadOnly))
            continue;
        files.insert(QDir(folder).relativeFilePath(f.fileName()), QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1));
    }
    return files;
}

} // namespace

// A question whose first step is "9999": the success line, the end on the
// fourth tick of TimEnd; the run's windows back, the question reloaded at its
// own step (hint mode until the reload, practice after it), nothing of the
// question's state changed, no file written.
void TstFrmYanShi::endOnTheFinalScene()
{
    ts::SceneFixture fx;
    const QStringList steps{record({{8, s("9999")}}), record({{8, s("9001")}}), record({{8, s("9001")}})};
    for (const QString &name : bank::QuestionWindowPictures)
        QFile::copy(ts::sampleProgramDir() + QStringLiteral("/wydata/") + name + QStringLiteral(".mxy"), fx.dataFile(name));
    fx.writeUnit(0, {steps, steps});
    QVERIFY(ts::composeUnit(0));
    FrmMain &main = ts::startPractice();
    scene::TmStep[2] = 2;
    ts::loadQuestion(2);
    FrmTm &tm = FrmTm::get();
    QTRY_VERIFY(!tm.TimKsModel->isActive());
    const auto state = run::TmState[2];
    const auto pics = scene::TmPics[2];
    const auto files = folderHashes(fx.programDir());
    tm.StartYanShi();
    QTRY_VERIFY(FrmYanShi::loaded() && FrmYanShi::loaded()->isVisible());
    FrmYanShi &w = *FrmYanShi::loaded();
    QCOMPARE(w.LHelp->text(), s("操作成功！"));
    QVERIFY(w.TimEnd->isActive());
    QCOMPARE(int(run::AnswerMode), 1);
    QSignalSpy ticks(w.TimEnd, &QTimer::timeout);
    QTRY_VERIFY(!FrmYanShi::loaded());
    QCOMPARE(ticks.count(), 4);
    QVERIFY(!run::YanShiRun);
    QVERIFY(main.isVisible() && tm.isVisible());
    QCOMPARE(int(run::AnswerMode), 1); // until the reload
    QTRY_VERIFY(!tm.TimerREDO->isActive() && !main.Timer2->isActive());
    QCOMPARE(int(run::AnswerMode), 2);
    QCOMPARE(int(scene::StepNo), 2);
    QCOMPARE(int(scene::TmStep[2]), 2);
    QCOMPARE(run::TmState[2], state);
    QCOMPARE(scene::TmPics[2], pics);
    QCOMPARE(folderHashes(fx.programDir()), files);

    // A second demonstration starts again at step 1, the pointer at
    // (7680, 5760).
    tm.StartYanShi();
    QTRY_VERIFY(FrmYanShi::loaded() && FrmYanShi::loaded()->isVisible());
    FrmYanShi &again = *FrmYanShi::loaded();
    QCOMPARE(again.StepsShown, QList<int>{1});
    QCOMPARE(QPoint(again.PointX, again.PointY), QPoint(7680, 5760));
    QTRY_VERIFY(!FrmYanShi::loaded());
}

void TstFrmYanShi::stops_data()
{
    QTest::addColumn<QString>("how"); // "key <name> [to <control>]" or "dblclick <control>"
    QTest::addColumn<bool>("stops");
    QTest::newRow("Esc") << "key Esc" << true;
    QTest::newRow("Enter") << "key Return" << true;
    QTest::newRow("keypad Enter") << "key Enter" << true;
    QTest::newRow("Space") << "key Space" << true;
    QTest::newRow("A") << "key A" << false;
    QTest::newRow("Esc in the text box") << "key Esc to Text1" << true;
    QTest::newRow("Space in the list") << "key Space to LstLA" << true;
    QTest::newRow("A in the text box") << "key A to Text1" << false;
    QTest::newRow("double-click on the background") << "dblclick FrmYanShi" << true;
    QTest::newRow("double-click on Image1") << "dblclick Image1" << true;
    QTest::newRow("double-click on Label1") << "dblclick Label1" << false;
    QTest::newRow("double-click on a bar") << "dblclick PicMenu" << false;
    QTest::newRow("double-click on the note") << "dblclick ImgLogo" << false;
    QTest::newRow("double-click on the hint") << "dblclick LHelp" << false;
}

// Releases of Enter, Space and Esc stop the demonstration wherever the
// keyboard is, other keys do not; a double-click stops on the background
// and the picture areas only.
void TstFrmYanShi::stops()
{
    QFETCH(QString, how);
    QFETCH(bool, stops);
    ts::SceneFixture fx;
    fx.writeAnswers({s("甲|乙")});
    fx.writePicture(QStringLiteral("p00001"), QSize(40, 30), Qt::darkGreen);
    const QString pause = record({{6, s("A3")},
                                  {8, s("8888")},
                                  {18, ts::areaField(600, 300, QStringLiteral("p00001"))},
                                  {66, boxField(3000, 2000, 900, 300)},
                                  {112, hintField(300, 600, 1)}});
    QStringList steps(12, pause);
    FrmYanShi &w = demoOn(fx, steps);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.Timer[4]->stop();
    const QStringList parts = how.split(u' ');
    if (parts[0] == u"key") {
        QWidget *to = &w;
        if (parts.size() == 4) {
            to = w.findChild<QWidget *>(parts[3]);
            if (parts[3] == u"LstLA") {
                w.LstLA->addItem(QStringLiteral("x"));
                w.LstLA->show();
            } else {
                to->show();
            }
            to->setFocus();
        }
        const QKeySequence seq(parts[1] == u"Esc" ? QStringLiteral("Esc") : parts[1]);
        QTest::keyRelease(to, Qt::Key(seq[0].key()));
    } else {
        QWidget *on = parts[1] == u"FrmYanShi" ? static_cast<QWidget *>(&w) : w.findChild<QWidget *>(parts[1]);
        QVERIFY(on);
        if (parts[1] == u"ImgLogo")
            w.ImgLogo->setText(s("题目"));
        on->show();
        QVERIFY(on->isVisible() && on->width() > 0);
        const QPoint at = on == &w ? QPoint(5, 300) : QPoint(2, 2);
        QTest::mouseDClick(on, Qt::LeftButton, {}, at);
    }
    QCOMPARE(w.TimEnd->isActive(), stops);
}

// Stop keys released every 30 ms: each one finds the end timer running and
// keeps its schedule, so the demonstration still ends.
void TstFrmYanShi::repeatedStopsStillEnd()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, QStringList(12, record({{8, s("9001")}})));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTimer repeat;
    repeat.setInterval(30);
    QObject::connect(&repeat, &QTimer::timeout, [] {
        if (FrmYanShi *d = FrmYanShi::loaded())
            QTest::keyRelease(d, Qt::Key_Escape);
    });
    repeat.start();
    QTRY_VERIFY(!FrmYanShi::loaded());
}

// Timers that keep resetting the shared counter cannot hold the window open:
// the end comes at the latest on TimEnd's own tenth tick.
void TstFrmYanShi::endAtTheLatestOnItsTenthTick()
{
    ts::SceneFixture fx;
    FrmYanShi &w = demoOn(fx, QStringList(12, record({{8, s("9001")}})));
    QTimer reset;
    reset.setInterval(20);
    QObject::connect(&reset, &QTimer::timeout, [] {
        if (FrmYanShi *d = FrmYanShi::loaded())
            d->TickCount = 0;
    });
    reset.start();
    QSignalSpy ticks(w.TimEnd, &QTimer::timeout);
    w.stop();
    QTRY_VERIFY(!FrmYanShi::loaded());
    QCOMPARE(ticks.count(), 10);
}

void TstFrmYanShi::loadPlaces_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<QString>("note");
    QTest::addColumn<double>("noteHeight");
    QTest::newRow("over FrmMain, 30 characters") << false << QString(30, QChar(u'字')) << 555.0;
    QTest::newRow("centred, empty note") << true << QString() << 195.0;
    QTest::newRow("13 characters, trimmed") << false << s("  一二三四五六七八九十一二三 ") << 195.0;
}

// The window over FrmMain while FrmMain has its normal size, centred on the
// screen otherwise; the note's height by its length; topmost from the load
// on, and the scenes never hide or re-create it.
void TstFrmYanShi::loadPlaces()
{
    QFETCH(bool, maximised);
    QFETCH(QString, note);
    QFETCH(double, noteHeight);
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}}), record({{8, s("9001")}})}});
    QVERIFY(ts::composeUnit(0));
    FrmMain &main = ts::shownWindow();
    FrmTm::get().RtbTM->setPlainText(note);
    main.move(40, 30);
    if (maximised)
        main.showMaximized();
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get();
    QCOMPARE(w.size(), QSize(800, 600));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QCOMPARE(w.pos(), maximised ? QPoint((screen.width() - 800) / 2, (screen.height() - 600) / 2) : QPoint(40, 30));
    QCOMPARE(twips(w.ImgLogo), QRectF(9420, 7620, 2535, noteHeight));
    QCOMPARE(w.ImgLogo->text(), note.trimmed());
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const WId id = w.winId();
    w.doNext();
    w.setData();
    QVERIFY(w.isVisible());
    QCOMPARE(w.winId(), id);
    QVERIFY(w.windowFlags() & Qt::WindowStaysOnTopHint);
}

// The note's lines lie 180 twips apart whatever font stands in for 宋体, so
// the height the load gives the note (one such line per 14 characters)
// holds every line: the third line of a 29-character note is drawn whole,
// nothing of it on the note's last pixel row.
void TstFrmYanShi::noteKeepsItsLastLine()
{
    ts::SceneFixture fx;
    fx.writeUnit(0, {{record({{8, s("9001")}}), record({{8, s("9001")}})}});
    QVERIFY(ts::composeUnit(0));
    ts::shownWindow();
    FrmTm::get().RtbTM->setPlainText(QString(28, QChar(u'一')) + s("国"));
    run::YanShiRun = true;
    FrmYanShi &w = FrmYanShi::get();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    const QImage note = w.ImgLogo->grab().toImage();
    QCOMPARE(note.height(), 37); // (180 x 3 + 15) twips
    auto inked = [&note](int y) {
        for (int x = 0; x < note.width(); ++x)
            if (qGray(note.pixel(x, y)) < 128)
                return true;
        return false;
    };
    for (int line = 0; line < 3; ++line) {
        bool drawn = false;
        for (int y = 12 * line; y < 12 * line + 12; ++y)
            drawn = drawn || inked(y);
        QVERIFY2(drawn, qPrintable(QStringLiteral("line %1").arg(line + 1)));
    }
    QVERIFY(!inked(note.height() - 1));
}

// A sample question demonstrated through the probe as a user starts it, to
// its final scene: nothing recorded, hint mode from the window's load until
// the question's reload, the end closes the window and brings the run's
// windows back at the question's step.
void TstFrmYanShi::wholeDemonstrationThroughTheProbe()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    auto ksdata = [&] {
        QMap<QString, QByteArray> files;
        for (QDirIterator it(copy.file(QStringLiteral("ksdata")), QDir::Files); it.hasNext();) {
            QFile f(it.next());
            if (f.fileName().endsWith(QLatin1String(".txt")))
                continue; // the run's error log
            f.open(QIODevice::ReadOnly);
            files.insert(f.fileName(), f.readAll());
        }
        return files;
    };
    // The practice's start from the cover writes the unit progress as the
    // cover's load does: once done, the records stand as the run found them.
    ts::playProbe(copy.path(), 2, 13, {});
    const auto before = ksdata();
    QVERIFY(before.contains(copy.file(QStringLiteral("ksdata/288893.mxy"))));
    // Unit 3, question 13 ("7000", "6282", "9999"), left at step 2 by its key.
    const QList<QJsonObject> o = ts::playProbe(copy.path(), 2, 13,
                                               "key F12\nstate\nclick FrmTm/CmdGN_7\nwait 500\nwindows\nstate\n"
                                               "scene FrmYanShi\ndemo next\nscene FrmYanShi\ndemo next\n"
                                               "scene FrmYanShi\nwait 800\nwindows\nstate\nscene\n");
    QCOMPARE(o.size(), 15);
    const QJsonObject start = o[1];
    QCOMPARE(start["StepNo"].toInt(), 2);
    QCOMPARE(o[4]["windows"].toArray().size(), 1);
    QCOMPARE(o[4]["windows"].toArray().at(0).toObject()["name"].toString(), QStringLiteral("FrmYanShi"));
    QCOMPARE(o[5]["AnswerMode"].toInt(), 1);
    QCOMPARE(o[6]["player"]["DemoStep"].toInt(), 1);
    QCOMPARE(o[6]["StepType"].toInt(), 7000);
    QVERIFY(o[6]["player"]["AimZHU"].toInt() > 0);
    QCOMPARE(o[8]["player"]["DemoStep"].toInt(), 2);
    QCOMPARE(o[8]["StepType"].toInt(), 6282);
    QCOMPARE(o[8]["player"]["AimZHU"].toInt(), 0);
    QCOMPARE(o[10]["player"]["DemoStep"].toInt(), 3);
    QCOMPARE(o[10]["StepType"].toInt(), 9999);
    QVERIFY(o[10]["TimEnd"].toBool());
    QStringList after;
    for (const QJsonValue v : o[12]["windows"].toArray())
        after << v["name"].toString();
    after.sort();
    QCOMPARE(after, (QStringList{"FrmMain", "FrmTm"}));
    const QJsonObject end = o[13];
    QCOMPARE(end["AnswerMode"].toInt(), 2);
    for (const char *key : {"TmState", "TmStep", "StepNo", "TmPics"})
        QVERIFY2(end[key] == start[key], key);
    QCOMPARE(o[14]["StepNo"].toInt(), 2);
    QCOMPARE(o[14]["StepType"].toInt(), 6282);
    QCOMPARE(ksdata(), before);
}

// The probe's view of the demonstration: the player's state, its timers,
// the bars and cells in twips and pixels, the pace and the clicks.
void TstFrmYanShi::probeShowsTheChrome()
{
    ts::ProgramCopy copy;
    QVERIFY(copy.isValid());
    // Unit 1, question 1: its first step opens menu 1's item 1 ("7000", H0101).
    const QList<QJsonObject> o = ts::playProbe(copy.path(), 0, 1,
                                               "demo pace 0\ndemo pace x\ndemo pace 100\nclick FrmTm/CmdGN_7\n"
                                               "wait 400\nscene FrmYanShi\ndemo click zhu\nscene FrmYanShi\n"
                                               "demo click 1j\nscene FrmYanShi\n");
    QCOMPARE(o.size(), 10);
    QVERIFY(o[0].contains("error"));
    QVERIFY(o[1].contains("error"));
    QCOMPARE(o[2]["pace"].toDouble(), 100.0); // the pointer waits 10 s a tick
    const QJsonObject scene = o[5];
    QCOMPARE(scene["player"]["PointX"].toInt(), 7680);
    QCOMPARE(scene["player"]["PointY"].toInt(), 5760);
    QCOMPARE(scene["player"]["AimZHU"].toInt(), 1);
    QCOMPARE(scene["player"]["Aim1J"].toInt(), 1);
    QJsonObject cell1, menuBar;
    for (const QJsonValue v : scene["chrome"].toArray()) {
        if (v["name"].toString() == QLatin1String("LblZHU_1"))
            cell1 = v.toObject();
        if (v["name"].toString() == QLatin1String("PicMenu"))
            menuBar = v.toObject();
    }
    QCOMPARE(cell1["twips"].toArray(), (QJsonArray{150, 405, 870, 270}));
    QCOMPARE(cell1["px"].toArray(), (QJsonArray{10, 27, 58, 18}));
    QVERIFY(menuBar["visible"].toBool());
    QCOMPARE(scene["lines"].toArray().size(), 8 + 6 + 10 + 6);
    // The pointer at its start: the ring red, no drag picture or band.
    const QJsonObject pointer = scene["pointer"].toObject();
    QCOMPARE(pointer["Shape5"]["color"].toString(), QStringLiteral("#ff0000"));
    // The ring at its design size around the hot spot, not a default-sized box.
    const QJsonArray ringTwips = pointer["Shape5"]["twips"].toArray(), ringPx = pointer["Shape5"]["px"].toArray();
    QCOMPARE(QSizeF(ringTwips.at(2).toDouble(), ringTwips.at(3).toDouble()), QSizeF(375, 375));
    QCOMPARE(QSize(ringPx.at(2).toInt(), ringPx.at(3).toInt()), QSize(25, 25));
    QVERIFY(!pointer["ImgICO"]["visible"].toBool());
    QVERIFY(!pointer["Shape6"]["visible"].toBool());
    QCOMPARE(scene["player"]["MbX"].toInt(), 150 + 435); // the title's centre
    QCOMPARE(scene["player"]["MbY"].toInt(), 405 + 135);
    QVERIFY(scene["timers"].toArray().contains(QStringLiteral("Timer2")));
    // The click on the title opens its drop-down and starts the item glide.
    const QJsonObject opened = o[7];
    QVERIFY(opened["timers"].toArray().contains(QStringLiteral("Timer6")));
    bool pressed = false, dropDown = false;
    for (const QJsonValue v : opened["chrome"].toArray()) {
        pressed = pressed || (v["name"].toString() == QLatin1String("ImgMenu") && v["picture"].toString() == QLatin1String("010099"));
        dropDown = dropDown || (v["name"].toString() == QLatin1String("Pic1J") && v["picture"].toString() == QLatin1String("010077") && v["visible"].toBool());
    }
    QVERIFY(pressed && dropDown);
    QCOMPARE(o[9]["player"]["DemoStep"].toInt(), 2);
}

QTEST_MAIN(TstFrmYanShi)
#include "tst_frmyanshi.moc"
