// The drop-down tables of the bars: item and sub-item places at scale 1 and
// at other factors, the sub-menu list, picture names and picture sizes.
#include "barcells.h"

#include "simwin/chrome/clickplaces.h"
#include "simwin/chrome/hotspotlayout.h"
#include "simwin/chrome/menutables.h"

#include <QTest>
#include <algorithm>

using chrome::ItemLayout;

class TstMenuTables : public QObject
{
    Q_OBJECT

private slots:
    void menuLastItems_data();
    void menuLastItems();
    void menuItemPlaces();
    void menuLayoutScaled();
    void fixedLayouts_data();
    void fixedLayouts();
    void unusedItemsStayReset();
    void subMenuLastItems_data();
    void subMenuLastItems();
    void subMenuPlaces();
    void subMenuList();
    void pictureNames();
    void pictureSizes_data();
    void pictureSizes();
    void cellChainAtScale();
    void bothWindowsProfiles_data();
    void bothWindowsProfiles();
    void cellClicks_data();
    void cellClicks();
    void subMenuPlacement();
};

// Every menu of the menu bar: item count, top and bottom of its last item.
void TstMenuTables::menuLastItems_data()
{
    QTest::addColumn<int>("menu");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastTop");
    const int rows[][3] = {{1, 21, 7170}, {2, 21, 7110}, {3, 17, 5640}, {4, 17, 5610}, {5, 16, 5295}, {6, 19, 6360},
                           {7, 16, 5325}, {8, 1, 30},     {9, 6, 1815},   {10, 6, 1815},  {11, 10, 3225}};
    for (const auto &r : rows)
        QTest::addRow("menu %d", r[0]) << r[0] << r[1] << r[2];
}

void TstMenuTables::menuLastItems()
{
    QFETCH(int, menu);
    QFETCH(int, count);
    QFETCH(int, lastTop);
    const ItemLayout l = chrome::dropDownItems(menu, 1, 1);
    QCOMPARE(l.count, count);
    QCOMPARE(l[count], QRectF(30, lastTop, 3900, 330));
    QCOMPARE(l[count].bottom(), lastTop + 330.0);
    if (count < chrome::MaxItems)
        QCOMPARE(l[count + 1], chrome::resetItem());
}

void TstMenuTables::menuItemPlaces()
{
    const ItemLayout m1 = chrome::dropDownItems(1, 1, 1);
    QCOMPARE(m1[1].top(), 30.0);
    QCOMPARE(m1[2].top(), 375.0);
    QCOMPARE(m1[3].top(), 720.0);
    QCOMPARE(m1[4].top(), 1095.0);
    // Menu 9, menu 10 and panel cell 37 share one layout.
    const QList<double> six{30, 375, 750, 1095, 1440, 1815};
    for (int cell : {9, 10, 37}) {
        const ItemLayout l = chrome::dropDownItems(cell, 1, 1);
        QCOMPARE(l.count, 6);
        for (int i = 1; i <= 6; ++i)
            QCOMPARE(l[i].top(), six[i - 1]);
    }
}

void TstMenuTables::menuLayoutScaled()
{
    // Menu 3 at 0.8: whole-twip tops.
    const ItemLayout m3 = chrome::dropDownItems(3, 0.8, 0.8);
    const QList<double> tops{24, 300, 576, 852, 1128, 1404, 1680, 1980};
    for (int i = 1; i <= 8; ++i)
        QCOMPARE(m3[i].top(), tops[i - 1]);
    QCOMPARE(m3[1], QRectF(24, 24, 3120, 264));
    // Sub-menu 0113 at 0.8.
    const ItemLayout s = chrome::subMenuItems(113, 0.8, 0.8);
    QCOMPARE(s.count, 4);
    const QList<double> subTops{24, 300, 576, 876};
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(s[i], QRectF(24, subTops[i - 1], 3120, 264));
    // Unequal factors: heights and vertical shifts follow the vertical one.
    const ItemLayout c28 = chrome::dropDownItems(28, 1, 1.25);
    QCOMPARE(c28[2], QRectF(60, (90 + 210) * 1.25, 1470, 210 * 1.25));
    // Menu 9 at a vertical 1.25: each sum rounded half to even (half up
    // would give 1369 and 2269).
    const ItemLayout m9 = chrome::dropDownItems(9, 1, 1.25);
    const QList<double> tops9{38, 469, 938, 1368, 1800, 2268};
    for (int i = 1; i <= 6; ++i)
        QCOMPARE(m9[i].top(), tops9[i - 1]);
    const ItemLayout m1 = chrome::dropDownItems(1, 1.25, 1);
    QCOMPARE(m1[4], QRectF(37.5, 1095, 4875, 330));
}

// (cell, item) -> left, top, width, height at scale 1.
void TstMenuTables::fixedLayouts_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<int>("item");
    QTest::addColumn<QRectF>("rect");
    auto row = [](int cell, int item, double l, double t, double w, double h) {
        QTest::addRow("%d/%d", cell, item) << cell << item << QRectF(l, t, w, h);
    };
    row(24, 1, 60, 600, 270, 270);
    row(24, 8, 1950, 600, 270, 270);
    row(24, 40, 1950, 1680, 270, 270);
    row(24, 41, 60, 210, 2160, 330);
    row(24, 42, 30, 2070, 2160, 330);
    row(24, 43, 30, 2400, 2160, 330);
    row(25, 43, 30, 2400, 2160, 330);
    row(26, 42, 60, 2010, 2160, 330);
    row(26, 43, 0, 0, 0, 0);
    row(27, 9, 60, 2010, 2100, 240);
    row(27, 10, 105, 2310, 2100, 240);
    row(27, 13, 105, 3030, 2100, 240);
    row(27, 14, 30, 3390, 2100, 240);
    row(13, 7, 30, 2235, 2505, 330);
    row(13, 8, 30, 2610, 2505, 330);
    row(30, 2, 465, 480, 390, 390);
    row(30, 5, 60, 885, 390, 390);
    row(31, 2, 450, 480, 390, 390);
    row(31, 21, 60, 90, 1560, 330);
    row(31, 22, 30, 2550, 1620, 330);
    row(33, 1, 60, 480, 270, 270);
    row(33, 41, 60, 90, 2160, 330);
    row(33, 42, 30, 1950, 2160, 330);
    row(34, 1, 0, 0, 270, 270);
    row(34, 40, 1890, 1080, 270, 270);
    row(36, 4, 255, 735, 2025, 240);
    row(36, 14, 210, 3135, 2025, 240);
    row(69, 3, 30, 720, 2415, 345);
    row(71, 2, 30, 330, 3750, 330);
    row(86, 6, 1755, 180, 345, 330);
    row(86, 7, 30, 510, 345, 330);
    row(86, 11, 1410, 510, 345, 330);
    row(87, 16, 1950, 1140, 270, 270);
    row(87, 17, 30, 1530, 2220, 330);
    row(87, 18, 60, 210, 2220, 330);
    // Lists with separators: every top of 42 and 32, 52's last.
    const int tops42[] = {30, 375, 750, 1095, 1440, 1815, 2160};
    for (int i = 1; i <= 7; ++i)
        row(42, i, 30, tops42[i - 1], 2775, 330);
    const int tops32[] = {30, 375, 720, 1065, 1410, 1785, 2160, 2505, 2850, 3195, 3540};
    for (int i = 1; i <= 11; ++i)
        row(32, i, 30, tops32[i - 1], 2325, 330);
    row(52, 4, 30, 1095, 4935, 330);
}

void TstMenuTables::fixedLayouts()
{
    QFETCH(int, cell);
    QFETCH(int, item);
    QFETCH(QRectF, rect);
    QCOMPARE(chrome::dropDownItems(cell, 1, 1)[item], rect);
}

void TstMenuTables::unusedItemsStayReset()
{
    // Item counts of the fixed layouts; every later item has no area.
    const int counts[][2] = {{13, 8},  {24, 43}, {26, 43}, {27, 14}, {28, 8},  {29, 12}, {30, 22}, {31, 22},
                             {32, 11}, {33, 42}, {34, 40}, {36, 14}, {42, 7},  {44, 2},  {49, 2},  {52, 4},
                             {69, 3},  {70, 16}, {71, 12}, {72, 12}, {86, 11}, {87, 18}};
    for (const auto &c : counts) {
        const ItemLayout l = chrome::dropDownItems(c[0], 1, 1);
        QVERIFY2(l.count == c[1], qPrintable(QString::number(c[0])));
        for (int i = c[1] + 1; i <= chrome::MaxItems; ++i)
            QCOMPARE(l[i], chrome::resetItem());
    }
    // Cells without a drop-down lay out nothing.
    for (int cell : {0, 12, 35, 41, 88, 99}) {
        const ItemLayout l = chrome::dropDownItems(cell, 1, 1);
        QCOMPARE(l.count, 0);
        QCOMPARE(l[1], chrome::resetItem());
    }
}

void TstMenuTables::subMenuLastItems_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("lastTop");
    const int rows[][3] = {{113, 4, 1095}, {119, 7, 2100}, {120, 1, 30},   {219, 5, 1410}, {304, 6, 1755},
                           {308, 6, 1815}, {309, 2, 375},  {315, 15, 4890}, {316, 7, 2160}, {411, 4, 1095},
                           {412, 16, 5295}, {413, 9, 2820}, {514, 7, 2160}, {603, 3, 720},  {612, 2, 375},
                           {614, 3, 750},  {704, 4, 1065}, {706, 5, 1410}, {714, 2, 375},  {715, 2, 375},
                           {716, 3, 720},  {1301, 9, 840}, {1302, 9, 840}, {1303, 32, 2490}, {1307, 32, 2490},
                           {611, 0, 0},    {613, 0, 0}};
    for (const auto &r : rows)
        QTest::addRow("%04d", r[0]) << r[0] << r[1] << r[2];
}

void TstMenuTables::subMenuLastItems()
{
    QFETCH(int, key);
    QFETCH(int, count);
    QFETCH(int, lastTop);
    const ItemLayout l = chrome::subMenuItems(key, 1, 1);
    QCOMPARE(l.count, count);
    if (count)
        QCOMPARE(l[count].top(), double(lastTop));
    if (count < chrome::MaxItems)
        QCOMPARE(l[count + 1], chrome::resetItem());
}

void TstMenuTables::subMenuPlaces()
{
    const ItemLayout g3 = chrome::subMenuItems(1303, 1, 1);
    QCOMPARE(g3[5], QRectF(30, 510, 345, 330));
    QCOMPARE(g3[32], QRectF(1065, 2490, 345, 330));
    QCOMPARE(chrome::subMenuItems(1301, 1, 1)[9], QRectF(720, 840, 345, 330));
    const ItemLayout s412 = chrome::subMenuItems(412, 1, 1);
    QCOMPARE(s412[2].top(), 405.0); // after the separator that follows sub-item 1
    QCOMPARE(s412[16], QRectF(30, 5295, 3900, 330));
    // Grids are not rounded to whole twips.
    QCOMPARE(chrome::subMenuItems(1301, 0.9, 0.9)[2].left(), (30 + 345) * 0.9);
}

void TstMenuTables::subMenuList()
{
    const QList<int> &keys = chrome::subMenuList();
    QCOMPARE(keys.size(), 31);
    QVERIFY(chrome::hasSubMenu(1, 13));
    QVERIFY(chrome::hasSubMenu(73, 10));
    QVERIFY(chrome::hasSubMenu(6, 11));
    QVERIFY(chrome::hasSubMenu(13, 7));
    QVERIFY(!chrome::hasSubMenu(5, 12));
    QVERIFY(!chrome::hasSubMenu(13, 8));
    QVERIFY(!chrome::hasSubMenu(4, 14));
}

void TstMenuTables::pictureNames()
{
    QCOMPARE(chrome::hoverPicture(5), QStringLiteral("050088"));
    QCOMPARE(chrome::pressedPicture(42), QStringLiteral("420099"));
    QCOMPARE(chrome::dropDownPicture(1), QStringLiteral("010077"));
    QCOMPARE(chrome::panelPicture(36), QStringLiteral("360000"));
    QCOMPARE(chrome::paneSetPicture(u'2', "88"), QStringLiteral("XX0288"));
    QCOMPARE(chrome::itemHoverPicture(4, 12), QStringLiteral("041200"));
    QCOMPARE(chrome::paletteHoverPicture(9), QStringLiteral("499909"));
    QCOMPARE(chrome::subMenuPicture(1, 13), QStringLiteral("011377"));
    QCOMPARE(chrome::subItemHoverPicture(4, 12, 1), QStringLiteral("041201"));
    QCOMPARE(chrome::markerPicture(QStringLiteral("7031")), QStringLiteral("703177"));
    QCOMPARE(chrome::markerHoverPicture(QStringLiteral("7031")), QStringLiteral("703100"));
}

void TstMenuTables::pictureSizes_data()
{
    QTest::addColumn<bool>("sub");
    QTest::addColumn<int>("key");
    QTest::addColumn<QSize>("size");
    QTest::newRow("menu 1") << false << 1 << QSize(264, 502);
    QTest::newRow("cell 24") << false << 24 << QSize(150, 184);
    QTest::newRow("cell 13") << false << 13 << QSize(171, 198);
    QTest::newRow("cell 32") << false << 32 << QSize(159, 260);
    QTest::newRow("0113") << true << 113 << QSize(264, 97);
    QTest::newRow("1301") << true << 1301 << QSize(73, 80);
    QTest::newRow("1303") << true << 1303 << QSize(96, 190);
}

void TstMenuTables::pictureSizes()
{
    QFETCH(bool, sub);
    QFETCH(int, key);
    QFETCH(QSize, size);
    const ItemLayout l = sub ? chrome::subMenuItems(key, 1, 1) : chrome::dropDownItems(key, 1, 1);
    QCOMPARE(chrome::enclosingPictureSize(l), size);
}

void TstMenuTables::cellChainAtScale()
{
    // Every cell at its design place; every left edge and width follows the
    // horizontal factor, every top and height the vertical one.
    const QList<ts::BarCell> cells = ts::barCells();
    QList<int> numbers, all;
    for (const ts::BarCell &b : cells)
        numbers << b.cell;
    for (int i = 1; i <= 88; ++i)
        if (i < 32 || i > 40)
            all << i;
    std::sort(numbers.begin(), numbers.end());
    QCOMPARE(numbers, all);
    for (const ts::BarCell &b : cells)
        QVERIFY2(chrome::designCell(b.cell) == b.at, qPrintable(QString::number(b.cell)));
    for (const auto &[x, y] : {std::pair{1.0, 1.0}, std::pair{0.8, 0.8}, std::pair{1.0, 1.25}, std::pair{1.25, 0.8}}) {
        const chrome::CellLayout c = chrome::cellLayout(x, y);
        for (const ts::BarCell &b : cells) {
            const QRectF &got = c[size_t(b.cell)];
            QVERIFY2(qAbs(got.left() - b.at.left() * x) < 1e-6 && qAbs(got.width() - b.at.width() * x) < 1e-6,
                     qPrintable(QString::number(b.cell)));
            QVERIFY2(qAbs(got.top() - b.at.top() * y) < 1e-6 && qAbs(got.height() - b.at.height() * y) < 1e-6,
                     qPrintable(QString::number(b.cell)));
        }
    }
    const chrome::CellLayout one = chrome::cellLayout(1, 1);
    QCOMPARE(one[41].left(), 150.0);
    QCOMPARE(one[53].left(), 3750.0);
    QCOMPARE(one[69], QRectF(10230, 45, 1320, 330));
    QCOMPARE(one[87], QRectF(10920, 405, 510, 330));
    QCOMPARE(one[88], QRectF(11430, 405, 345, 330));
    QCOMPARE(one[13], QRectF(1455, 60, 1230, 270));
}

// The two windows' profiles over the one set of tables: the simulated
// window's cells in their bars, list items 3900 wide, panel 32 at 9075 and
// 37 fixed; the demonstration's cells on the window, list items as wide as
// their panel less 30, panel 32 at 9090 and 37 at the step's place.
void TstMenuTables::bothWindowsProfiles_data()
{
    QTest::addColumn<bool>("demo");
    QTest::newRow("simulated window") << false;
    QTest::newRow("demonstration") << true;
}

void TstMenuTables::bothWindowsProfiles()
{
    QFETCH(bool, demo);
    const chrome::CellLayout cells = chrome::cellLayout(1, 1, demo ? chrome::CellFrame::Window : chrome::CellFrame::Bar);
    QCOMPARE(cells[41], demo ? QRectF(150, 750, 345, 330) : QRectF(150, 15, 345, 330));
    QCOMPARE(cells[1], demo ? QRectF(150, 405, 870, 270) : QRectF(150, 15, 870, 270));
    QCOMPARE(cells[13], demo ? QRectF(1455, 8385, 1230, 270) : QRectF(1455, 60, 1230, 270));
    QCOMPARE(cells[88].left(), 11430.0);
    QVERIFY(cells[35].isNull());

    const chrome::PanelProfile &profile = demo ? chrome::DemoPanels : chrome::SimulatedPanels;
    const chrome::PanelPlace p32 = chrome::panelPlace(32, 1000, 2000, profile, 1, 1);
    QCOMPARE(p32.at, QPointF(demo ? 9090 : 9075, 1605));
    QCOMPARE(p32.cellSize, demo ? QSizeF(2655, 300) : QSizeF(8100, 6000));
    const chrome::PanelPlace p37 = chrome::panelPlace(37, 1000, 2000, profile, 1, 1);
    QCOMPARE(p37.at, demo ? QPointF(1000, 2000) : QPointF(6240, 420));
    const chrome::PanelPlace p34 = chrome::panelPlace(34, 1000, 2000, profile, 0.8, 1.2);
    QVERIFY(p34.preset);
    QCOMPARE(p34.at, QPointF(800, 2400));
    QCOMPARE(p34.cellSize, demo ? QSizeF(24, 36) : QSizeF(0, 0));
    QCOMPARE(chrome::panelPlace(31, 1000, 2000, profile, 1, 1).cell, 0);

    const double width = demo ? 2000 - 30 : 3900; // a 2000-twip panel
    const ItemLayout m1 = chrome::dropDownItems(1, 1, 1, demo ? width : chrome::ListItemWidth);
    QCOMPARE(m1[21], QRectF(30, 7170, width, 330));
    const ItemLayout s113 = chrome::subMenuItems(113, 1, 1, demo ? width : chrome::ListItemWidth);
    QCOMPARE(s113.count, 4);
    const double tops[] = {30, 375, 720, 1095};
    for (int i = 1; i <= 4; ++i)
        QCOMPARE(s113[i], QRectF(30, tops[i - 1], width, 330));
}

void TstMenuTables::cellClicks_data()
{
    QTest::addColumn<int>("cell");
    QTest::addColumn<QString>("pane");
    QTest::addColumn<int>("overlay"); // chrome::Bar
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QPointF>("pressedAt");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<double>("dropLeft");
    QTest::addColumn<double>("dropTop"); // pressed 330 high, drop-down 2000 high
    // Window twips at scale 1: cell 3 at (1890, 405), 11 at 8850; 24 on the
    // drawing bar at (6225, 8355); 44 at (1005, 750); panel at (9090, 1605, 2700, 3000).
    QTest::newRow("menu 3") << 3 << "00" << int(chrome::Bar::Menu) << "030099" << QPointF(1890, 405) << true << 1890.0
                            << 675.0;
    QTest::newRow("menu 11 at 7785") << 11 << "00" << int(chrome::Bar::Menu) << "110099" << QPointF(8850, 405) << true
                                     << 7785.0 << 675.0;
    QTest::newRow("palette 24, upward") << 24 << "00" << int(chrome::Bar::Hui) << "240099" << QPointF(6225, 8355)
                                        << true << 6225.0 << 8325.0 - 2000;
    QTest::newRow("split arrow 44") << 44 << "00" << int(chrome::Bar::Tool) << "440099" << QPointF(1005 - 345, 750)
                                    << true << 1005.0 - 345 << 750.0 + 330;
    QTest::newRow("86") << 86 << "00" << int(chrome::Bar::Tool) << "860099" << QPointF(10410, 1140) << true
                        << 10410.0 - 585 << 1140.0 + 330;
    QTest::newRow("panel 32, pane X3") << 32 << "X3" << int(chrome::Bar::Else) << "XX0399" << QPointF(9090, 1605)
                                       << true << 9090.0 + 240 << 1605.0 + 3000;
    QTest::newRow("41 opens nothing") << 41 << "00" << int(chrome::Bar::Tool) << "410099" << QPointF(150, 750)
                                      << false << 0.0 << 0.0;
    QTest::newRow("35 nothing at all") << 35 << "00" << int(chrome::Bar::None) << "" << QPointF() << false << 0.0
                                       << 0.0;
    QTest::newRow("89 nothing at all") << 89 << "00" << int(chrome::Bar::None) << "" << QPointF() << false << 0.0
                                       << 0.0;
}

// A click on a cell: its pressed picture and drop-down by the placement
// table, in window twips (the demonstration's upward rule: on the bar's top).
void TstMenuTables::cellClicks()
{
    QFETCH(int, cell);
    QFETCH(QString, pane);
    QFETCH(int, overlay);
    QFETCH(QString, pressed);
    QFETCH(QPointF, pressedAt);
    QFETCH(bool, opens);
    QFETCH(double, dropLeft);
    QFETCH(double, dropTop);
    const chrome::CellLayout cells = chrome::cellLayout(1, 1, chrome::CellFrame::Window);
    const QRectF panel(9090, 1605, 2700, 3000);
    const QRectF cellRect = cell >= 32 && cell <= 40 ? QRectF(panel.topLeft(), QSizeF(2655, 300))
                            : cell <= 88             ? cells[size_t(cell)]
                                                     : QRectF();
    const chrome::CellClick c = chrome::cellClick(cell, cellRect, panel, pane, true, 1);
    QCOMPARE(int(c.overlay), overlay);
    QCOMPARE(c.opens, opens);
    if (overlay == int(chrome::Bar::None))
        return;
    QCOMPARE(c.pressed, pressed);
    QCOMPARE(c.pressedAt, pressedAt);
    if (!opens)
        return;
    QCOMPARE(c.dropLeft, dropLeft);
    QCOMPARE(chrome::dropDownTop(c, cellRect, panel, 8325, 330, 2000), dropTop);
    // The simulated window's drawing-bar drop-downs end on the cell's top.
    if (cell == 24)
        QCOMPARE(chrome::dropDownTop(chrome::cellClick(cell, cellRect, panel, pane, false, 1), cellRect, panel, 8325,
                                     330, 2000),
                 cellRect.top() - 2000);
}

// A sub-menu beside its drop-down, 15 over its right edge, lifted above 8820
// and flipped to the left past 11850; the limits are strict.
void TstMenuTables::subMenuPlacement()
{
    const QRectF drop(1890, 675, 3000, 5000);
    QCOMPARE(chrome::subMenuCorner(drop, 3000, 1), QPointF(4875, 3000));
    QCOMPARE(chrome::subMenuKeptInside(QRectF(4875, 3000, 2000, 5820), drop, 1, 1), QPointF(4875, 3000));
    QCOMPARE(chrome::subMenuKeptInside(QRectF(4875, 3000, 2000, 5821), drop, 1, 1), QPointF(4875, 8820 - 5821));
    QCOMPARE(chrome::subMenuKeptInside(QRectF(9850, 3000, 2000, 1000), drop, 1, 1), QPointF(9850, 3000));
    QCOMPARE(chrome::subMenuKeptInside(QRectF(9851, 3000, 2000, 1000), drop, 1, 1), QPointF(1890 - 2000 + 15, 3000));
    QCOMPARE(chrome::itemHighlightPicture(24, 12), QStringLiteral("499912"));
    QCOMPARE(chrome::itemHighlightPicture(24, 41), QStringLiteral("244100"));
    QCOMPARE(chrome::itemHighlightPicture(3, 5), QStringLiteral("030500"));
    // The 31st sub-menu, reached by no click: the colour grid and its two
    // wide items.
    const ItemLayout g = chrome::subMenuItems(7310, 1, 1);
    QCOMPARE(g[1], QRectF(375, 465, 270, 270));
    QCOMPARE(g[40], QRectF(375 + 7 * 270, 465 + 4 * 270, 270, 270));
    QCOMPARE(g[41], QRectF(375, 60, 2160, 330));
    QCOMPARE(g[42], QRectF(375, 1890, 2160, 330));
    QCOMPARE(g[43], chrome::resetItem());
}

QTEST_GUILESS_MAIN(TstMenuTables)
#include "tst_menutables.moc"
