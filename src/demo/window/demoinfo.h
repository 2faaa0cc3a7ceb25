#pragma once
// The demonstration window's scene as data, for the probe and tests: the
// scene as the simulated window's is described (simwin::describe), with the
// player's variables and whether the end timer and the pause run.

#include <QJsonObject>

class FrmYanShi;

namespace demo {

// simwin::describe's object, plus "player": {"DemoStep", "TypeText",
// "TypePos", "TickCount", "DragPhase", "JumpStep", "AimZHU", "Aim1J",
// "Aim2J", "DragEndX", "DragEndY", "HintText", "Label1Width",
// "Label1Height", "TabLayout", "TabTarget", "TabImage", "TabCount",
// "TabRow", "TabLeft", "TabTop", "PopMenuNo"}, "TimEnd" and "Timer4" (running).
QJsonObject describe(const FrmYanShi &w);

} // namespace demo
