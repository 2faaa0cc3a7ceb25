#include "demo/player/motion.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace demo {

qint16 roundTo16(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v);
    return qint16(std::clamp(r, double(std::numeric_limits<qint16>::min()), double(std::numeric_limits<qint16>::max())));
}

qint32 roundTo32(double v)
{
    if (!std::isfinite(v))
        return 0;
    const double r = std::nearbyint(v);
    return qint32(std::clamp(r, double(std::numeric_limits<qint32>::min()), double(std::numeric_limits<qint32>::max())));
}

Motion motionSetUp(qint32 pointX, qint32 pointY, qint32 mbX, qint32 mbY)
{
    const double dx = double(mbX) - pointX, dy = double(mbY) - pointY;
    Motion m;
    m.StepLen = std::sqrt(dx * dx + dy * dy) / 15;
    const double ax = std::abs(dx), ay = std::abs(dy);
    if (ax == 0 && ay == 0)
        return m;
    if (ax > ay) {
        m.StepX = roundTo16(m.StepLen);
        m.StepY = roundTo16(ay * m.StepLen / ax);
    } else {
        m.StepX = roundTo16(ax * m.StepLen / ay);
        m.StepY = roundTo16(m.StepLen);
    }
    if (mbX < pointX)
        m.StepX = qint16(-m.StepX);
    if (mbY < pointY)
        m.StepY = qint16(-m.StepY);
    return m;
}

bool arrived(qint32 pointX, qint32 pointY, qint32 mbX, qint32 mbY, double stepLen, double xScale)
{
    const double dx = double(mbX) - pointX, dy = double(mbY) - pointY;
    const double dist = std::sqrt(dx * dx + dy * dy);
    const bool far = (std::abs(dx) > 1.2 * stepLen || std::abs(dy) > 1.2 * stepLen) && dist >= 1.5 * stepLen &&
                     dist >= 120 * xScale;
    return !far;
}

} // namespace demo
