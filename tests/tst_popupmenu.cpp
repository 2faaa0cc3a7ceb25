// The right-click pop-up as data: menu file blocks, menu codes with their
// overrides, the filling of the pop-up, the openers and the item check.
#include "foundation/gbkfile.h"
#include "simwin/checks/popupmenu.h"
#include "steplines.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace chk;

namespace {
// A 540-line menu file whose line n reads "Ln"; lines can be replaced.
QStringList numberedMenuFile()
{
    QStringList lines;
    for (int n = 1; n <= 540; ++n)
        lines << QStringLiteral("L%1").arg(n);
    return lines;
}

// Block of family f, menu m written into the numbered file.
void putBlock(QStringList &file, int f, int m, const QStringList &block)
{
    const int base = (f - 1) * 135 + (m - 1) * 15;
    for (int k = 0; k < block.size(); ++k)
        file[base + k] = block[k];
}

QStringList visibleCaptions(const std::array<PopupSlot, MenuSlots> &row)
{
    QStringList out;
    for (const PopupSlot &s : row)
        if (s.visible)
            out << s.caption;
    return out;
}
} // namespace

class TstPopupMenu : public QObject
{
    Q_OBJECT
private slots:
    void familyFromThousandsDigit_data();
    void familyFromThousandsDigit();
    void blockLinesOfFamilyAndMenu_data();
    void blockLinesOfFamilyAndMenu();
    void shortOrMissingFileReadsNothingBeyond();
    void itemLines_data();
    void itemLines();
    void fillingCascadesAndGroups();
    void absentMarkersAreExact();
    void menuCodeWithOverride_data();
    void menuCodeWithOverride();
    void itemCheck_data();
    void itemCheck();
    void openers_data();
    void openers();
    void popupForOverrideStep();
    void missingFileGivesEmptyPopup();
};

void TstPopupMenu::familyFromThousandsDigit_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("family");
    QTest::newRow("3xxx") << 3123 << 1;
    QTest::newRow("4xxx") << 4999 << 2;
    QTest::newRow("5xxx") << 5000 << 3;
    QTest::newRow("6xxx") << 6123 << 4;
    QTest::newRow("8xxx same as 6xxx") << 8123 << 4;
    QTest::newRow("2xxx none") << 2999 << 0;
    QTest::newRow("7xxx none") << 7123 << 0;
    QTest::newRow("9xxx none") << 9001 << 0;
}

void TstPopupMenu::familyFromThousandsDigit()
{
    QFETCH(int, code);
    QFETCH(int, family);
    QCOMPARE(menuFamily(code), family);
}

void TstPopupMenu::blockLinesOfFamilyAndMenu_data()
{
    QTest::addColumn<int>("family");
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("firstLine");
    QTest::newRow("family 1 menu 1") << 1 << 1 << 1;
    QTest::newRow("family 1 menu 9") << 1 << 9 << 121;
    QTest::newRow("family 2 menu 1") << 2 << 1 << 136;
    QTest::newRow("family 4 menu 3") << 4 << 3 << 436;
    QTest::newRow("family 4 menu 9") << 4 << 9 << 526;
}

void TstPopupMenu::blockLinesOfFamilyAndMenu()
{
    QFETCH(int, family);
    QFETCH(int, menu);
    QFETCH(int, firstLine);
    QTemporaryDir dir;
    const QString path = dir.filePath("sMenu.sys");
    QVERIFY(fnd::writeLines(path, numberedMenuFile()));
    const MenuBlock b = readMenuBlock(path, family, menu);
    for (int k = 1; k <= 15; ++k)
        QCOMPARE(b.lines[k].value_or("<none>"), QStringLiteral("L%1").arg(firstLine + k - 1));
}

void TstPopupMenu::shortOrMissingFileReadsNothingBeyond()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sMenu.sys");
    QStringList file = numberedMenuFile();
    file.resize(140); // ends in family 2 menu 1, at its block line 5
    QVERIFY(fnd::writeLines(path, file));
    const MenuBlock b = readMenuBlock(path, 2, 1);
    QCOMPARE(b.lines[5].value_or("<none>"), QString("L140"));
    QVERIFY(!b.lines[6]);
    QVERIFY(!b.lines[15]);
    // Menu 0 and family 0 name no block.
    QVERIFY(!readMenuBlock(path, 1, 0).lines[1]);
    QVERIFY(!readMenuBlock(path, 0, 1).lines[1]);
    QVERIFY(!readMenuBlock(dir.filePath("missing.sys"), 1, 1).lines[1]);
}

void TstPopupMenu::itemLines_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QStringList>("items");
    QTest::newRow("empty piece kept") << "a||b" << QStringList{"a", "", "b"};
    QTest::newRow("untrimmed") << " a | b" << QStringList{" a ", " b"};
    QTest::newRow("separator") << "x|-|y" << QStringList{"x", "-", "y"};
    QTest::newRow("twelve pieces give ten")
        << "0|1|2|3|4|5|6|7|8|9|10|11" << QStringList{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9"};
    QTest::newRow("empty line is one empty item") << "" << QStringList{""};
}

void TstPopupMenu::itemLines()
{
    QFETCH(QString, line);
    QFETCH(QStringList, items);
    QCOMPARE(menuItems(line), items);
}

void TstPopupMenu::fillingCascadesAndGroups()
{
    MenuBlock b;
    const QStringList lines{"free text", "剪切(&T)", "a|b", "复制|-|粘贴", "0", "never read", "0",
                            "属性", "p|q|r|s|t|u|v|w|x|y|z|zz", "g3", "0", "x", "子菜单", "m", "0"};
    for (int k = 1; k <= 15; ++k)
        b.lines[k] = lines[k - 1];
    const PopupModel m = popupFromBlock(b);

    QVERIFY(m.cascades[1].visible);
    QCOMPARE(m.cascades[1].caption, QString("剪切(&T)"));
    QCOMPARE(visibleCaptions(m.arrays[1]), (QStringList{"a", "b"}));
    QCOMPARE(visibleCaptions(m.arrays[2]), (QStringList{"复制", "-", "粘贴"}));
    QVERIFY(m.arrays[2][1].isSeparator());
    QVERIFY(!m.cascades[2].visible);
    QVERIFY(visibleCaptions(m.arrays[3]).isEmpty()); // caption "0": item line not read
    QVERIFY(visibleCaptions(m.arrays[4]).isEmpty()); // group "0"
    QCOMPARE(visibleCaptions(m.arrays[5]).size(), 10);
    QCOMPARE(visibleCaptions(m.arrays[6]), QStringList{"g3"});
    QVERIFY(!m.cascades[4].visible);
    QVERIFY(visibleCaptions(m.arrays[7]).isEmpty());
    QCOMPARE(m.cascades[5].caption, QString("子菜单"));
    QCOMPARE(visibleCaptions(m.arrays[8]), QStringList{"m"});
    QVERIFY(visibleCaptions(m.arrays[9]).isEmpty());
    QVERIFY(!m.isEmpty());
}

void TstPopupMenu::absentMarkersAreExact()
{
    MenuBlock b;
    for (int k = 1; k <= 15; ++k)
        b.lines[k] = QStringLiteral("0");
    b.lines[4] = QStringLiteral("0 "); // a trailing blank makes it text
    b.lines[13] = QStringLiteral("00");
    b.lines[14] = QStringLiteral("0");  // present caption: the item line is taken whatever it holds
    const PopupModel m = popupFromBlock(b);
    QCOMPARE(visibleCaptions(m.arrays[2]), QStringList{"0 "});
    QVERIFY(m.cascades[5].visible);
    QCOMPARE(visibleCaptions(m.arrays[8]), QStringList{"0"});
    QVERIFY(!m.cascades[1].visible);
}

void TstPopupMenu::menuCodeWithOverride_data()
{
    QTest::addColumn<int>("stepType");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("code");
    QTest::newRow("no override") << 3123 << "00000" << 3123;
    QTest::newRow("key alternative is no override") << 3123 << "P6012" << 3123;
    QTest::newRow("R and four digits") << 9002 << "R4321" << 4321;
    QTest::newRow("R8 and three digits") << 9002 << "R8123" << 6123;
    QTest::newRow("RA and three digits") << 9002 << "RA123" << 6123;
    QTest::newRow("R9001 kept as is") << 9002 << "R9001" << 9001;
    QTest::newRow("R with a letter reads 0") << 9002 << "RB123" << 0;
}

void TstPopupMenu::menuCodeWithOverride()
{
    QFETCH(int, stepType);
    QFETCH(QString, field);
    QFETCH(int, code);
    const QByteArray type = QByteArray::number(stepType).rightJustified(4, '0');
    QCOMPARE(menuCode(ts::stepLine({{8, type.constData()}, {86, qPrintable(field)}})), code);
}

void TstPopupMenu::itemCheck_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("popMenuNo");
    QTest::addColumn<int>("arrayDigit");
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("right");
    QTest::newRow("group 1 slot 3") << 3123 << 1 << 2 << 3 << true;
    QTest::newRow("same caption in cascade 1") << 3123 << 1 << 1 << 3 << false;
    QTest::newRow("other slot") << 3123 << 1 << 2 << 2 << false;
    QTest::newRow("other menu open") << 3123 << 2 << 2 << 3 << false;
    QTest::newRow("family digit 8, cascade 3") << 8253 << 2 << 5 << 3 << true;
    QTest::newRow("family not checked") << 4253 << 2 << 5 << 3 << true;
    QTest::newRow("item 0") << 5190 << 1 << 9 << 0 << true;
}

void TstPopupMenu::itemCheck()
{
    QFETCH(int, code);
    QFETCH(int, popMenuNo);
    QFETCH(int, arrayDigit);
    QFETCH(int, slot);
    QFETCH(bool, right);
    QCOMPARE(menuItemIsRight(code, popMenuNo, arrayDigit, slot), right);
}

void TstPopupMenu::openers_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<int>("stepType");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("menu"); // -1: does not open
    QTest::newRow("override R8123 right") << "override" << 9002 << "R8123" << 2 << 1;
    QTest::newRow("override RA245 right") << "override" << 9002 << "RA245" << 2 << 2;
    QTest::newRow("override left") << "override" << 9002 << "R8123" << 1 << -1;
    QTest::newRow("override R9001") << "override" << 9002 << "R9001" << 2 << -1;
    QTest::newRow("override R2999") << "override" << 9002 << "R2999" << 2 << -1;
    QTest::newRow("override R6999") << "override" << 9002 << "R6999" << 2 << 9;
    QTest::newRow("no override") << "override" << 3123 << "00000" << 2 << -1;
    QTest::newRow("code 3000") << "step" << 3000 << "" << 2 << 0;
    QTest::newRow("code 6000") << "step" << 6000 << "" << 2 << 0;
    QTest::newRow("code 6001 is a key") << "step" << 6001 << "" << 2 << -1;
    QTest::newRow("code 8100") << "step" << 8100 << "" << 2 << 1;
    QTest::newRow("code 8099") << "step" << 8099 << "" << 2 << -1;
    QTest::newRow("code 3123 middle") << "step" << 3123 << "" << 4 << -1;
    QTest::newRow("toolbar 3000") << "toolbar" << 3000 << "" << 2 << -1;
    QTest::newRow("toolbar 6000") << "toolbar" << 6000 << "" << 2 << -1;
    QTest::newRow("toolbar 5923") << "toolbar" << 5923 << "" << 2 << 9;
    QTest::newRow("toolbar 8123") << "toolbar" << 8123 << "" << 2 << -1;
    QTest::newRow("cell 3300") << "cell" << 3300 << "" << 2 << -1;
    QTest::newRow("cell 3301") << "cell" << 3301 << "" << 2 << 3;
    QTest::newRow("cell 3399") << "cell" << 3399 << "" << 2 << 3;
    QTest::newRow("cell 3400") << "cell" << 3400 << "" << 2 << -1;
    QTest::newRow("cell 3350 middle") << "cell" << 3350 << "" << 4 << -1;
}

void TstPopupMenu::openers()
{
    QFETCH(QString, opener);
    QFETCH(int, stepType);
    QFETCH(QString, field);
    QFETCH(int, button);
    QFETCH(int, menu);
    std::optional<int> got;
    if (opener == "override")
        got = overridePopupMenu(ts::stepLine({{86, qPrintable(field)}}), button);
    else if (opener == "step")
        got = stepTypePopupMenu(stepType, button);
    else if (opener == "toolbar")
        got = toolbarPopupMenu(stepType, button);
    else
        got = hotSpotPopupMenu(stepType, button);
    QCOMPARE(got.value_or(-1), menu);
}

void TstPopupMenu::popupForOverrideStep()
{
    QTemporaryDir dir;
    const QString path = dir.filePath("sMenu.sys");
    QStringList file = numberedMenuFile();
    putBlock(file, 4, 1, {"x", "0", "", "甲|乙|丙|丁", "0", "", "0", "0", "", "0", "0", "", "0", "", "0"});
    QVERIFY(fnd::writeLines(path, file));
    // R8123 on a right-click step: family 4 menu 1 (lines 406-420), slot 3 of group 1.
    const QString line = ts::stepLine({{8, "9002"}, {86, "R8123"}});
    const int code = menuCode(line);
    const int menu = *overridePopupMenu(line, 2);
    const PopupModel m = buildPopup(path, code, menu);
    QCOMPARE(visibleCaptions(m.arrays[2]), (QStringList{"甲", "乙", "丙", "丁"}));
    for (int c = 1; c <= MenuCascades; ++c)
        QVERIFY(!m.cascades[c].visible);
    QVERIFY(menuItemIsRight(code, menu, 2, 3));
    // The same opening with "RA" reads the same block.
    QCOMPARE(visibleCaptions(buildPopup(path, menuCode(ts::stepLine({{8, "9002"}, {86, "RA123"}})), 1).arrays[2]).size(), 4);
}

void TstPopupMenu::missingFileGivesEmptyPopup()
{
    QTemporaryDir dir;
    QVERIFY(buildPopup(dir.filePath("sMenu.sys"), 3123, 1).isEmpty());
    // Menu number 0 (codes 3000 and 6000) names no block.
    QVERIFY(fnd::writeLines(dir.filePath("sMenu.sys"), numberedMenuFile()));
    QVERIFY(buildPopup(dir.filePath("sMenu.sys"), 3000, 0).isEmpty());
    QVERIFY(!buildPopup(dir.filePath("sMenu.sys"), 3123, 1).isEmpty());
}

QTEST_GUILESS_MAIN(TstPopupMenu)
#include "tst_popupmenu.moc"
