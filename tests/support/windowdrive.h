#pragma once
// Driving the simulated window in tests: shown, a step built at once, key
// presses delivered as the window system does. The record fields the tests
// write come along from steplines.h.

#include "steplines.h"

#include <QString>

class FrmFengmian;
class FrmMain;
class FrmYanShi;

namespace ts {

class SceneFixture;

// The cover, shown and exposed.
FrmFengmian &shownCover();
// A real click on the cover's button `index`, which must be on show.
void clickCover(int index);

// FrmMain, shown and exposed (focus and visibility need a shown window).
FrmMain &shownWindow();

// Unit u's practice composed as the cover composes it and prepared as the
// run start prepares it (cover::composeUnitPractice, cover::prepareLianXi),
// no window shown: the unit's row of the unit table as the cover's load
// fills it when the paper list counts the unit's question lines (the
// question file's lines up to the first blank one, the progress line cut or
// padded with "F"), UnitCount from the paper list, practice mode. False
// when the unit has no question or the set cannot start.
bool composeUnit(int unit);

// The composed set's practice started as the cover starts it (both windows
// shown, the question window's reload and FrmMain's first scene done).
FrmMain &startPractice();
// Question q loaded by the question window, its scene built.
void loadQuestion(int q);
// The run's windows unloaded and deleted.
void unloadRunWindows();

// Builds step `step` of question `q` at once.
void buildStep(int q, int step);

// The demonstration window on question 1 of fixture unit 1 made of these
// records, a demonstration running; its load builds step 1, then `step` is
// built when it is another.
FrmYanShi &demoOn(SceneFixture &fx, const QStringList &records, int step = 1);

// A key press by name ("Ctrl+C", "F5", "VK12") to the control of FrmMain
// that holds the focus, or to the window when none does. False for a name
// that names no key.
bool pressKey(const QString &name);

} // namespace ts
