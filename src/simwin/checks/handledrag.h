#pragma once
// The draggable handle picture of the handle-drag steps: it follows the
// pointer half way on each move, and on release either snaps onto its limit
// (the step is done) or goes back where the scene put it. Positions in
// window twips unless said otherwise.

#include <QStringView>
#include <optional>

namespace chk {

enum class HandleAxis { None, Horizontal, Vertical, Both };

// 8001/8002 horizontal, 8003/8004 vertical, 8006-8009 both; every other code
// (8005 too) moves nothing.
HandleAxis handleAxis(int stepType);

// A move with the left button alone: the new left and/or top of the handle and
// the stored position that follows it (rounded, halves to even).
struct HandleMove
{
    std::optional<double> left;
    std::optional<double> top;
    int dragX = 0;
    int dragY = 0;
};
// nothing when the code is no handle-drag code or the buttons are not the left
// one alone. x, y: pointer relative to the handle, twips.
std::optional<HandleMove> handleMove(int stepType, int buttons, double x, double y, int dragX, int dragY);

struct HandleLimits
{
    int limitX = 0;    // design twips (characters 167-171)
    int limitY = 0;    // design twips (characters 172-176)
    int startLeft = 0; // design twips (left of picture area 5)
    int startTop = 0;  // design twips (top of picture area 5)
    double xScale = 1.0;
    double yScale = 1.0;
};

// The limits and start of the handle from the step record (drag limits at
// 167-176, picture area 5's left and top).
HandleLimits handleLimits(QStringView stepLine, double xScale, double yScale);

// A release of any button. Success puts the handle on the limit and advances
// (doNext, no jump); failure puts it back and stores the restored coordinates
// in dragX/dragY. Only the coordinates of the code's axis are given; for the
// diagonal codes set the top first, then the left.
struct HandleRelease
{
    bool advance = false;
    std::optional<double> left;
    std::optional<double> top;
    std::optional<int> dragX;
    std::optional<int> dragY;
};
// nothing when the code is no handle-drag code.
std::optional<HandleRelease> handleRelease(int stepType, int dragX, int dragY, const HandleLimits &limits);

} // namespace chk
