#include "simwin/checks/handledrag.h"

#include "foundation/numparse.h"
#include "simwin/scene/steprecord.h"

namespace chk {

HandleAxis handleAxis(int stepType)
{
    switch (stepType) {
    case 8001:
    case 8002: return HandleAxis::Horizontal;
    case 8003:
    case 8004: return HandleAxis::Vertical;
    case 8006:
    case 8007:
    case 8008:
    case 8009: return HandleAxis::Both;
    default: return HandleAxis::None;
    }
}

static bool movesX(HandleAxis a) { return a == HandleAxis::Horizontal || a == HandleAxis::Both; }
static bool movesY(HandleAxis a) { return a == HandleAxis::Vertical || a == HandleAxis::Both; }

std::optional<HandleMove> handleMove(int stepType, int buttons, double x, double y, int dragX, int dragY)
{
    const HandleAxis axis = handleAxis(stepType);
    if (buttons != 1 || axis == HandleAxis::None)
        return std::nullopt;
    HandleMove m{std::nullopt, std::nullopt, dragX, dragY};
    if (movesX(axis)) {
        m.left = x / 2 + dragX;
        m.dragX = int(fnd::roundHalfEven(*m.left));
    }
    if (movesY(axis)) {
        m.top = y / 2 + dragY;
        m.dragY = int(fnd::roundHalfEven(*m.top));
    }
    return m;
}

HandleLimits handleLimits(QStringView stepLine, double xScale, double yScale)
{
    const scene::PictureArea handle = scene::pictureArea(stepLine, 5);
    return {scene::dragLimitX(stepLine), scene::dragLimitY(stepLine), handle.left, handle.top, xScale, yScale};
}

static bool reached(int stepType, int dragX, int dragY, double lx, double ly)
{
    switch (stepType) {
    case 8001: return dragX <= lx;
    case 8002: return dragX >= lx;
    case 8003: return dragY <= ly;
    case 8004: return dragY >= ly;
    case 8006: return dragY >= ly && dragX <= lx;
    case 8007: return dragY >= ly && dragX >= lx;
    case 8008: return dragY <= ly && dragX <= lx;
    case 8009: return dragY <= ly && dragX >= lx;
    default: return false;
    }
}

std::optional<HandleRelease> handleRelease(int stepType, int dragX, int dragY, const HandleLimits &limits)
{
    const HandleAxis axis = handleAxis(stepType);
    if (axis == HandleAxis::None)
        return std::nullopt;
    const double lx = limits.limitX * limits.xScale;
    const double ly = limits.limitY * limits.yScale;
    HandleRelease r;
    if (reached(stepType, dragX, dragY, lx, ly)) {
        r.advance = true;
        if (movesX(axis))
            r.left = lx;
        if (movesY(axis))
            r.top = ly;
        return r;
    }
    if (movesX(axis)) {
        r.left = limits.startLeft * limits.xScale;
        r.dragX = int(fnd::roundHalfEven(*r.left));
    }
    if (movesY(axis)) {
        r.top = limits.startTop * limits.yScale;
        r.dragY = int(fnd::roundHalfEven(*r.top));
    }
    return r;
}

} // namespace chk
