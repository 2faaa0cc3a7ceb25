#pragma once
// The demonstration window's scene as data, for the probe and tests: the
// scene as the simulated window's is described (simwin::describe), with the
// player's state, its running timers and its chrome in twips and pixels.

#include <QJsonObject>

class FrmYanShi;

namespace demo {

// simwin::describe's object, plus
//   "player": {"DemoStep", "PointX", "PointY", "MbX", "MbY", "StepLen",
//     "StepX", "StepY", "TickCount", "TypeText", "TypePos", "DragPhase",
//     "JumpStep", "AimZHU", "Aim1J", "Aim2J", "DragEndX", "DragEndY",
//     "HintText", "Label1Width", "Label1Height", "TabLayout", "TabTarget",
//     "TabImage", "TabCount", "TabRow", "TabLeft", "TabTop", "PopMenuNo",
//     "StepsShown"},
//   "timers": [names of the running timers], "TimEnd", "Timer4" (running),
//   "chrome": [{"name", "visible", "twips": [l, t, w, h], "px": [x, y, w,
//     h], "picture"?}] for the bars, panels, drop-downs, pressed pictures,
//     the placed hot spots and items,
//   "lines": [{"name", "visible", "X1", "Y1", "X2", "Y2"}] (the pointer's
//     fourteen and the drawn menus' separators),
//   "pointer": {"ImgICO", "Shape5" (with "color", "#rrggbb"), "Shape6"} as
//     the chrome's entries,
//   "drawnMenus": the drawn right-click menu's and cascade's panels, frames,
//     entries, marks and items as the chrome's entries, labels with their
//     "caption" (their separators are among "lines").
QJsonObject describe(const FrmYanShi &w);

} // namespace demo
