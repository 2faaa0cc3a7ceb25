#pragma once
// A scene window's scene as data: every visible control of the window (the
// simulated window or the demonstration window) and of its open pop-ups,
// with pixel geometry relative to the window's top-left corner, the picture
// file it shows and its text. For the probe and tests.

#include <QJsonObject>

namespace simwin {

class SceneWindow;

// {"StepNo", "TmNo", "TmState", "StepLine", "StepType", "acceptedKeys": [key
// names], "tabs": {"TabLayout", "TabTarget", "TabRow", "BackSpec"},
// "LblUnit", "LblBiao", "controls": [{"name", "x", "y", "w", "h", "picture"?,
// "text"?, "selectionStart"?, "selectionLength"?, "items"?, "index"?}, ...]};
// for the simulated window also "CurZHU", "Cur1J", "Timer3" and
// "hintFrames": [{"name", "bar", "visible", "x", "y", "w", "h"}, ...] (the
// four frames, seen or not).
QJsonObject describe(const SceneWindow &w);

} // namespace simwin
