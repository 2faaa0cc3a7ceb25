#pragma once
// src/simwin/chrome/ (layer 3, core library, namespace chrome): the tables
// of the simulated window's bars and menus, without widgets.
//
// The fixed geometry of the bar cells (LblZHU) in design twips, relative to
// the bar that holds each cell, and the base pictures of the bars, which are
// part of the simulated window's own definition.

#include <QPixmap>
#include <QRectF>
#include <QString>
#include <array>

namespace chrome {

enum class Bar { None, Menu, Tool, Hui, Else };

// Which bar holds a cell: 1-11 menu bar, 12-31 drawing toolbar, 0 and 32-40
// extra panel, 41-88 standard and formatting toolbars.
Bar barOf(int hotSpot);

// A cell's design rectangle (twips at 15 twips a pixel) within its bar, by
// the fixed layout; an empty rectangle for cell 0 and the panel cells 32-40,
// which are not part of it.
QRectF designCell(int hotSpot);

// Cells 1 to 31 and 41 to 88 at the scale factors, in twips within their
// bar, as the window lays them out at its load: each value the design value
// times its factor, the toolbar rows' left edges chained in the scaled unit.
// Cell 0 and the panel cells 32-40 are empty: the layout does not touch them.
using CellLayout = std::array<QRectF, 89>;
CellLayout cellLayout(double xScale, double yScale);

// The frame a layout is given in: each cell within its bar (the simulated
// window's bars hold their cells), or on the window, each cell moved by its
// bar's place (the demonstration's cells lie on the window itself).
enum class CellFrame { Bar, Window };
CellLayout cellLayout(double xScale, double yScale, CellFrame frame);

// Design tops of the three bars in the window's client area.
constexpr double MenuBarTop = 390;
constexpr double ToolBarTop = 735;
constexpr double DrawingBarTop = 8325;
// A bar's top-left corner in the window at the scale factors (all bars lie
// at the left edge); (0, 0) for the extra panel, which moves per step.
QPointF barOrigin(Bar bar, double xScale, double yScale);

// The bars' base pictures (722x19, 800x51, 671x26 and 174x17 pixels at every
// scale), drawn so that every cell lies on its button.
QPixmap menuBarPicture();
QPixmap toolBarPicture();
QPixmap drawingBarPicture();
QPixmap extraPanelPicture();

} // namespace chrome
