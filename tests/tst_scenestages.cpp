// The scene builder's later stages as plain decisions: the tab-strip layouts
// and their stage, the operation-code stage (final scene, typing hints, list
// steps) and the finish (red box, bars, pointer, hint lines).
#include "foundation/gbkfile.h"
#include "run/runstate.h"
#include "simwin/scene/sceneend.h"
#include "simwin/scene/tabstrip.h"
#include "steplines.h"

#include <QtTest>

using namespace scene;

using IntList = QList<int>;

namespace {

// A tab-strip record: char 130 "X", the layout letter, shown tab, target tab
// and picture area (e.g. "A123").
QString tabRecord(const char *tabSpec, std::initializer_list<std::pair<int, const char *>> more = {})
{
    QString r = ts::stepLine(more);
    r.replace(129, 5, QStringLiteral("X") + QString::fromLatin1(tabSpec));
    return r;
}

TabStageInput areaInput(int area, QPointF at, double xs = 1, double ys = 1)
{
    TabStageInput in;
    in.areaPos[area] = at;
    in.label1 = QRectF(4000, 3000, 600, 200);
    in.hintText = QStringLiteral("单击“确定”|按回车");
    in.label1BoxWidth = 600;
    in.label1BoxHeight = 200;
    in.xScale = xs;
    in.yScale = ys;
    return in;
}

QRectF parkedCell(double xs = 1, double ys = 1) { return {-xs, -ys, 1, 1}; }

} // namespace

class TstSceneStages : public QObject
{
    Q_OBJECT
private slots:
    void layoutsDecode_data();
    void layoutsDecode();
    void layoutOnPictureArea();
    void twoRowStrip_data();
    void twoRowStrip();
    void targetTabShown();
    void scaledStrip();
    void areaOutsideOneToFive_data();
    void areaOutsideOneToFive();
    void unknownLayoutKeepsTheLast();
    void cancelSpotOfTheRecord();

    void completion_data();
    void completion();
    void unfinishedList();
    void header_data();
    void header();
    void operationCode_data();
    void operationCode();
    void listSteps_data();
    void listSteps();
    void listBorderStrips();
    void finish_data();
    void finish();
};

// ---- Tab strips ----------------------------------------------------------------

void TstSceneStages::layoutsDecode_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("rowTop");
    QTest::addColumn<int>("height");
    QTest::addColumn<QStringList>("pages");
    QTest::addColumn<IntList>("edges");
    QTest::addColumn<int>("endEdge");
    QTest::addColumn<QRect>("cancel");
    const auto row = [](char l, int n, int top, int h, const char *pages, IntList edges, int end, QRect c) {
        QTest::newRow(QByteArray(1, l).constData())
            << QChar(QLatin1Char(l)) << n << top << h << QString::fromLatin1(pages).split(u' ') << edges << end << c;
    };
    row('A', 3, 510, 330, "300227 300228 300229", {120, 900, 1770}, 2475, {7650, 5790, 1110, 300});
    row('B', 3, 510, 330, "300061 300062 300063", {120, 1230, 2100}, 2970, {4710, 4830, 1110, 300});
    row('C', 6, 540, 300, "300133 300134 300135 300136 300138 300139", {120, 870, 1590, 2295, 3060, 3750}, 4455,
        {4290, 5190, 1110, 300});
    row('D', 3, 540, 300, "300161 300162 300163", {120, 1440, 2850}, 3570, {4980, 5970, 1110, 300});
    row('E', 3, 540, 300, "300168 300169 300170", {120, 1035, 2070}, 2745, {6300, 6600, 1110, 300});
    row('F', 10, 495, 300, "300190 300191 300192 300193 300194 300195 300199 300198 300197 300196",
        {120, 1215, 2700, 3930, 5190, 6450, 120, 1855, 3570, 5640}, 7530, {6450, 7110, 1110, 300});
    row('G', 5, 540, 300, "300218 300219 300220 300221 300222", {120, 855, 1980, 2850, 3570}, 4350,
        {5250, 4380, 1110, 300});
    row('H', 6, 540, 300, "300281 300282 300283 300284 300285 300286", {120, 855, 1620, 2310, 3030, 3750}, 4440,
        {6000, 5520, 1110, 300});
    row('I', 3, 450, 300, "300300 300301 300302", {120, 900, 1755}, 2970, {5940, 4500, 1620, 300});
    row('J', 2, 540, 300, "300310 300311", {120, 900}, 1560, {6000, 5850, 1110, 300});
    row('K', 2, 540, 300, "300142 300143", {120, 900}, 1755, {4110, 6180, 1110, 300});
    row('L', 3, 540, 300, "300444 300445 300446", {120, 900, 1590}, 2280, {5550, 5340, 1110, 300});
    row('M', 5, 540, 300, "400301 400302 400303 400304 400300", {120, 855, 1620, 2310, 3030}, 3750,
        {6000, 5520, 1110, 300});
    row('N', 4, 540, 300, "400456 400457 400458 400459", {120, 1080, 2310, 3210}, 4080, {4350, 5190, 1110, 300});
    row('O', 3, 540, 300, "400497 400498 400499", {120, 900, 1590}, 3450, {7650, 5790, 1110, 300});
    row('P', 3, 540, 300, "400791 400792 400793", {120, 900, 1590}, 2280, {2820, 5220, 1110, 300});
}

void TstSceneStages::layoutsDecode()
{
    QFETCH(QChar, letter);
    QFETCH(int, count);
    QFETCH(QStringList, pages);
    QFETCH(IntList, edges);
    const auto layout = tabLayout(letter);
    QVERIFY(layout);
    QCOMPARE(layout->size(), TabLayoutLength);
    QCOMPARE(layout->at(0), letter);
    QCOMPARE(tabCount(*layout), count);
    QTEST(tabRowTop(*layout), "rowTop");
    QTEST(tabHeight(*layout), "height");
    for (int i = 1; i <= count; ++i) {
        QCOMPARE(tabPage(*layout, i), pages[i - 1]);
        QCOMPARE(tabLeftEdge(*layout, i), edges[i - 1]);
    }
    QCOMPARE(tabPage(*layout, count + 1), QStringLiteral("000000"));
    QTEST(tabEndEdge(*layout), "endEdge");
    QTEST(tabCancelSpot(*layout), "cancel");
    // Slots after the end edge hold zeros.
    QVERIFY(layout->mid(10 * (count + 2) - 1, 139 - 10 * (count + 2) + 1).count(u'0')
            == 139 - 10 * (count + 2) + 1);
}

void TstSceneStages::layoutOnPictureArea()
{
    // Layout A in picture area 3 at (2000, 1500); tab 1 shown, tab 2 asked for.
    const QString line = tabRecord("A123");
    const TabStage s = tabStripStage(line, areaInput(3, {2000, 1500}));
    QVERIFY(s.strip);
    QCOMPARE(s.form.TabLayout, *tabLayout(u'A'));
    QCOMPARE(s.form.TabCount, 3);
    QCOMPARE(s.form.TabTarget, 2);
    QCOMPARE(s.form.TabImage, 3);
    QCOMPARE(s.form.TabAreaLeft, 2000);
    QCOMPARE(s.form.TabAreaTop, 1500);
    QCOMPARE(s.form.TabRow, 1); // a one-row strip leaves the row alone
    QCOMPARE(s.form.BackSpec, QStringLiteral("NONO"));
    QCOMPARE(s.cells[1], QRectF(2120, 2010, 780, 330));  // x 2120 to 2900
    QCOMPARE(s.cells[2], QRectF(2900, 2010, 870, 330));
    QCOMPARE(s.cells[3], QRectF(3770, 2010, 705, 330));  // x 3770 to 4475
    QCOMPARE(s.cells[0], QRectF(9650, 7290, 1110, 300)); // the dialog's Cancel
    for (int i = 4; i <= MaxTabs; ++i)
        QCOMPARE(s.cells[i], parkedCell());
    // The shown tab's page; the real target out of reach; the box on tab 2.
    QCOMPARE(s.pagePicture, QStringLiteral("300227"));
    QCOMPARE(s.label1, QRectF(4000, 3000, 1, 1));
    QCOMPARE(s.shape1, s.cells[2]);
    QCOMPARE(s.hint, QStringLiteral("请选择第2个选项卡"));
}

void TstSceneStages::twoRowStrip_data()
{
    QTest::addColumn<QString>("tabField");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("page");
    QTest::addColumn<int>("target");
    QTest::newRow("tab 8 shown: second row in front") << "F832" << 2 << "300198" << 3;
    QTest::newRow("tab 3 shown: first row in front") << "F382" << 1 << "300192" << 8;
    QTest::newRow("tab A (10) shown, target 3") << "FA32" << 2 << "300196" << 3;
    QTest::newRow("tab 2 shown, target A (10)") << "F2A2" << 1 << "300191" << 10;
    QTest::newRow("target D (13) past the strip") << "F1D2" << 1 << "300190" << 13;
}

void TstSceneStages::twoRowStrip()
{
    QFETCH(QString, tabField);
    QFETCH(int, row);
    QFETCH(int, target);
    const TabStage s = tabStripStage(tabRecord(tabField.toLatin1()), areaInput(2, {1000, 500}));
    QCOMPARE(s.form.TabCount, 10);
    QCOMPARE(s.form.TabRow, row);
    QCOMPARE(s.form.TabTarget, target);
    QTEST(s.pagePicture, "page");
    const double front = 495 + 300 + 500;
    const double back = 495 + 500;
    for (int i = 1; i <= 10; ++i)
        QCOMPARE(s.cells[i].top(), ((i > 6) == (row == 2)) ? front : back);
    QCOMPARE(s.cells[1], QRectF(1120, s.cells[1].top(), 1095, 300));
    QCOMPARE(s.cells[6].width(), 1050.0); // over the gap at the row's end
    QCOMPARE(s.cells[7].left(), 1120.0);  // the second row starts again at the left
    QCOMPARE(s.cells[10].width(), 1890.0); // up to the end edge 7530
    QCOMPARE(s.shape1, s.cells[target]);
    if (target > 10)
        QCOMPARE(s.shape1, parkedCell());
}

void TstSceneStages::targetTabShown()
{
    // Shown tab = target tab: the area keeps the record's own picture, Label1
    // is usable at once and the hint is the step's own.
    TabStageInput in = areaInput(1, {300, 200});
    in.label1 = QRectF(4000, 3000, 1, 1); // stage 7 of a step whose box reads 600 x 200
    const TabStage s = tabStripStage(tabRecord("B221"), in);
    QVERIFY(s.pagePicture.isEmpty());
    QCOMPARE(s.label1, QRectF(4000, 3000, 600, 200));
    QCOMPARE(s.shape1, s.label1);
    QCOMPARE(s.hint, in.hintText); // line breaks come with the finish
}

void TstSceneStages::scaledStrip()
{
    // Layout and record values scale; the picture area's place is already a
    // window position and does not. Halves of the area place round to even.
    TabStageInput in = areaInput(4, {2000.5, 1501.5}, 1.25, 1.5);
    const TabStage s = tabStripStage(tabRecord("A124", {{125, "Q0001"}, {167, "0010000200"}}), in);
    QCOMPARE(s.form.TabAreaLeft, 2000);
    QCOMPARE(s.form.TabAreaTop, 1502);
    QCOMPARE(s.cells[1], QRectF(120 * 1.25 + 2000, 510 * 1.5 + 1502, 780 * 1.25, 330 * 1.5));
    QCOMPARE(s.cells[5], parkedCell(1.25, 1.5));
    // The record's own Cancel spot replaces the dialog's.
    QCOMPARE(s.cells[0], QRectF(100 * 1.25, 200 * 1.5, 1095 * 1.25, 285 * 1.5));
    QCOMPARE(s.form.BackSpec, QStringLiteral("Q0001"));
    QCOMPARE(s.label1.size(), QSizeF(1, 1)); // unscaled
}

void TstSceneStages::areaOutsideOneToFive_data()
{
    QTest::addColumn<QString>("tabField");
    QTest::newRow("area 0") << "C120";
    QTest::newRow("area 6") << "C126";
}

void TstSceneStages::areaOutsideOneToFive()
{
    // No page is loaded; the cells sit on the dialog area of the last strip.
    TabStageInput in = areaInput(1, {9999, 9999});
    in.form.TabAreaLeft = 700;
    in.form.TabAreaTop = 800;
    QFETCH(QString, tabField);
    const TabStage s = tabStripStage(tabRecord(tabField.toLatin1()), in);
    QVERIFY(s.pagePicture.isEmpty());
    QCOMPARE(s.form.TabAreaLeft, 700);
    QCOMPARE(s.form.TabAreaTop, 800);
    QCOMPARE(s.form.TabImage, tabField.right(1).toInt());
    QCOMPARE(s.cells[1], QRectF(820, 1340, 750, 300));
    QCOMPARE(s.cells[0], QRectF(4290 + 700, 5190 + 800, 1110, 300));
}

void TstSceneStages::unknownLayoutKeepsTheLast()
{
    TabStageInput in = areaInput(1, {0, 0});
    in.form.TabLayout = *tabLayout(u'J');
    const TabStage s = tabStripStage(tabRecord("Z121"), in);
    QCOMPARE(s.form.TabLayout, *tabLayout(u'J'));
    QCOMPARE(s.form.TabCount, 2);
    QCOMPARE(s.pagePicture, QStringLiteral("300310"));
    // Nothing chosen yet: no strip, no page, no cells.
    const TabStage none = tabStripStage(tabRecord("Z121"), areaInput(1, {0, 0}));
    QCOMPARE(none.form.TabCount, 0);
    QVERIFY(none.pagePicture.isEmpty());
    QCOMPARE(none.cells[1], parkedCell());
}

void TstSceneStages::cancelSpotOfTheRecord()
{
    // "Q" at 125 without a strip: the Cancel spot from chars 167-176, 1095 by
    // 285; the strip's variables, the hint and the red box stay as they were.
    TabStageInput in = areaInput(1, {0, 0});
    in.form.TabLayout = *tabLayout(u'A');
    in.form.TabCount = 3;
    in.form.TabTarget = 2;
    const QString line = ts::stepLine({{125, "Q0002"}, {130, "0"}, {167, "0450003300"}});
    const TabStage s = tabStripStage(line, in);
    QVERIFY(!s.strip);
    QCOMPARE(s.form.BackSpec, QStringLiteral("Q0002"));
    QCOMPARE(s.cells[0], QRectF(4500, 3300, 1095, 285));
    QCOMPARE(s.cells[1], parkedCell());
    QCOMPARE(s.form.TabCount, 3);
    QCOMPARE(s.form.TabTarget, 2);
    QVERIFY(!s.hint);
    QVERIFY(s.pagePicture.isEmpty());
    QCOMPARE(s.label1, in.label1);
    QCOMPARE(s.shape1, in.label1);
    // Neither: the Cancel spot stays parked and BackSpec reads "NONO".
    const TabStage plain = tabStripStage(ts::stepLine({}), in);
    QCOMPARE(plain.form.BackSpec, QStringLiteral("NONO"));
    QCOMPARE(plain.cells[0], parkedCell());
}

// ---- Operation code and final scene ----------------------------------------------

void TstSceneStages::completion_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<int>("after");
    QTest::newRow("not visited") << 0 << 4;
    QTest::newRow("visited") << 1 << 5;
    QTest::newRow("visited and marked") << 3 << 7;
    QTest::newRow("already completed") << 5 << 5;
    QTest::newRow("completed only") << 4 << 4;
    QTest::newRow("all bits") << 7 << 7;
}

void TstSceneStages::completion()
{
    QFETCH(int, state);
    QFETCH(int, after);
    QCOMPARE(completedState(state), after);
    QCOMPARE(completedState(completedState(state)), after); // once
}

void TstSceneStages::unfinishedList()
{
    std::array<qint16, run::MaxQuestions + 1> states{};
    for (int i = 1; i <= 5; ++i)
        states[i] = 5;
    states[2] = 1;
    states[4] = 3;
    states[6] = 0; // past TmSum
    QCOMPARE(unfinishedCaption(states, 5), QStringLiteral("未完成的题目 2 4"));
    states[2] = states[4] = 7;
    QCOMPARE(unfinishedCaption(states, 5), QStringLiteral("未完成的题目"));
    QCOMPARE(unfinishedCaption(states, 9999).count(u' '), run::MaxQuestions - 5);
}

void TstSceneStages::header_data()
{
    QTest::addColumn<QString>("header");
    QTest::addColumn<QString>("after");
    QTest::newRow("marker") << "第3题(未完成)" << "第3题(已完成)";
    QTest::newRow("every marker") << "(未完成)第1题(未完成)" << "(已完成)第1题(已完成)";
    QTest::newRow("none") << "第3题 已做" << "第3题 已做";
    QTest::newRow("full-width brackets are not the marker") << "第3题（未完成）" << "第3题（未完成）";
}

void TstSceneStages::header()
{
    QFETCH(QString, header);
    QTEST(completedHeader(header), "after");
}

void TstSceneStages::operationCode_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<bool>("shape1");
    QTest::addColumn<bool>("clearSelection");
    QTest::addColumn<QString>("flags"); // t timer3, c collapse, f final, s success, 2 Text2, 3 Text3, h hint shown
    const QString h = QStringLiteral("index|首页");
    QTest::newRow("0020") << "0020" << 1 << "输入 index或  首页" << false << true << "h";
    QTest::newRow("0021 in Text2") << "0021" << 1 << "输入 index或  首页" << false << true << "2h";
    QTest::newRow("0022 hints") << "0022" << 1 << "输入 index或  首页 并按回车键或点红色方框处" << true << true << "h";
    QTest::newRow("0022 practice") << "0022" << 2 << "输入 index或  首页 并按回车键或点红色方框处" << false << true << "";
    QTest::newRow("0023") << "0023" << 1 << "请选中 index或  首页" << false << true << "h";
    QTest::newRow("0024") << "0024" << 1 << "输入 index或  首页 并按回车键" << false << true << "h";
    QTest::newRow("0025") << "0025" << 1 << "输入 index或  首页" << false << true << "h";
    QTest::newRow("0026 hints") << "0026" << 1 << "输入 index或  首页 并点击红色方框处" << true << true << "h";
    QTest::newRow("0027 in Text3") << "0027" << 1 << "输入 index或  首页" << false << true << "3h";
    QTest::newRow("0028 only joins") << "0028" << 1 << "index或  首页" << false << false << "h";
    QTest::newRow("click: box follows the hint") << "9002" << 1 << h << true << false << "h";
    QTest::newRow("click in practice") << "9002" << 2 << h << false << false << "";
    QTest::newRow("8888 advances") << "8888" << 1 << h << true << false << "th";
    QTest::newRow("8002 handle") << "8002" << 1 << h << true << false << "ch";
    QTest::newRow("80 and letters") << "80AB" << 1 << h << true << false << "ch";
    QTest::newRow("9999 practice") << "9999" << 2 << h << false << false << "fs";
    QTest::newRow("9999 hints") << "9999" << 1 << h << false << false << "fs";
    QTest::newRow("9999 exam") << "9999" << 3 << h << false << false << "f";
}

void TstSceneStages::operationCode()
{
    QFETCH(QString, code);
    QFETCH(int, mode);
    QFETCH(QString, flags);
    const QString line = ts::stepLine({{8, code.toLatin1().constData()}});
    const CodeStage s = operationCodeStage(line, QStringLiteral("index|首页"), mode == 1, mode, QString());
    QTEST(s.hint, "hint");
    QTEST(s.shape1Visible, "shape1");
    QTEST(s.clearText1Selection, "clearSelection");
    QCOMPARE(s.timer3, flags.contains(u't'));
    QCOMPARE(s.collapseTargets, flags.contains(u'c'));
    QCOMPARE(s.finalScene, flags.contains(u'f'));
    QCOMPARE(s.showSuccess, flags.contains(u's'));
    QCOMPARE(s.useText2, flags.contains(u'2'));
    QCOMPARE(s.useText3, flags.contains(u'3'));
    QCOMPARE(s.hintVisible, flags.contains(u'h'));
    QVERIFY(!s.list);
}

void TstSceneStages::listSteps_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("text");
    QTest::newRow("three items, third chosen") << "L012" << "002" << QStringList{"宋体", "黑体", "隶书"} << 2 << "隶书";
    QTest::newRow("no bar: one item") << "L013" << "000" << QStringList{"居中"} << 0 << "居中";
    QTest::newRow("start past the items") << "L013" << "003" << QStringList{"居中"} << -1 << "";
    QTest::newRow("empty pieces stay") << "L014" << "001" << QStringList{"", "", ""} << 1 << "";
    QTest::newRow("no line") << "L000" << "000" << QStringList{} << -1 << "";
}

void TstSceneStages::listSteps()
{
    QTemporaryDir dir;
    const QString answers = dir.filePath("288890.mxy");
    QStringList lines;
    for (int i = 1; i <= 11; ++i)
        lines << QStringLiteral("%1其它").arg(i, 3, 10, QChar(u'0'));
    lines << QStringLiteral("012宋体|黑体|隶书") << QStringLiteral("013居中") << QStringLiteral("014||");
    QVERIFY(fnd::writeLines(answers, lines));
    QFETCH(QString, code);
    QFETCH(QString, start);
    const QString line = ts::stepLine({{8, code.toLatin1().constData()}, {106, start.toLatin1().constData()}});
    const CodeStage s = operationCodeStage(line, QString(), false, 2, answers);
    QVERIFY(s.list);
    QTEST(s.list->items, "items");
    QTEST(s.list->selected, "selected");
    QTEST(s.list->selectedText, "text");
    QCOMPARE(s.stepType, 0);
}

void TstSceneStages::listBorderStrips()
{
    const ListBorders b = listBorders(QRectF(1000, 2000, 3000, 400), 1.2, 1.5);
    QCOMPARE(b.left, QRectF(1000, 2000, 18, 400));
    QCOMPARE(b.right, QRectF(1000 + 3000 - 18, 2000, 18, 400));
    QCOMPARE(b.top, QRectF(1000, 2000, 3000, 22.5));
    QCOMPARE(b.bottom, QRectF(1000, 2000 + 400 - 22.5, 3000, 22.5));
}

void TstSceneStages::finish_data()
{
    QTest::addColumn<QString>("bars");    // chars 6-7
    QTest::addColumn<QString>("cursor");  // chars 101-105
    QTest::addColumn<QString>("shown");   // m PicMenu, t PicTool, h PicHui, e PicElse
    QTest::addColumn<int>("pointer");
    QTest::addColumn<QString>("cursorFile"); // file name part
    QTest::newRow("C7 all bars, S11") << "C7" << "S0011" << "mth" << 11 << "";
    QTest::newRow("A5 menu and drawing") << "A5" << "00000" << "mh" << 0 << "";
    QTest::newRow("A2 standard bars, M07") << "A2" << "M0007" << "t" << 99 << "ico07.CUR";
    QTest::newRow("B0 panel only") << "B0" << "00000" << "e" << 0 << "";
    QTest::newRow("B3 and panel") << "B3" << "12345" << "mte" << 0 << "";
    QTest::newRow("D7 nothing") << "D7" << "S0002" << "" << 2 << "";
    QTest::newRow("C8 nothing") << "C8" << "x0011" << "" << 0 << "";
}

void TstSceneStages::finish()
{
    QFETCH(QString, bars);
    QFETCH(QString, cursor);
    QFETCH(QString, shown);
    const QString line = ts::stepLine({{6, bars.toLatin1().constData()}, {101, cursor.toLatin1().constData()}});
    const FinishStage f = finishStage(line, true, 11, QStringLiteral("第一行|第二行||"), true);
    BarsShown want;
    want.PicMenu = shown.contains(u'm');
    want.PicTool = shown.contains(u't');
    want.PicHui = shown.contains(u'h');
    want.PicElse = shown.contains(u'e');
    QCOMPARE(f.bars, want);
    QTEST(f.label1Pointer.mousePointer, "pointer");
    QFETCH(QString, cursorFile);
    if (cursorFile.isEmpty())
        QVERIFY(f.label1Pointer.cursorFile.isEmpty());
    else
        QVERIFY(f.label1Pointer.cursorFile.endsWith(u'/' + cursorFile));
    QCOMPARE(f.hint, QStringLiteral("第一行\r\n第二行\r\n\r\n"));
    QVERIFY(!f.hideShape1);
    QVERIFY(f.shape2Visible);
    // A target at most 10 twips high, or hidden, loses its red box.
    QVERIFY(finishStage(line, true, 10, {}, true).hideShape1);
    QVERIFY(finishStage(line, false, 300, {}, true).hideShape1);
    QVERIFY(!finishStage(line, true, 300, {}, false).shape2Visible);
}

QTEST_GUILESS_MAIN(TstSceneStages)
#include "tst_scenestages.moc"
