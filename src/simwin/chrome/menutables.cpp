#include "simwin/chrome/menutables.h"

#include "bank/bankfiles.h"

#include <QSize>
#include <algorithm>
#include <cmath>

namespace chrome {

// ---- Picture names ------------------------------------------------------------------

using bank::twoDigits;

QString hoverPicture(int cell) { return twoDigits(cell) + QStringLiteral("0088"); }
QString pressedPicture(int cell) { return twoDigits(cell) + QStringLiteral("0099"); }
QString dropDownPicture(int cell) { return twoDigits(cell) + QStringLiteral("0077"); }
QString panelPicture(int cell) { return twoDigits(cell) + QStringLiteral("0000"); }
QString paneSetPicture(QChar d, const char *suffix)
{
    return QStringLiteral("XX0") + d + QString::fromLatin1(suffix);
}
QString itemHoverPicture(int cell, int item) { return twoDigits(cell) + twoDigits(item) + QStringLiteral("00"); }
QString paletteHoverPicture(int item) { return QStringLiteral("4999") + twoDigits(item); }
QString subMenuPicture(int cell, int item) { return twoDigits(cell) + twoDigits(item) + QStringLiteral("77"); }
QString subItemHoverPicture(int cell, int item, int sub)
{
    return twoDigits(cell) + twoDigits(item) + twoDigits(sub);
}
QString markerPicture(const QString &stem) { return stem + QStringLiteral("77"); }
QString markerHoverPicture(const QString &stem) { return stem + QStringLiteral("00"); }

// ---- Cells ----------------------------------------------------------------------------------

const QList<int> &dropDownCells()
{
    static const QList<int> cells = [] {
        QList<int> c;
        for (int i = 1; i <= 11; ++i)
            c << i;
        c << 13;
        for (int i = 24; i <= 34; ++i)
            c << i;
        c << 36 << 37 << 42 << 44 << 49 << 52 << 69 << 70 << 71 << 72 << 86 << 87;
        return c;
    }();
    return cells;
}

bool opensDropDown(int cell) { return cell != 33 && cell != 34 && dropDownCells().contains(cell); }

bool isPaletteGrid(int cell) { return cell == 24 || cell == 25 || cell == 26 || cell == 33 || cell == 34; }

bool isSplitArrow(int cell) { return cell == 42 || cell == 44 || cell == 49 || cell == 52; }

double dropDownLeftShift(int cell)
{
    if (isSplitArrow(cell))
        return -SplitArrowShift;
    switch (cell) {
    case 69: return -735;
    case 86: return -585;
    case 87: return -1245;
    case 32: return 240;
    default: return 0;
    }
}

// ---- Item groups ------------------------------------------------------------------------

int groupItems(QChar c)
{
    if (c >= u'1' && c <= u'9')
        return c.unicode() - u'0';
    if (c == u'A')
        return 14;
    if (c == u'B')
        return 11;
    return 0;
}

QString menuItemGroups(int menu)
{
    static const char *const groups[] = {"324313221", "2525133", "7244", "755", "6811", "52336",
                                         "36421",     "1",       "231",  "231", "2341"};
    if (menu < 1 || menu > 11)
        return {};
    return QString::fromLatin1(groups[menu - 1]);
}

// ---- Item layouts ------------------------------------------------------------------------

namespace {

// A whole number of twips, halves to the even number (the top tables hold
// integers).
double wholeTwips(double v) { return std::nearbyint(v); }

ItemLayout emptyLayout()
{
    ItemLayout l;
    for (QRectF &r : l.items)
        r = resetItem();
    l.items[0] = QRectF();
    return l;
}

// Sets item i to design (L, T, W, H) times the factors.
void put(ItemLayout &l, int i, double left, double top, double width, double height, double x, double y)
{
    l.items[size_t(i)] = QRectF(left * x, top * y, width * x, height * y);
    l.count = std::max(l.count, i);
}

// A grid of columns from (left0, top0) with the pitch and cell size given.
void grid(ItemLayout &l, int first, int cells, int columns, double left0, double top0, double pitchX, double pitchY,
          double w, double h, double x, double y)
{
    for (int k = 0; k < cells; ++k)
        put(l, first + k, left0 + pitchX * (k % columns), top0 + pitchY * (k / columns), w, h, x, y);
}

// A list on a pitch with extra shifts: shift(i) is added to item i's top.
template <typename Shift>
void list(ItemLayout &l, int items, double left, double top0, double pitch, double w, double h, Shift shift, double x,
          double y)
{
    for (int i = 1; i <= items; ++i)
        put(l, i, left, top0 + pitch * (i - 1) + shift(i), w, h, x, y);
}

const auto noShift = [](int) { return 0.0; };

ItemLayout fixedLayout(int cell, double x, double y)
{
    ItemLayout l = emptyLayout();
    switch (cell) {
    case 13: {
        static const int tops[] = {165, 510, 855, 1200, 1545, 1890, 2235, 2610};
        for (int i = 1; i <= 8; ++i)
            put(l, i, 30, tops[i - 1], 2505, 330, x, y);
        break;
    }
    case 24:
    case 25:
    case 26:
        grid(l, 1, 40, 8, 60, 600, 270, 270, 270, 270, x, y);
        put(l, 41, 60, 210, 2160, 330, x, y);
        if (cell == 26) {
            put(l, 42, 60, 2010, 2160, 330, x, y);
            put(l, 43, 0, 0, 0, 0, x, y);
        } else {
            put(l, 42, 30, 2070, 2160, 330, x, y);
            put(l, 43, 30, 2400, 2160, 330, x, y);
        }
        break;
    case 27:
        for (int i = 1; i <= 9; ++i)
            put(l, i, 60, 90 + 240 * (i - 1), 2100, 240, x, y);
        for (int i = 10; i <= 13; ++i)
            put(l, i, 105, 2310 + 240 * (i - 10), 2100, 240, x, y);
        put(l, 14, 30, 3390, 2100, 240, x, y);
        break;
    case 28:
        list(l, 8, 60, 90, 210, 1470, 210, noShift, x, y);
        break;
    case 29:
        list(l, 11, 60, 90, 240, 1470, 240, noShift, x, y);
        put(l, 12, 30, 2850, 1530, 330, x, y);
        break;
    case 30:
        grid(l, 1, 20, 4, 60, 480, 405, 405, 390, 390, x, y);
        put(l, 21, 75, 90, 1560, 330, x, y);
        put(l, 22, 30, 2610, 1665, 330, x, y);
        break;
    case 31:
        grid(l, 1, 20, 4, 60, 480, 390, 390, 390, 390, x, y);
        put(l, 21, 60, 90, 1560, 330, x, y);
        put(l, 22, 30, 2550, 1620, 330, x, y);
        break;
    case 32:
        list(l, 11, 30, 30, 345, 2325, 330, [](int i) { return i == 6 ? 30.0 : i >= 7 ? 60.0 : 0.0; }, x, y);
        break;
    case 33:
        grid(l, 1, 40, 8, 60, 480, 270, 270, 270, 270, x, y);
        put(l, 41, 60, 90, 2160, 330, x, y);
        put(l, 42, 30, 1950, 2160, 330, x, y);
        break;
    case 34:
        grid(l, 1, 40, 8, 0, 0, 270, 270, 270, 270, x, y);
        break;
    case 36: {
        static const int lefts[] = {60, 60, 210, 255, 345, 360, 360, 360, 360, 360, 360, 360, 360, 210};
        for (int i = 1; i <= 14; ++i)
            put(l, i, lefts[i - 1], 15 + 240 * (i - 1), 2025, 240, x, y);
        break;
    }
    case 42:
        list(l, 7, 30, 30, 345, 2775, 330, [](int i) { return i >= 6 ? 60.0 : i >= 3 ? 30.0 : 0.0; }, x, y);
        break;
    case 44:
        list(l, 2, 30, 30, 345, 2325, 330, noShift, x, y);
        break;
    case 49:
        list(l, 2, 30, 30, 345, 2595, 330, noShift, x, y);
        break;
    case 52:
        list(l, 4, 30, 30, 345, 4935, 330, [](int i) { return i == 4 ? 30.0 : 0.0; }, x, y);
        break;
    case 69:
        list(l, 3, 30, 30, 345, 2415, 345, noShift, x, y);
        break;
    case 70:
        list(l, 16, 30, 30, 180, 1440, 180, noShift, x, y);
        break;
    case 71:
        list(l, 12, 30, 30, 300, 3750, 330, noShift, x, y);
        break;
    case 72:
        list(l, 12, 30, 30, 180, 1185, 180, noShift, x, y);
        break;
    case 86:
        grid(l, 1, 11, 6, 30, 180, 345, 330, 345, 330, x, y);
        break;
    case 87:
        grid(l, 1, 16, 8, 60, 870, 270, 270, 270, 270, x, y);
        put(l, 17, 30, 1530, 2220, 330, x, y);
        put(l, 18, 60, 210, 2220, 330, x, y);
        break;
    default:
        break;
    }
    return l;
}

} // namespace

ItemLayout listLayout(const QString &groups, double x, double y, int tableSize, double itemWidth)
{
    ItemLayout l = emptyLayout();
    std::array<double, MaxItems + 2> top{};
    tableSize = std::clamp(tableSize, 1, MaxItems);
    top[1] = wholeTwips(30 * y);
    for (int i = 2; i <= tableSize; ++i)
        top[size_t(i)] = wholeTwips(345 * y + top[size_t(i - 1)]);
    // Each sum is stored whole again: the separator's 30 x YBiLi is added
    // unrounded and the result rounded.
    int n = 0;
    for (const QChar c : groups) {
        n += groupItems(c);
        for (int j = n + 1; j <= tableSize; ++j)
            top[size_t(j)] = wholeTwips(top[size_t(j)] + 30 * y);
    }
    n = std::min(n, tableSize);
    for (int i = 1; i <= n; ++i) {
        l.items[size_t(i)] = QRectF(ListItemInset * x, top[size_t(i)], itemWidth, 330 * y);
        l.count = i;
    }
    return l;
}

ItemLayout dropDownItems(int cell, double x, double y, double menuItemWidth)
{
    if (cell >= 1 && cell <= 11)
        return listLayout(menuItemGroups(cell), x, y, 21, menuItemWidth);
    if (cell == 37)
        return listLayout(menuItemGroups(9), x, y, 21, menuItemWidth);
    return fixedLayout(cell, x, y);
}

// ---- Sub-menus ---------------------------------------------------------------------------------

namespace {
struct SubMenu {
    int key;
    const char *groups; // list layouts; "" for grids and the two without a layout
};
constexpr SubMenu SubMenus[] = {
    {113, "31"},  {119, "7"},   {120, "1"},  {219, "5"},  {304, "6"},  {308, "321"}, {309, "2"},  {315, "A1"},
    {316, "151"}, {411, "22"},  {412, "13B1"}, {413, "54"}, {514, "331"}, {603, "3"},  {611, ""},   {612, "2"},
    {613, ""},    {614, "12"},  {704, "4"},  {706, "5"},  {714, "2"},  {715, "2"},   {716, "3"},  {1301, ""},
    {1302, ""},   {1303, ""},   {1304, ""},  {1305, ""},  {1306, ""},  {1307, ""},  {7310, ""}};
} // namespace

const QList<int> &subMenuList()
{
    static const QList<int> keys = [] {
        QList<int> k;
        for (const SubMenu &s : SubMenus)
            k << s.key;
        return k;
    }();
    return keys;
}

bool hasSubMenu(int cell, int item) { return subMenuList().contains(cell * 100 + item); }

QString subMenuGroups(int key)
{
    for (const SubMenu &s : SubMenus)
        if (s.key == key)
            return QString::fromLatin1(s.groups);
    return {};
}

int subMenuGridColumns(int key)
{
    if (key == 1301 || key == 1302)
        return 3;
    if (key >= 1303 && key <= 1307)
        return 4;
    if (key == 7310)
        return 8;
    return 0;
}

int subMenuGridCells(int key)
{
    const int c = subMenuGridColumns(key);
    return c == 3 ? 9 : c == 4 ? 32 : c == 8 ? 40 : 0;
}

ItemLayout subMenuItems(int key, double x, double y, double listItemWidth)
{
    if (key == 7310) {
        // The colour grid with its two wide items above and below it.
        ItemLayout l = emptyLayout();
        grid(l, 1, 40, 8, 375, 465, 270, 270, 270, 270, x, y);
        put(l, 41, 375, 60, 2160, 330, x, y);
        put(l, 42, 375, 1890, 2160, 330, x, y);
        return l;
    }
    if (const int columns = subMenuGridColumns(key)) {
        ItemLayout l = emptyLayout();
        grid(l, 1, subMenuGridCells(key), columns, 30, 180, 345, 330, 345, 330, x, y);
        return l;
    }
    if (key >= 800)
        return emptyLayout();
    return listLayout(subMenuGroups(key), x, y, 20, listItemWidth);
}

QSize enclosingPictureSize(const ItemLayout &layout)
{
    double right = 0, bottom = 0;
    for (int i = 1; i <= MaxItems; ++i) {
        const QRectF &r = layout[i];
        if (r.width() <= 0 || r.height() <= 0)
            continue;
        right = std::max(right, r.right());
        bottom = std::max(bottom, r.bottom());
    }
    return QSize(int(std::ceil(right / 15)) + 2, int(std::ceil(bottom / 15)) + 2);
}

} // namespace chrome
