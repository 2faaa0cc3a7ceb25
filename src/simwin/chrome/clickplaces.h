#pragma once
// Where the bars' panels, pressed pictures, drop-downs and sub-menus go, for
// both windows that show the bars: the simulated window and the
// demonstration. Each window passes what differs as a parameter (its panel
// profile, the rule of an upward drop-down); everything else is one
// definition. Positions are window twips at the scale factors given.

#include "simwin/chrome/hotspotlayout.h"

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringView>

namespace chrome {

// ---- The step's extra panel ----------------------------------------------------------

// How a window places the extra panel and sizes its cell.
struct PanelProfile
{
    double panel32Left;  // panel 32's fixed left edge (its top is 1605)
    bool fixed37;        // panel 37 at (6240, 420) rather than at the step's place
    QSizeF panelCell;    // the shown panel's cell (design twips), but for 32
    QSizeF panel32Cell;  // panel 32's cell
    QSizeF presetCell;   // the cell of a preset drop-down (33, 34)
};
inline constexpr PanelProfile SimulatedPanels{9075, true, {8100, 6000}, {8100, 6000}, {0, 0}};
inline constexpr PanelProfile DemoPanels{9090, false, {0, 0}, {2655, 300}, {30, 30}};

struct PanelPlace
{
    int cell = 0;        // the panel's cell 32-40; 0: no panel
    bool preset = false; // 33 and 34 show their drop-down in place of a panel
    QPointF at;          // the panel's (or the preset drop-down's) corner
    QSizeF cellSize;     // the size of cell `cell`, at the panel's corner
};
// cell: the step's panel cell (0 for none); stepLeft, stepTop: the step's
// panel place, design twips.
PanelPlace panelPlace(int cell, double stepLeft, double stepTop, const PanelProfile &profile, double xScale,
                      double yScale);

// ---- A click on a bar cell ------------------------------------------------------------

// How a drop-down's top is found once its picture (and the pressed picture)
// is loaded.
enum class DropTop {
    BelowCell,    // menu titles: under the cell
    AboveCell,    // drawing toolbar: its bottom on the cell's top
    AboveBar,     // drawing toolbar: its bottom on the bar's top
    BelowPressed, // toolbars: under the pressed picture
    BelowPanel    // extra panel: under the panel
};

struct CellClick
{
    Bar overlay = Bar::None; // the bar whose pressed-picture image shows; None: no pressed picture
    QString pressed;         // the pressed picture's name
    QPointF pressedAt;       // its corner
    bool opens = false;      // a drop-down opens
    double dropLeft = 0;
    DropTop dropTop = DropTop::BelowCell;
};
// cellRect and panelRect on the window; paneField: the step's characters
// 4-5 ("X" and a digit names the pressed picture of a pane set); upwardFromBar:
// a drawing-toolbar drop-down ends on the bar's top instead of the cell's.
CellClick cellClick(int cell, const QRectF &cellRect, const QRectF &panelRect, QStringView paneField,
                    bool upwardFromBar, double xScale);
// The drop-down's top by its rule, from the pictures' heights.
double dropDownTop(const CellClick &c, const QRectF &cellRect, const QRectF &panelRect, double drawingBarTop,
                   double pressedHeight, double dropHeight);

// ---- Items and sub-menus --------------------------------------------------------------------

// The highlight picture of drop-down item `item` of `cell`: the palette's
// shared pictures for items 1-40 of the colour grids, else the item's own.
QString itemHighlightPicture(int cell, int item);

// A sub-menu overlaps its drop-down by 15, ends above 8820 and opens to the
// drop-down's left when its right edge would pass 11850 (design twips).
constexpr double SubMenuOverlap = 15;
constexpr double SubMenuBottomLimit = 8820;
constexpr double SubMenuRightLimit = 11850;
// The sub-menu's corner beside the drop-down, level with the item's top.
QPointF subMenuCorner(const QRectF &dropDown, double itemTop, double xScale);
// The sub-menu's corner kept inside: lifted to end at the bottom limit, then
// moved to the drop-down's left past the right limit (strict comparisons).
QPointF subMenuKeptInside(const QRectF &subMenu, const QRectF &dropDown, double xScale, double yScale);

} // namespace chrome
