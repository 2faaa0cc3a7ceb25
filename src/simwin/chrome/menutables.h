#pragma once
// The drop-downs of the simulated window's bars as plain tables: which cells
// open one, where each item and sub-item lies, and the names of every chrome
// picture. The window lays its item cells out from these functions and the
// bank generator draws the pictures from them, so both agree by construction.
//
// Geometry is in twips relative to the drop-down's top-left corner, at the
// scale factors given (1, 1 for the design values).

#include <QList>
#include <QRectF>
#include <QString>
#include <array>

namespace chrome {

// ---- Picture names (six characters; the file is the name + ".mxy") ----------

QString hoverPicture(int cell);             // NN0088
QString pressedPicture(int cell);           // NN0099
QString dropDownPicture(int cell);          // NN0077
QString panelPicture(int cell);             // NN0000 (extra panel cells 32-40)
// Pane set d of the extra panel: "XX0" d and "00" (panel), "88" (hover) or
// "99" (pressed).
QString paneSetPicture(QChar d, const char *suffix);
QString itemHoverPicture(int cell, int item);           // MMII00
QString paletteHoverPicture(int item);                  // 4999II
QString subMenuPicture(int cell, int item);             // MMII77
QString subItemHoverPicture(int cell, int item, int sub); // MMIISS
QString markerPicture(const QString &stem);             // PPPP77
QString markerHoverPicture(const QString &stem);        // PPPP00

// ---- Cells ----------------------------------------------------------------------

// Cells whose left release opens a first-level drop-down.
bool opensDropDown(int cell);
// The cells that have a drop-down layout: 1-11, 13, 24-34, 36, 37, 42, 44,
// 49, 52, 69-72, 86, 87.
const QList<int> &dropDownCells();
// The colour grids whose items 1-40 share the palette's hover pictures.
bool isPaletteGrid(int cell);

// ---- Where a click opens a drop-down ------------------------------------------------

// The split buttons' arrow cells, whose pressed and hover pictures start
// SplitArrowShift design twips left of the cell to cover the button too.
bool isSplitArrow(int cell);
constexpr double SplitArrowShift = 345;
// Menu 11's drop-down opens at a fixed left edge, not under its title.
constexpr double Menu11DropDownLeft = 7785;
// The design twips added to the opening cell's left edge (toolbar cells) or
// to the panel's (extra panel cells) to give the drop-down's left edge:
// -345 for the split arrows, -735 for 69, -585 for 86, -1245 for 87, +240
// for panel 32, 0 otherwise.
double dropDownLeftShift(int cell);

// ---- Item groups ------------------------------------------------------------------

// Items in one group character: "1"-"9" their value, "A" 14, "B" 11, else 0.
int groupItems(QChar c);
// The group string of menu 1-11 (empty for any other number).
QString menuItemGroups(int menu);

// ---- Item layouts --------------------------------------------------------------------

constexpr int MaxItems = 44;

// The item cells of one drop-down or sub-menu, indexes 1 to 44 (0 unused).
// An item the layout does not use keeps the reset rectangle (-100, -100, 0,
// 0), which is never scaled.
struct ItemLayout {
    std::array<QRectF, MaxItems + 1> items{};
    int count = 0; // items laid out (the highest index given a place)
    const QRectF &operator[](int i) const { return items[size_t(i)]; }
};
inline QRectF resetItem() { return QRectF(-100, -100, 0, 0); }

// The width of a list item: 3900 design twips in the simulated window; the
// demonstration makes each list item as wide as its panel less 30.
constexpr double ListItemWidth = 3900;
constexpr double ListItemInset = 30;

// The list layout of a group string: tops in whole twips (halves to even),
// 30 from the left, itemWidth (window twips) wide, 330 high; tableSize is
// the top table's length (21 for a drop-down, 20 for a sub-menu).
ItemLayout listLayout(const QString &groups, double xScale, double yScale, int tableSize, double itemWidth);
inline ItemLayout listLayout(const QString &groups, double xScale, double yScale, int tableSize)
{
    return listLayout(groups, xScale, yScale, tableSize, ListItemWidth * xScale);
}

// The first-level items of the drop-down of cell, as laid out when it opens:
// the menu layout for 1-11 and 37 (items menuItemWidth wide, window twips),
// the fixed layouts of the toolbar and panel drop-downs, nothing for any
// other cell.
ItemLayout dropDownItems(int cell, double xScale, double yScale, double menuItemWidth);
inline ItemLayout dropDownItems(int cell, double xScale, double yScale)
{
    return dropDownItems(cell, xScale, yScale, ListItemWidth * xScale);
}

// ---- Sub-menus ---------------------------------------------------------------------------

// Keys cell x 100 + item of the items that carry a sub-menu (31 of them;
// 7310 is reached by no click: cell 73 opens no drop-down).
const QList<int> &subMenuList();
bool hasSubMenu(int cell, int item);
// The group string of a list sub-menu; empty for the grids and for the two
// sub-menus without a layout (0611, 0613).
QString subMenuGroups(int key);
// Grid sub-menus 1301-1307 and 7310: columns and cells (7310 also has two
// wide items, 41 and 42); 0 for any other key.
int subMenuGridColumns(int key);
int subMenuGridCells(int key);
// The sub-item cells of the sub-menu, as laid out when it opens; list items
// listItemWidth (window twips) wide. Keys of 800 and more are grids or
// nothing.
ItemLayout subMenuItems(int key, double xScale, double yScale, double listItemWidth);
inline ItemLayout subMenuItems(int key, double xScale, double yScale)
{
    return subMenuItems(key, xScale, yScale, ListItemWidth * xScale);
}

// ---- Pictures' sizes -------------------------------------------------------------------------

// The pixel size (at scale 1) of a drop-down or sub-menu picture that
// encloses its items: 2 pixels wider and taller than the box around them.
QSize enclosingPictureSize(const ItemLayout &layout);

} // namespace chrome
