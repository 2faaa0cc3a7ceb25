#pragma once
// The simulated window's scene as data: every visible control of FrmMain and
// of its open pop-ups, with pixel geometry relative to FrmMain's top-left
// corner, the picture file it shows and its text. For the probe and tests.

#include <QJsonObject>

class FrmMain;

namespace simwin {

// {"StepNo", "TmNo", "TmState", "StepLine", "StepType", "acceptedKeys": [key
// names], "Timer3", "tabs": {"TabLayout", "TabTarget", "TabRow", "BackSpec"},
// "LblUnit", "LblBiao", "controls": [{"name", "x", "y", "w", "h", "picture"?,
// "text"?, "selectionStart"?, "selectionLength"?, "items"?, "index"?}, ...],
// "hintFrames": [{"name", "bar", "visible", "x", "y", "w", "h"}, ...] (the
// four frames, seen or not)}
QJsonObject describe(const FrmMain &w);

} // namespace simwin
