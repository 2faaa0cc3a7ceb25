#pragma once
// The red hint frames of the bars: from the step's three target fields, which
// bar cell (or the extra panel) each of the four frames outlines. Computed
// from the cells' rectangles as the window holds them; the window copies the
// result onto its four frame shapes.

#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QStringView>
#include <array>
#include <optional>

namespace chk {

// The four frames, each in the bar picture that holds its cells.
enum HintFrame { FrameMenu, FrameTool, FrameHui, FrameElse, HintFrameCount };

// The bar cell a target field names, or 0 for none. Fields beginning "H"
// (or "D" when allowD) name cell n from their characters 2-3; "H3215" and
// "H3216" name none; a letter other than "S" in character 2 leaves the cell
// of character 3 alone; "S" and "Z" there name no bar cell.
int hintFrameCell(QStringView field, bool allowD);

// The frame that outlines cell n: 1-11 menu bar, 41-88 standard and
// formatting toolbars, 12-31 drawing toolbar, 32-40 extra panel; none else.
std::optional<HintFrame> frameOfCell(int n);

struct HintFramePlan
{
    // Frames given a new rectangle; the others keep theirs.
    std::array<std::optional<QRectF>, HintFrameCount> rect;
    // Every frame is hidden first; a placed frame then takes the hint line's
    // visibility.
    std::array<bool, HintFrameCount> visible{};
};

// cells: the rectangles of the cells LblZHU(0..88) (twips, in their bar's
// coordinates); panelSize: the extra panel's width and height.
HintFramePlan hintFrames(QStringView stepLine, const QList<QRectF> &cells, QSizeF panelSize, double xScale,
                         double yScale, bool hintVisible);

} // namespace chk
