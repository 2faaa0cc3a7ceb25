#include "simwin/chrome/clickplaces.h"

#include "simwin/chrome/menutables.h"

namespace chrome {

PanelPlace panelPlace(int cell, double stepLeft, double stepTop, const PanelProfile &p, double x, double y)
{
    PanelPlace place;
    if (cell < 32 || cell > 40)
        return place;
    place.cell = cell;
    place.at = QPointF(stepLeft * x, stepTop * y);
    QSizeF size = p.panelCell;
    if (cell == 32) {
        place.at = QPointF(p.panel32Left * x, 1605 * y);
        size = p.panel32Cell;
    } else if (cell == 37 && p.fixed37) {
        place.at = QPointF(6240 * x, 420 * y);
    } else if (cell == 33 || cell == 34) {
        place.preset = true;
        size = p.presetCell;
    }
    place.cellSize = QSizeF(size.width() * x, size.height() * y);
    return place;
}

CellClick cellClick(int cell, const QRectF &cellRect, const QRectF &panelRect, QStringView pane, bool upwardFromBar,
                    double x)
{
    CellClick c;
    const Bar bar = cell >= 0 && cell <= 88 ? barOf(cell) : Bar::None;
    c.opens = opensDropDown(cell);
    if (bar == Bar::None || (bar == Bar::Else && !c.opens)) {
        c.opens = false;
        return c; // no pressed picture, no drop-down
    }
    c.overlay = bar;
    c.pressed = bar == Bar::Else && pane.size() == 2 && pane[0] == u'X' ? paneSetPicture(pane[1], "99")
                                                                          : pressedPicture(cell);
    c.pressedAt = QPointF(cellRect.left() - (isSplitArrow(cell) ? SplitArrowShift * x : 0), cellRect.top());
    switch (bar) {
    case Bar::Menu:
        c.dropLeft = cell == 11 ? Menu11DropDownLeft * x : cellRect.left();
        c.dropTop = DropTop::BelowCell;
        break;
    case Bar::Hui:
        c.dropLeft = cellRect.left();
        c.dropTop = upwardFromBar ? DropTop::AboveBar : DropTop::AboveCell;
        break;
    case Bar::Tool:
        c.dropLeft = cellRect.left() + dropDownLeftShift(cell) * x;
        c.dropTop = DropTop::BelowPressed;
        break;
    default:
        c.dropLeft = panelRect.left() + dropDownLeftShift(cell) * x;
        c.dropTop = DropTop::BelowPanel;
        break;
    }
    return c;
}

double dropDownTop(const CellClick &c, const QRectF &cellRect, const QRectF &panelRect, double drawingBarTop,
                   double pressedHeight, double dropHeight)
{
    switch (c.dropTop) {
    case DropTop::BelowCell: return cellRect.top() + cellRect.height();
    case DropTop::AboveCell: return cellRect.top() - dropHeight;
    case DropTop::AboveBar: return drawingBarTop - dropHeight;
    case DropTop::BelowPressed: return cellRect.top() + pressedHeight;
    case DropTop::BelowPanel: return panelRect.top() + panelRect.height();
    }
    return 0;
}

QString itemHighlightPicture(int cell, int item)
{
    return item <= 40 && isPaletteGrid(cell) ? paletteHoverPicture(item) : itemHoverPicture(cell, item);
}

QPointF subMenuCorner(const QRectF &dropDown, double itemTop, double x)
{
    return QPointF(dropDown.left() + dropDown.width() - SubMenuOverlap * x, itemTop);
}

QPointF subMenuKeptInside(const QRectF &sub, const QRectF &dropDown, double x, double y)
{
    // Compared as the controls hold them, in single precision.
    QPointF at = sub.topLeft();
    if (float(sub.top() + sub.height()) > float(SubMenuBottomLimit * y))
        at.setY(SubMenuBottomLimit * y - sub.height());
    if (float(sub.left() + sub.width()) > float(SubMenuRightLimit * x))
        at.setX(dropDown.left() - sub.width() + SubMenuOverlap * x);
    return at;
}

} // namespace chrome
