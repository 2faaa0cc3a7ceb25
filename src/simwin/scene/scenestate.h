#pragma once
// Step state of the simulated window: the current step record and step, and
// per question the step it resumes at and the pictures of the scene it was
// left in. Owned by the scene engine; the question window and the demo read
// them. One home; tests reset it.

#include "run/runstate.h"

#include <QString>
#include <array>

namespace scene {

// The current step record (one step-file line) and the current step, from 1.
inline QString StepLine;
inline qint16 StepNo = 1;

// Per question (1 to 500): the step it reopens at.
inline std::array<qint16, run::MaxQuestions + 1> TmStep{};
// Per question: the picture names of its scene, 0 background, 1-6 areas.
inline std::array<std::array<QString, 7>, run::MaxQuestions + 1> TmPics;

void resetSceneState();

} // namespace scene
