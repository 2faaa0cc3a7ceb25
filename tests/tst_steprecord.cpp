// Step records and answer-text lines: every field read by position, the
// overlays that share characters, short and malformed records.
#include "steplines.h"

#include "foundation/gbkfile.h"
#include "simwin/scene/linecache.h"
#include "simwin/scene/steprecord.h"
#include "steplines.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace scene;

// One fetched column as a value.
#define FETCH(T, name) ([] { QFETCH(T, name); return name; }())

using ts::record;
using ts::stepLine;

class TstStepRecord : public QObject
{
    Q_OBJECT
private slots:
    void init() { scene::clearLineCache(); }

    void chars_data();
    void chars();
    void jumpStep_data();
    void jumpStep();
    void barsAndPane_data();
    void barsAndPane();
    void stepType_data();
    void stepType();
    void pictureArea_data();
    void pictureArea();
    void boxes_data();
    void boxes();
    void targets_data();
    void targets();
    void keyAlts_data();
    void keyAlts();
    void menuCodeOverride_data();
    void menuCodeOverride();
    void extraPanelOverlay();
    void cursor_data();
    void cursor();
    void font_data();
    void font();
    void tabAndBack_data();
    void tabAndBack();
    void hintAndReferences();
    void shortAndEmptyRecords();

    void answerLookup_data();
    void answerLookup();
    void missingOrEmptyAnswerFile();
    void answerSplits();
    void changedFileIsReadAgain();
    void olderFilesAreLetGo();
};

void TstStepRecord::chars_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("pos");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("number");
    QTest::newRow("inside") << "abc123de" << 4 << 3 << "123" << 123;
    QTest::newRow("letter first reads 0") << "abc123de" << 3 << 3 << "c12" << 0;
    QTest::newRow("digits then letter") << "12x45" << 1 << 5 << "12x45" << 12;
    QTest::newRow("cut by the end") << "12345" << 4 << 5 << "45" << 45;
    QTest::newRow("past the end") << "12345" << 9 << 3 << "" << 0;
    QTest::newRow("position 0") << "12345" << 0 << 3 << "" << 0;
    QTest::newRow("double-byte character is one position") << "网页12" << 3 << 2 << "12" << 12;
}

void TstStepRecord::chars()
{
    QFETCH(QString, line);
    QFETCH(int, pos);
    QFETCH(int, width);
    QFETCH(QString, field);
    QFETCH(int, number);
    QCOMPARE(scene::chars(line, pos, width).toString(), field);
    QCOMPARE(scene::number(line, pos, width), number);
}

void TstStepRecord::jumpStep_data()
{
    QTest::addColumn<QString>("digit");
    QTest::addColumn<int>("step");
    QTest::newRow("0 next") << "0" << 0;
    QTest::newRow("7") << "7" << 7;
    QTest::newRow("A") << "A" << 10;
    QTest::newRow("Z") << "Z" << 35;
    QTest::newRow("lower case") << "a" << 9;
    QTest::newRow("blank") << " " << 9;
    QTest::newRow("empty") << "" << 10;
}

void TstStepRecord::jumpStep()
{
    QFETCH(QString, digit);
    QFETCH(int, step);
    QCOMPARE(scene::jumpStep(digit), step);
}

void TstStepRecord::barsAndPane_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("bars");
    QTest::addColumn<bool>("panel");
    QTest::addColumn<int>("pane");
    QTest::addColumn<bool>("ee");
    QTest::newRow("C7 all bars") << stepLine({{6, "C7"}}) << 7 << false << -1 << false;
    QTest::newRow("A3 menu and tools") << stepLine({{6, "A3"}}) << 3 << false << -1 << false;
    QTest::newRow("B0 panel only") << stepLine({{6, "B0"}}) << 0 << true << -1 << false;
    QTest::newRow("D7 nothing") << stepLine({{6, "D7"}}) << 0 << false << -1 << false;
    QTest::newRow("A8 no bar") << stepLine({{6, "A8"}}) << 0 << false << -1 << false;
    QTest::newRow("pane set 4") << stepLine({{4, "X4A1"}}) << 1 << false << 4 << false;
    QTest::newRow("EE in pane") << stepLine({{4, "EE"}}) << 0 << false << -1 << true;
    QTest::newRow("EE in bar") << stepLine({{6, "EE"}}) << 0 << false << -1 << true;
}

void TstStepRecord::barsAndPane()
{
    QFETCH(QString, line);
    QCOMPARE(barBits(line), FETCH(int, bars));
    QCOMPARE(barShowsExtraPanel(line), FETCH(bool, panel));
    QCOMPARE(paneSet(line), FETCH(int, pane));
    QCOMPARE(paneOrBarIsEE(line), FETCH(bool, ee));
}

void TstStepRecord::stepType_data()
{
    QTest::addColumn<QString>("code");
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("listLine");
    QTest::newRow("typing") << "0020" << 20 << false << 0;
    QTest::newRow("final") << "9999" << 9999 << false << 0;
    QTest::newRow("key") << "6213" << 6213 << false << 213;
    QTest::newRow("list 012") << "L012" << 0 << true << 12;
    QTest::newRow("digits then letter") << "80A1" << 80 << false << 0;
}

void TstStepRecord::stepType()
{
    QFETCH(QString, code);
    const QString line = stepLine({{8, code.toLatin1().constData()}});
    QCOMPARE(stepTypeText(line).toString(), code);
    QCOMPARE(scene::stepType(line), FETCH(int, number));
    QCOMPARE(isListStep(line), FETCH(bool, list));
    if (isListStep(line))
        QCOMPARE(listItemsLine(line), FETCH(int, listLine));
}

void TstStepRecord::pictureArea_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("k");
    QTest::addColumn<int>("left");
    QTest::addColumn<QString>("jump");
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("absent");
    QTest::addColumn<bool>("keep");
    QTest::newRow("area 1") << stepLine({{18, "0120030450100001"}}) << 1 << 1200 << "3" << 450 << "100001" << false << false;
    QTest::newRow("area 2 jump B") << stepLine({{34, "00100B0200abcdef"}}) << 2 << 100 << "B" << 200 << "abcdef" << false << false;
    QTest::newRow("area 3 hidden") << stepLine({{50, "0010000200000000"}}) << 3 << 100 << "0" << 200 << "000000" << true << false;
    QTest::newRow("area 4 keeps") << stepLine({{135, "0010000200888888"}}) << 4 << 100 << "0" << 200 << "888888" << false << true;
    QTest::newRow("area 5") << stepLine({{151, "0100000600100005"}}) << 5 << 1000 << "0" << 600 << "100005" << false << false;
    QTest::newRow("area 6 named") << stepLine({{197, "0010000200100006"}}) << 6 << 100 << "0" << 200 << "100006" << false << false;
    // Five zeros and a letter: area 6 reads the name as the number 0 and is
    // absent, areas 1 to 5 take it as a picture name.
    QTest::newRow("area 6 five zeros and a letter") << stepLine({{197, "001000020000000A"}}) << 6 << 100 << "0" << 200 << "00000A" << true << false;
    QTest::newRow("area 2 five zeros and a letter") << stepLine({{34, "001000020000000A"}}) << 2 << 100 << "0" << 200 << "00000A" << false << false;
    QTest::newRow("area 6 letter first") << stepLine({{197, "00100002000A0001"}}) << 6 << 100 << "0" << 200 << "0A0001" << true << false;
    QTest::newRow("letters in numbers") << stepLine({{18, "0x120yx300x10000"}}) << 1 << 0 << "y" << 0 << "x10000" << false << false;
    QTest::newRow("short record cuts area 6") << stepLine({}, 205) << 6 << 0 << "0" << 0 << "" << true << false;
}

void TstStepRecord::pictureArea()
{
    QFETCH(QString, line);
    QFETCH(int, k);
    QFETCH(QString, name);
    const PictureArea a = scene::pictureArea(line, k);
    QCOMPARE(a.index, k);
    QCOMPARE(a.left, FETCH(int, left));
    QCOMPARE(QString(a.jump), FETCH(QString, jump));
    QCOMPARE(a.top, FETCH(int, top));
    QCOMPARE(a.name, name);
    QCOMPARE(a.absent, FETCH(bool, absent));
    QCOMPARE(a.keep, FETCH(bool, keep));
}

void TstStepRecord::boxes_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("which");
    QTest::addColumn<bool>("absent");
    QTest::addColumn<QList<int>>("geometry"); // left, top, width, height
    QTest::addColumn<QString>("jump");
    QTest::newRow("Label1 all zeros") << stepLine({}) << "Label1" << true << QList<int>{0, 0, 0, 0} << "0";
    QTest::newRow("Label1 box") << stepLine({{66, "01200504500120000300"}}) << "Label1" << false << QList<int>{1200, 450, 1200, 300} << "5";
    QTest::newRow("Label1 height 0 present") << stepLine({{66, "01200004500120000000"}}) << "Label1" << false << QList<int>{1200, 450, 1200, 0} << "0";
    QTest::newRow("Text1 box") << stepLine({{86, "01000002000300000400"}}) << "Text1" << false << QList<int>{1000, 200, 3000, 400} << "0";
    QTest::newRow("Text1 under a target overlay") << stepLine({{86, "H0102000000"}}) << "Text1" << true << QList<int>{0, 0, 102000, 0} << "0";
    QTest::newRow("Label4 box") << stepLine({{177, "00500101000200000300"}}) << "Label4" << false << QList<int>{500, 100, 2000, 300} << "1";
    QTest::newRow("Label4 without size") << stepLine({{177, "0050010100"}}) << "Label4" << true << QList<int>{500, 100, 0, 0} << "1";
}

void TstStepRecord::boxes()
{
    QFETCH(QString, line);
    QFETCH(QString, which);
    QFETCH(QList<int>, geometry);
    const BoxSpec b = which == u"Label1" ? label1Box(line) : which == u"Text1" ? text1Box(line) : label4Box(line);
    QCOMPARE(b.absent, FETCH(bool, absent));
    if (which != u"Text1" || !b.absent)
        QCOMPARE((QList<int>{b.left, b.top, b.width, b.height}), geometry);
    QCOMPARE(QString(b.jump), FETCH(QString, jump));
}

void TstStepRecord::targets_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("hotSpot");
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("subItem");
    QTest::addColumn<QString>("stem");
    QTest::addColumn<QString>("jump");
    QTest::newRow("T1 menu item") << stepLine({{125, "H010600003"}}) << 1 << "H" << 1 << 6 << 0 << "0003" << "3";
    QTest::newRow("T2 sub-item") << stepLine({{86, "H0403050000"}}) << 2 << "H" << 4 << 3 << 5 << "5000" << "0";
    QTest::newRow("T3 toolbar cell") << stepLine({{96, "H450000000"}}) << 3 << "H" << 45 << 0 << 0 << "0000" << "0";
    QTest::newRow("T1 marked item") << stepLine({{125, "D0203x1234"}}) << 1 << "D" << 2 << 3 << 0 << "1234" << "4";
    // A stem keeps its letters and leading zeros.
    QTest::newRow("T3 marked item, stem with letters") << stepLine({{96, "D0703x0A31"}}) << 3 << "D" << 7 << 3 << 0 << "0A31" << "1";
    QTest::newRow("no target") << stepLine({}) << 1 << "0" << 0 << 0 << 0 << "0000" << "0";
}

void TstStepRecord::targets()
{
    QFETCH(QString, line);
    const TargetSpec t = targetSpec(line, FETCH(int, k));
    QCOMPARE(t.text.size(), 10);
    QCOMPARE(QString(t.kind), FETCH(QString, kind));
    QCOMPARE(t.hotSpot, FETCH(int, hotSpot));
    QCOMPARE(t.item, FETCH(int, item));
    QCOMPARE(t.subItem, FETCH(int, subItem));
    if (t.isMarkedItem())
        QCOMPARE(t.stem, FETCH(QString, stem));
    QCOMPARE(QString(t.jump), FETCH(QString, jump));
}

void TstStepRecord::keyAlts_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<int>("k");
    QTest::addColumn<bool>("present");
    QTest::addColumn<int>("shift");
    QTest::addColumn<int>("key");
    QTest::newRow("F1 at 86") << stepLine({{86, "P6012"}}) << 1 << true << 0 << 12;
    QTest::newRow("Shift at 91") << stepLine({{91, "P6113"}}) << 2 << true << 1 << 13;
    QTest::newRow("Ctrl at 96") << stepLine({{96, "P6267"}}) << 3 << true << 2 << 67;
    QTest::newRow("no P") << stepLine({{86, "Q6012"}}) << 1 << false << 0 << 12;
    QTest::newRow("not a key code") << stepLine({{86, "P5012"}}) << 1 << false << 0 << 12;
}

void TstStepRecord::keyAlts()
{
    QFETCH(QString, line);
    const KeyAlt a = keyAlt(line, FETCH(int, k));
    QCOMPARE(a.present, FETCH(bool, present));
    QCOMPARE(a.shift, FETCH(int, shift));
    QCOMPARE(a.keyDigits, FETCH(int, key));
}

void TstStepRecord::menuCodeOverride_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("code"); // -1: none
    QTest::newRow("R and four digits") << "R3021" << 3021;
    QTest::newRow("R8 and three digits") << "R8123" << 6123;
    QTest::newRow("RA reads as R8") << "RA123" << 6123;
    QTest::newRow("R9001") << "R9001" << 9001;
    QTest::newRow("letters read 0") << "RXY12" << 0;
    QTest::newRow("no R") << "H3300" << -1;
}

void TstStepRecord::menuCodeOverride()
{
    QFETCH(QString, field);
    const auto code = scene::menuCodeOverride(stepLine({{86, field.toLatin1().constData()}}));
    QCOMPARE(code.value_or(-1), FETCH(int, code));
}

void TstStepRecord::extraPanelOverlay()
{
    // "H33" followed by zeros: no text box, the preset pop-up of cell 33.
    const QString h33 = stepLine({{86, "H33"}});
    QCOMPARE(extraPanel(h33), 33);
    QVERIFY(text1Box(h33).absent);
    // The panel's place comes from 96-100 and 102-105.
    const QString h36 = stepLine({{86, "H36"}, {96, "04500x1200"}});
    QCOMPARE(extraPanel(h36), 36);
    QCOMPARE(extraPanelLeft(h36), 4500);
    QCOMPARE(extraPanelTop(h36), 1200);
    QCOMPARE(extraPanel(stepLine({{86, "H31"}})), 0);
    QCOMPARE(extraPanel(stepLine({{86, "H41"}})), 0);
    QCOMPARE(extraPanel(stepLine({{86, "X33"}})), 0);
}

void TstStepRecord::cursor_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("standard 11") << "S0011" << int(CursorSpec::Standard) << 11;
    QTest::newRow("custom ico07") << "M0007" << int(CursorSpec::Custom) << 7;
    QTest::newRow("digits: default") << "00400" << int(CursorSpec::Default) << 0;
}

void TstStepRecord::cursor()
{
    QFETCH(QString, field);
    const CursorSpec c = cursorSpec(stepLine({{101, field.toLatin1().constData()}}));
    QCOMPARE(int(c.kind), FETCH(int, kind));
    QCOMPARE(c.number, FETCH(int, number));
    QCOMPARE(c.fileDigits, field.right(2));
}

void TstStepRecord::font_data()
{
    QTest::addColumn<QString>("field"); // chars 125-134
    QTest::addColumn<double>("size");
    QTest::addColumn<int>("align");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("text");
    QTest::addColumn<int>("back");
    QTest::newRow("10.5 right bold Song black white") << "0105R01000" << 10.5 << int(FontSpec::Right) << 1 << "宋体" << 0x000000 << 0xFFFFFF;
    QTest::newRow("size 0 is 9") << "0000m07123" << 9.0 << int(FontSpec::Center) << 7 << "Times New Roman" << 0xFF0000 << 0xC0C0C0;
    QTest::newRow("unchanged style, font and colour") << "0120x08593" << 12.0 << int(FontSpec::Left) << -1 << "" << -1 << 0xC0C0C0;
    QTest::newRow("tab strip letters read 0") << "00000XAB31" << 9.0 << int(FontSpec::Left) << 0 << "宋体" << -1 << 0x0000FF;
    QTest::newRow("last background") << "0090M04499" << 9.0 << int(FontSpec::Center) << 4 << "隶书" << -1 << 0xFFFFE1;
}

void TstStepRecord::font()
{
    QFETCH(QString, field);
    const FontSpec f = fontSpec(stepLine({{125, field.toLatin1().constData()}}));
    QCOMPARE(f.pointSize, FETCH(double, size));
    QCOMPARE(int(f.align), FETCH(int, align));
    QCOMPARE(f.style, FETCH(int, style));
    QCOMPARE(f.family, FETCH(QString, family));
    QCOMPARE(f.textColor, FETCH(int, text));
    QCOMPARE(f.backColor, FETCH(int, back));
}

void TstStepRecord::tabAndBack_data()
{
    QTest::addColumn<QString>("field"); // chars 125-134
    QTest::addColumn<bool>("tabs");
    QTest::addColumn<QString>("layout");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("target");
    QTest::addColumn<int>("area");
    QTest::addColumn<QString>("back");
    QTest::newRow("shown tab B is 11") << "00000XFB31" << true << "F" << 11 << 3 << 1 << "NONO";
    QTest::newRow("tabs and cancel spot") << "Q0001XA123" << true << "A" << 1 << 2 << 3 << "Q0001";
    QTest::newRow("D is 13, E is 0") << "00000XPDE5" << true << "P" << 13 << 0 << 5 << "NONO";
    QTest::newRow("no strip") << "H010600003" << false << "0" << 0 << 0 << 3 << "NONO";
}

void TstStepRecord::tabAndBack()
{
    QFETCH(QString, field);
    const QString line = stepLine({{125, field.toLatin1().constData()}});
    const TabSpec t = tabSpec(line);
    QCOMPARE(t.present, FETCH(bool, tabs));
    QCOMPARE(QString(t.layout), FETCH(QString, layout));
    QCOMPARE(t.shownTab, FETCH(int, shown));
    QCOMPARE(t.targetTab, FETCH(int, target));
    QCOMPARE(t.pictureArea, FETCH(int, area));
    QCOMPARE(backSpec(line), FETCH(QString, back));
}

void TstStepRecord::hintAndReferences()
{
    const QString line = stepLine({{102, "7"}, {106, "012034"}, {112, "0150000450005"}, {167, "0123400567"}});
    QCOMPARE(dropJump(line), QChar(u'7'));
    QCOMPARE(initialTextField(line).toString(), QStringLiteral("012"));
    QCOMPARE(answerField(line).toString(), QStringLiteral("034"));
    QCOMPARE(answerNumber(line), 34);
    QCOMPARE(initialNumber(line), 12);
    QVERIFY(!hintKeepsPlace(line));
    QCOMPARE(hintLeft(line), 1500);
    QCOMPARE(hintTop(line), 450);
    QCOMPARE(hintField(line).toString(), QStringLiteral("005"));
    QCOMPARE(dragLimitX(line), 1234);
    QCOMPARE(dragLimitY(line), 567);
    QVERIFY(hintKeepsPlace(stepLine({{122, "009"}})));
}

void TstStepRecord::shortAndEmptyRecords()
{
    // Every accessor gives a defined result on a record of any length.
    for (int len : {0, 1, 7, 11, 20, 90, 104, 130, 170, 211}) {
        const QString line = stepLine({{8, "0020"}, {18, "0100000200100001"}}, len);
        for (int k = 1; k <= 6; ++k)
            QVERIFY(scene::pictureArea(line, k).name.size() <= 6);
        for (int k = 1; k <= 3; ++k) {
            QVERIFY(targetSpec(line, k).text.size() <= 10);
            keyAlt(line, k);
        }
        label1Box(line);
        label4Box(line);
        text1Box(line);
        fontSpec(line);
        tabSpec(line);
        cursorSpec(line);
        scene::menuCodeOverride(line);
        QCOMPARE(backSpec(line), QStringLiteral("NONO"));
        QVERIFY(barBits(line) == 0);
    }
    QCOMPARE(scene::stepType(QString()), 0);
    QVERIFY(label1Box(QString()).absent == false); // not twenty zeros
    QVERIFY(text1Box(QString()).absent);
    QVERIFY(label4Box(QString()).absent == false);
    QVERIFY(scene::pictureArea(QString(), 6).absent);
    QVERIFY(!scene::pictureArea(QString(), 1).absent);
}

void TstStepRecord::answerLookup_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("line 1") << "001" << "首页|index";
    QTest::newRow("line 3 from the 4th char") << "003" << "网页基础";
    QTest::newRow("short line") << "002" << "";
    QTest::newRow("past the end gives the last") << "099" << "最后";
    QTest::newRow("0 written otherwise gives the last") << "00x" << "最后";
    QTest::newRow("000 is empty") << "000" << "";
}

void TstStepRecord::answerLookup()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("288890.mxy");
    QVERIFY(fnd::writeLines(path, {QStringLiteral("001首页|index"), QStringLiteral("00"),
                                   QStringLiteral("003网页基础"), QStringLiteral("004最后")}));
    QFETCH(QString, field);
    const auto t = lookup(path, field);
    QVERIFY(t.has_value());
    QCOMPARE(*t, FETCH(QString, text));
}

void TstStepRecord::missingOrEmptyAnswerFile()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath("none.mxy");
    QVERIFY(!lookup(missing, u"001").has_value());
    QCOMPARE(lookup(missing, u"000").value_or(QStringLiteral("x")), QString()); // never opened
    const QString empty = dir.filePath("empty.mxy");
    QVERIFY(fnd::writeLines(empty, {}));
    QVERIFY(!commonDataText(empty, 1).has_value());
    QVERIFY(!commonDataText(dir.path(), 1).has_value()); // a folder is no file
}

void TstStepRecord::answerSplits()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("288890.mxy");
    QVERIFY(fnd::writeLines(path, {QStringLiteral("001第一|第二|第三"), QStringLiteral("002无分隔")}));
    const QString three = *lookup(path, u"001");
    QCOMPARE(beforeFirstBar(three), QStringLiteral("第一")); // initial text
    QCOMPARE(alternatives(three), (std::pair<QString, QString>{QStringLiteral("第一"), QStringLiteral("第二|第三")}));
    // A list step's answer 002 is the third item.
    const QString line = stepLine({{8, "L001"}, {109, "002"}});
    QCOMPARE(listItems(*lookup(path, QStringView(line).mid(8, 3))).at(answerNumber(line)), QStringLiteral("第三"));
    const QString one = *lookup(path, u"002");
    QCOMPARE(beforeFirstBar(one), one);
    QCOMPARE(alternatives(one).second, one);
    QCOMPARE(listItems(one).size(), 1);
}

void TstStepRecord::changedFileIsReadAgain()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("steps.mxy");
    QVERIFY(fnd::writeLines(path, {QStringLiteral("001aaa"), QStringLiteral("002bbb")}));
    QCOMPARE(*commonDataText(path, 2), QStringLiteral("bbb"));
    // Same size, new content: read again.
    QVERIFY(fnd::writeLines(path, {QStringLiteral("001aaa"), QStringLiteral("002ccc")}));
    QCOMPARE(*commonDataText(path, 2), QStringLiteral("ccc"));
    QVERIFY(QFile::remove(path));
    QVERIFY(!commonDataText(path, 2).has_value());
}

// A day's practice reads every unit's step files: the files asked for
// lately stay kept, older ones are let go and read again when asked for.
void TstStepRecord::olderFilesAreLetGo()
{
    QTemporaryDir dir;
    auto file = [&dir](int n) {
        const QString path = dir.filePath(QStringLiteral("%1.mxy").arg(n));
        fnd::writeLines(path, {QStringLiteral("001 file %1").arg(n)});
        return path;
    };
    const QString answers = file(0), first = file(1);
    const auto answersKept = scene::cachedLines(answers);
    const auto firstKept = scene::cachedLines(first);
    QVERIFY(answersKept && firstKept);
    // Twenty units' files, the answer-text file asked for with each.
    for (int n = 2; n < 22; ++n) {
        QVERIFY(scene::cachedLines(file(n)));
        QCOMPARE(scene::cachedLines(answers), answersKept);
    }
    const auto firstAgain = scene::cachedLines(first);
    QVERIFY(firstAgain && firstAgain != firstKept);
    QCOMPARE(*firstAgain, *firstKept);
}

QTEST_GUILESS_MAIN(TstStepRecord)
#include "tst_steprecord.moc"
