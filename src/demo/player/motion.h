#pragma once
// src/demo/player/: the demonstration's player: the pointer's motion maths
// (this header, widget-free), its targets, moves and arrival actions, the
// typing, drag, pause and ring timers and the drawn right-click menus, as
// procedures of the demonstration window.
//
// The motion of every glide of the drawn pointer: the set-up that aims it
// (each tick covers a fifteenth of the distance, the longer axis by the step
// length, the other in proportion) and the one arrival test every mover
// uses. Twips of the window's client area, scale applied.

#include <QtGlobal>

namespace demo {

struct Motion
{
    double StepLen = 0;
    qint16 StepX = 0, StepY = 0;
    bool operator==(const Motion &) const = default;
};

// From the pointer (pointX, pointY) to the target (mbX, mbY): StepLen the
// distance / 15; the per-axis steps rounded half to even into 16 bits,
// negative towards smaller values; a zero distance gives 0, 0, 0.
Motion motionSetUp(qint32 pointX, qint32 pointY, qint32 mbX, qint32 mbY);

// Arrived when both axes are within 1.2 steps, or the distance is below 1.5
// steps, or below 120 x xScale twips. The pointer is never snapped.
bool arrived(qint32 pointX, qint32 pointY, qint32 mbX, qint32 mbY, double stepLen, double xScale);

// A value rounded half to even into 16 or 32 bits (out-of-range values end
// at the type's limits).
qint16 roundTo16(double v);
qint32 roundTo32(double v);

} // namespace demo
